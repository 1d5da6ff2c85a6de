// The graph's spanning trees, one per start vertex, grown breadth first.
#include <stdexcept>

#include "graph/graph.h"
#include "graph/subgraph.h"
#include "traversal/breadth_first_spanning_tree_building_visitor.h"

namespace nx {

void Graph::buildSpanningTrees(const std::vector<Vertex*>& starts) {
    spanningTrees_.clear();
    try {
        const std::size_t index = visitedPropertyIndex();
        // Each tree starts from clear flags; after the first full clearing only the flags
        // the previous tree set need clearing, which keeps many small trees linear.
        std::vector<Vertex*> marked;
        BreadthFirstSpanningTreeBuildingVisitor::MemberTable table;
        if (!starts.empty()) {
            updateIncidence();
            table.fill(*this);
        }
        bool first = true;
        for (Vertex* start : starts) {
            auto& tree = spanningTrees_.emplace_back(std::make_unique<SpanningTree>(*this));
            BreadthFirstSpanningTreeBuildingVisitor visitor(*this, start, index, tree.get());
            visitor.buildTracked(marked, first, table.byId.empty() ? nullptr : &table);
            first = false;
        }
    } catch (const std::runtime_error&) {
        // The trees built so far stay.
    }
}

}  // namespace nx
