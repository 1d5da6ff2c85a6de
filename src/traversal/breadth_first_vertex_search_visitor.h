// nx::BreadthFirstVertexSearchVisitor: level-by-level search that reports the nearest match.
#pragma once

#include <cstdint>

#include "traversal/breadth_first_queue.h"
#include "traversal/vertex_search_visitor.h"

namespace nx {

class BreadthFirstVertexSearchVisitor : public VertexSearchVisitor, public BreadthFirstQueue {
public:
    BreadthFirstVertexSearchVisitor(Graph& graph, Vertex* start, std::size_t visitedIndex,
                                    VertexPredicate* predicate, std::size_t maxFound)
        : VertexSearchVisitor(graph, start, visitedIndex, predicate, maxFound) {}

    void visit(Graph& graph) override;
    void visit(Edge& edge) override;
    // The whole breadth-first walk from the vertex.
    void visit(Vertex& vertex) override;
    void search() override;

    // Distance in edges from the start to the first match; -1 when none.
    std::int32_t firstMatchLevel() const { return firstMatchLevel_; }

private:
    std::int32_t firstMatchLevel_ = -1;
};

}  // namespace nx
