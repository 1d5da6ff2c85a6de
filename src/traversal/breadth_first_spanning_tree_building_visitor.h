// nx::BreadthFirstSpanningTreeBuildingVisitor: a spanning tree of breadth-first distances.
#pragma once

#include "traversal/breadth_first_queue.h"
#include "traversal/spanning_tree_building_visitor.h"

namespace nx {

class BreadthFirstSpanningTreeBuildingVisitor : public SpanningTreeBuildingVisitor,
                                                public BreadthFirstQueue {
public:
    using SpanningTreeBuildingVisitor::SpanningTreeBuildingVisitor;

    void visit(Graph& graph) override;
    void visit(Edge& edge) override;
    // Adds every vertex reachable from the vertex through the edge by which it was
    // first dequeued, edge direction ignored.
    void visit(Vertex& vertex) override;
    // Clears the visited flags and grows the tree from the start vertex.
    void build() override;

private:
    // Queues (other end, edge) for every incident edge that is not a self-loop.
    void pushNeighbours(Vertex& vertex);
};

}  // namespace nx
