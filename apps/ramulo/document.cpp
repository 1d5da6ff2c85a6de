// Document: loading, saving and samples through the control and its engine.
#include "document.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <stdexcept>

#include "control/automation_error.h"
#include "progress_line.h"

// Leak-checked builds free everything before exit (the build sets RAMULO_FREE_AT_EXIT for
// its sanitizer options; the compilers' own marks cover sanitizers set by hand).
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define RAMULO_FREE_AT_EXIT 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || \
    __has_feature(leak_sanitizer)
#define RAMULO_FREE_AT_EXIT 1
#endif
#endif

std::string extensionOf(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    if (!ext.empty()) ext.erase(0, 1);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

void endWithProcess(std::unique_ptr<Document> document) {
#ifdef RAMULO_FREE_AT_EXIT
    document.reset();
#else
    // Closes the window as the destructor would, then lets go of the rest.
    document->control().windowDestroyed();
    (void)document.release();
#endif
}

DocumentFormat documentFormatFor(const std::string& path) {
    return extensionOf(path) == "nx" ? DocumentFormat::Stream : DocumentFormat::Xml;
}

Document::Document(std::uint16_t testId) {
    ramulo::engineOf(control_).setProgress(progressLine());
    control_.SetTestID(testId);
    control_.windowCreated(&host_);
}

Document::~Document() {
    control_.windowDestroyed();
}

void Document::load(const std::string& path) {
    ramulo::ControlEngine& engine = ramulo::engineOf(control_);
    const bool editing = control_.GetEditingEnabled() != 0;
    if (documentFormatFor(path) == DocumentFormat::Stream)
        engine.LoadStream(path, editing, control_.window());
    else
        engine.LoadXml(path, editing, control_.window());
    if (!engine.graph()) throw std::runtime_error("The file holds no graph: " + path);
    control_.setModified(false);
}

void Document::save(const std::string& path) {
    const std::u16string target = ramulo::toUtf16(path);
    const std::uint16_t written = documentFormatFor(path) == DocumentFormat::Stream
                                      ? control_.Save(target)
                                      : control_.SaveToXml(target);
    if (!written) throw std::runtime_error("There is no document to save");
}

void Document::buildSample(std::uint16_t id) {
    control_.LoadTest(id);
}
