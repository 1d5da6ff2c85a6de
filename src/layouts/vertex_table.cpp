// Builds a graph's dense vertex table from its vertex order and incidence lists.
#include "layouts/vertex_table.h"

#include <algorithm>

#include "graph/graph.h"
#include "properties/large_pages.h"

namespace nx {

VertexTable::VertexTable(Graph& graph, std::vector<std::uint32_t>& positions, bool depthFirst)
    : positions_(&positions) {
    const auto& members = graph.vertices();
    reserveInLargePages(vertices_, members.size());
    reserveInLargePages(values_, members.size());
    std::vector<ElementId> ids;
    reserveInLargePages(ids, members.size());
    ElementId maxId = 0;
    for (const auto& [vertex, entry] : graph.vertexMembers()) {
        vertices_.push_back(vertex);
        values_.push_back(entry.properties.get());
        ids.push_back(vertex->id);
        maxId = std::max(maxId, vertex->id);
    }
    if (!vertices_.empty() && positions.size() <= maxId)
        resizeInLargePages(positions, maxId + 1, kNone);
    for (std::uint32_t i = 0; i < size(); ++i) positions[ids[i]] = i;

    reserveInLargePages(first_, vertices_.size() + 1);
    first_.push_back(0);
    // Every edge but a loop is listed twice.
    reserveInLargePages(neighbours_, 2 * graph.edgeCount());
    for (const auto& [vertex, entry] : members) {
        for (const Edge* edge : entry.incident) {
            if (edge->source == edge->target) continue;  // a loop (without reading the ends)
            const Vertex* other = edge->source == vertex ? edge->target : edge->source;
            neighbours_.push_back(positions[other->id]);
        }
        first_.push_back(static_cast<std::uint32_t>(neighbours_.size()));
    }
    if (depthFirst) renumberDepthFirst(ids);
}

void VertexTable::renumberDepthFirst(const std::vector<ElementId>& ids) {
    const std::uint32_t n = size();
    std::vector<std::uint32_t> renamed;  // new position by old one
    assignInLargePages(renamed, n, kNone);
    std::vector<std::uint32_t> stack;
    std::uint32_t next = 0;
    for (std::uint32_t start = 0; start < n; ++start) {
        if (renamed[start] != kNone) continue;
        stack.push_back(start);
        renamed[start] = 0;
        while (!stack.empty()) {
            const std::uint32_t v = stack.back();
            stack.pop_back();
            renamed[v] = next++;
            // Reversed, so that the first neighbour is taken first.
            for (std::uint32_t e = first_[v + 1]; e-- > first_[v];)
                if (renamed[neighbours_[e]] == kNone) {
                    renamed[neighbours_[e]] = 0;  // queued
                    stack.push_back(neighbours_[e]);
                }
        }
    }
    // Read in the old order, which is the graph's (in sequence), and scattered to the new.
    std::vector<Vertex*> vertices;
    resizeInLargePages(vertices, n);
    std::vector<std::uint32_t> first;
    assignInLargePages(first, n + 1, std::uint32_t{0});
    for (std::uint32_t old = 0; old < n; ++old) {
        const std::uint32_t i = renamed[old];
        vertices[i] = vertices_[old];
        first[i + 1] = first_[old + 1] - first_[old];
        (*positions_)[ids[old]] = i;
    }
    for (std::uint32_t i = 0; i < n; ++i) first[i + 1] += first[i];
    std::vector<std::uint32_t> neighbours;
    resizeInLargePages(neighbours, neighbours_.size());
    for (std::uint32_t old = 0; old < n; ++old) {
        std::uint32_t at = first[renamed[old]];
        for (std::uint32_t e = first_[old]; e < first_[old + 1]; ++e)
            neighbours[at++] = renamed[neighbours_[e]];
    }
    byGraphOrder_.swap(renamed);
    byGraph_.swap(vertices_);
    vertices_.swap(vertices);
    first_.swap(first);
    neighbours_.swap(neighbours);
}

std::uint32_t VertexTable::position(const Vertex& vertex) const {
    if (vertex.id >= positions_->size()) return kNone;
    const std::uint32_t i = (*positions_)[vertex.id];
    return i < vertices_.size() && vertices_[i] == &vertex ? i : kNone;
}

}  // namespace nx
