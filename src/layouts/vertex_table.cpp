// Builds a graph's dense vertex table from its vertex order and incidence lists.
#include "layouts/vertex_table.h"

#include <algorithm>

#include "graph/graph.h"

namespace nx {

VertexTable::VertexTable(Graph& graph, std::vector<std::uint32_t>& positions, bool depthFirst)
    : positions_(&positions) {
    const auto& members = graph.vertices();
    vertices_.reserve(members.size());
    values_.reserve(members.size());
    ElementId maxId = 0;
    for (const auto& [vertex, entry] : graph.vertexMembers()) {
        vertices_.push_back(vertex);
        values_.push_back(entry.properties.get());
        maxId = std::max(maxId, vertex->id);
    }
    if (!vertices_.empty() && positions.size() <= maxId) positions.resize(maxId + 1, kNone);
    for (std::uint32_t i = 0; i < size(); ++i) positions[vertices_[i]->id] = i;

    first_.reserve(vertices_.size() + 1);
    first_.push_back(0);
    for (const auto& [vertex, entry] : members) {
        const ElementId here = vertex->id;
        for (const Edge* edge : entry.incident) {
            if (edge->isLoop()) continue;
            const Vertex* other = edge->source->id == here ? edge->target : edge->source;
            neighbours_.push_back(positions[other->id]);
        }
        first_.push_back(static_cast<std::uint32_t>(neighbours_.size()));
    }
    if (depthFirst) renumberDepthFirst();
}

void VertexTable::renumberDepthFirst() {
    const std::uint32_t n = size();
    std::vector<std::uint32_t> order;  // old positions in preorder
    std::vector<std::uint32_t> renamed(n, kNone);
    std::vector<std::uint32_t> stack;
    order.reserve(n);
    for (std::uint32_t start = 0; start < n; ++start) {
        if (renamed[start] != kNone) continue;
        stack.push_back(start);
        renamed[start] = 0;
        while (!stack.empty()) {
            const std::uint32_t v = stack.back();
            stack.pop_back();
            renamed[v] = static_cast<std::uint32_t>(order.size());
            order.push_back(v);
            // Reversed, so that the first neighbour is taken first.
            for (std::uint32_t e = first_[v + 1]; e-- > first_[v];)
                if (renamed[neighbours_[e]] == kNone) {
                    renamed[neighbours_[e]] = 0;  // queued
                    stack.push_back(neighbours_[e]);
                }
        }
    }
    std::vector<Vertex*> vertices(n);
    std::vector<ActualProperties*> values(n);
    std::vector<std::uint32_t> first(n + 1);
    std::vector<std::uint32_t> neighbours;
    neighbours.reserve(neighbours_.size());
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint32_t old = order[i];
        vertices[i] = vertices_[old];
        values[i] = values_[old];
        first[i] = static_cast<std::uint32_t>(neighbours.size());
        for (std::uint32_t e = first_[old]; e < first_[old + 1]; ++e)
            neighbours.push_back(renamed[neighbours_[e]]);
        (*positions_)[vertices[i]->id] = i;
    }
    first[n] = static_cast<std::uint32_t>(neighbours.size());
    byGraphOrder_.swap(renamed);
    vertices_.swap(vertices);
    values_.swap(values);
    first_.swap(first);
    neighbours_.swap(neighbours);
}

std::uint32_t VertexTable::position(const Vertex& vertex) const {
    if (vertex.id >= positions_->size()) return kNone;
    const std::uint32_t i = (*positions_)[vertex.id];
    return i < vertices_.size() && vertices_[i] == &vertex ? i : kNone;
}

}  // namespace nx
