// ScriptedHostWindow: records every request and answers from queues (tests).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "engine/host_window.h"
#include "views/device_context.h"

namespace ramulo {

class ScriptedHostWindow : public HostWindow {
public:
    struct Message {
        std::u16string text, caption;
        MessageButtons buttons;
        MessageIcon icon;
    };
    struct Menu {
        MenuModel items;
        int x, y;
    };

    std::uint32_t showPopupMenu(const MenuModel& menu, int x, int y) override;
    MessageAnswer messageBox(const std::u16string& text, const std::u16string& caption,
                             MessageButtons buttons, MessageIcon icon) override;
    FileDialogResult fileDialog(const FileDialogRequest& request) override;
    void invalidate(bool eraseBackground) override;
    void repaintNow() override { ++repaints; }
    void captureMouse() override { captured = true; }
    void releaseMouse() override { captured = false; }
    void requestLeaveNotification() override { ++leaveRequests; }
    std::unique_ptr<nx::DeviceContext> windowDeviceContext() override { return nullptr; }

    // Answers, consumed in order; when a queue is empty the host cancels (0, Cancel/No, not
    // accepted).
    std::deque<std::uint32_t> menuChoices;
    std::deque<MessageAnswer> answers;
    std::deque<FileDialogResult> dialogResults;

    // What was asked.
    std::vector<Menu> menus;
    std::vector<Message> messages;
    std::vector<FileDialogRequest> dialogs;
    int invalidations = 0;
    int repaints = 0;
    int leaveRequests = 0;
    bool captured = false;
};

}  // namespace ramulo

