// The scripted host for tests: requests recorded, answers taken from queues.
#include "engine/scripted_host_window.h"

#include "engine/headless_host_window.h"
#include "views/device_context.h"

namespace ramulo {

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
    if (answers.empty()) return decliningAnswer(buttons);
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

}  // namespace ramulo

