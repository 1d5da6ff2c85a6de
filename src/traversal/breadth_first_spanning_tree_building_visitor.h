// nx::BreadthFirstSpanningTreeBuildingVisitor: a spanning tree of breadth-first distances.
#pragma once

#include <vector>

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
    // As build(), for a caller that knows only the vertices in `marked` may carry a flag
    // (all flags when clearAll): clears just those, then lists the vertices this growth
    // marks in `marked`. Lets many trees in a row cost their own size, not the graph's.
    void buildTracked(std::vector<Vertex*>& marked, bool clearAll);

private:
    // Queues (other end, edge) for every incident edge that is not a self-loop.
    void pushNeighbours(Vertex& vertex, const std::vector<Edge*>& incident);
    // Marks the vertex through its entry's values and records it when tracking.
    void mark(Vertex& vertex, bool& flag);
    // The tree edges in joining order, inserted into the tree when the growth ends.
    void addCollectedEdges();

    std::vector<Vertex*>* marked_ = nullptr;
    std::vector<Edge*> treeEdges_;
};

}  // namespace nx
