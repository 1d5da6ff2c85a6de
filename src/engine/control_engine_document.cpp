// ControlEngine: document lifecycle, structural editing, counts, IDs by scope and extent.
#include <cstdlib>
#include <sstream>
#include <stdexcept>

#include "engine/control_engine.h"
#include "engine/edit_recording.h"
#include "engine/error_texts.h"
#include "engine/host_window.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"
#include "graph/space.h"
#include "views/drawing_tools.h"
#include "views/icon_impl.h"

namespace ramulo {

namespace {

std::uint32_t idOf(nx::ElementId id) {
    return static_cast<std::uint32_t>(id);
}

// The n-th element of a sequence walked from its start, or null past the end.
template <typename Sequence, typename Get>
auto nthOf(const Sequence& sequence, std::uint32_t n, Get get) -> decltype(get(*sequence.begin())) {
    std::uint32_t at = 0;
    for (const auto& item : sequence)
        if (at++ == n) return get(item);
    return nullptr;
}

[[noreturn]] void positionNotFound(const char* kind, std::uint32_t n, const char* what,
                                   std::size_t length) {
    std::ostringstream text;
    text << "Ramulo Control: Error in Get" << kind << "ID. " << kind << ' ' << n << " not found.\n"
         << what << length << '.';
    throw std::runtime_error(text.str());
}

}  // namespace

ControlEngine::ControlEngine() {
    nx::IconImpl::setFadedCopyCount(0);
}

ControlEngine::~ControlEngine() {
    ReleaseDocument();
}

void ControlEngine::ReleaseDocument() {
    // Steps hold parts of this document; they go first.
    history_.clear(true);
    gesture_.reset();
    view_.reset();
    if (space_) {
        space_.reset();
        graph_ = nullptr;
    }
    // The current elements and their values went with the view and the space.
    forgetCurrentElements();
    spaceLevelVertexFormals_.reset();
    spaceLevelEdgeFormals_.reset();
    graphFormals_.reset();
    graphLevelVertexFormals_.reset();
    graphLevelEdgeFormals_.reset();
    viewLevelVertexFormals_.reset();
    viewLevelEdgeFormals_.reset();
}

void ControlEngine::Init() {
    ReleaseDocument();
    spaceLevelVertexFormals_ = std::make_unique<nx::FormalProperties>();
    spaceLevelEdgeFormals_ = std::make_unique<nx::FormalProperties>();
    graphFormals_ = std::make_unique<nx::FormalProperties>();
    graphLevelVertexFormals_ = std::make_unique<nx::FormalProperties>();
    graphLevelEdgeFormals_ = std::make_unique<nx::FormalProperties>();
    viewLevelVertexFormals_ = std::make_unique<nx::FormalProperties>();
    viewLevelEdgeFormals_ = std::make_unique<nx::FormalProperties>();
}

bool ControlEngine::hasFormals() const {
    return spaceLevelVertexFormals_ && spaceLevelEdgeFormals_ && graphFormals_ &&
           graphLevelVertexFormals_ && graphLevelEdgeFormals_ && viewLevelVertexFormals_ &&
           viewLevelEdgeFormals_;
}

std::uint32_t ControlEngine::NewTree(bool editingEnabled, HostWindow* host) {
    if (!hasFormals()) throw std::logic_error(nx::error_texts::kFormalsUndefined);
    history_.clear(true);
    gesture_.reset();
    if (view_) {
        view_.reset();
        // The old view owned the current elements' view-level values.
        forgetCurrentElements();
    }
    if (!space_)
        space_ = std::make_unique<nx::Space>(
            spaceLevelVertexFormals_.get(), spaceLevelEdgeFormals_.get(), graphFormals_.get(),
            graphLevelVertexFormals_.get(), graphLevelEdgeFormals_.get());
    view_ = host ? host->createGraphView(viewLevelVertexFormals_.get(), viewLevelEdgeFormals_.get())
                 : std::make_unique<nx::WindowGraphView>(viewLevelVertexFormals_.get(),
                                                         viewLevelEdgeFormals_.get());
    view_->drawingTools()->setBackgroundColor(backgroundColor_);
    view_->drawingTools()->enableMemoryBuffer();
    view_->setSpace(space_.get());
    view_->setHostWindow(host);
    // Only forests are edited, and the mouse never re-attaches an edge's ends.
    view_->setInteractive(editingEnabled);
    view_->setKeepForest(true);
    view_->setEdgeSourcesMovable(false);
    view_->setEdgeTargetsMovable(false);
    editingEnabled_ = editingEnabled;
    hostWindow_ = host;
    graph_ = space_->graphFactory().create();
    view_->setGraph(graph_);
    view_->synchronize();
    return idOf(graph_->id);
}

void ControlEngine::synchronizeView() {
    if (view_) view_->synchronize();
    forgetStaleCurrentElements();
}

void ControlEngine::forgetCurrentElements() {
    currentVertex_ = nullptr;
    currentVertexProperties_ = nullptr;
    currentEdge_ = nullptr;
    currentEdgeProperties_ = nullptr;
}

void ControlEngine::setCurrentVertex(nx::Vertex* vertex) {
    const nx::VertexViewData* entry = vertex && view_ ? view_->findVertexEntry(vertex) : nullptr;
    currentVertex_ = vertex;
    currentVertexProperties_ = entry ? entry->properties.get() : nullptr;
}

void ControlEngine::setCurrentEdge(nx::Edge* edge) {
    currentEdge_ = edge;
    currentEdgeProperties_ = edge && view_ ? view_->findEdgeEntry(edge).properties : nullptr;
}

void ControlEngine::forgetStaleCurrentElements() {
    if (currentVertex_ && !(graph_ && graph_->contains(*currentVertex_))) {
        currentVertex_ = nullptr;
        currentVertexProperties_ = nullptr;
    }
    if (currentEdge_ && !(graph_ && graph_->contains(*currentEdge_))) {
        currentEdge_ = nullptr;
        currentEdgeProperties_ = nullptr;
    }
}

std::uint32_t ControlEngine::AddVertex() {
    if (!space_ || !graph_) return kNoElement;
    MembershipRecording recording(*this);
    nx::Vertex* vertex = space_->vertexFactory().create();
    graph_->addVertex(*vertex);
    synchronizeView();
    return idOf(vertex->id);
}

void ControlEngine::RemoveVertex(std::uint32_t vertexId) {
    if (!space_ || !graph_) return;
    MembershipRecording recording(*this);
    nx::Vertex* vertex = space_->vertexFactory().at(vertexId);
    if (!vertex)
        throw std::runtime_error("Ramulo Control: RemoveVertex Error. Vertex " +
                                 std::to_string(vertexId) + " cannot be found");
    graph_->removeVertex(*vertex);
    synchronizeView();
}

std::uint32_t ControlEngine::AddEdge(std::uint32_t sourceId, std::uint32_t targetId) {
    if (!space_ || !graph_) return kNoElement;
    MembershipRecording recording(*this);
    nx::Vertex* source = space_->vertexFactory().at(sourceId);
    nx::Vertex* target = space_->vertexFactory().at(targetId);
    if (!source || !target) return kNoElement;
    nx::Edge* edge = space_->edgeFactory().create(source, target);
    graph_->addEdge(*edge);
    synchronizeView();
    return idOf(edge->id);
}

void ControlEngine::RemoveEdge(std::uint32_t edgeId) {
    if (!space_ || !graph_) return;
    MembershipRecording recording(*this);
    nx::Edge* edge = space_->edgeFactory().at(edgeId);
    if (!edge)
        throw std::runtime_error("Ramulo Control: RemoveEdge Error. Edge " +
                                 std::to_string(edgeId) + " cannot be found");
    graph_->removeEdge(*edge);
    synchronizeView();
}

void ControlEngine::AddVertices(std::uint16_t count, std::uint32_t* vertexIds) {
    if (!space_ || !graph_) return;
    MembershipRecording recording(*this);
    for (std::uint16_t i = 0; i < count; ++i) {
        nx::Vertex* vertex = space_->vertexFactory().create();
        graph_->addVertex(*vertex);
        vertexIds[i] = idOf(vertex->id);
    }
    synchronizeView();
}

void ControlEngine::RemoveVertices(std::uint16_t count, const std::uint32_t* vertexIds) {
    if (!space_ || !graph_) return;
    MembershipRecording recording(*this);
    for (std::uint16_t i = 0; i < count; ++i)
        if (nx::Vertex* vertex = space_->vertexFactory().at(vertexIds[i]))
            graph_->removeVertex(*vertex);
    synchronizeView();
}

void ControlEngine::AddEdges(std::uint16_t count, const std::uint32_t* sourceIds,
                             const std::uint32_t* targetIds, std::uint32_t* edgeIds) {
    if (!space_ || !graph_) return;
    MembershipRecording recording(*this);
    for (std::uint16_t i = 0; i < count; ++i) {
        nx::Vertex* source = space_->vertexFactory().at(sourceIds[i]);
        nx::Vertex* target = space_->vertexFactory().at(targetIds[i]);
        if (!source || !target) {
            edgeIds[i] = kNoElement;
            continue;
        }
        nx::Edge* edge = space_->edgeFactory().create(source, target);
        graph_->addEdge(*edge);
        edgeIds[i] = idOf(edge->id);
    }
    synchronizeView();
}

void ControlEngine::RemoveEdges(std::uint16_t count, const std::uint32_t* edgeIds) {
    if (!space_ || !graph_) return;
    MembershipRecording recording(*this);
    for (std::uint16_t i = 0; i < count; ++i)
        if (nx::Edge* edge = space_->edgeFactory().at(edgeIds[i])) graph_->removeEdge(*edge);
    synchronizeView();
}

std::uint32_t ControlEngine::GetVertexCount(std::uint16_t scope) {
    if (!graph_) return 0;
    switch (scope) {
        case 0:
            return static_cast<std::uint32_t>(graph_->order());
        case 1:
            return view_ ? static_cast<std::uint32_t>(view_->selectedVertices().size()) : 0;
        case 2:
            return view_ ? static_cast<std::uint32_t>(view_->verticesInVisibleArea().size()) : 0;
        default:
            return 0;
    }
}

std::uint32_t ControlEngine::GetEdgeCount(std::uint16_t scope) {
    if (!graph_) return 0;
    switch (scope) {
        case 0:
            return static_cast<std::uint32_t>(graph_->edgeCount());
        case 1:
            return view_ ? static_cast<std::uint32_t>(view_->selectedEdges().size()) : 0;
        case 2:
            return view_ ? static_cast<std::uint32_t>(view_->edgesInVisibleArea().size()) : 0;
        default:
            return 0;
    }
}

std::uint32_t ControlEngine::GetVertexID(std::uint16_t scope, std::uint32_t n) {
    if (!graph_ || scope > 2) return 0;
    const auto entryVertex = [](const nx::VertexViewEntry& e) { return e.vertex; };
    nx::Vertex* found = nullptr;
    std::size_t length = 0;
    const char* what = nullptr;
    if (scope == 0) {
        found = nthOf(graph_->vertices(), n, [](const auto& slot) { return slot.first; });
        length = graph_->order();
        what = "Graph order is ";
    } else if (scope == 1) {
        static const std::vector<nx::VertexViewEntry> none;
        const auto& selected = view_ ? view_->selectedVertices() : none;
        found = nthOf(selected, n, entryVertex);
        length = selected.size();
        what = "Number of selected vertices is ";
    } else {
        const auto visible =
            view_ ? view_->verticesInVisibleArea() : std::vector<nx::VertexViewEntry>{};
        found = nthOf(visible, n, entryVertex);
        length = visible.size();
        what = "Number of visible vertices is ";
    }
    if (!found) positionNotFound("Vertex", n, what, length);
    return idOf(found->id);
}

std::uint32_t ControlEngine::GetEdgeID(std::uint16_t scope, std::uint32_t n) {
    if (!graph_ || scope > 2) return 0;
    const auto entryEdge = [](const nx::EdgeViewEntry& e) { return e.edge; };
    nx::Edge* found = nullptr;
    std::size_t length = 0;
    const char* what = nullptr;
    if (scope == 0) {
        found = nthOf(graph_->edges(), n, [](const auto& slot) { return slot.first; });
        length = graph_->edgeCount();
        what = "Number of edges is ";
    } else if (scope == 1) {
        static const std::vector<nx::EdgeViewEntry> none;
        const auto& selected = view_ ? view_->selectedEdges() : none;
        found = nthOf(selected, n, entryEdge);
        length = selected.size();
        what = "Number of selected edges is ";
    } else {
        const auto visible = view_ ? view_->edgesInVisibleArea() : std::vector<nx::EdgeViewEntry>{};
        found = nthOf(visible, n, entryEdge);
        length = visible.size();
        what = "Number of visible edges is ";
    }
    if (!found) positionNotFound("Edge", n, what, length);
    return idOf(found->id);
}

nx::Size ControlEngine::GetExtent() {
    if (!graph_ || !view_) return {1, 1};
    view_->setPrinting(false);
    view_->setScaleX(1.0f);
    view_->setScaleY(1.0f);
    const nx::Rect e = view_->extent();
    const auto span = [](std::int32_t a, std::int32_t b, std::int32_t margin) {
        return static_cast<std::uint64_t>(std::llabs(static_cast<long long>(b) - a) + margin);
    };
    return {span(e.left, e.right, extentMarginX_), span(e.top, e.bottom, extentMarginY_)};
}

}  // namespace ramulo
