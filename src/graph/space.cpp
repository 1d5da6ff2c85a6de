// The space: construction and garbage collection with renumbering.
#include "graph/space.h"

namespace nx {

Space::Space(FormalProperties* vertexSchema, FormalProperties* edgeSchema,
             FormalProperties* graphSchema, FormalProperties* graphVertexSchema,
             FormalProperties* graphEdgeSchema)
    : vertexFactory_(vertexSchema),
      edgeFactory_(edgeSchema, &vertexFactory_),
      graphFactory_(graphVertexSchema, graphEdgeSchema, graphSchema, &vertexFactory_),
      vertexSchema_(vertexSchema),
      edgeSchema_(edgeSchema),
      graphSchema_(graphSchema),
      graphVertexSchema_(graphVertexSchema),
      graphEdgeSchema_(graphEdgeSchema) {}

void Space::collectGarbage() {
    ScopedLock graphLock(&graphFactory_.mutex());
    ScopedLock vertexLock(&vertexFactory_.mutex());
    ScopedLock edgeLock(&edgeFactory_.mutex());

    const ElementId n = vertexFactory_.size();
    const ElementId m = edgeFactory_.size();
    std::vector<ElementId> vertexMap(n, n);
    std::vector<ElementId> edgeMap(m, m);
    for (Graph* graph : graphFactory_.graphs()) {
        graph->updateIncidence();
        vertexMap[graph->id] = graph->id;
        for (const auto& [vertex, entry] : graph->vertices()) vertexMap[vertex->id] = vertex->id;
        for (const auto& [edge, props] : graph->edges()) edgeMap[edge->id] = edge->id;
    }
    const std::size_t removedVertices = vertexFactory_.compact(vertexMap);
    const std::size_t removedEdges = edgeFactory_.compact(edgeMap);
    if (removedVertices + removedEdges > 0) {
        // Incidence lists are ordered by edge ID, and IDs have changed.
        for (Graph* graph : graphFactory_.graphs()) graph->markIncidenceDirty();
    }
}

}  // namespace nx
