// Edge creation with dense IDs, lookup, clearing and compaction.
#include "graph/edge_factory.h"

#include "graph/compact_list.h"
#include "graph/vertex_factory.h"

namespace nx {

EdgeFactory::~EdgeFactory() {
    clear();
}

Edge* EdgeFactory::create(Vertex* source, Vertex* target) {
    edges_.push_back(std::make_unique<Edge>(source, target, edges_.size(),
                                            ActualProperties::make(*schema_)));
    return edges_.back().get();
}

Edge* EdgeFactory::create() {
    ScopedLock lock(&mutex_);
    Vertex* first = vertices_->create();
    Vertex* second = vertices_->create();
    return create(second, first);
}

void EdgeFactory::reserve(std::size_t n) {
    ScopedLock lock(&mutex_);
    edges_.reserve(n);
}

Edge* EdgeFactory::at(ElementId id) {
    ScopedLock lock(&mutex_);
    return id < edges_.size() ? edges_[id].get() : nullptr;
}

void EdgeFactory::append(std::unique_ptr<Edge> edge) {
    ScopedLock lock(&mutex_);
    edges_.push_back(std::move(edge));
}

std::unique_ptr<Edge> EdgeFactory::releaseLast() {
    ScopedLock lock(&mutex_);
    if (edges_.empty()) return nullptr;
    std::unique_ptr<Edge> edge = std::move(edges_.back());
    edges_.pop_back();
    return edge;
}

void EdgeFactory::clear() {
    ScopedLock lock(&mutex_);
    edges_.clear();
}

std::size_t EdgeFactory::compact(std::vector<ElementId>& map) {
    return detail::compactList(edges_, map);
}

}  // namespace nx
