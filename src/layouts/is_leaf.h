// nx::IsLeaf: the leaf test that decides the centres of components without roots.
#pragma once

#include "traversal/vertex_search_visitor.h"

namespace nx {

// Passes a vertex with at most one incident edge, or with at most two incident edges
// that are not self-loops.
class IsLeaf : public VertexSearchVisitor::VertexPredicate {
public:
    bool test(Vertex& vertex, Graph& graph) override;
    static bool holds(const Graph& graph, const Vertex& vertex);
};

}  // namespace nx
