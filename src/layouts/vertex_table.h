// nx::VertexTable: dense positions, incidence and value slots of one graph's vertices.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "graph/element.h"
#include "properties/actual_properties.h"

namespace nx {

class Graph;
class Vertex;

// The layouts walk millions of vertices several times; resolving each vertex's values
// and neighbours once per run keeps every later step free of map lookups. The values
// themselves stay in the graph's properties.
class VertexTable {
public:
    static constexpr std::uint32_t kNone = 0xFFFFFFFF;

    // positions is scratch indexed by vertex ID, shared by tables over one space; the
    // entries of this graph's vertices are overwritten. The incidence lists must be current.
    // Positions follow the graph's vertex order, or with depthFirst a depth-first preorder
    // of the components, which keeps each subtree of a tree close together in memory.
    VertexTable(Graph& graph, std::vector<std::uint32_t>& positions, bool depthFirst = false);

    std::uint32_t size() const { return static_cast<std::uint32_t>(vertices_.size()); }
    Vertex& vertex(std::uint32_t i) const { return *vertices_[i]; }
    // Position of a member vertex; kNone for one outside the graph.
    std::uint32_t position(const Vertex& vertex) const;
    // Other ends of the incident edges in incidence order, self-loops skipped.
    std::span<const std::uint32_t> neighbours(std::uint32_t i) const {
        return {neighbours_.data() + first_[i], neighbours_.data() + first_[i + 1]};
    }
    // Position of the k-th vertex in the graph's vertex order. Values are stored in
    // that order, so passes over them in it touch memory in sequence.
    std::uint32_t atGraphIndex(std::uint32_t k) const {
        return byGraphOrder_.empty() ? k : byGraphOrder_[k];
    }
    // The k-th vertex in the graph's vertex order and its graph-level values.
    Vertex& vertexAtGraphIndex(std::uint32_t k) const {
        return byGraph_.empty() ? *vertices_[k] : *byGraph_[k];
    }
    ActualProperties& valuesAtGraphIndex(std::uint32_t k) const { return *values_[k]; }

    // Pointers to the value of the graph-level property at index, per position.
    template <typename P>
    std::vector<typename P::value_type*> slots(std::size_t index) const {
        std::vector<typename P::value_type*> result(values_.size());
        for (std::uint32_t k = 0; k < size(); ++k)
            result[atGraphIndex(k)] = &static_cast<P&>(values_[k]->at(index)).value;
        return result;
    }

private:
    void renumberDepthFirst(const std::vector<ElementId>& ids);

    std::vector<Vertex*> vertices_;           // by position
    std::vector<Vertex*> byGraph_;           // graph order; empty without renumbering
    std::vector<ActualProperties*> values_;  // graph order
    std::vector<std::uint32_t> first_;
    std::vector<std::uint32_t> neighbours_;
    std::vector<std::uint32_t>* positions_;
    std::vector<std::uint32_t> byGraphOrder_;  // empty without renumbering
};

}  // namespace nx
