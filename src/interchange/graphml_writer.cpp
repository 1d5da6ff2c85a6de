// GraphML writing, readable by yEd (ShapeNode geometry and labels) and by plain GraphML tools.
#include <stdexcept>

#include "interchange/graph_writers.h"

namespace nx {

namespace {

// The size written for every node's box; positions are its centre.
constexpr double kNodeSize = 30.0;

std::string escaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\r':  // readers turn a raw CR into LF
                out += "&#13;";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n')
                    throw std::runtime_error("The text '" + text +
                                             "' holds a control character that XML cannot carry");
                out += c;
        }
    }
    return out;
}

}  // namespace

void writeGraphMl(const GraphData& data, std::ostream& out) {
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
           "<graphml xmlns=\"http://graphml.graphdrawing.org/xmlns\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xmlns:y=\"http://www.yworks.com/xml/graphml\" "
           "xsi:schemaLocation=\"http://graphml.graphdrawing.org/xmlns "
           "http://www.yworks.com/xml/schema/graphml/1.1/ygraphml.xsd\">\n"
           "  <key id=\"d0\" for=\"node\" attr.name=\"label\" attr.type=\"string\"/>\n"
           "  <key id=\"d1\" for=\"node\" yfiles.type=\"nodegraphics\"/>\n"
           "  <key id=\"d2\" for=\"edge\" attr.name=\"label\" attr.type=\"string\"/>\n"
           "  <key id=\"d3\" for=\"edge\" yfiles.type=\"edgegraphics\"/>\n"
           "  <graph id=\"G\" edgedefault=\"directed\">\n";
    const std::string size = coordinateText(kNodeSize);
    for (const GraphNode& n : data.nodes) {
        out << "    <node id=\"" << escaped(n.id) << "\">\n";
        if (n.label) out << "      <data key=\"d0\">" << escaped(*n.label) << "</data>\n";
        out << "      <data key=\"d1\"><y:ShapeNode>";
        if (n.hasPosition)
            out << "<y:Geometry height=\"" << size << "\" width=\"" << size << "\" x=\""
                << coordinateText(n.x - kNodeSize / 2) << "\" y=\""
                << coordinateText(n.y - kNodeSize / 2) << "\"/>";
        out << "<y:NodeLabel>" << escaped(n.label ? *n.label : n.id)
            << "</y:NodeLabel></y:ShapeNode></data>\n    </node>\n";
    }
    std::size_t id = 0;
    for (const GraphEdge& e : data.edges) {
        out << "    <edge id=\"e" << id++ << "\" source=\"" << escaped(data.nodes[e.source].id)
            << "\" target=\"" << escaped(data.nodes[e.target].id) << "\">";
        if (!e.label.empty()) out << "\n      <data key=\"d2\">" << escaped(e.label) << "</data>";
        out << "\n      <data key=\"d3\"><y:PolyLineEdge><y:Arrows source=\"none\" "
               "target=\"standard\"/>";
        if (!e.label.empty()) out << "<y:EdgeLabel>" << escaped(e.label) << "</y:EdgeLabel>";
        out << "</y:PolyLineEdge></data>\n    ";
        out << "</edge>\n";
    }
    out << "  </graph>\n</graphml>\n";
}

}  // namespace nx
