// HeadlessHostWindow: a host without a user; declines every question and logs messages.
#pragma once

#include <string>
#include <utility>

#include "engine/host_window.h"
#include "views/device_context.h"

namespace ramulo {

// The answer that changes nothing: OK for a notice, No for a yes/no question, Cancel when
// the question offers it.
MessageAnswer decliningAnswer(MessageButtons buttons);
// The answer that lets a run go on without saving anything: OK, or No.
MessageAnswer proceedingAnswer(MessageButtons buttons);

// There is nobody to ask: message boxes go to stderr as "<prefix><caption>: <text>" and get
// the answer of `unattendedAnswer`, file dialogs are cancelled, menus choose nothing, and
// nothing is drawn on a screen.
class HeadlessHostWindow : public HostWindow {
public:
    explicit HeadlessHostWindow(std::string messagePrefix = {})
        : messagePrefix_(std::move(messagePrefix)) {}

    std::uint32_t showPopupMenu(const MenuModel&, int, int) override { return 0; }
    MessageAnswer messageBox(const std::u16string& text, const std::u16string& caption,
                             MessageButtons buttons, MessageIcon icon) override;
    FileDialogResult fileDialog(const FileDialogRequest&) override { return {}; }
    void invalidate(bool) override {}
    void repaintNow() override {}
    void captureMouse() override {}
    void releaseMouse() override {}
    void requestLeaveNotification() override {}
    std::unique_ptr<nx::DeviceContext> windowDeviceContext() override { return nullptr; }

protected:
    virtual MessageAnswer unattendedAnswer(MessageButtons buttons) const {
        return decliningAnswer(buttons);
    }

private:
    std::string messagePrefix_;
};

}  // namespace ramulo
