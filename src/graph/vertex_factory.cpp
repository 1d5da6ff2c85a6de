// Vertex creation with dense IDs, lookup, clearing and compaction.
#include "graph/vertex_factory.h"

#include "graph/compact_list.h"

namespace nx {

VertexFactory::~VertexFactory() {
    clear();
}

Vertex* VertexFactory::create() {
    ScopedLock lock(&mutex_);
    vertices_.push_back(
        std::make_unique<Vertex>(vertices_.size(), ActualProperties::make(*schema_)));
    return vertices_.back().get();
}

void VertexFactory::reserve(std::size_t n) {
    ScopedLock lock(&mutex_);
    vertices_.reserve(n);
}

void VertexFactory::append(std::unique_ptr<Vertex> vertex) {
    ScopedLock lock(&mutex_);
    vertices_.push_back(std::move(vertex));
}

std::unique_ptr<Vertex> VertexFactory::releaseLast() {
    ScopedLock lock(&mutex_);
    if (vertices_.empty()) return nullptr;
    std::unique_ptr<Vertex> vertex = std::move(vertices_.back());
    vertices_.pop_back();
    return vertex;
}

Vertex* VertexFactory::at(ElementId id) {
    ScopedLock lock(&mutex_);
    return id < vertices_.size() ? vertices_[id].get() : nullptr;
}

void VertexFactory::clear() {
    ScopedLock lock(&mutex_);
    vertices_.clear();
}

std::size_t VertexFactory::compact(std::vector<ElementId>& map) {
    return detail::compactList(vertices_, map);
}

}  // namespace nx
