// ControlInteraction: mouse handlers, context menus, double-click and command dispatch.
#include "control/control_interaction.h"

#include <exception>
#include <string>

#include "control/control_events.h"
#include "control/ramulo_control.h"
#include "engine/host_window.h"
#include "engine/menu_resources.h"
#include "views/device_context.h"

namespace {

std::u16string widen(const char* text) {
    std::u16string r;
    for (const char* c = text; *c; ++c) r.push_back(static_cast<unsigned char>(*c));
    return r;
}

}  // namespace

void ControlInteraction::syncSwitches() {
    control_.engine().editingEnabled = control_.GetEditingEnabled() != 0;
}

ControlEngine::MenuFlags ControlInteraction::menuFlags() const {
    ControlEngine::MenuFlags f;
    f.editing = control_.GetEditingEnabled() != 0;
    f.newFile = control_.GetNewEnabled() != 0;
    f.fileIO = control_.GetFileIOEnabled() != 0;
    f.rotation = control_.GetRotationEnabled() != 0;
    f.radialLayout = control_.GetRadialLayoutEnabled() != 0;
    f.hierarchicalLayout = control_.GetHierarchicalLayoutEnabled() != 0;
    f.forceDirectedLayout = control_.GetForceDirectedLayoutEnabled() != 0;
    return f;
}

void ControlInteraction::changed(bool newExtent) {
    control_.setModified(true);
    // Update recomputes the scroll sizes from the extent and repaints.
    if (newExtent)
        control_.Update();
    else if (HostWindow* w = control_.window())
        w->invalidate(true);
}

void ControlInteraction::buttonDown(std::uint32_t keyFlags, nx::Point client, nx::Point scroll) {
    syncSwitches();
    HostWindow* w = control_.window();
    {
        auto dc = w ? w->windowDeviceContext() : nullptr;
        if (control_.engine().MouseDown(dc.get(), keyFlags, client, scroll)) changed(true);
    }
    if (w) {
        w->requestLeaveNotification();
        w->captureMouse();
    }
}

void ControlInteraction::leftButtonDown(std::uint32_t keyFlags, nx::Point client,
                                        nx::Point scroll) {
    buttonDown(keyFlags, client, scroll);
}

void ControlInteraction::rightButtonDown(std::uint32_t keyFlags, nx::Point client,
                                         nx::Point scroll) {
    buttonDown(keyFlags, client, scroll);
}

void ControlInteraction::endDrag(nx::Point client, nx::Point scroll) {
    HostWindow* w = control_.window();
    auto dc = w ? w->windowDeviceContext() : nullptr;
    nx::Size extent{0, 0};
    if (control_.engine().MouseUp(dc.get(), extent, client, scroll)) changed(true);
}

void ControlInteraction::leftButtonUp(nx::Point client, nx::Point scroll) {
    syncSwitches();
    if (control_.GetEditingEnabled()) endDrag(client, scroll);
    if (HostWindow* w = control_.window()) w->releaseMouse();
}

void ControlInteraction::rightButtonUp(nx::Point client, nx::Point scroll) {
    syncSwitches();
    // The right button's press started a drag or a rubber band like the left one; left
    // running, the next plain mouse move would still drag the selection.
    endDrag(client, scroll);
    if (HostWindow* w = control_.window()) w->releaseMouse();
}

void ControlInteraction::mouseMove(nx::Point client, nx::Point scroll) {
    syncSwitches();
    if (!control_.GetEditingEnabled()) return;
    HostWindow* w = control_.window();
    auto dc = w ? w->windowDeviceContext() : nullptr;
    if (control_.engine().MouseMove(dc.get(), client, scroll)) changed(false);
}

void ControlInteraction::mouseLeave() {
    HostWindow* w = control_.window();
    auto dc = w ? w->windowDeviceContext() : nullptr;
    nx::Size extent{0, 0};
    if (control_.engine().MouseLeave(dc.get(), extent)) changed(true);
}

void ControlInteraction::leftDoubleClick(nx::Point client, nx::Point scroll) {
    if (!control_.GetDoubleClickEnabled() || !control_.engine().graph) return;
    ControlEngine::MenuCommand command;
    if (control_.engine().DoubleClick(command, client, scroll)) runCommand(command);
}

void ControlInteraction::contextMenu(nx::Point screen, nx::Point client, nx::Point scroll) {
    if (!control_.engine().graph) return;
    syncSwitches();
    ControlEngine::MenuCommand command;
    if (control_.engine().ShowContextMenu(control_.window(), screen, menuFlags(), command, client,
                                          scroll))
        runCommand(command);
}

void ControlInteraction::runCommand(const ControlEngine::MenuCommand& command) {
    namespace id = menu_id;
    syncSwitches();
    ControlEngine& engine = control_.engine();
    HostWindow* w = control_.window();
    RamuloControlEvents* events = control_.eventListener();
    switch (command.command) {
        case id::NewVertex:
            if (engine.NewVertexAtClick()) changed(true);
            break;
        case id::HierarchicalLayout:
            control_.HierarchicalLayout();
            break;
        case id::NewIncomingEdge:
        case id::NewOutcomingEdge: {
            if (w) w->repaintNow();
            auto dc = w ? w->windowDeviceContext() : nullptr;
            if (command.command == id::NewIncomingEdge)
                engine.StartIncomingEdge(dc.get(), w);
            else
                engine.StartOutgoingEdge(dc.get(), w);
            break;
        }
        case id::DeleteVertex:
            if (engine.DeleteCurrentVertex(w)) changed(true);
            break;
        case id::DeleteEdge:
            if (engine.DeleteCurrentEdge(w)) changed(true);
            break;
        case id::RadialLayout:
            control_.RadialLayout();
            break;
        case id::CenterOfRadialLayout:
            try {
                if (engine.CenterOfRadialLayout()) changed(true);
            } catch (const std::exception& e) {
                if (w)
                    w->messageBox(widen(e.what()), u"RamuloCtrl Error", MessageButtons::Ok,
                                  MessageIcon::Error);
            }
            break;
        case id::ForceDirectedLayout:
            control_.ForceDirectedLayout();
            break;
        case id::RotateRight90:
            control_.RotateRight90();
            break;
        case id::RotateLeft90:
            control_.RotateLeft90();
            break;
        case id::FlipVertical:
            control_.FlipVertical();
            break;
        case id::FlipHorizontal:
            control_.FlipHorizontal();
            break;
        case id::FileNew:
            control_.OnNew();
            break;
        case id::FileOpen:
            control_.OnOpen();
            break;
        case id::FileSave:
            control_.OnSave();
            break;
        case id::FileSaveAs:
            control_.OnSaveAs();
            break;
        case id::SelectAllVertices:
            if (engine.SelectAllVertices()) changed(false);
            break;
        case id::CustomGraphCommand:
            if (events) events->GraphMenuCommand(command.index);
            break;
        case id::CustomVertexCommand:
            if (events) events->VertexMenuCommand(command.index, command.elementId);
            break;
        case id::CustomEdgeCommand:
            if (events) events->EdgeMenuCommand(command.index, command.elementId);
            break;
        default:
            break;
    }
}
