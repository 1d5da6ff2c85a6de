// nx::GraphView entries: attaching a graph, synchronising, default views, device positions.
#include "views/graph_view.h"

#include <algorithm>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <unordered_map>

#include "graph/graph.h"
#include "properties/actual_properties.h"
#include "properties/large_pages.h"
#include "properties/named_properties.h"
#include "views/coordinate_range.h"
#include "views/edge_view_factory.h"
#include "views/vertex_view_factory.h"
#include "views/property_cast.h"
#include "views/view.h"

namespace nx {

namespace {

using IntValue = PropertyTemplate::Int;

template <typename P>
P* valueAt(ActualProperties* properties, std::size_t index) {
    if (!properties || index >= properties->size()) return nullptr;
    return propertyAs<P>(&properties->at(index));
}

std::unique_ptr<ActualProperties> newValues(const FormalProperties* schema) {
    return schema ? ActualProperties::make(*schema) : ActualProperties::make();
}

std::pair<Vertex*, Vertex*> unordered(Vertex* a, Vertex* b) {
    return std::less<Vertex*>()(a, b) ? std::pair{a, b} : std::pair{b, a};
}

int parallelNumber(int n) {
    return n == 0 ? 0 : n % 2 ? (n + 1) / 2 : -n / 2;
}

}  // namespace

GraphView::GraphView(FormalProperties* vertexFormals, FormalProperties* edgeFormals)
    : GraphScene(vertexFormals, edgeFormals), renderer_(std::make_unique<GraphRenderer>(*this)) {}

GraphView::~GraphView() {
    if (graph_) graph_->detach(this);
    clearEntries();
}

void GraphView::setFormals(FormalProperties* vertexFormals, FormalProperties* edgeFormals) {
    structureChanged();
    vertexFormals_ = vertexFormals;
    edgeFormals_ = edgeFormals;
}

// --- default views

ViewRef<VertexView> GraphView::defaultVertexView() {
    if (!defaultVertexView_)
        defaultVertexView_ = vertexViewFactory().getSquareDotView(true, 4, 4, 2, 6, 9);
    return defaultVertexView_;
}

ViewRef<EdgeView> GraphView::defaultEdgeView() {
    if (!defaultEdgeView_) defaultEdgeView_ = edgeViewFactory().getStraightEdgeView(4);
    return defaultEdgeView_;
}

void GraphView::setDefaultVertexView(ViewRef<VertexView> view) {
    defaultVertexView_ = std::move(view);
}

void GraphView::setDefaultEdgeView(ViewRef<EdgeView> view) {
    defaultEdgeView_ = std::move(view);
}

// --- entries

VertexViewData GraphView::makeVertexEntry(Vertex* vertex) {
    return {vertex, newValues(vertexFormals_), defaultVertexView()};
}

EdgeViewData GraphView::makeEdgeData(Edge*) {
    return {newValues(edgeFormals_), defaultEdgeView()};
}

void GraphView::clearEntries() {
    structureChanged();
    sequence_.clear();
    vertexMap_.clear();
    edgeMap_.clear();
    selectedVertices_.clear();
    selectedEdges_.clear();
    parallels_.clear();
    parallelsValid_ = false;
}

void GraphView::setGraph(Graph* graph) {
    structureChanged();
    if (graph == graph_) return;
    ScopedLock lock(&mutex_);
    if (graph_) graph_->detach(this);
    clearEntries();
    graph_ = graph;
    refreshGraphPropertyIndices();
    restartNotes();
    if (!graph_) return;
    // The entries follow the graph's order: its maps' indexes serve as they are when the
    // graph has no erased slots.
    reserveInLargePages(sequence_, graph_->order());
    auto vertexEntry = [this](Vertex* vertex, std::size_t) {
        sequence_.push_back(makeVertexEntry(vertex));
        return sequence_.size() - 1;
    };
    if (!vertexMap_.assignKeysOf(graph_->vertices(), vertexEntry)) {
        vertexMap_.reserve(graph_->order());
        for (const auto& slot : graph_->vertices())
            vertexMap_.insert(slot.first, vertexEntry(slot.first, 0));
    }
    auto edgeData = [this](Edge* edge, std::size_t) {
        EdgeViewData data = makeEdgeData(edge);
        if (auto* index = valueAt<IntValue>(data.properties.get(), indices_.edgeI1)) index->set(0);
        return data;
    };
    if (!edgeMap_.assignKeysOf(graph_->edges(), edgeData)) {
        edgeMap_.reserve(graph_->edgeCount());
        for (const auto& slot : graph_->edges())
            edgeMap_.insert(slot.first, edgeData(slot.first, 0));
    }
    rebuildSelection();
    graph_->attach(this);
    restartNotes();
}

void GraphView::synchronize() {
    ScopedLock lock(&mutex_);
    if (!graph_) return;
    if (!followNotes()) {
        synchronizeFully();
        structureChanged();
    }
    restartNotes();
}

void GraphView::restartNotes() {
    pending_.addedVertices.clear();
    pending_.removedVertices.clear();
    pending_.addedEdges.clear();
    pending_.removedEdges.clear();
    pending_.stamp = graph_ ? graph_->membershipStamp() : 0;
    pending_.lost = false;
}

bool GraphView::noteMembership(const Graph& graph) {
    if (&graph != graph_ || pending_.lost) return false;
    // Past as many changes as the view holds entries, a full pass costs no more.
    if (graph.membershipStamp() != pending_.stamp + 1 ||
        pending_.size() > 1024 + sequence_.size() + edgeMap_.size()) {
        pending_.lost = true;
        pending_.addedVertices = {};
        pending_.removedVertices = {};
        pending_.addedEdges = {};
        pending_.removedEdges = {};
        return false;
    }
    pending_.stamp = graph.membershipStamp();
    return true;
}

void GraphView::vertexAdded(const Graph& graph, Vertex& vertex) {
    if (noteMembership(graph)) pending_.addedVertices.push_back(&vertex);
}

void GraphView::edgeAdded(const Graph& graph, Edge& edge) {
    if (noteMembership(graph)) pending_.addedEdges.push_back(&edge);
}

void GraphView::vertexRemoved(const Graph& graph, Vertex& vertex) {
    if (noteMembership(graph)) pending_.removedVertices.push_back(&vertex);
}

void GraphView::edgeRemoved(const Graph& graph, Edge& edge) {
    if (noteMembership(graph)) pending_.removedEdges.push_back(&edge);
}

bool GraphView::followNotes() {
    if (pending_.lost || pending_.stamp != graph_->membershipStamp()) return false;
    const bool added = !pending_.addedVertices.empty() || !pending_.addedEdges.empty();
    const bool removed = !pending_.removedVertices.empty() || !pending_.removedEdges.empty();
    // An element that left and came back keeps its entry in a full pass; mixed notes
    // take that pass rather than tell the cases apart.
    if (added && removed) return false;
    if (added) appendNoted();
    if (removed) {
        dropNoted();
        structureChanged();
    }
    return sequence_.size() == graph_->order() && edgeMap_.size() == graph_->edgeCount();
}

// New members are the last ones of the graph's order, in the order they were told: they
// land where a full pass would put them, numbered as it would number them.
void GraphView::appendNoted() {
    std::vector<VertexEntryRecord> appended;
    for (Vertex* vertex : pending_.addedVertices) {
        if (!graph_->contains(*vertex)) continue;
        if (vertexMap_.insert(vertex, sequence_.size()).second) {
            if (log_) appended.push_back({{vertex, nullptr, nullptr}, sequence_.size()});
            sequence_.push_back(makeVertexEntry(vertex));
            vertexChanged(*vertex);
        }
    }
    if (log_ && !appended.empty()) log_->vertexEntriesAppended(*this, std::move(appended));
    if (pending_.addedEdges.empty()) return;
    const bool number = spreadParallelEdges_ && indices_.edgeI1 != kNoIndex;
    if (number && !parallelsValid_) countParallels();
    for (Edge* edge : pending_.addedEdges) {
        if (!graph_->contains(*edge) || edgeMap_.contains(edge)) continue;
        const auto pair = unordered(edge->source, edge->target);
        EdgeViewData data = makeEdgeData(edge);
        if (number)
            valueAt<IntValue>(data.properties.get(), indices_.edgeI1)
                ->set(parallelNumber(parallels_[pair]));
        if (parallelsValid_) ++parallels_[pair];
        edgeMap_.insert(edge, std::move(data));
        edgeChanged(*edge);
        if (log_) log_->edgeEntryAppended(*this, *edge, edgeMap_.slotOf(edge));
    }
}

void GraphView::dropEdgeEntry(Edge* edge, EdgeViewData& data) {
    if (log_) log_->edgeEntryDropped(*this, *edge, std::move(data), edgeMap_.slotOf(edge));
    edgeMap_.erase(edge);
}

void GraphView::dropNoted() {
    for (Edge* edge : pending_.removedEdges) {
        EdgeViewData* data = edgeMap_.find(edge);
        if (!data || graph_->contains(*edge)) continue;
        dropEdgeEntry(edge, *data);
        if (parallelsValid_) addParallel(edge, -1);
    }
    if (!pending_.removedVertices.empty()) {
        // The survivors keep their order; only those behind the first gap move.
        std::vector<VertexEntryRecord> dropped;
        std::size_t kept = 0;
        for (std::size_t i = 0; i < sequence_.size(); ++i) {
            VertexViewData& entry = sequence_[i];
            if (graph_->contains(*entry.vertex)) {
                if (kept != i) {
                    *vertexMap_.find(entry.vertex) = kept;
                    sequence_[kept] = std::move(entry);
                }
                ++kept;
            } else {
                vertexMap_.erase(entry.vertex);
                if (log_) dropped.push_back({std::move(entry), i});
            }
        }
        sequence_.resize(kept);
        if (!dropped.empty()) log_->vertexEntriesDropped(*this, std::move(dropped));
        std::erase_if(selectedVertices_,
                      [this](const VertexViewEntry& e) { return !vertexMap_.contains(e.vertex); });
    }
    if (!pending_.removedEdges.empty())
        std::erase_if(selectedEdges_,
                      [this](const EdgeViewEntry& e) { return !edgeMap_.contains(e.edge); });
}

void GraphView::countParallels() {
    parallels_.clear();
    parallels_.reserve(edgeMap_.size());
    for (const auto& slot : edgeMap_)
        ++parallels_[unordered(slot.first->source, slot.first->target)];
    parallelsValid_ = true;
}

void GraphView::addParallel(const Edge* edge, int delta) {
    auto it = parallels_.find(unordered(edge->source, edge->target));
    if (it == parallels_.end()) return;
    it->second += delta;
    if (it->second == 0) parallels_.erase(it);
}

void GraphView::synchronizeFully() {
    parallelsValid_ = false;
    parallels_.clear();
    std::vector<VertexViewData> next;
    next.reserve(graph_->order());
    std::vector<VertexEntryRecord> dropped, appended;
    for (std::size_t i = 0; i < sequence_.size(); ++i) {
        VertexViewData& entry = sequence_[i];
        if (graph_->contains(*entry.vertex)) {
            next.push_back(std::move(entry));
        } else {
            vertexMap_.erase(entry.vertex);
            if (log_) dropped.push_back({std::move(entry), i});
        }
    }
    if (next.size() < graph_->order()) {
        for (const auto& slot : graph_->vertices())
            if (vertexMap_.insert(slot.first, next.size()).second) {
                if (log_) appended.push_back({{slot.first, nullptr, nullptr}, next.size()});
                next.push_back(makeVertexEntry(slot.first));
            }
    }
    if (!dropped.empty()) log_->vertexEntriesDropped(*this, std::move(dropped));
    if (!appended.empty()) log_->vertexEntriesAppended(*this, std::move(appended));
    for (std::size_t i = 0; i < next.size(); ++i) *vertexMap_.find(next[i].vertex) = i;

    const bool number = spreadParallelEdges_ && indices_.edgeI1 != kNoIndex;
    std::unordered_map<std::pair<Vertex*, Vertex*>, int, VertexPairHash> parallels;
    bool missing = false;
    for (const auto& slot : graph_->edges()) missing = missing || !edgeMap_.contains(slot.first);
    if (missing) {
        for (const auto& slot : graph_->edges()) {
            Edge* edge = slot.first;
            const int before = number ? parallels[unordered(edge->source, edge->target)]++ : 0;
            if (edgeMap_.contains(edge)) continue;
            EdgeViewData data = makeEdgeData(edge);
            if (number)
                valueAt<IntValue>(data.properties.get(), indices_.edgeI1)
                    ->set(parallelNumber(before));
            edgeMap_.insert(edge, std::move(data));
            if (log_) log_->edgeEntryAppended(*this, *edge, edgeMap_.slotOf(edge));
        }
    }
    std::vector<Edge*> gone;
    for (auto& slot : edgeMap_)
        if (!graph_->contains(*slot.first)) gone.push_back(slot.first);
    for (Edge* edge : gone) dropEdgeEntry(edge, *edgeMap_.find(edge));

    sequence_.swap(next);
    std::erase_if(selectedVertices_,
                  [this](const VertexViewEntry& e) { return !vertexMap_.contains(e.vertex); });
    std::erase_if(selectedEdges_,
                  [this](const EdgeViewEntry& e) { return !edgeMap_.contains(e.edge); });
}

VertexView* GraphView::findVertexView(const Vertex* vertex) const {
    if (const DrawCacheSlot* slot = cachedSlot(vertex)) return slot->view;
    const VertexViewData* entry = findVertexEntry(vertex);
    return entry ? entry->view.get() : nullptr;
}

Point GraphView::devicePosition(const Vertex* vertex,
                                const ActualProperties* viewProperties) const {
    return {scaledCoordinate(getX(vertex, viewProperties), scaleX_),
            scaledCoordinate(getY(vertex, viewProperties), scaleY_)};
}

Point GraphView::devicePosition(const Vertex* vertex) const {
    if (const DrawCacheSlot* slot = cachedSlot(vertex)) return slot->position;
    const VertexViewData* entry = findVertexEntry(vertex);
    return devicePosition(vertex, entry ? entry->properties.get() : nullptr);
}

GraphView::DrawCacheScope::DrawCacheScope(GraphView& view)
    : view_(view), outer_(!view.drawCacheValid_) {
    if (!outer_) return;
    std::size_t size = 0;
    for (const VertexViewEntry entry : view_.sequence_)
        size = std::max<std::size_t>(size, entry.vertex->id + 1);
    // A small graph in a large space keeps the map lookups rather than a sparse table.
    if (size > 4 * view_.sequence_.size() + 1024) {
        outer_ = false;
        return;
    }
    view_.drawCache_.assign(size, DrawCacheSlot{});
    for (const VertexViewEntry entry : view_.sequence_)
        view_.drawCache_[entry.vertex->id] = {view_.devicePosition(entry.vertex, entry.properties),
                                              entry.view, true};
    view_.drawCacheValid_ = true;
}

GraphView::DrawCacheScope::~DrawCacheScope() {
    if (outer_) view_.drawCacheValid_ = false;
}

const GraphView::DrawCacheSlot* GraphView::cachedSlot(const Vertex* vertex) const {
    if (!drawCacheValid_ || !vertex || vertex->id >= drawCache_.size()) return nullptr;
    const DrawCacheSlot& slot = drawCache_[vertex->id];
    return slot.present ? &slot : nullptr;
}

}  // namespace nx
