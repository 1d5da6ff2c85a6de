// DOT reading with cgraph: the first graph of the file, subgraphs flattened.
#include "interchange/dot_reader.h"

#include <graphviz/cgraph.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include "layouts/graphviz_session.h"
#include "interchange/import_error.h"

namespace nx {

namespace {

// Points to pixels: 72 points and 96 pixels make an inch.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
struct GraphCloser {
    void operator()(Agraph_t* g) const { agclose(g); }
};

// Label escapes: \N the node's name, \G the graph's, \n \l \r line breaks, \\ a backslash.
std::string unescapedLabel(const std::string& raw, const std::string& nodeName,
                           const std::string& graphName) {
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            out += raw[i];
            continue;
        }
        const char c = raw[++i];
        if (c == 'N')
            out += nodeName;
        else if (c == 'G')
            out += graphName;
        else if (c == 'n' || c == 'l' || c == 'r')
            out += '\n';
        else
            out += c;
    }
    return out;
}

// "x,y" with an optional "!" (pinned); false when the text is no point.
bool parsePoint(const char* text, double& x, double& y) {
    const char* end = text + std::strlen(text);
    while (end > text && (end[-1] == '!' || end[-1] == ' ')) --end;
    const char* comma = std::find(text, end, ',');
    if (comma == end) return false;
    const auto a = std::from_chars(text, comma, x);
    const auto b = std::from_chars(comma + 1, end, y);
    return a.ec == std::errc() && a.ptr == comma && b.ec == std::errc() && b.ptr == end;
}

// "llx,lly,urx,ury".
bool parseBox(const char* text, double box[4]) {
    const char* at = text;
    const char* end = text + std::strlen(text);
    for (int i = 0; i < 4; ++i) {
        const char* stop = i < 3 ? std::find(at, end, ',') : end;
        const auto r = std::from_chars(at, stop, box[i]);
        if (r.ec != std::errc() || r.ptr != stop) return false;
        at = stop + 1;
    }
    return true;
}

// Graphviz's "<file>: syntax error in line 4 near 'x'" in the form of the other readers.
[[noreturn]] void failWithErrors(const std::string& path, std::string errors) {
    if (errors.empty()) failAt(path, 0, 0, "expected a graph (\"graph\" or \"digraph\")");
    const std::string prefix = path + ": ";
    if (errors.rfind(prefix, 0) == 0) errors.erase(0, prefix.size());
    const std::string marker = " in line ";
    const std::size_t at = errors.find(marker);
    std::size_t line = 0;
    if (at != std::string::npos) {
        const char* digits = errors.c_str() + at + marker.size();
        const auto [end, ec] = std::from_chars(digits, errors.c_str() + errors.size(), line);
        if (ec == std::errc()) errors.erase(at, static_cast<std::size_t>(end - (errors.c_str() + at)));
    }
    failAt(path, line, 0, errors);
}

bool declaredAndSet(void* object, Agsym_t* sym) {
    const char* v = agxget(object, sym);
    return v && *v;
}

}  // namespace

