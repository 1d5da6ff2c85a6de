// nx::LayeredLayout: the graph copied into Graphviz, laid out by dot, positions copied back.
#include "layouts/layered_layout.h"

#include <graphviz/gvc.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "graph/graph.h"
#include "graph/progress.h"
#include "layouts/error_texts.h"
#include "layouts/graphviz_session.h"

namespace nx {

namespace {

constexpr double kPixelsPerInch = 96.0;
constexpr double kPixelsPerPoint = 96.0 / 72.0;
// Every vertex is a small box to dot; labels are drawn beside it by the views.
constexpr double kNodePixels = 10.0;

// The process's one Graphviz context, made on first use and kept. Every context reads the
// plugin configuration and keeps its text for good (freeing the context does not free it),
// so a context per layout would grow the process with each layout. Only used while a
// GraphvizSession holds the library.
GVC_t* sharedContext() {
    static GVC_t* const context = gvContext();
    return context;
}

std::string inches(double pixels) {
    return std::to_string(std::max(pixels, 1.0) / kPixelsPerInch);
}

void set(Agraph_t* g, int kind, const char* name, const std::string& value) {
    agattr(g, kind, const_cast<char*>(name), const_cast<char*>(value.c_str()));
}

}  // namespace

LayeredLayout::LayeredLayout(GraphView& view, int layerSeparation, int nodeSeparation)
    : Layout(view), LayerSeparation(layerSeparation), NodeSeparation(nodeSeparation) {}

void LayeredLayout::arrange() {
    if (!graph || graph->order() == 0) return;
    if (graph->order() > VertexLimit)
        throw std::runtime_error("LayeredLayout error: the graph has " +
                                 std::to_string(graph->order()) + " vertices, more than the limit of " +
                                 std::to_string(VertexLimit));
    if (!requirementsMet()) throw std::runtime_error(nx::error_texts::kLayeredRequirements);

    GraphvizSession session;
    GVC_t* const context = sharedContext();
    Agraph_t* g = agopen(const_cast<char*>("g"), Agdirected, nullptr);
    if (!g) throw std::runtime_error(nx::error_texts::kGraphvizCannotMakeGraph);
    std::vector<Vertex*> vertices;
    std::vector<Agnode_t*> nodes;
    std::unordered_map<const Vertex*, Agnode_t*> nodeOf;
    try {
        set(g, AGRAPH, "ranksep", inches(LayerSeparation - kNodePixels));
        set(g, AGRAPH, "nodesep", inches(NodeSeparation - kNodePixels));
        set(g, AGNODE, "shape", "box");
        set(g, AGNODE, "fixedsize", "true");
        set(g, AGNODE, "label", "");
        set(g, AGNODE, "width", inches(kNodePixels));
        set(g, AGNODE, "height", inches(kNodePixels));
        vertices.reserve(graph->order());
        nodeOf.reserve(graph->order());
        for (const auto& [vertex, entry] : graph->vertices()) {
            progressStep();
            std::string name = std::to_string(vertices.size());
            Agnode_t* n = agnode(g, name.data(), 1);
            vertices.push_back(vertex);
            nodes.push_back(n);
            nodeOf.emplace(vertex, n);
        }
        for (const auto& [edge, values] : graph->edges()) {
            progressStep();
            agedge(g, nodeOf.at(edge->source), nodeOf.at(edge->target), nullptr, 1);
        }
        if (!context || gvLayout(context, g, "dot") != 0) {
            const std::string errors = session.errors();
            throw std::runtime_error("LayeredLayout error: Graphviz's dot layout failed" +
                                     (errors.empty() ? std::string() : ": " + errors));
        }
    } catch (...) {
        agclose(g);
        throw;
    }

    // Points with y growing upwards to pixels growing downwards, top-left at the start.
    std::vector<double> xs(nodes.size()), ys(nodes.size());
    double minX = std::numeric_limits<double>::max(), minY = minX;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        xs[i] = ND_coord(nodes[i]).x * kPixelsPerPoint;
        ys[i] = -ND_coord(nodes[i]).y * kPixelsPerPoint;
        minX = std::min(minX, xs[i]);
        minY = std::min(minY, ys[i]);
    }
    gvFreeLayout(context, g);
    agclose(g);
    flushProgress();  // a stop asked for during Graphviz's run comes before any position
    for (std::size_t i = 0; i < vertices.size(); ++i)
        setXY(*vertices[i], static_cast<int>(std::lround(xs[i] - minX)) + startX,
              static_cast<int>(std::lround(ys[i] - minY)) + startY);
}

}  // namespace nx
