// Graph membership, incidence lists and the neighbour walks.
#include "graph/graph.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <unordered_set>

#include "graph/error_texts.h"
#include "graph/membership_log.h"
#include "graph/subgraph.h"
#include "graph/visitor.h"

namespace nx {

Graph::Graph(ElementId id, std::unique_ptr<ActualProperties> properties,
             std::unique_ptr<ActualProperties> graphProperties, FormalProperties* vertexSchema,
             FormalProperties* edgeSchema)
    : Vertex(id, std::move(properties)),
      ownGraphProperties_(std::move(graphProperties)),
      graphProperties_(ownGraphProperties_.get()),
      vertexSchema_(vertexSchema),
      edgeSchema_(edgeSchema) {}

Graph::Graph(BorrowFrom borrow)
    : Vertex(borrow.parent.id, nullptr),
      graphProperties_(borrow.parent.graphProperties()),
      vertexSchema_(borrow.parent.vertexSchema()),
      edgeSchema_(borrow.parent.edgeSchema()) {}

Graph::~Graph() {
    for (auto& [edge, props] : edges_) disposeMemberProperties(props);
    for (auto& [vertex, entry] : vertices_) disposeMemberProperties(entry.properties);
    edges_.clear();
    vertices_.clear();
    spanningTrees_.clear();
    componentsCache_.clear();
}

void Graph::accept(Visitor& visitor) {
    visitor.visit(*this);
}

void Graph::disposeMemberProperties(MemberValues& properties) {
    properties.reset();
}

void Graph::notifyObservers() {
    // Observers may detach while being told; walk a copy.
    const std::vector<Observer*> observers = observers_;
    for (Observer* o : observers) o->update();
}

VertexEntry& Graph::entryOf(const Vertex& vertex) {
    VertexEntry* entry = vertices_.find(&vertex);
    if (!entry) throw std::runtime_error(nx::error_texts::kVertexNotFound);
    return *entry;
}

const VertexEntry& Graph::entryOf(const Vertex& vertex) const {
    const VertexEntry* entry = vertices_.find(&vertex);
    if (!entry) throw std::runtime_error(nx::error_texts::kVertexNotFound);
    return *entry;
}

const ActualProperties& Graph::vertexProperties(const Vertex& vertex) const {
    const VertexEntry* entry = vertices_.find(&vertex);
    if (!entry) throw std::runtime_error(nx::error_texts::kVertexPropertiesNotFound);
    return *entry->properties;
}

ActualProperties& Graph::vertexProperties(const Vertex& vertex) {
    VertexEntry* entry = vertices_.find(&vertex);
    if (!entry) throw std::runtime_error(nx::error_texts::kVertexPropertiesNotFound);
    return *entry->properties;
}

const ActualProperties& Graph::edgeProperties(const Edge& edge) const {
    const MemberValues* props = edges_.find(&edge);
    if (!props) throw std::runtime_error(nx::error_texts::kEdgePropertiesNotFound);
    return **props;
}

ActualProperties& Graph::edgeProperties(const Edge& edge) {
    MemberValues* props = edges_.find(&edge);
    if (!props) throw std::runtime_error(nx::error_texts::kEdgePropertiesNotFound);
    return **props;
}

std::size_t Graph::slotOfMember(const Vertex& vertex) const {
    const std::size_t slot = vertices_.slotOf(&vertex);
    if (slot == VertexMap::npos) throw std::runtime_error(nx::error_texts::kVertexNotFound);
    return slot;
}

const IncidenceList& Graph::incidentEdges(const Vertex& vertex) const {
    return entryOf(vertex).incident;
}

void Graph::setVertexProperty(const Vertex& vertex, const Property& value) {
    VertexEntry* entry = vertices_.find(&vertex);
    if (!entry)
        throw std::runtime_error("Vertex " + std::to_string(vertex.id) +
                                 " does not belong to graph  " + std::to_string(id) + "\n");
    entry->properties->findByType(value).assign(value);
}

void Graph::addVertex(Vertex& vertex) {
    joinVertex(vertex);
}

void Graph::addEdge(Edge& edge) {
    incidenceDirty_ = true;
    addVertex(*edge.source);
    addVertex(*edge.target);
    joinEdge(edge);
}

VertexEntry& Graph::joinVertex(Vertex& vertex) {
    auto placed = vertices_.place(&vertex, VertexEntry{});
    if (!placed.inserted) return *placed.value;
    try {
        placed.value->properties = ActualProperties::make(*vertexSchema_);
    } catch (...) {
        vertices_.erase(&vertex);
        throw;
    }
    if (log_) log_->vertexJoined(*this, vertex, placed.slot);
    tellObservers([&](Observer& o) { o.vertexAdded(*this, vertex); });
    return vertices_.atSlot(placed.slot);  // by slot: an observer may have grown the map
}

ActualProperties& Graph::joinEdge(Edge& edge) {
    auto placed = edges_.place(&edge, nullptr);
    if (!placed.inserted) return **placed.value;
    try {
        *placed.value = ActualProperties::make(*edgeSchema_);
    } catch (...) {
        edges_.erase(&edge);
        throw;
    }
    incidenceGrew_ = true;
    if (log_) log_->edgeJoined(*this, edge, placed.slot);
    tellObservers([&](Observer& o) { o.edgeAdded(*this, edge); });
    return *edges_.atSlot(placed.slot);
}

void Graph::removeEdge(Edge& edge) {
    MemberValues* props = edges_.find(&edge);
    if (!props) return;
    if (log_)
        log_->edgeLeft(*this, edge, std::move(*props), edges_.slotOf(&edge));
    else
        disposeMemberProperties(*props);
    edges_.erase(&edge);
    incidenceDirty_ = true;
    tellObservers([&](Observer& o) { o.edgeRemoved(*this, edge); });
}

void Graph::removeVertex(Vertex& vertex) {
    if (!vertices_.contains(&vertex)) return;
    // After removals alone the lists still hold every member edge, so a batch of
    // removals needs no rebuild per vertex (which would make it quadratic).
    if (incidenceGrew_) updateIncidence();
    std::vector<Edge*> incident;
    for (Edge* e : entryOf(vertex).incident)
        if (edges_.contains(e)) incident.push_back(e);
    for (Edge* e : incident) removeEdge(*e);
    if (log_)
        log_->vertexLeft(*this, vertex, std::move(entryOf(vertex).properties),
                         vertices_.slotOf(&vertex));
    else
        disposeMemberProperties(entryOf(vertex).properties);
    vertices_.erase(&vertex);
    tellObservers([&](Observer& o) { o.vertexRemoved(*this, vertex); });
}

std::unique_ptr<ActualProperties> Graph::takeVertex(Vertex& vertex) {
    VertexEntry* entry = vertices_.find(&vertex);
    if (!entry) return nullptr;
    std::unique_ptr<ActualProperties> values = std::move(entry->properties);
    vertices_.erase(&vertex);
    ++membershipStamp_;
    markIncidenceDirty();
    return values;
}

std::unique_ptr<ActualProperties> Graph::takeEdge(Edge& edge) {
    MemberValues* props = edges_.find(&edge);
    if (!props) return nullptr;
    std::unique_ptr<ActualProperties> values = std::move(*props);
    edges_.erase(&edge);
    ++membershipStamp_;
    markIncidenceDirty();
    return values;
}

bool Graph::restoreVertex(Vertex& vertex, std::unique_ptr<ActualProperties>& values,
                          std::size_t slot) {
    VertexEntry entry{std::move(values), {}};
    if (!vertices_.restoreAt(slot, &vertex, std::move(entry))) {
        values = std::move(entry.properties);
        return false;
    }
    ++membershipStamp_;
    markIncidenceDirty();
    return true;
}

bool Graph::restoreEdge(Edge& edge, std::unique_ptr<ActualProperties>& values, std::size_t slot) {
    // Moved into a value of the map's own type first: a converted temporary would take the
    // values even when the slot refuses them.
    MemberValues owned = std::move(values);
    if (!edges_.restoreAt(slot, &edge, std::move(owned))) {
        values = std::move(owned);
        return false;
    }
    ++membershipStamp_;
    markIncidenceDirty();
    return true;
}

void Graph::removeSubtree(Vertex& start) {
    updateIncidence();
    ++membershipStamp_;
    const IncidenceList& startEdges = incidentEdges(start);
    Edge* parentEdge = nullptr;
    for (Edge* e : startEdges) {
        if (e->target->id == start.id) {
            parentEdge = e;
            break;
        }
    }

    // Depth-first preorder along out-edges with an explicit stack: a vertex reached
    // again (shared descendant or cycle) is not descended into twice.
    std::vector<Vertex*> collectedVertices;
    std::vector<Edge*> collectedEdges;
    std::unordered_set<const Vertex*> seenVertices;
    std::unordered_set<const Edge*> seenEdges;
    struct Frame {
        Vertex* vertex;
        std::size_t next;
    };
    std::vector<Frame> stack;
    collectedVertices.push_back(&start);
    seenVertices.insert(&start);
    stack.push_back({&start, 0});
    while (!stack.empty()) {
        Frame& frame = stack.back();
        const IncidenceList& list = entryOf(*frame.vertex).incident;
        if (frame.next == list.size()) {
            stack.pop_back();
            continue;
        }
        Edge* e = list[frame.next++];
        if (e->source->id != frame.vertex->id) continue;
        if (seenEdges.insert(e).second) collectedEdges.push_back(e);
        Vertex* child = e->target;
        if (seenVertices.insert(child).second) {
            collectedVertices.push_back(child);
            stack.push_back({child, 0});
        }
    }
    // Edges into the collection from outside (other than the parent edge) must go too,
    // or they would be left with an end that is no longer a member.
    for (Vertex* v : collectedVertices)
        for (Edge* e : entryOf(*v).incident)
            if (e != parentEdge && seenEdges.insert(e).second) collectedEdges.push_back(e);

    if (parentEdge) removeEdge(*parentEdge);
    if (!collectedEdges.empty()) incidenceDirty_ = true;
    for (Edge* e : collectedEdges) {
        if (MemberValues* props = edges_.find(e)) {
            disposeMemberProperties(*props);
            edges_.erase(e);
        }
    }
    for (Vertex* v : collectedVertices) {
        disposeMemberProperties(entryOf(*v).properties);
        vertices_.erase(v);
    }
}

void Graph::clearGraph() {
    ++membershipStamp_;
    for (auto& [edge, props] : edges_) disposeMemberProperties(props);
    edges_.clear();
    for (auto& [vertex, entry] : vertices_) disposeMemberProperties(entry.properties);
    vertices_.clear();
}

void Graph::reserveMore(std::size_t vertexCount, std::size_t edgeCount) {
    if (vertexCount) vertices_.reserve(vertices_.size() + vertexCount);
    if (edgeCount) edges_.reserve(edges_.size() + edgeCount);
}

void Graph::updateIncidence() {
    if (!incidenceDirty_) return;
    for (auto& [vertex, entry] : vertices_) entry.incident.clear();
    if (vertices_.slotCount() >= UINT32_MAX) {
        for (auto& [edge, props] : edges_) {
            entryOf(*edge->source).incident.push_back(edge);
            entryOf(*edge->target).incident.push_back(edge);
        }
    } else {
        // The lists are sized exactly before they are filled, in the order appending edge
        // by edge gives. The ends are looked up in both walks rather than kept between them:
        // an array of them would add to the peak of loading a large document.
        auto forEachEnds = [this](auto&& visit) {
            // The ends lie anywhere in the index: ask for those of an edge a little ahead.
            auto ahead = edges_.begin();
            for (int i = 0; i < 16 && ahead != edges_.end(); ++i) ++ahead;
            for (auto& [edge, props] : edges_) {
                if (ahead != edges_.end()) {
                    vertices_.prefetch(ahead->first->source);
                    vertices_.prefetch(ahead->first->target);
                    ++ahead;
                }
                visit(edge, slotOfMember(*edge->source), slotOfMember(*edge->target));
            }
        };
        {
            std::vector<std::uint32_t> degree(vertices_.slotCount());
            forEachEnds([&](Edge*, std::size_t source, std::size_t target) {
                ++degree[source];
                ++degree[target];
            });
            for (std::size_t slot = 0; slot < degree.size(); ++slot)
                if (degree[slot]) {
                    IncidenceList& list = vertices_.atSlot(slot).incident;
                    if (list.capacity() < degree[slot] || list.capacity() > 2 * degree[slot])
                        list.reset();
                    list.reserve(degree[slot]);
                }
        }
        forEachEnds([&](Edge* edge, std::size_t source, std::size_t target) {
            vertices_.atSlot(source).incident.push_back(edge);
            vertices_.atSlot(target).incident.push_back(edge);
        });
    }
    auto byId = [](const Edge* a, const Edge* b) { return a->id < b->id; };
    for (auto& [vertex, entry] : vertices_)
        if (!std::is_sorted(entry.incident.begin(), entry.incident.end(), byId))
            std::stable_sort(entry.incident.begin(), entry.incident.end(), byId);
    componentsCache_.clear();
    incidenceDirty_ = false;
    incidenceGrew_ = false;
}

void Graph::visitEndpoints(Visitor& visitor, Edge& edge) {
    edge.source->accept(visitor);
    edge.target->accept(visitor);
}

void Graph::visitIncidentEdges(Visitor& visitor, Vertex& vertex) {
    for (Edge* e : entryOf(vertex).incident) e->accept(visitor);
}

void Graph::visitNeighbours(Visitor& visitor, Vertex& vertex) {
    for (Edge* e : entryOf(vertex).incident) {
        if (e->source->id == vertex.id) {
            if (e->target->id != vertex.id) e->target->accept(visitor);
        } else {
            e->source->accept(visitor);
        }
    }
}

void Graph::visitAdjacentEdges(Visitor& visitor, Edge& edge) {
    for (Edge* e : entryOf(*edge.source).incident)
        if (e->id != edge.id) e->accept(visitor);
    for (Edge* e : entryOf(*edge.target).incident)
        if (e->id != edge.id) e->accept(visitor);
}

void Graph::visitTarget(Visitor& visitor, Edge& edge) {
    edge.target->accept(visitor);
}

void Graph::visitOutEdges(Visitor& visitor, Vertex& vertex) {
    for (Edge* e : entryOf(vertex).incident)
        if (e->source->id == vertex.id) e->accept(visitor);
}

void Graph::visitSuccessors(Visitor& visitor, Vertex& vertex) {
    for (Edge* e : entryOf(vertex).incident)
        if (e->target->id != vertex.id) e->target->accept(visitor);
}

void Graph::visitFollowingEdges(Visitor& visitor, Edge& edge) {
    const ElementId head = edge.target->id;
    for (Edge* e : entryOf(*edge.target).incident)
        if (e->id != edge.id && e->target->id != head) e->accept(visitor);
}

}  // namespace nx
