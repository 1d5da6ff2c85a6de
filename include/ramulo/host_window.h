// The seam between the control and the window it lives in.
#pragma once

/// @file
/// HostWindow, everything the control asks of its window system as one abstract class:
/// popup menus, message boxes and file dialogs (each answered synchronously), repaints,
/// mouse capture, system colours, and the view a new document is drawn in. The Qt widget
/// implements it; a headless host implements it to run the control without a screen
/// (answering every question with the choice that changes nothing).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ramulo/export.h"
#include "ramulo/geometry.h"

namespace nx {
class DeviceContext;
class FormalProperties;
class WindowGraphView;
}  // namespace nx

// One entry of a popup menu; a separator carries no command.
struct MenuItem {
    std::uint32_t commandId = 0;
    std::u16string text;
    bool grayed = false;
    bool separator = false;
};

using MenuModel = std::vector<MenuItem>;

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Question, Warning, Error };
enum class MessageAnswer { Ok, Yes, No, Cancel };

struct FileDialogRequest {
    bool save = false;                // save dialog, else open dialog
    std::u16string defaultExtension;  // without the dot
    std::u16string fileName;          // proposed name
    std::u16string filter;            // "Text|*.nx|XML|*.nxx||" style
    std::u16string initialDirectory;
};

struct FileDialogResult {
    bool accepted = false;
    std::u16string path;       // full path of the chosen file
    std::u16string fileName;   // name with extension
    std::u16string extension;  // without the dot
    std::u16string folder;     // directory of the file
};

// The usual desktop colour of a system colour index; black for an unknown index.
RAMULO_EXPORT nx::RgbColor defaultSystemColor(int index);

class RAMULO_EXPORT HostWindow {
public:
    virtual ~HostWindow() = default;

    // Shows the menu at a point in screen coordinates; 0 when nothing was chosen.
    virtual std::uint32_t showPopupMenu(const MenuModel& menu, int x, int y) = 0;
    virtual MessageAnswer messageBox(const std::u16string& text, const std::u16string& caption,
                                     MessageButtons buttons, MessageIcon icon) = 0;
    virtual FileDialogResult fileDialog(const FileDialogRequest& request) = 0;
    virtual void invalidate(bool eraseBackground) = 0;
    virtual void repaintNow() = 0;
    virtual void captureMouse() = 0;
    virtual void releaseMouse() = 0;
    virtual void requestLeaveNotification() = 0;
    // A device context for drawing on the window outside a paint; null when there is none.
    virtual std::unique_ptr<nx::DeviceContext> windowDeviceContext() = 0;
    // A system colour by its index (0 scroll bar ... 30 menu bar); the default answers the
    // usual desktop colours, a window binding its palette's.
    virtual nx::RgbColor systemColor(int index);
    // The user changed the selection in the window (click, Ctrl+click, rubber band).
    virtual void selectionChanged() {}
    // The view a new document is drawn in, on the given view-level schemas. The default
    // draws nowhere; a window binding answers one with its own drawing tools. A load that
    // fails discards the view it asked for and keeps the one before, so a window must not
    // hold on to the views it makes.
    virtual std::unique_ptr<nx::WindowGraphView> createGraphView(
        nx::FormalProperties* vertexFormals, nx::FormalProperties* edgeFormals);
};
