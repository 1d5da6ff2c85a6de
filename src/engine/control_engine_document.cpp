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
    history.clear(true);
    gesture_.reset();
    view.reset();
    if (space) {
        space.reset();
        graph = nullptr;
    }
    // The current elements and their values went with the view and the space.
    forgetCurrentElements();
    spaceLevelVertexFormals.reset();
    spaceLevelEdgeFormals.reset();
    graphFormals.reset();
    graphLevelVertexFormals.reset();
    graphLevelEdgeFormals.reset();
    viewLevelVertexFormals.reset();
    viewLevelEdgeFormals.reset();
}

void ControlEngine::Init() {
    ReleaseDocument();
    spaceLevelVertexFormals = std::make_unique<nx::FormalProperties>();
    spaceLevelEdgeFormals = std::make_unique<nx::FormalProperties>();
    graphFormals = std::make_unique<nx::FormalProperties>();
    graphLevelVertexFormals = std::make_unique<nx::FormalProperties>();
    graphLevelEdgeFormals = std::make_unique<nx::FormalProperties>();
    viewLevelVertexFormals = std::make_unique<nx::FormalProperties>();
    viewLevelEdgeFormals = std::make_unique<nx::FormalProperties>();
}

bool ControlEngine::hasFormals() const {
    return spaceLevelVertexFormals && spaceLevelEdgeFormals && graphFormals &&
           graphLevelVertexFormals && graphLevelEdgeFormals && viewLevelVertexFormals &&
           viewLevelEdgeFormals;
}

std::uint32_t ControlEngine::NewTree(bool editingEnabled, HostWindow* host) {
    if (!hasFormals()) throw std::logic_error(nx::error_texts::kFormalsUndefined);
    history.clear(true);
    gesture_.reset();
    if (view) {
        view.reset();
        // The old view owned the current elements' view-level values.
        forgetCurrentElements();
    }
    if (!space)
        space = std::make_unique<nx::Space>(
            spaceLevelVertexFormals.get(), spaceLevelEdgeFormals.get(), graphFormals.get(),
            graphLevelVertexFormals.get(), graphLevelEdgeFormals.get());
    view = host ? host->createGraphView(viewLevelVertexFormals.get(), viewLevelEdgeFormals.get())
                : std::make_unique<nx::WindowGraphView>(viewLevelVertexFormals.get(),
                                                        viewLevelEdgeFormals.get());
    view->drawingTools()->setBackgroundColor(backgroundColor);
    view->drawingTools()->enableMemoryBuffer();
    view->setSpace(space.get());
    view->setHostWindow(host);
    // Only forests are edited, and the mouse never re-attaches an edge's ends.
    view->setInteractive(editingEnabled);
    view->setKeepForest(true);
    view->setEdgeSourcesMovable(false);
    view->setEdgeTargetsMovable(false);
    this->editingEnabled = editingEnabled;
    hostWindow = host;
    graph = space->graphFactory().create();
    view->setGraph(graph);
    view->synchronize();
    return idOf(graph->id);
}

void ControlEngine::synchronizeView() {
    if (view) view->synchronize();
    forgetStaleCurrentElements();
}

void ControlEngine::forgetCurrentElements() {
    currentVertex = nullptr;
    currentVertexProperties = nullptr;
    currentEdge = nullptr;
    currentEdgeProperties = nullptr;
}

void ControlEngine::forgetStaleCurrentElements() {
    if (currentVertex && !(graph && graph->contains(*currentVertex))) {
        currentVertex = nullptr;
        currentVertexProperties = nullptr;
    }
    if (currentEdge && !(graph && graph->contains(*currentEdge))) {
        currentEdge = nullptr;
        currentEdgeProperties = nullptr;
    }
}

std::uint32_t ControlEngine::AddVertex() {
    if (!space || !graph) return kNoElement;
    MembershipRecording recording(*this);
    nx::Vertex* vertex = space->vertexFactory().create();
    graph->addVertex(*vertex);
    synchronizeView();
    return idOf(vertex->id);
}

void ControlEngine::RemoveVertex(std::uint32_t vertexId) {
    if (!space || !graph) return;
    MembershipRecording recording(*this);
    nx::Vertex* vertex = space->vertexFactory().at(vertexId);
    if (!vertex)
        throw std::runtime_error("Ramulo Control: RemoveVertex Error. Vertex " +
                                 std::to_string(vertexId) + " cannot be found");
    graph->removeVertex(*vertex);
    synchronizeView();
}

std::uint32_t ControlEngine::AddEdge(std::uint32_t sourceId, std::uint32_t targetId) {
    if (!space || !graph) return kNoElement;
    MembershipRecording recording(*this);
    nx::Vertex* source = space->vertexFactory().at(sourceId);
    nx::Vertex* target = space->vertexFactory().at(targetId);
    if (!source || !target) return kNoElement;
    nx::Edge* edge = space->edgeFactory().create(source, target);
    graph->addEdge(*edge);
    synchronizeView();
    return idOf(edge->id);
}

void ControlEngine::RemoveEdge(std::uint32_t edgeId) {
    if (!space || !graph) return;
    MembershipRecording recording(*this);
    nx::Edge* edge = space->edgeFactory().at(edgeId);
    if (!edge)
        throw std::runtime_error("Ramulo Control: RemoveEdge Error. Edge " +
                                 std::to_string(edgeId) + " cannot be found");
    graph->removeEdge(*edge);
    synchronizeView();
}

