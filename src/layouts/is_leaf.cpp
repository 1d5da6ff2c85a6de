// The leaf test: counts the non-loop incident edges that differ from their predecessor.
#include "layouts/is_leaf.h"

#include "graph/graph.h"

namespace nx {

bool IsLeaf::test(Vertex& vertex, Graph& graph) {
    return holds(graph, vertex);
}

bool IsLeaf::holds(const Graph& graph, const Vertex& vertex) {
    const IncidenceList& incident = graph.incidentEdges(vertex);
    if (incident.size() <= 1) return true;
    // Every edge differs from its predecessor, parallel and antiparallel ones included,
    // so the test fails at the third edge that is not a self-loop.
    const Edge* previous = nullptr;
    int differing = 0;
    for (const Edge* edge : incident) {
        if (edge->isLoop()) continue;
        if (previous && ++differing > 1) return false;
        previous = edge;
    }
    return true;
}

}  // namespace nx
