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
        for (Vertex* start : starts) {
            auto& tree = spanningTrees_.emplace_back(std::make_unique<SpanningTree>(*this));
            BreadthFirstSpanningTreeBuildingVisitor visitor(*this, start, index, tree.get());
            visitor.build();
        }
    } catch (const std::runtime_error&) {
        // The trees built so far stay.
    }
}

}  // namespace nx
