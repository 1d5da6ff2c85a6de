// ControlEngine: context menus, double-click, the mouse and the built-in editing commands.
#include <cstdio>

#include "engine/control_engine.h"
#include "engine/edit_recording.h"
#include "engine/menu_resources.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"
#include "graph/space.h"
#include "properties/actual_properties.h"

namespace ramulo {

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
    appendCustom(menu, vertexMenuTexts_, vertexMenuEnabled_);
    return menu;
}

MenuModel ControlEngine::edgeMenu(const MenuFlags& flags) const {
    MenuModel menu;
    appendBase(menu, kEdgePopupMenu, flags.editing);
    appendCustom(menu, edgeMenuTexts_, edgeMenuEnabled_);
    return menu;
}

MenuModel ControlEngine::graphMenu(const MenuFlags& flags) const {
    MenuModel menu;
    appendBase(menu, kTreePopupMenu, flags.editing);
    const std::size_t vertices = graph_ ? graph_->order() : 0;
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
    appendCustom(menu, graphMenuTexts_, graphMenuEnabled_);
    return menu;
}

bool ControlEngine::ShowContextMenu(HostWindow* host, nx::Point screen, const MenuFlags& flags,
                                    MenuCommand& result, nx::Point client, nx::Point scroll) {
    result = {};
    if (!view_ || !view_->contextMenuAllowed() || !host) return false;
    lastClick_ = logical(client, scroll);
    const nx::VertexViewEntry vertexHit = view_->vertexAt(lastClick_);
    currentVertex_ = vertexHit.vertex;
    currentVertexProperties_ = vertexHit.properties;
    std::uint16_t index = 0;
    if (currentVertex_) {
        const std::uint32_t chosen = host->showPopupMenu(vertexMenu(flags), screen.x, screen.y);
        if ((chosen >= menu_id::NewIncomingEdge && chosen <= menu_id::VertexProperties) ||
            chosen == menu_id::CenterOfRadialLayout) {
            result.command = chosen;
        } else if (customIndex(chosen, vertexMenuTexts_.size(), index)) {
            const std::uint32_t id = idOf(currentVertex_->id);
            call(vertexMenuCallbacks_[index], id);
            result = {menu_id::CustomVertexCommand, index, id};
        }
        return true;
    }
    const nx::EdgeViewEntry edgeHit = view_->edgeAt(lastClick_);
    currentEdge_ = edgeHit.edge;
    currentEdgeProperties_ = edgeHit.properties;
    if (currentEdge_) {
        const std::uint32_t chosen = host->showPopupMenu(edgeMenu(flags), screen.x, screen.y);
        if (chosen >= menu_id::DeleteEdge && chosen <= menu_id::EdgeProperties) {
            result.command = chosen;
        } else if (customIndex(chosen, edgeMenuTexts_.size(), index)) {
            const std::uint32_t id = idOf(currentEdge_->id);
            call(edgeMenuCallbacks_[index], id);
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
            if (graph_ && customIndex(chosen, graphMenuTexts_.size(), index)) {
                const std::uint32_t id = idOf(graph_->id);
                call(graphMenuCallbacks_[index], id);
                result = {menu_id::CustomGraphCommand, index, id};
            }
    }
    return true;
}

bool ControlEngine::DoubleClick(MenuCommand& result, nx::Point client, nx::Point scroll) {
    result = {};
    if (!view_ || !view_->drawingTools()) return false;
    lastClick_ = logical(client, scroll);
    const nx::VertexViewEntry vertexHit = view_->vertexAt(lastClick_);
    currentVertex_ = vertexHit.vertex;
    currentVertexProperties_ = vertexHit.properties;
    if (currentVertex_) {
        if (vertexMenuTexts_.empty()) return false;
        const std::uint32_t id = idOf(currentVertex_->id);
        call(vertexMenuCallbacks_[0], id);
        result = {menu_id::CustomVertexCommand, 0, id};
        return true;
    }
    const nx::EdgeViewEntry edgeHit = view_->edgeAt(lastClick_);
    currentEdge_ = edgeHit.edge;
    currentEdgeProperties_ = edgeHit.properties;
    if (currentEdge_) {
        if (edgeMenuTexts_.empty()) return false;
        const std::uint32_t id = idOf(currentEdge_->id);
        call(edgeMenuCallbacks_[0], id);
        result = {menu_id::CustomEdgeCommand, 0, id};
        return true;
    }
    if (graphMenuTexts_.empty() || !graph_) return false;
    const std::uint32_t id = idOf(graph_->id);
    call(graphMenuCallbacks_[0], id);
    result = {menu_id::CustomGraphCommand, 0, id};
    return true;
}

// --- Mouse

bool ControlEngine::prepareTools(nx::DeviceContext* dc) {
    if (!view_ || !view_->drawingTools()) return false;
    view_->drawingTools()->init(dc, {0, 0});
    return true;
}

nx::Size ControlEngine::extentAfterChange() {
    return GetExtent();
}

bool ControlEngine::MouseDown(nx::DeviceContext* dc, std::uint32_t keyFlags, nx::Point client,
                              nx::Point scroll) {
    if (!graph_ || !prepareTools(dc)) return false;
    bool changed = false;
    {
        MembershipRecording recording(*this);
        changed = view_->mouseDown(logical(client, scroll), (keyFlags & kControlKey) != 0);
    }
    // A drag from here to the release is one step.
    gesture_.reset();
    if (editingEnabled_ && view_->interactive()) {
        if (history_.depth() > 0)
            gesture_ = std::make_unique<PositionSnapshot>(*view_);
        else
            history_.forgetClean();  // a drag no undo could take back may follow
    }
    return changed;
}

void ControlEngine::endGesture() {
    if (!gesture_) return;
    std::unique_ptr<PositionSnapshot> before = std::move(gesture_);
    if (!view_) return;
    if (auto change = PositionChange::since(std::move(*before), *view_)) {
        history_.push(std::move(change));
        afterHistoryChange();
    }
}

bool ControlEngine::MouseUp(nx::DeviceContext* dc, nx::Size& extent, nx::Point client,
                            nx::Point scroll) {
    if (!graph_ || !prepareTools(dc)) return false;
    bool changed = false;
    {
        MembershipRecording recording(*this);
        changed = view_->mouseUp(logical(client, scroll));
    }
    endGesture();
    if (!changed) return false;
    extent = extentAfterChange();
    return true;
}

bool ControlEngine::MouseLeave(nx::DeviceContext* dc, nx::Size& extent) {
    if (!graph_ || !prepareTools(dc)) return false;
    bool changed = false;
    {
        MembershipRecording recording(*this);
        changed = view_->mouseUpAtLastPoint();
    }
    endGesture();
    if (!changed) return false;
    extent = extentAfterChange();
    return true;
}

bool ControlEngine::MouseMove(nx::DeviceContext* dc, nx::Point client, nx::Point scroll) {
    if (!graph_ || !prepareTools(dc)) return false;
    return view_->mouseMove(logical(client, scroll));
}

// --- Editing commands

bool ControlEngine::startEdge(nx::DeviceContext* dc, HostWindow* host, bool outgoing) {
    if (!editingEnabled_ || !currentVertex_ || !prepareTools(dc)) return false;
    view_->setHostWindow(host);
    if (outgoing)
        view_->beginConnectFrom(currentVertex_, currentVertexProperties_);
    else
        view_->beginConnectTo(currentVertex_, currentVertexProperties_);
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
    if (!editingEnabled_ || !graph_ || !view_ || !currentVertex_ || !host) return false;
    const std::uint32_t id = idOf(currentVertex_->id);
    if (host->messageBox(question("Do you want to remove vertex %1i from the tree?", id),
                         u"Delete Vertex", MessageButtons::YesNo,
                         MessageIcon::None) != MessageAnswer::Yes)
        return false;
    // The vertex may have left the graph since the menu was shown.
    if (!graph_->contains(*currentVertex_)) return false;
    MembershipRecording recording(*this);
    graph_->removeVertex(*currentVertex_);
    synchronizeView();
    return true;
}

bool ControlEngine::DeleteCurrentEdge(HostWindow* host) {
    if (!editingEnabled_ || !graph_ || !view_ || !currentEdge_ || !host) return false;
    const std::uint32_t id = idOf(currentEdge_->id);
    if (host->messageBox(question("Do you want to remove edge %1i from the tree?", id),
                         u"Delete Edge", MessageButtons::YesNo,
                         MessageIcon::None) != MessageAnswer::Yes)
        return false;
    if (!graph_->contains(*currentEdge_)) return false;
    MembershipRecording recording(*this);
    graph_->removeEdge(*currentEdge_);
    synchronizeView();
    return true;
}

bool ControlEngine::NewVertexAtClick() {
    if (!editingEnabled_ || !graph_ || !view_ || !space_) return false;
    MembershipRecording recording(*this);
    nx::Vertex* vertex = space_->vertexFactory().create();
    graph_->addVertex(*vertex);
    synchronizeView();
    currentVertex_ = vertex;
    currentVertexProperties_ = view_->vertexViewProperties(vertex);
    view_->setX(vertex, currentVertexProperties_, lastClick_.x);
    view_->setY(vertex, currentVertexProperties_, lastClick_.y);
    return true;
}

bool ControlEngine::SelectAllVertices() {
    if (!editingEnabled_ || !view_) return false;
    // The list is rebuilt in drawing order; selected edges stay selected.
    const auto& sequence = view_->vertexSequence();
    return view_->selectVertices({sequence.begin(), sequence.end()}, false);
}

}  // namespace ramulo
