// A document shown in a recording graph view, with the working properties the layouts need.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "graph/graph.h"
#include "properties/properties.h"
#include "views/recording_graph_view.h"
#include "views/view.h"

namespace nx::test {

enum class Level { View, Graph, None };

// Vertex i is the i-th member; coordinates live at the chosen level.
struct LayoutDocument {
    Document doc{false};
    std::unique_ptr<RecordingGraphView> view;
    std::vector<Vertex*> vertices;
    Level level;

    explicit LayoutDocument(std::size_t n = 0, Level level = Level::View,
                            bool workingProperties = true)
        : level(level) {
        if (level == Level::View) {
            doc.vertexViewSchema.add(X());
            doc.vertexViewSchema.add(Y());
        }
        if (level == Level::Graph) {
            doc.graphVertexSchema.add(X());
            doc.graphVertexSchema.add(Y());
        }
        if (workingProperties) {
            doc.graphVertexSchema.add(AuxFlag1());
            doc.graphVertexSchema.add(AuxInt1());
            doc.graphVertexSchema.add(AuxInt2());
            doc.graphVertexSchema.add(AuxReal1());
            doc.graphVertexSchema.add(AuxReal2());
        }
        view = std::make_unique<RecordingGraphView>(&doc.vertexViewSchema, &doc.edgeViewSchema);
        view->setGraph(doc.graph);
        for (std::size_t i = 0; i < n; ++i) vertices.push_back(doc.addVertex());
        view->synchronize();
    }

    Graph& graph() { return *doc.graph; }
    Vertex* operator[](std::size_t i) { return vertices[i]; }
    void edge(std::size_t s, std::size_t t) { doc.addEdge(vertices[s], vertices[t]); }
    void edges(const std::vector<std::pair<std::size_t, std::size_t>>& list) {
        for (auto [s, t] : list) edge(s, t);
        view->synchronize();
        doc.graph->updateIncidence();
    }

    ActualProperties& values(std::size_t i) {
        return level == Level::View ? *view->vertexViewProperties(vertices[i])
                                    : doc.graph->vertexProperties(*vertices[i]);
    }
    std::pair<int, int> at(std::size_t i) {
        return {valueOf<X>(&values(i)).value, valueOf<Y>(&values(i)).value};
    }
    void place(std::size_t i, int x, int y) {
        valueOf<X>(&values(i)).value = x;
        valueOf<Y>(&values(i)).value = y;
    }
    template <typename P>
    typename P::value_type& working(std::size_t i) {
        return valueOf<P>(&doc.graph->vertexProperties(*vertices[i])).value;
    }
    // Width of a vertex's shape in the view, as the tree layout measures it.
    int width(std::size_t i) {
        const Rect r =
            view->vertexView(vertices[i])
                ->getBoundingRectangle(vertices[i], *view, view->vertexViewProperties(vertices[i]));
        return r.right - r.left;
    }
};

using EdgeList = std::vector<std::pair<std::size_t, std::size_t>>;
using Position = std::pair<int, int>;

}  // namespace nx::test
