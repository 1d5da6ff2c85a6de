// Graph creation (IDs shared with vertices) and lookup.
#include "graph/graph_factory.h"

#include "graph/vertex_factory.h"

namespace nx {

Graph* GraphFactory::create() {
    ScopedLock lock(&mutex_);
    ScopedLock vertexLock(&vertices_->mutex());
    auto made = std::make_unique<Graph>(
        vertices_->size(), ActualProperties::make(*vertices_->schema()),
        ActualProperties::make(*graphSchema_), graphVertexSchema_, graphEdgeSchema_);
    Graph* graph = made.get();
    graphs_.reserve(graphs_.size() + 1);  // the append below must not be undone
    vertices_->append(std::move(made));
    graphs_.push_back(graph);
    return graph;
}

Graph* GraphFactory::find(ElementId id) {
    ScopedLock lock(&mutex_);
    for (Graph* g : graphs_)
        if (g->id == id) return g;
    return nullptr;
}

}  // namespace nx
