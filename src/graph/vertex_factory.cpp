// Vertex creation with dense IDs, lookup, clearing and compaction.
#include "graph/vertex_factory.h"

#include "graph/compact_list.h"

namespace nx {

VertexFactory::~VertexFactory() {
    clear();
}

Vertex* VertexFactory::create() {
    ScopedLock lock(&mutex_);
    auto* vertex = new Vertex(vertices_.size(), new ActualProperties(*schema_));
    vertices_.push_back(vertex);
    return vertex;
}

void VertexFactory::reserve(std::size_t n) {
    ScopedLock lock(&mutex_);
    vertices_.reserve(n);
}

void VertexFactory::append(Vertex* vertex) {
    ScopedLock lock(&mutex_);
    vertices_.push_back(vertex);
}

Vertex* VertexFactory::releaseLast() {
    ScopedLock lock(&mutex_);
    if (vertices_.empty()) return nullptr;
    Vertex* vertex = vertices_.back();
    vertices_.pop_back();
    return vertex;
}

Vertex* VertexFactory::at(ElementId id) {
    ScopedLock lock(&mutex_);
    return id < vertices_.size() ? vertices_[id] : nullptr;
}

void VertexFactory::clear() {
    ScopedLock lock(&mutex_);
    for (Vertex* v : vertices_) delete v;
    vertices_.clear();
}

std::size_t VertexFactory::compact(std::vector<ElementId>& map) {
    return detail::compactList(vertices_, map);
}

}  // namespace nx
