// The graph's connected components (cached until incidence changes) and the tree tests.
#include <stdexcept>

#include "graph/graph.h"
#include "graph/subgraph.h"
#include "traversal/component_discovering_visitor.h"
#include "traversal/visited_flag.h"

namespace nx {

const std::vector<std::unique_ptr<Component>>& Graph::components() {
    updateIncidence();
    if (!componentsCache_.empty()) return componentsCache_;
    try {
        const std::size_t index = visitedPropertyIndex();
        clearVisitedFlags(*this, index);
        // Flags are only ever set, so one forward scan finds each component's first
        // unvisited vertex in vertex order without rescanning from the start.
        std::size_t covered = 0;
        for (const auto& [vertex, entry] : vertices_) {
            if (covered >= vertices_.size()) break;
            if (visitedFlag(*this, *vertex, index)) continue;
            auto& component = componentsCache_.emplace_back(std::make_unique<Component>(*this));
            ComponentDiscoveringVisitor visitor(*this, index, component.get());
            visitor.visit(*vertex);
            covered += component->order();
        }
    } catch (const std::runtime_error&) {
        // What was found so far stands.
    }
    return componentsCache_;
}

bool Graph::isTree() {
    if (vertices_.empty()) return true;
    updateIncidence();
    bool rootFound = false;
    for (const auto& [vertex, entry] : vertices_) {
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

bool Graph::isForest() {
    if (vertices_.empty()) return false;
    // A component walk that failed (no visited flag at graph level) leaves vertices
    // uncovered; judging only what was found would call any graph a forest.
    std::size_t covered = 0;
    for (const auto& component : components()) {
        if (!component->isTree()) return false;
        covered += component->order();
    }
    return covered == order();
}

}  // namespace nx
