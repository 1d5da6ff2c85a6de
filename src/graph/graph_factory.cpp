// Graph creation (IDs shared with vertices) and lookup.
#include "graph/graph_factory.h"

#include "graph/vertex_factory.h"

namespace nx {

Graph* GraphFactory::create() {
    ScopedLock lock(&mutex_);
    ScopedLock vertexLock(&vertices_->mutex());
    auto* graph =
        new Graph(vertices_->size(), new ActualProperties(*vertices_->schema()),
                  new ActualProperties(*graphSchema_), graphVertexSchema_, graphEdgeSchema_);
    vertices_->append(graph);
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
