// The standard document made from imported data: schemas, elements, names, positions.
#include "interchange/document_builder.h"

#include <utf8.h>

#include <climits>
#include <cmath>
#include <vector>

#include "engine/control_engine.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"
#include "graph/progress.h"
#include "graph/space.h"
#include "interchange/import_error.h"
#include "layouts/force_directed_layout.h"
#include "layouts/tree_layout.h"
#include "properties/properties.h"
#include "traversal/graph_walks.h"

namespace nx {

namespace {

// The property set a new document has, in the order the New command adds it.
void addStandardProperties(ramulo::ControlEngine& engine) {
    for (const char16_t* name : {u"X", u"Y", u"Selected"}) engine.AddVertexPropertyByName(name, 2);
    engine.AddEdgePropertyByName(u"Selected", 2);
    engine.AddVertexPropertyByName(u"Name", 0);
    engine.AddVertexPropertyByName(u"Visited", 1);
    engine.AddEdgePropertyByName(u"Name", 0);
    for (const char16_t* name : {u"_V1", u"_I1", u"_I2", u"_R1", u"_R2"})
        engine.AddVertexPropertyByName(name, 1);
}

std::u16string wide(const std::string& text, const std::string& path, const char* what,
                    const std::string& id) {
    if (utf8::find_invalid(text.begin(), text.end()) != text.end())
        failAt(path, 0, 0, std::string(what) + " '" + id + "' is not valid UTF-8");
    return utf8::utf8to16(text);
}

int coordinate(double value) {
    const double r = std::round(value);
    if (!(r > INT_MIN)) return INT_MIN;
    if (!(r < INT_MAX)) return INT_MAX;
    return static_cast<int>(r);
}

}  // namespace

void buildDocument(ramulo::ControlEngine& engine, const GraphData& data, const std::string& path,
                   const ImportOptions& options, bool editingEnabled, ramulo::HostWindow* host,
                   ImportResult& result) {
    engine.Init();
    addStandardProperties(engine);
    result.graphId = engine.NewTree(editingEnabled, host);
    Space& space = *engine.space();
    Graph& graph = *engine.graph();
    const std::size_t vertexName = space.vertexSchema()->find(Name());
    const std::size_t edgeName = space.edgeSchema()->find(Name());

    std::vector<Vertex*> vertices;
    vertices.reserve(data.nodes.size());
    std::size_t positioned = 0;
    for (const GraphNode& n : data.nodes) {
        progressStep();
        Vertex* v = space.vertexFactory().create();
        graph.addVertex(*v);
        v->properties->get<Name>(vertexName).value =
            n.label ? wide(*n.label, path, "the label of node", n.id) : wide(n.id, path, "the node id", n.id);
        vertices.push_back(v);
        if (n.hasPosition) ++positioned;
    }
    for (const GraphEdge& e : data.edges) {
        progressStep();
        Edge* edge = space.edgeFactory().create(vertices[e.source], vertices[e.target]);
        graph.addEdge(*edge);
        if (!e.label.empty())
            edge->properties->get<Name>(edgeName).value =
                wide(e.label, path, "the label of an edge from", data.nodes[e.source].id);
    }
    WindowGraphView& view = *engine.view();
    view.synchronize();

    const bool placed = positioned == data.nodes.size();
    if (positioned > 0 && !placed)
        result.warnings.push_back(std::to_string(data.nodes.size() - positioned) + " of " +
                                  std::to_string(data.nodes.size()) +
                                  " nodes have no position: the graph is laid out anew");
    const int spacing = static_cast<int>(engine.forceDirectedSeparation());
    const std::size_t columns =
        std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil(std::sqrt(
                                     static_cast<double>(data.nodes.size())))));
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        ActualProperties* values = view.vertexViewProperties(vertices[i]);
        const GraphNode& n = data.nodes[i];
        // Without given positions: a grid, the force-directed layout's starting point.
        const int x = placed ? coordinate(n.x) : 50 + static_cast<int>(i % columns) * spacing;
        const int y = placed ? coordinate(n.y) : 50 + static_cast<int>(i / columns) * spacing;
        view.setX(vertices[i], values, x);
        view.setY(vertices[i], values, y);
    }
    if (placed || !options.arrange || data.nodes.empty()) return;

    graph.updateIncidence();
    if (nx::isForest(graph)) {
        TreeLayout layout(view, static_cast<int>(engine.layerSeparation()),
                          static_cast<int>(engine.siblingSeparation()),
                          static_cast<int>(engine.subtreeSeparation()));
        layout.arrange();
    } else {
        ForceDirectedLayout layout(view);
        layout.Separation = static_cast<int>(engine.forceDirectedSeparation());
        layout.MaxIterations = static_cast<int>(engine.maxIterations());
        layout.arrange();
    }
    result.laidOut = true;
}

void exchangeDocuments(ramulo::ControlEngine& a, ramulo::ControlEngine& b) {
    a.exchangeDocument(b);
}

}  // namespace nx
