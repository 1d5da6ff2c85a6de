// DOT writing: label and pos per node, a bounding box, y turned to grow upwards.
#include <algorithm>

#include "interchange/graph_writers.h"

namespace nx {

namespace {

constexpr double kPointsPerPixel = 72.0 / 96.0;
// Room around the drawing inside the bounding box, in pixels.
constexpr double kMargin = 50.0;

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\', out += c;
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out + '"';
}

}  // namespace

void writeDot(const GraphData& data, std::ostream& out) {
    double right = 0, bottom = 0;
    for (const GraphNode& n : data.nodes)
        if (n.hasPosition) {
            right = std::max(right, n.x);
            bottom = std::max(bottom, n.y);
        }
    // Whole quarter points, so that points and pixels convert back exactly.
    const double width = (right + kMargin) * kPointsPerPixel;
    const double height = (bottom + kMargin) * kPointsPerPixel;
    out << "digraph G {\n"
        << "  graph [bb=\"0,0," << coordinateText(width) << ',' << coordinateText(height)
        << "\"];\n"
        << "  node [label=\"\\N\"];\n";
    for (const GraphNode& n : data.nodes) {
        out << "  " << quoted(n.id) << " [";
        if (n.label) out << "label=" << quoted(*n.label);
        if (n.hasPosition) {
            if (n.label) out << ", ";
            out << "pos=\"" << coordinateText(n.x * kPointsPerPixel) << ','
                << coordinateText(height - n.y * kPointsPerPixel) << '"';
        }
        out << "];\n";
    }
    for (const GraphEdge& e : data.edges) {
        out << "  " << quoted(data.nodes[e.source].id) << " -> " << quoted(data.nodes[e.target].id);
        if (!e.label.empty()) out << " [label=" << quoted(e.label) << ']';
        out << ";\n";
    }
    out << "}\n";
}

}  // namespace nx
