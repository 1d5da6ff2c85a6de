// RamuloControl: loading and saving documents, the file-name properties, the save question
// and the New, Open, Save and Save As commands.
#include <unistd.h>

#include "control/automation_error.h"
#include "control/error_texts.h"
#include "control/member_guard.h"
#include "control/member_rules.h"
#include "control/ramulo_control.h"
#include "engine/host_window.h"

namespace ramulo {

using control_detail::applyRules;
namespace rules = member_rules;

namespace {

const char16_t kOpenFilter[] = u"Nodalyx Files (*.nxx; *.nx)|*.nxx; *.nx|XML Files (*.xml)|*.xml||";
const char16_t kSaveAsFilter[] =
    u"Nodalyx File (*.nxx)|*.nxx|Nodalyx File (*.nx)|*.nx|XML File (*.xml)|*.xml||";

// "nx" in any letter case selects the stream file; everything else the XML file.
bool isStreamExtension(const std::u16string& ext) {
    return ext.size() == 2 && (ext[0] == u'n' || ext[0] == u'N') &&
           (ext[1] == u'x' || ext[1] == u'X');
}

void changeDirectory(const std::u16string& folder) {
    // A folder that cannot be entered leaves the current one; the dialogs still open.
    if (!folder.empty() && ::chdir(toUtf8(folder).c_str()) != 0) return;
}

}  // namespace

std::uint16_t RamuloControl::Load(const std::u16string& Pathname) {
    applyRules(rules::Load, modified_,
               [&] { engine_.LoadStream(toUtf8(Pathname), editingEnabled_ != 0, window_); });
    setScrollSizesFromExtent();
    return 0;
}

std::uint16_t RamuloControl::LoadFromXml(const std::u16string& Pathname) {
    applyRules(rules::Load, modified_,
               [&] { engine_.LoadXml(toUtf8(Pathname), editingEnabled_ != 0, window_); });
    setScrollSizesFromExtent();
    return 0;
}

std::uint16_t RamuloControl::Save(const std::u16string& Pathname) {
    return applyRules(rules::Save, modified_, [&] { return engine_.SaveStream(toUtf8(Pathname)); });
}

std::uint16_t RamuloControl::SaveToXml(const std::u16string& Pathname) {
    return applyRules(rules::SaveToXml, modified_,
                      [&] { return engine_.SaveXml(toUtf8(Pathname)); });
}

std::uint16_t RamuloControl::LoadTest(std::uint16_t ID) {
    applyRules(rules::LoadTest, modified_, [&] { buildSample(ID); });
    // A sample document starts its own history, as a loaded one does.
    engine_.history().clear(!modified_);
    setScrollSizesFromExtent();
    invalidate();
    return ID >= 1 && ID <= 4 ? ID : 0;
}

// --- File-name properties

void RamuloControl::SetWorkingDirectory(const std::u16string& value) {
    workingDirectory_ = value.empty() ? u"/." : value;
}

void RamuloControl::SetFileExt(const std::u16string& value) {
    fileExt_ = value.empty() ? u"nxx" : value;
}

void RamuloControl::SetFileName(const std::u16string& value) {
    if (value.empty()) {
        fileName_ = defaultFileName_;
        return;
    }
    const std::u16string suffix = u"." + fileExt_;
    if (value.size() > suffix.size() && value.ends_with(suffix))
        fileName_ = value.substr(0, value.size() - suffix.size());
    else
        fileName_ = value;
}

std::u16string RamuloControl::documentPath() const {
    // Folders are joined with '/', the separator of this platform's paths.
    std::u16string path = workingDirectory_;
    if (!path.empty()) path += u'/';
    return path + fileName_ + u'.' + fileExt_;
}

// --- The save question and the file commands

bool RamuloControl::SaveModified(bool withCancel) {
    if (!modified_) return true;
    if (fileName_.empty()) fileName_ = defaultFileName_;
    if (!window_) return true;  // no window, nobody to ask
    const MessageAnswer answer = window_->messageBox(
        u"Save changes to " + fileName_ + u"?", error_texts::kControlName,
        withCancel ? MessageButtons::YesNoCancel : MessageButtons::YesNo, MessageIcon::Question);
    if (answer == MessageAnswer::Cancel) return false;
    if (answer == MessageAnswer::Yes) OnSave();
    return true;
}

void RamuloControl::OnSave() {
    changeDirectory(workingDirectory_);
    if (fileName_.empty() || fileName_ == defaultFileName_) {
        OnSaveAs();
        return;
    }
    const std::u16string path = documentPath();
    if (isStreamExtension(fileExt_))
        Save(path);
    else
        SaveToXml(path);
    modified_ = false;
}

void RamuloControl::OnSaveAs() {
    changeDirectory(workingDirectory_);
    if (!window_) return;
    FileDialogRequest request;
    request.save = true;
    request.defaultExtension = fileExt_;
    request.fileName = fileName_;
    request.filter = kSaveAsFilter;
    request.initialDirectory = workingDirectory_;
    const FileDialogResult chosen = window_->fileDialog(request);
    if (!chosen.accepted) return;
    if (isStreamExtension(chosen.extension))
        Save(chosen.path);
    else
        SaveToXml(chosen.path);
    SetFileExt(chosen.extension);
    SetFileName(chosen.fileName);
    SetWorkingDirectory(chosen.folder);
    modified_ = false;
}

void RamuloControl::OnOpen() {
    changeDirectory(workingDirectory_);
    if (!window_) return;
    FileDialogRequest request;
    request.defaultExtension = fileExt_;
    request.filter = kOpenFilter;
    request.initialDirectory = workingDirectory_;
    const FileDialogResult chosen = window_->fileDialog(request);
    if (!chosen.accepted || !SaveModified(true)) return;
    if (isStreamExtension(chosen.extension))
        Load(chosen.path);
    else
        LoadFromXml(chosen.path);
    SetFileExt(chosen.extension);
    SetFileName(chosen.fileName);
    SetWorkingDirectory(chosen.folder);
    invalidate();
}

void RamuloControl::OnNew() {
    if (!SaveModified(true)) return;
    Init();
    createStandardPropertySet();
    NewTree();
    invalidate();
}

}  // namespace ramulo