GraphData readDot(const std::string& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) failAt(path, 0, 0, std::string("cannot open the file: ") + std::strerror(errno));
    GraphvizSession session;
    std::string name = path;
    agsetfile(name.data());
    // The library keeps the pointer; it must not outlive `name`.
    struct ForgetName {
        ~ForgetName() { agsetfile(const_cast<char*>("")); }
    } forgetName;
    agreadline(1);
    std::unique_ptr<Agraph_t, GraphCloser> graph(agread(file.get(), nullptr));
    if (!graph) failWithErrors(path, session.errors());
    GraphData data;
    if (std::unique_ptr<Agraph_t, GraphCloser> more{agread(file.get(), nullptr)})
        data.warnings.push_back("only the first graph of the file is read");
    else if (!session.errors().empty())
        failWithErrors(path, session.errors());
    Agraph_t* g = graph.get();
    const std::string graphName = agnameof(g);
    if (!agisdirected(g))
        data.warnings.push_back(
            "undirected edges are read as directed from their first to their second node");

    Agsym_t* labelSym = agattr(g, AGNODE, const_cast<char*>("label"), nullptr);
    Agsym_t* posSym = agattr(g, AGNODE, const_cast<char*>("pos"), nullptr);
    // A label equal to an undeclared default is no label: Graphviz shows the name then.
    const bool labelDefaultIsName = labelSym && std::strcmp(labelSym->defval, "\\N") == 0;

    data.reserve(static_cast<std::size_t>(agnnodes(g)), static_cast<std::size_t>(agnedges(g)));
    bool anyPosition = false;
    for (Agnode_t* n = agfstnode(g); n; n = agnxtnode(g, n)) {
        GraphNode node;
        node.id = agnameof(n);
        if (labelSym) {
            const std::string raw = agxget(n, labelSym);
            if (!raw.empty() || labelDefaultIsName) node.label = unescapedLabel(raw, node.id, graphName);
        }
        if (posSym) {
            const char* pos = agxget(n, posSym);
            if (pos && *pos) {
                if (!parsePoint(pos, node.x, node.y))
                    failAt(path, 0, 0, "node '" + node.id + "': expected pos=\"x,y\", not \"" + pos + "\"");
                node.hasPosition = anyPosition = true;
            }
        }
        data.addNode(std::move(node));
    }

    // Edges in the order the file made them.
    std::vector<Agedge_t*> edges;
    for (Agnode_t* n = agfstnode(g); n; n = agnxtnode(g, n))
        for (Agedge_t* e = agfstout(g, n); e; e = agnxtout(g, e)) edges.push_back(e);
    std::sort(edges.begin(), edges.end(),
              [](Agedge_t* a, Agedge_t* b) { return AGSEQ(a) < AGSEQ(b); });
    Agsym_t* edgeLabelSym = agattr(g, AGEDGE, const_cast<char*>("label"), nullptr);
    for (Agedge_t* e : edges) {
        GraphEdge edge;
        edge.source = *data.find(agnameof(agtail(e)));
        edge.target = *data.find(agnameof(aghead(e)));
        if (edgeLabelSym) edge.label = unescapedLabel(agxget(e, edgeLabelSym), "", graphName);
        data.edges.push_back(std::move(edge));
    }

    // Attributes without a place in the document, reported by name.
    for (Agsym_t* sym = agnxtattr(g, AGNODE, nullptr); sym; sym = agnxtattr(g, AGNODE, sym)) {
        if (sym == labelSym || sym == posSym) continue;
        for (Agnode_t* n = agfstnode(g); n; n = agnxtnode(g, n))
            if (declaredAndSet(n, sym)) {
                data.ignored.add(IgnoredAttributes::Node, sym->name);
                break;
            }
    }
    for (Agsym_t* sym = agnxtattr(g, AGEDGE, nullptr); sym; sym = agnxtattr(g, AGEDGE, sym)) {
        if (sym == edgeLabelSym) continue;
        for (Agedge_t* e : edges)
            if (declaredAndSet(e, sym)) {
                data.ignored.add(IgnoredAttributes::Edge, sym->name);
                break;
            }
    }
    Agsym_t* bbSym = nullptr;
    for (Agsym_t* sym = agnxtattr(g, AGRAPH, nullptr); sym; sym = agnxtattr(g, AGRAPH, sym)) {
        if (std::strcmp(sym->name, "bb") == 0)
            bbSym = sym;
        else
            data.ignored.add(IgnoredAttributes::Graph, sym->name);
    }

    // Points, y growing upwards, to pixels growing downwards: against the bounding box
    // when the file gives one, else against the drawing's own top-left corner.
    if (anyPosition) {
        double box[4] = {0, 0, 0, 0};
        const char* bb = bbSym ? agxget(g, bbSym) : nullptr;
        double left, top, margin = 0;
        if (bb && *bb && parseBox(bb, box)) {
            left = box[0];
            top = box[3];
        } else {
            left = std::numeric_limits<double>::max();
            top = std::numeric_limits<double>::lowest();
            for (const GraphNode& n : data.nodes)
                if (n.hasPosition) {
                    left = std::min(left, n.x);
                    top = std::max(top, n.y);
                }
            margin = 50;
        }
        for (GraphNode& n : data.nodes)
            if (n.hasPosition) {
                n.x = (n.x - left) * kPixelsPerPoint + margin;
                n.y = (top - n.y) * kPixelsPerPoint + margin;
            }
    }
    return data;
}

}  // namespace nx
