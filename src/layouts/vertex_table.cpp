// Builds a graph's dense vertex table from its vertex order and incidence lists.
#include "layouts/vertex_table.h"

#include <algorithm>

#include "graph/graph.h"

namespace nx {

VertexTable::VertexTable(Graph& graph, std::vector<std::uint32_t>& positions)
    : positions_(&positions) {
    const auto& members = graph.vertices();
    vertices_.reserve(members.size());
    values_.reserve(members.size());
    ElementId maxId = 0;
    for (const auto& [vertex, entry] : members) {
        vertices_.push_back(vertex);
        values_.push_back(entry.properties);
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
}

std::uint32_t VertexTable::position(const Vertex& vertex) const {
    if (vertex.id >= positions_->size()) return kNone;
    const std::uint32_t i = (*positions_)[vertex.id];
    return i < vertices_.size() && vertices_[i] == &vertex ? i : kNone;
}

}  // namespace nx
