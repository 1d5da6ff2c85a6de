// The graph's spanning trees, one per start vertex, grown breadth first.
#include <stdexcept>

#include "graph/graph.h"
#include "graph/subgraph.h"
#include "traversal/breadth_first_spanning_tree_building_visitor.h"
#include "traversal/graph_walks.h"

namespace nx {

void buildSpanningTrees(Graph& graph, const std::vector<Vertex*>& starts) {
    auto& trees = graph.spanningTreeSlot();
    trees.clear();
    try {
        const std::size_t index = visitedPropertyIndex(graph);
        // Each tree starts from clear flags; after the first full clearing only the flags
        // the previous tree set need clearing, which keeps many small trees linear.
        std::vector<Vertex*> marked;
        BreadthFirstSpanningTreeBuildingVisitor::MemberTable table;
        if (!starts.empty()) {
            graph.updateIncidence();
            table.fill(graph);
        }
        bool first = true;
        for (Vertex* start : starts) {
            auto& tree = trees.emplace_back(std::make_unique<SpanningTree>(graph));
            BreadthFirstSpanningTreeBuildingVisitor visitor(graph, start, index, tree.get());
            visitor.buildTracked(marked, first, table.byId.empty() ? nullptr : &table);
            first = false;
        }
    } catch (const std::runtime_error&) {
        // The trees built so far stay.
    }
}

}  // namespace nx
