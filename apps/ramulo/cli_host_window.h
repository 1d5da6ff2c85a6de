// CliHostWindow: the window seam of a headless run: Qt drawing tools, no dialogs, boxes on stderr.
#pragma once

#include "engine/host_window.h"
#include "views/device_context.h"

// There is nobody to ask: message boxes are printed to stderr and answered with the
// button that changes nothing (No, or OK), file dialogs are cancelled, menus choose
// nothing. New views draw through the Qt drawing tools, so a document can be rendered.
class CliHostWindow : public HostWindow {
public:
    std::uint32_t showPopupMenu(const MenuModel& menu, int x, int y) override;
    MessageAnswer messageBox(const std::u16string& text, const std::u16string& caption,
                             MessageButtons buttons, MessageIcon icon) override;
    FileDialogResult fileDialog(const FileDialogRequest& request) override;
    void invalidate(bool) override {}
    void repaintNow() override {}
    void captureMouse() override {}
    void releaseMouse() override {}
    void requestLeaveNotification() override {}
    std::unique_ptr<nx::DeviceContext> windowDeviceContext() override { return nullptr; }
    std::unique_ptr<nx::WindowGraphView> createGraphView(
        nx::FormalProperties* vertexFormals, nx::FormalProperties* edgeFormals) override;
};
