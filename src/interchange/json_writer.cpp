// Cytoscape-style JSON writing; strings are escaped by nlohmann::json.
#include <nlohmann/json.hpp>

#include "interchange/graph_writers.h"

namespace nx {

namespace {

std::string quoted(const std::string& text) {
    return nlohmann::json(text).dump();
}

}  // namespace

void writeJsonElements(const GraphData& data, std::ostream& out) {
    out << "{\"elements\": {\n  \"nodes\": [";
    for (std::size_t i = 0; i < data.nodes.size(); ++i) {
        const GraphNode& n = data.nodes[i];
        out << (i ? ",\n" : "\n") << "    {\"data\": {\"id\": " << quoted(n.id);
        if (n.label) out << ", \"label\": " << quoted(*n.label);
        out << '}';
        if (n.hasPosition)
            out << ", \"position\": {\"x\": " << coordinateText(n.x)
                << ", \"y\": " << coordinateText(n.y) << '}';
        out << '}';
    }
    out << "\n  ],\n  \"edges\": [";
    for (std::size_t i = 0; i < data.edges.size(); ++i) {
        const GraphEdge& e = data.edges[i];
        out << (i ? ",\n" : "\n") << "    {\"data\": {\"id\": \"e" << i
            << "\", \"source\": " << quoted(data.nodes[e.source].id)
            << ", \"target\": " << quoted(data.nodes[e.target].id);
        if (!e.label.empty()) out << ", \"label\": " << quoted(e.label);
        out << "}}";
    }
    out << "\n  ]\n}}\n";
}

}  // namespace nx