void ControlEngine::AddVertices(std::uint16_t count, std::uint32_t* vertexIds) {
    if (!space || !graph) return;
    MembershipRecording recording(*this);
    for (std::uint16_t i = 0; i < count; ++i) {
        nx::Vertex* vertex = space->vertexFactory().create();
        graph->addVertex(*vertex);
        vertexIds[i] = idOf(vertex->id);
    }
    synchronizeView();
}

void ControlEngine::RemoveVertices(std::uint16_t count, const std::uint32_t* vertexIds) {
    if (!space || !graph) return;
    MembershipRecording recording(*this);
    for (std::uint16_t i = 0; i < count; ++i)
        if (nx::Vertex* vertex = space->vertexFactory().at(vertexIds[i]))
            graph->removeVertex(*vertex);
    synchronizeView();
}

void ControlEngine::AddEdges(std::uint16_t count, const std::uint32_t* sourceIds,
                             const std::uint32_t* targetIds, std::uint32_t* edgeIds) {
    if (!space || !graph) return;
    MembershipRecording recording(*this);
    for (std::uint16_t i = 0; i < count; ++i) {
        nx::Vertex* source = space->vertexFactory().at(sourceIds[i]);
        nx::Vertex* target = space->vertexFactory().at(targetIds[i]);
        if (!source || !target) {
            edgeIds[i] = kNoElement;
            continue;
        }
        nx::Edge* edge = space->edgeFactory().create(source, target);
        graph->addEdge(*edge);
        edgeIds[i] = idOf(edge->id);
    }
    synchronizeView();
}

void ControlEngine::RemoveEdges(std::uint16_t count, const std::uint32_t* edgeIds) {
    if (!space || !graph) return;
    MembershipRecording recording(*this);
    for (std::uint16_t i = 0; i < count; ++i)
        if (nx::Edge* edge = space->edgeFactory().at(edgeIds[i])) graph->removeEdge(*edge);
    synchronizeView();
}

std::uint32_t ControlEngine::GetVertexCount(std::uint16_t scope) {
    if (!graph) return 0;
    switch (scope) {
        case 0:
            return static_cast<std::uint32_t>(graph->order());
        case 1:
            return view ? static_cast<std::uint32_t>(view->selectedVertices().size()) : 0;
        case 2:
            return view ? static_cast<std::uint32_t>(view->verticesInVisibleArea().size()) : 0;
        default:
            return 0;
    }
}

std::uint32_t ControlEngine::GetEdgeCount(std::uint16_t scope) {
    if (!graph) return 0;
    switch (scope) {
        case 0:
            return static_cast<std::uint32_t>(graph->edgeCount());
        case 1:
            return view ? static_cast<std::uint32_t>(view->selectedEdges().size()) : 0;
        case 2:
            return view ? static_cast<std::uint32_t>(view->edgesInVisibleArea().size()) : 0;
        default:
            return 0;
    }
}

std::uint32_t ControlEngine::GetVertexID(std::uint16_t scope, std::uint32_t n) {
    if (!graph || scope > 2) return 0;
    const auto entryVertex = [](const nx::VertexViewEntry& e) { return e.vertex; };
    nx::Vertex* found = nullptr;
    std::size_t length = 0;
    const char* what = nullptr;
    if (scope == 0) {
        found = nthOf(graph->vertices(), n, [](const auto& slot) { return slot.first; });
        length = graph->order();
        what = "Graph order is ";
    } else if (scope == 1) {
        static const std::vector<nx::VertexViewEntry> none;
        const auto& selected = view ? view->selectedVertices() : none;
        found = nthOf(selected, n, entryVertex);
        length = selected.size();
        what = "Number of selected vertices is ";
    } else {
        const auto visible =
            view ? view->verticesInVisibleArea() : std::vector<nx::VertexViewEntry>{};
        found = nthOf(visible, n, entryVertex);
        length = visible.size();
        what = "Number of visible vertices is ";
    }
    if (!found) positionNotFound("Vertex", n, what, length);
    return idOf(found->id);
}

std::uint32_t ControlEngine::GetEdgeID(std::uint16_t scope, std::uint32_t n) {
    if (!graph || scope > 2) return 0;
    const auto entryEdge = [](const nx::EdgeViewEntry& e) { return e.edge; };
    nx::Edge* found = nullptr;
    std::size_t length = 0;
    const char* what = nullptr;
    if (scope == 0) {
        found = nthOf(graph->edges(), n, [](const auto& slot) { return slot.first; });
        length = graph->edgeCount();
        what = "Number of edges is ";
    } else if (scope == 1) {
        static const std::vector<nx::EdgeViewEntry> none;
        const auto& selected = view ? view->selectedEdges() : none;
        found = nthOf(selected, n, entryEdge);
        length = selected.size();
        what = "Number of selected edges is ";
    } else {
        const auto visible = view ? view->edgesInVisibleArea() : std::vector<nx::EdgeViewEntry>{};
        found = nthOf(visible, n, entryEdge);
        length = visible.size();
        what = "Number of visible edges is ";
    }
    if (!found) positionNotFound("Edge", n, what, length);
    return idOf(found->id);
}

nx::Size ControlEngine::GetExtent() {
    if (!graph || !view) return {1, 1};
    view->setPrinting(false);
    view->setScaleX(1.0f);
    view->setScaleY(1.0f);
    const nx::Rect e = view->extent();
    const auto span = [](std::int32_t a, std::int32_t b, std::int32_t margin) {
        return static_cast<std::uint64_t>(std::llabs(static_cast<long long>(b) - a) + margin);
    };
    return {span(e.left, e.right, extentMarginX), span(e.top, e.bottom, extentMarginY)};
}
