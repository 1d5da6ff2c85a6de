// nx::SpanningTreeBuildingVisitor: base of the visitors that grow a spanning tree.
#pragma once

#include <cstddef>

#include "graph/visitor.h"

namespace nx {

class SpanningTree;

class SpanningTreeBuildingVisitor : public Visitor {
public:
    // Fails with a runtime error unless visitedIndex names a Visited among the graph's
    // graph-level vertex formal properties. Graph, start and tree stay the caller's.
    SpanningTreeBuildingVisitor(Graph& graph, Vertex* start, std::size_t visitedIndex,
                                SpanningTree* tree);

    // Grows the tree from the start vertex.
    virtual void build() = 0;

    Graph& graph() const { return *graph_; }
    Vertex* start() const { return start_; }
    std::size_t visitedIndex() const { return visitedIndex_; }
    SpanningTree* tree() const { return tree_; }

protected:
    Graph* graph_;
    std::size_t visitedIndex_;
    SpanningTree* tree_;
    Vertex* start_;
};

}  // namespace nx
