// nx::BreadthFirstSpanningTreeBuildingVisitor: a spanning tree of breadth-first distances.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "graph/graph.h"

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
    // A table, when given, must have been filled for this graph and kept in step since.
    struct MemberTable;
    void buildTracked(std::vector<Vertex*>& marked, bool clearAll, MemberTable* table = nullptr);

    // Members by vertex ID for a run of trees over one unchanged graph, so the walk needs
    // no hashed lookups; `visited` mirrors the flags. Left empty when IDs are too sparse.
    struct MemberTable {
        std::vector<std::pair<const Vertex*, VertexEntry*>> byId;
        std::vector<std::uint8_t> visited;
        void fill(Graph& graph);
    };

private:
    // Queues (other end, edge) for every incident edge that is not a self-loop.
    void pushNeighbours(Vertex& vertex, const IncidenceList& incident);
    // The member's entry; slot is its table index, or npos when the table lacks it.
    VertexEntry& entryOf(const Vertex& vertex, std::size_t& slot) const;
    bool isVisited(const VertexEntry& entry, std::size_t slot) const;
    // Sets the flag (and its mirror) and records the vertex when tracking.
    void mark(Vertex& vertex, VertexEntry& entry, std::size_t slot);
    // The tree edges in joining order, inserted into the tree when the growth ends.
    void addCollectedEdges();

    std::vector<Vertex*>* marked_ = nullptr;
    MemberTable* table_ = nullptr;
    struct Joined {
        Edge* edge;
        Vertex* vertex;  // the end first reached through the edge
        ActualProperties* values;
    };
    std::vector<Joined> treeEdges_;
};

}  // namespace nx
