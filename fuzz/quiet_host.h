// Shared by the fuzz targets: a host window that shows nothing and declines every question.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/host_window.h"

namespace nx::fuzz {

// Answers every question with its most cautious choice and shows nothing.
class QuietHost : public HostWindow {
public:
    std::uint32_t showPopupMenu(const MenuModel&, int, int) override { return 0; }
    MessageAnswer messageBox(const std::u16string&, const std::u16string&, MessageButtons buttons,
                             MessageIcon) override {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
    }
    FileDialogResult fileDialog(const FileDialogRequest&) override { return {}; }
    void invalidate(bool) override {}
    void repaintNow() override {}
    void captureMouse() override {}
    void releaseMouse() override {}
    void requestLeaveNotification() override {}
    std::unique_ptr<nx::DeviceContext> windowDeviceContext() override { return nullptr; }
};

}  // namespace nx::fuzz
