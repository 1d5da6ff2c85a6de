// Forest test by counting parents, roots and components (union-find over the edges).
#include "layouts/forest_test.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "graph/graph.h"

namespace nx {

bool isForestByCounting(const Graph& graph) {
    ElementId maxId = 0;
    for (const auto& member : graph.vertices()) maxId = std::max(maxId, member.first->id);
    std::vector<std::uint32_t> parent(maxId + 1);  // union-find, by vertex ID
    std::vector<std::uint8_t> parents(maxId + 1, 0);
    std::iota(parent.begin(), parent.end(), 0u);
    auto find = [&](std::uint32_t v) {
        while (parent[v] != v) {
            parent[v] = parent[parent[v]];
            v = parent[v];
        }
        return v;
    };
    std::size_t components = graph.order();
    for (const auto& member : graph.edges()) {
        const Edge& edge = *member.first;
        if (++parents[edge.target->id] > 1) return false;
        const std::uint32_t a = find(static_cast<std::uint32_t>(edge.source->id));
        const std::uint32_t b = find(static_cast<std::uint32_t>(edge.target->id));
        if (a != b) {
            // The target's side is usually a vertex on its own: hung under the source's
            // root, the trees stay flat when edges come parent before child.
            parent[b] = a;
            --components;
        }
    }
    std::size_t roots = 0;
    for (const auto& member : graph.vertices()) roots += parents[member.first->id] == 0;
    return roots == components;
}

}  // namespace nx
