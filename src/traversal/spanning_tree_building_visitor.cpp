// The visited-index check shared by the spanning-tree builders.
#include "traversal/spanning_tree_building_visitor.h"

#include <stdexcept>

#include "traversal/error_texts.h"
#include "traversal/visited_flag.h"

namespace nx {

SpanningTreeBuildingVisitor::SpanningTreeBuildingVisitor(Graph& graph, Vertex* start,
                                                         std::size_t visitedIndex,
                                                         SpanningTree* tree)
    : graph_(&graph), visitedIndex_(visitedIndex), tree_(tree), start_(start) {
    if (!namesVisitedProperty(graph, visitedIndex))
        throw std::runtime_error(nx::error_texts::kSpanningTreeVisitedMissing);
}

}  // namespace nx
