// nx::GraphData: a graph as the interchange formats carry it, between a file and a document.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "interchange/ignored_attributes.h"

namespace nx {

struct GraphNode {
    std::string id;                    // UTF-8, unique in the graph
    std::optional<std::string> label;  // UTF-8; the vertex's Name when present
    bool hasPosition = false;
    double x = 0.0;  // document coordinates: pixels, y growing downwards
    double y = 0.0;
};

struct GraphEdge {
    std::size_t source = 0;  // indices into GraphData::nodes
    std::size_t target = 0;
    std::string label;  // UTF-8; the edge's Name
};

class GraphData {
public:
    std::vector<GraphNode> nodes;
    std::vector<GraphEdge> edges;
    IgnoredAttributes ignored;
    // Texts that the document should tell its user about once.
    std::vector<std::string> warnings;

    // The node with this id, made (without label or position) when it is new.
    std::size_t nodeFor(const std::string& id);
    // The node with this id, or null.
    const std::size_t* find(const std::string& id) const;
    // A node with a new id; false when the id is taken.
    bool addNode(GraphNode node);
    void reserve(std::size_t nodeCount, std::size_t edgeCount);

private:
    std::unordered_map<std::string, std::size_t> index_;
};

}  // namespace nx
