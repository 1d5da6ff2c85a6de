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

namespace ramulo {

/// One entry of a popup menu; a separator carries no command.
struct MenuItem {
    std::uint32_t commandId = 0;  ///< The command answered when chosen.
    std::u16string text;          ///< The entry's text.
    bool grayed = false;          ///< Shown but not selectable.
    bool separator = false;       ///< A line between entries.
};

/// A popup menu's entries, top to bottom.
using MenuModel = std::vector<MenuItem>;

/// The buttons of a message box.
enum class MessageButtons { Ok, YesNo, YesNoCancel };
/// The icon of a message box.
enum class MessageIcon { None, Information, Question, Warning, Error };
/// The button a message box was closed with.
enum class MessageAnswer { Ok, Yes, No, Cancel };

/// What an open or save file dialog shows first.
struct FileDialogRequest {
    bool save = false;                ///< save dialog, else open dialog
    std::u16string defaultExtension;  ///< without the dot
    std::u16string fileName;          ///< proposed name
    std::u16string filter;            ///< "Text|*.nx|XML|*.nxx||" style
    std::u16string initialDirectory;  ///< The folder it opens in; empty for the current one.
};

/// The file a dialog chose; nothing but accepted = false when cancelled.
struct FileDialogResult {
    bool accepted = false;     ///< False when the user cancelled.
    std::u16string path;       ///< full path of the chosen file
    std::u16string fileName;   ///< name with extension
    std::u16string extension;  ///< without the dot
    std::u16string folder;     ///< directory of the file
};

/// The usual desktop colour of a system colour index; black for an unknown index.
RAMULO_EXPORT nx::RgbColor defaultSystemColor(int index);

/// The window a control lives in: menus, message boxes, file dialogs, repaints, mouse capture and
/// the views new documents are drawn in. The Qt widget implements it; a headless host answers
/// without a user.
class RAMULO_EXPORT HostWindow {
public:
    virtual ~HostWindow() = default;

    /// Shows the menu at a point in screen coordinates; 0 when nothing was chosen.
    virtual std::uint32_t showPopupMenu(const MenuModel& menu, int x, int y) = 0;
    /// Shows a modal message box with a text, a caption, buttons and an icon, and answers the
    /// button chosen.
    virtual MessageAnswer messageBox(const std::u16string& text, const std::u16string& caption,
                                     MessageButtons buttons, MessageIcon icon) = 0;
    /// Shows a modal open or save file dialog.
    virtual FileDialogResult fileDialog(const FileDialogRequest& request) = 0;
    /// Schedules a repaint of the window, erasing the background first when asked.
    virtual void invalidate(bool eraseBackground) = 0;
    /// Repaints the window at once.
    virtual void repaintNow() = 0;
    /// Sends every mouse event to the window until releaseMouse, as while a button is down.
    virtual void captureMouse() = 0;
    /// Ends captureMouse.
    virtual void releaseMouse() = 0;
    /// Asks for one notification when the mouse leaves the window.
    virtual void requestLeaveNotification() = 0;
    /// A device context for drawing on the window outside a paint; null when there is none.
    virtual std::unique_ptr<nx::DeviceContext> windowDeviceContext() = 0;
    /// A system colour by its index (0 scroll bar ... 30 menu bar); the default answers the
    /// usual desktop colours, a window binding its palette's.
    virtual nx::RgbColor systemColor(int index);
    /// The user changed the selection in the window (click, Ctrl+click, rubber band).
    virtual void selectionChanged() {}
    /// The view a new document is drawn in, on the given view-level schemas. The default
    /// draws nowhere; a window binding answers one with its own drawing tools. A load that
    /// fails discards the view it asked for and keeps the one before, so a window must not
    /// hold on to the views it makes.
    virtual std::unique_ptr<nx::WindowGraphView> createGraphView(
        nx::FormalProperties* vertexFormals, nx::FormalProperties* edgeFormals);
};

}  // namespace ramulo
