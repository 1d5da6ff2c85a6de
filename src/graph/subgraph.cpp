// Subgraph membership: values come from the parent and are never deleted here.
#include "graph/subgraph.h"

namespace nx {

Subgraph::Subgraph(Graph& parent) : Graph(BorrowFrom{parent}), parent_(&parent) {}

Subgraph::~Subgraph() {
    dropMembers();
}

void Subgraph::dropMembers() {
    for (auto& [edge, values] : edges_) disposeMemberProperties(values);
    for (auto& [vertex, entry] : vertices_) disposeMemberProperties(entry.properties);
    edges_.clear();
    vertices_.clear();
}

void Subgraph::joinBorrowed(Vertex& vertex, ActualProperties& values) {
    // Placed empty and filled after: a value handed to a map that already held the key
    // would be deleted with the unused argument.
    auto placed = vertices_.place(&vertex, VertexEntry{});
    if (placed.inserted) placed.value->properties.reset(&values);
}

bool Subgraph::joinBorrowed(Edge& edge, ActualProperties& values) {
    auto placed = edges_.place(&edge, nullptr);
    if (placed.inserted) placed.value->reset(&values);
    return placed.inserted;
}

void Subgraph::addVertex(Vertex& vertex) {
    ++membershipStamp_;
    if (vertices_.contains(&vertex)) return;
    joinBorrowed(vertex, parent_->vertexProperties(vertex));
}

void Subgraph::addEdge(Edge& edge) {
    ++membershipStamp_;
    incidenceDirty_ = true;
    addVertex(*edge.source);
    addVertex(*edge.target);
    if (joinBorrowed(edge, parent_->edgeProperties(edge))) incidenceGrew_ = true;
}

void Subgraph::clearGraph() {
    ++membershipStamp_;
    dropMembers();
}

void Subgraph::addPendantEdge(Edge& edge, Vertex& added, ActualProperties& addedValues) {
    ++membershipStamp_;
    if (vertices_.empty()) {
        tryAddEdge(edge);
        return;
    }
    incidenceDirty_ = incidenceGrew_ = true;
    joinBorrowed(added, addedValues);
    joinBorrowed(edge, parent_->edgeProperties(edge));
}

bool Subgraph::tryAddVertex(Vertex& vertex) {
    ++membershipStamp_;
    if (vertices_.contains(&vertex)) return false;
    joinBorrowed(vertex, parent_->vertexProperties(vertex));
    return true;
}

bool Subgraph::tryAddEdge(Edge& edge) {
    ++membershipStamp_;
    incidenceDirty_ = true;
    const bool addedSource = tryAddVertex(*edge.source);
    const bool addedTarget = tryAddVertex(*edge.target);
    if (!edges_.contains(&edge)) {
        joinBorrowed(edge, parent_->edgeProperties(edge));
        incidenceGrew_ = true;
        return true;
    }
    return addedSource || addedTarget;
}

}  // namespace nx
