// The scripted host for tests and the headless host for command-line use.
#include "engine/scripted_host_window.h"

#include <utf8.h>
#include <iostream>

#include "views/device_context.h"

namespace {
MessageAnswer declined(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}
}  // namespace

std::uint32_t ScriptedHostWindow::showPopupMenu(const MenuModel& menu, int x, int y) {
    menus.push_back({menu, x, y});
    if (menuChoices.empty()) return 0;
    const std::uint32_t choice = menuChoices.front();
    menuChoices.pop_front();
    return choice;
}

MessageAnswer ScriptedHostWindow::messageBox(const std::u16string& text,
                                             const std::u16string& caption, MessageButtons buttons,
                                             MessageIcon icon) {
    messages.push_back({text, caption, buttons, icon});
    if (answers.empty()) return declined(buttons);
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

FileDialogResult ScriptedHostWindow::fileDialog(const FileDialogRequest& request) {
    dialogs.push_back(request);
    if (dialogResults.empty()) return {};
    FileDialogResult result = dialogResults.front();
    dialogResults.pop_front();
    return result;
}

void ScriptedHostWindow::invalidate(bool) {
    ++invalidations;
}

MessageAnswer HeadlessHostWindow::messageBox(const std::u16string& text,
                                             const std::u16string& caption, MessageButtons buttons,
                                             MessageIcon) {
    std::cerr << utf8::utf16to8(caption) << ": " << utf8::utf16to8(text) << '\n';
    return declined(buttons);
}
