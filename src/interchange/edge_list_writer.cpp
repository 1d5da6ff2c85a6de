// Edge-list writing (CSV and TSV), quoting fields as RFC 4180 does.
#include <unordered_set>

#include "interchange/graph_writers.h"

namespace nx {

namespace {

void field(std::ostream& out, const std::string& text, char separator) {
    if (text.find_first_of(std::string{separator, '"', '\n', '\r'}) == std::string::npos) {
        out << text;
        return;
    }
    out << '"';
    for (const char c : text) {
        if (c == '"') out << '"';
        out << c;
    }
    out << '"';
}

}  // namespace

void writeEdgeList(const GraphData& data, std::ostream& out, char separator,
                   std::vector<std::string>& warnings) {
    // Labels are the ids when they can be: an edge list has no other place for names.
    bool byLabel = true;
    std::unordered_set<std::string> seen;
    for (const GraphNode& n : data.nodes)
        if (!n.label || n.label->empty() || !seen.insert(*n.label).second) {
            byLabel = false;
            break;
        }
    if (!byLabel)
        warnings.push_back(
            "vertex names are empty or not unique: the edge list names vertices by their ids");
    const auto name = [&](std::size_t i) -> const std::string& {
        return byLabel ? *data.nodes[i].label : data.nodes[i].id;
    };
    out << "source" << separator << "target" << separator << "label\n";
    std::vector<bool> connected(data.nodes.size(), false);
    for (const GraphEdge& e : data.edges) {
        field(out, name(e.source), separator);
        out << separator;
        field(out, name(e.target), separator);
        out << separator;
        field(out, e.label, separator);
        out << '\n';
        connected[e.source] = connected[e.target] = true;
    }
    for (std::size_t i = 0; i < data.nodes.size(); ++i)
        if (!connected[i]) {
            field(out, name(i), separator);
            out << '\n';
        }
}

}  // namespace nx
