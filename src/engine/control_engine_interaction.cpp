// ControlEngine: context menus, double-click, the mouse and the built-in editing commands.
#include <cstdio>

#include "engine/control_engine.h"
#include "engine/edit_recording.h"
#include "engine/menu_resources.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"
#include "graph/space.h"
#include "properties/actual_properties.h"

namespace {

std::uint32_t idOf(nx::ElementId id) {
    return static_cast<std::uint32_t>(id);
}

nx::Point logical(nx::Point client, nx::Point scroll) {
    return {client.x + scroll.x, client.y + scroll.y};
}

void appendSeparator(MenuModel& menu) {
    MenuItem item;
    item.separator = true;
    menu.push_back(item);
}

void appendItem(MenuModel& menu, int textSource, std::uint32_t commandId, bool grayed = false) {
    menu.push_back({commandId, menuString(textSource, commandId), grayed, false});
}

void appendBase(MenuModel& menu, int resourceId, bool enabled) {
    const MenuResource r = menuResource(resourceId);
    for (std::size_t i = 0; i < r.count; ++i)
        appendItem(menu, resourceId, r.items[i].commandId, !enabled);
}

void appendCustom(MenuModel& menu, const std::vector<std::u16string>& texts,
                  const std::vector<std::int32_t>& enabled) {
    if (texts.empty()) return;
    appendSeparator(menu);
    for (std::size_t i = 0; i < texts.size(); ++i)
        menu.push_back({menu_id::kCustomItemBase + static_cast<std::uint32_t>(i), texts[i],
                        enabled[i] == 0, false});
}

// The custom item a chosen ID names, or false.
bool customIndex(std::uint32_t chosen, std::size_t count, std::uint16_t& index) {
    if (chosen < menu_id::kCustomItemBase || chosen - menu_id::kCustomItemBase >= count)
        return false;
    index = static_cast<std::uint16_t>(chosen - menu_id::kCustomItemBase);
    return true;
}

void call(const MenuCallback& callback, std::uint32_t elementId) {
    if (callback) callback(elementId);
}

std::u16string question(const char* format, std::uint32_t id) {
    char text[96];
    std::snprintf(text, sizeof text, format, static_cast<int>(id));
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

}  // namespace

// --- Menus

MenuModel ControlEngine::vertexMenu(const MenuFlags& flags) const {
    MenuModel menu;
    appendBase(menu, kVertexPopupMenu, flags.editing);
    if (flags.radialLayout) {
        appendSeparator(menu);
        appendItem(menu, kVertexTextMenu, menu_id::CenterOfRadialLayout);
    }
    appendCustom(menu, vertexMenuTexts, vertexMenuEnabled);
    return menu;
}

MenuModel ControlEngine::edgeMenu(const MenuFlags& flags) const {
    MenuModel menu;
    appendBase(menu, kEdgePopupMenu, flags.editing);
    appendCustom(menu, edgeMenuTexts, edgeMenuEnabled);
    return menu;
}

MenuModel ControlEngine::graphMenu(const MenuFlags& flags) const {
    MenuModel menu;
    appendBase(menu, kTreePopupMenu, flags.editing);
    const std::size_t vertices = graph ? graph->order() : 0;
    if (vertices > 1 && flags.rotation) {
        appendSeparator(menu);
        for (std::uint32_t id : {menu_id::RotateRight90, menu_id::RotateLeft90,
                                 menu_id::FlipVertical, menu_id::FlipHorizontal})
            appendItem(menu, kTreeTextMenu, id);
    }
    if (vertices > 0 &&
        (flags.hierarchicalLayout || flags.radialLayout || flags.forceDirectedLayout)) {
        appendSeparator(menu);
        if (flags.hierarchicalLayout) appendItem(menu, kTreeTextMenu, menu_id::HierarchicalLayout);
        if (flags.radialLayout) appendItem(menu, kTreeTextMenu, menu_id::RadialLayout);
        if (flags.forceDirectedLayout)
            appendItem(menu, kTreeTextMenu, menu_id::ForceDirectedLayout);
    }
    if (vertices > 0 && flags.editing) {
        appendSeparator(menu);
        appendItem(menu, kTreeTextMenu, menu_id::SelectAllVertices);
    }
    if (flags.newFile || flags.fileIO) {
        appendSeparator(menu);
        if (flags.newFile) appendItem(menu, kTreeTextMenu, menu_id::FileNew);
        if (flags.fileIO)
            for (std::uint32_t id : {menu_id::FileOpen, menu_id::FileSave, menu_id::FileSaveAs})
                appendItem(menu, kTreeTextMenu, id);
    }
    appendCustom(menu, graphMenuTexts, graphMenuEnabled);
    return menu;
}

bool ControlEngine::ShowContextMenu(HostWindow* host, nx::Point screen, const MenuFlags& flags,
                                    MenuCommand& result, nx::Point client, nx::Point scroll) {
    result = {};
    if (!view || !view->contextMenuAllowed() || !host) return false;
    lastClick = logical(client, scroll);
    const nx::VertexViewEntry vertexHit = view->vertexAt(lastClick);
    currentVertex = vertexHit.vertex;
    currentVertexProperties = vertexHit.properties;
    std::uint16_t index = 0;
    if (currentVertex) {
        const std::uint32_t chosen = host->showPopupMenu(vertexMenu(flags), screen.x, screen.y);
        if ((chosen >= menu_id::NewIncomingEdge && chosen <= menu_id::VertexProperties) ||
            chosen == menu_id::CenterOfRadialLayout) {
            result.command = chosen;
        } else if (customIndex(chosen, vertexMenuTexts.size(), index)) {
            const std::uint32_t id = idOf(currentVertex->id);
            call(vertexMenuCallbacks[index], id);
            result = {menu_id::CustomVertexCommand, index, id};
        }
        return true;
    }
    const nx::EdgeViewEntry edgeHit = view->edgeAt(lastClick);
    currentEdge = edgeHit.edge;
    currentEdgeProperties = edgeHit.properties;
    if (currentEdge) {
        const std::uint32_t chosen = host->showPopupMenu(edgeMenu(flags), screen.x, screen.y);
        if (chosen >= menu_id::DeleteEdge && chosen <= menu_id::EdgeProperties) {
            result.command = chosen;
        } else if (customIndex(chosen, edgeMenuTexts.size(), index)) {
            const std::uint32_t id = idOf(currentEdge->id);
            call(edgeMenuCallbacks[index], id);
            result = {menu_id::CustomEdgeCommand, index, id};
        }
        return true;
    }
    const std::uint32_t chosen = host->showPopupMenu(graphMenu(flags), screen.x, screen.y);
    switch (chosen) {
        case menu_id::NewVertex:
        case menu_id::HierarchicalLayout:
        case menu_id::TreeProperties:
        case menu_id::RadialLayout:
        case menu_id::ForceDirectedLayout:
        case menu_id::RotateRight90:
        case menu_id::RotateLeft90:
        case menu_id::FlipVertical:
        case menu_id::FlipHorizontal:
        case menu_id::FileNew:
        case menu_id::FileOpen:
        case menu_id::FileSave:
        case menu_id::FileSaveAs:
        case menu_id::SelectAllVertices:
            result.command = chosen;
            break;
        default:
            if (graph && customIndex(chosen, graphMenuTexts.size(), index)) {
                const std::uint32_t id = idOf(graph->id);
                call(graphMenuCallbacks[index], id);
                result = {menu_id::CustomGraphCommand, index, id};
            }
    }
    return true;
}

bool ControlEngine::DoubleClick(MenuCommand& result, nx::Point client, nx::Point scroll) {
    result = {};
    if (!view || !view->drawingTools()) return false;
    lastClick = logical(client, scroll);
    const nx::VertexViewEntry vertexHit = view->vertexAt(lastClick);
    currentVertex = vertexHit.vertex;
    currentVertexProperties = vertexHit.properties;
    if (currentVertex) {
        if (vertexMenuTexts.empty()) return false;
        const std::uint32_t id = idOf(currentVertex->id);
        call(vertexMenuCallbacks[0], id);
        result = {menu_id::CustomVertexCommand, 0, id};
        return true;
    }
    const nx::EdgeViewEntry edgeHit = view->edgeAt(lastClick);
    currentEdge = edgeHit.edge;
    currentEdgeProperties = edgeHit.properties;
    if (currentEdge) {
        if (edgeMenuTexts.empty()) return false;
        const std::uint32_t id = idOf(currentEdge->id);
        call(edgeMenuCallbacks[0], id);
        result = {menu_id::CustomEdgeCommand, 0, id};
        return true;
    }
    if (graphMenuTexts.empty() || !graph) return false;
    const std::uint32_t id = idOf(graph->id);
    call(graphMenuCallbacks[0], id);
    result = {menu_id::CustomGraphCommand, 0, id};
    return true;
}

// --- Mouse

bool ControlEngine::prepareTools(nx::DeviceContext* dc) {
    if (!view || !view->drawingTools()) return false;
    view->drawingTools()->init(dc, {0, 0});
    return true;
}

nx::Size ControlEngine::extentAfterChange() {
    return GetExtent();
}

bool ControlEngine::MouseDown(nx::DeviceContext* dc, std::uint32_t keyFlags, nx::Point client,
                              nx::Point scroll) {
    if (!graph || !prepareTools(dc)) return false;
    bool changed = false;
    {
        MembershipRecording recording(*this);
        changed = view->mouseDown(logical(client, scroll), (keyFlags & kControlKey) != 0);
    }
    // A drag from here to the release is one step.
    gesture_.reset();
    if (editingEnabled && view->interactive()) {
        if (history.depth() > 0)
            gesture_ = std::make_unique<PositionSnapshot>(*view);
        else
            history.forgetClean();  // a drag no undo could take back may follow
    }
    return changed;
}

void ControlEngine::endGesture() {
    if (!gesture_) return;
    std::unique_ptr<PositionSnapshot> before = std::move(gesture_);
    if (!view) return;
    if (auto change = PositionChange::since(std::move(*before), *view)) {
        history.push(std::move(change));
        afterHistoryChange();
    }
}

bool ControlEngine::MouseUp(nx::DeviceContext* dc, nx::Size& extent, nx::Point client,
                            nx::Point scroll) {
    if (!graph || !prepareTools(dc)) return false;
    bool changed = false;
    {
        MembershipRecording recording(*this);
        changed = view->mouseUp(logical(client, scroll));
    }
    endGesture();
    if (!changed) return false;
    extent = extentAfterChange();
    return true;
}

bool ControlEngine::MouseLeave(nx::DeviceContext* dc, nx::Size& extent) {
    if (!graph || !prepareTools(dc)) return false;
    bool changed = false;
    {
        MembershipRecording recording(*this);
        changed = view->mouseUpAtLastPoint();
    }
    endGesture();
    if (!changed) return false;
    extent = extentAfterChange();
    return true;
}

bool ControlEngine::MouseMove(nx::DeviceContext* dc, nx::Point client, nx::Point scroll) {
    if (!graph || !prepareTools(dc)) return false;
    return view->mouseMove(logical(client, scroll));
}

// --- Editing commands

bool ControlEngine::startEdge(nx::DeviceContext* dc, HostWindow* host, bool outgoing) {
    if (!editingEnabled || !currentVertex || !prepareTools(dc)) return false;
    view->setHostWindow(host);
    if (outgoing)
        view->beginConnectFrom(currentVertex, currentVertexProperties);
    else
        view->beginConnectTo(currentVertex, currentVertexProperties);
    if (host) {
        host->requestLeaveNotification();
        host->captureMouse();
    }
    return true;
}

bool ControlEngine::StartOutgoingEdge(nx::DeviceContext* dc, HostWindow* host) {
    return startEdge(dc, host, true);
}

bool ControlEngine::StartIncomingEdge(nx::DeviceContext* dc, HostWindow* host) {
    return startEdge(dc, host, false);
}

bool ControlEngine::DeleteCurrentVertex(HostWindow* host) {
    if (!editingEnabled || !graph || !view || !currentVertex || !host) return false;
    const std::uint32_t id = idOf(currentVertex->id);
    if (host->messageBox(question("Do you want to remove vertex %1i from the tree?", id),
                         u"Delete Vertex", MessageButtons::YesNo,
                         MessageIcon::None) != MessageAnswer::Yes)
        return false;
    // The vertex may have left the graph since the menu was shown.
    if (!graph->contains(*currentVertex)) return false;
    MembershipRecording recording(*this);
    graph->removeVertex(*currentVertex);
    synchronizeView();
    return true;
}

bool ControlEngine::DeleteCurrentEdge(HostWindow* host) {
    if (!editingEnabled || !graph || !view || !currentEdge || !host) return false;
    const std::uint32_t id = idOf(currentEdge->id);
    if (host->messageBox(question("Do you want to remove edge %1i from the tree?", id),
                         u"Delete Edge", MessageButtons::YesNo,
                         MessageIcon::None) != MessageAnswer::Yes)
        return false;
    if (!graph->contains(*currentEdge)) return false;
    MembershipRecording recording(*this);
    graph->removeEdge(*currentEdge);
    synchronizeView();
    return true;
}

bool ControlEngine::NewVertexAtClick() {
    if (!editingEnabled || !graph || !view || !space) return false;
    MembershipRecording recording(*this);
    nx::Vertex* vertex = space->vertexFactory().create();
    graph->addVertex(*vertex);
    synchronizeView();
    currentVertex = vertex;
    currentVertexProperties = view->vertexViewProperties(vertex);
    view->setX(vertex, currentVertexProperties, lastClick.x);
    view->setY(vertex, currentVertexProperties, lastClick.y);
    return true;
}

bool ControlEngine::SelectAllVertices() {
    if (!editingEnabled || !view) return false;
    // The list is rebuilt in drawing order; selected edges stay selected.
    return view->selectVertices(view->vertexSequence(), false);
}
