// The graph's connected components (cached until incidence changes) and the tree tests.
#include <stdexcept>

#include "graph/graph.h"
#include "graph/subgraph.h"
#include "traversal/component_discovering_visitor.h"
#include "traversal/graph_walks.h"
#include "traversal/visited_flag.h"

namespace nx {

const std::vector<std::unique_ptr<Component>>& components(Graph& graph) {
    graph.updateIncidence();
    auto& cache = graph.componentCache();
    if (!cache.empty()) return cache;
    try {
        const std::size_t index = visitedPropertyIndex(graph);
        clearVisitedFlags(graph, index);
        // Flags are only ever set, so one forward scan finds each component's first
        // unvisited vertex in vertex order without rescanning from the start.
        std::size_t covered = 0;
        for (const auto& [vertex, entry] : graph.vertices()) {
            if (covered >= graph.order()) break;
            if (visitedFlag(graph, *vertex, index)) continue;
            auto& component = cache.emplace_back(std::make_unique<Component>(graph));
            ComponentDiscoveringVisitor visitor(graph, index, component.get());
            visitor.visit(*vertex);
            covered += component->order();
        }
    } catch (const std::runtime_error&) {
        // What was found so far stands.
    }
    return cache;
}

bool isTree(Graph& graph) {
    if (graph.order() == 0) return true;
    graph.updateIncidence();
    bool rootFound = false;
    for (const auto& [vertex, entry] : graph.vertices()) {
        int parents = 0;
        for (const Edge* edge : entry.incident)
            if (edge->target->id == vertex->id && ++parents > 1) return false;
        if (parents == 0) {
            if (rootFound) return false;
            rootFound = true;
        }
    }
    return rootFound;
}

bool isForest(Graph& graph) {
    if (graph.order() == 0) return false;
    // A component walk that failed (no visited flag at graph level) leaves vertices
    // uncovered; judging only what was found would call any graph a forest.
    std::size_t covered = 0;
    for (const auto& component : components(graph)) {
        if (!isTree(*component)) return false;
        covered += component->order();
    }
    return covered == graph.order();
}

}  // namespace nx
