// Subgraph membership: values come from the parent and are never deleted here.
#include "graph/subgraph.h"

namespace nx {

Subgraph::Subgraph(Graph& parent) : Graph(BorrowFrom{parent}), parent_(&parent) {}

Subgraph::~Subgraph() {
    edges_.clear();
    vertices_.clear();
}

void Subgraph::addVertex(Vertex& vertex) {
    ++membershipStamp_;
    if (vertices_.contains(&vertex)) return;
    vertices_.insert(&vertex, VertexEntry{&parent_->vertexProperties(vertex), {}});
}

void Subgraph::addEdge(Edge& edge) {
    ++membershipStamp_;
    incidenceDirty_ = true;
    addVertex(*edge.source);
    addVertex(*edge.target);
    ActualProperties& props = parent_->edgeProperties(edge);
    if (edges_.insert(&edge, &props).second) incidenceGrew_ = true;
}

void Subgraph::clearGraph() {
    ++membershipStamp_;
    edges_.clear();
    vertices_.clear();
}

void Subgraph::addPendantEdge(Edge& edge, Vertex& added, ActualProperties& addedValues) {
    ++membershipStamp_;
    if (vertices_.empty()) {
        tryAddEdge(edge);
        return;
    }
    incidenceDirty_ = incidenceGrew_ = true;
    vertices_.insert(&added, VertexEntry{&addedValues, {}});
    edges_.insert(&edge, &parent_->edgeProperties(edge));
}

bool Subgraph::tryAddVertex(Vertex& vertex) {
    ++membershipStamp_;
    if (vertices_.contains(&vertex)) return false;
    vertices_.insert(&vertex, VertexEntry{&parent_->vertexProperties(vertex), {}});
    return true;
}

bool Subgraph::tryAddEdge(Edge& edge) {
    ++membershipStamp_;
    incidenceDirty_ = true;
    const bool addedSource = tryAddVertex(*edge.source);
    const bool addedTarget = tryAddVertex(*edge.target);
    if (!edges_.contains(&edge)) {
        edges_.insert(&edge, &parent_->edgeProperties(edge));
        incidenceGrew_ = true;
        return true;
    }
    return addedSource || addedTarget;
}

}  // namespace nx
