// ControlInteraction: mouse handlers, context menus, double-click and command dispatch.
#include "control/control_interaction.h"

#include <cstddef>

#include "control/control_events.h"
#include "control/member_guard.h"
#include "control/ramulo_control.h"
#include "engine/host_window.h"
#include "engine/menu_resources.h"
#include "engine/window_graph_view.h"
#include "graph/edge_factory.h"
#include "graph/graph.h"
#include "graph/space.h"
#include "views/device_context.h"

namespace ramulo {

namespace {

template <typename Element>
std::uint32_t idOf(const Element* element) {
    return static_cast<std::uint32_t>(element->id);
}

}  // namespace

void ControlInteraction::syncSwitches() {
    engineOf(control_).setEditingEnabled(control_.GetEditingEnabled() != 0);
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
    if (RamuloControlEvents* events = control_.eventListener()) events->DocumentModified();
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
        ControlEngine& engine = engineOf(control_);
        const bool connecting = engine.view() && engine.view()->interaction().connecting();
        const std::size_t edgesBefore = engine.graph() ? engine.graph()->edgeCount() : 0;
        auto dc = w ? w->windowDeviceContext() : nullptr;
        if (engine.MouseDown(dc.get(), keyFlags, client, scroll)) {
            changed(true);
            if (connecting) reportNewEdge(edgesBefore);
        }
    }
    if (w) {
        w->requestLeaveNotification();
        w->captureMouse();
    }
}

void ControlInteraction::reportNewEdge(std::size_t edgesBefore) {
    ControlEngine& engine = engineOf(control_);
    RamuloControlEvents* events = control_.eventListener();
    if (!events || !engine.graph() || !engine.space()) return;
    if (engine.graph()->edgeCount() <= edgesBefore) return;
    // The factory hands out dense IDs, so the new edge is its last one.
    const std::size_t made = engine.space()->edgeFactory().size();
    if (made > 0) events->EdgeAdded(static_cast<std::uint32_t>(made - 1));
}

template <typename Arrange>
void ControlInteraction::menuLayout(const MemberRules& rules, Arrange&& arrange) {
    if (!control_detail::guardedBy(rules, arrange)) return;
    changed(true);
    if (RamuloControlEvents* events = control_.eventListener()) events->LayoutFinished();
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
    if (engineOf(control_).MouseUp(dc.get(), extent, client, scroll)) changed(true);
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
    if (engineOf(control_).MouseMove(dc.get(), client, scroll)) changed(false);
}

void ControlInteraction::mouseLeave() {
    HostWindow* w = control_.window();
    auto dc = w ? w->windowDeviceContext() : nullptr;
    nx::Size extent{0, 0};
    if (engineOf(control_).MouseLeave(dc.get(), extent)) changed(true);
}

void ControlInteraction::leftDoubleClick(nx::Point client, nx::Point scroll) {
    if (!control_.GetDoubleClickEnabled() || !engineOf(control_).graph()) return;
    ControlEngine::MenuCommand command;
    if (engineOf(control_).DoubleClick(command, client, scroll)) runCommand(command);
}

void ControlInteraction::contextMenu(nx::Point screen, nx::Point client, nx::Point scroll) {
    if (!engineOf(control_).graph()) return;
    syncSwitches();
    ControlEngine::MenuCommand command;
    if (engineOf(control_).ShowContextMenu(control_.window(), screen, menuFlags(), command, client,
                                          scroll))
        runCommand(command);
}

void ControlInteraction::runCommand(const ControlEngine::MenuCommand& command) {
    namespace id = menu_id;
    syncSwitches();
    ControlEngine& engine = engineOf(control_);
    HostWindow* w = control_.window();
    RamuloControlEvents* events = control_.eventListener();
    switch (command.command) {
        case id::NewVertex:
            if (engine.NewVertexAtClick()) {
                changed(true);
                if (events && engine.currentVertex())
                    events->VertexAdded(idOf(engine.currentVertex()));
            }
            break;
        case id::HierarchicalLayout:
            menuLayout(member_rules::HierarchicalLayout,
                       [&] { return engine.HierarchicalLayout(); });
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
        case id::DeleteVertex: {
            const std::uint32_t vertex = engine.currentVertex() ? idOf(engine.currentVertex()) : 0;
            if (engine.DeleteCurrentVertex(w)) {
                changed(true);
                if (events) events->VertexRemoved(vertex);
            }
            break;
        }
        case id::DeleteEdge: {
            const std::uint32_t edge = engine.currentEdge() ? idOf(engine.currentEdge()) : 0;
            if (engine.DeleteCurrentEdge(w)) {
                changed(true);
                if (events) events->EdgeRemoved(edge);
            }
            break;
        }
        case id::RadialLayout:
            menuLayout(member_rules::RadialLayout, [&] { return engine.RadialLayout(); });
            break;
        case id::CenterOfRadialLayout:
            menuLayout(member_rules::RadialLayout, [&] { return engine.CenterOfRadialLayout(); });
            break;
        case id::ForceDirectedLayout:
            menuLayout(member_rules::ForceDirectedLayoutCommand,
                       [&] { return engine.ForceDirectedLayout(); });
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
            if (engine.SelectAllVertices()) {
                changed(false);
                if (events) events->SelectionChanged();
            }
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

}  // namespace ramulo
