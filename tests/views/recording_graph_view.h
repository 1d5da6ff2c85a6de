// A graph view bound to the recording drawing tools, and a small document to show in it.
#pragma once

#include <memory>
#include <string>

#include "properties/actual_properties.h"
#include "properties/properties.h"
#include "support/document_schemas.h"
#include "views/graph_view.h"
#include "views/recording_drawing_tools.h"

namespace nx::test {

class RecordingGraphView : public GraphView {
public:
    using GraphView::GraphView;

    RecordingDrawingTools tools;
    RecordingCursorTools cursors;
    std::vector<Rect> erased, copied;

    void eraseBackground(const Rect& r) override { erased.push_back(r); }
    void copyToScreen(const Rect& r) override { copied.push_back(r); }
    DrawingTools* drawingTools() override { return &tools; }
    CursorTools* cursorTools() override { return &cursors; }
    Bitmap* bitmap() override { return nullptr; }
};

// Schemas and a space; view-level vertex values X, Y, Selected, Fading, Unfaded, and edge
// values Selected, _I1, Fading, Unfaded unless a test builds its own.
struct Document : SchemasAndSpace, ViewSchemas {
    Graph* graph = nullptr;

    explicit Document(bool standardViewSchemas = true) {
        if (standardViewSchemas) addStandardViewValues();
        graph = space.graphFactory().create();
    }

    Vertex* addVertex() {
        Vertex* v = space.vertexFactory().create();
        graph->addVertex(*v);
        return v;
    }
    Edge* addEdge(Vertex* source, Vertex* target) {
        Edge* e = space.edgeFactory().create(source, target);
        graph->addEdge(*e);
        return e;
    }
};

template <typename P>
P& valueOf(ActualProperties* properties) {
    static const P prototype;
    return properties->get<P>(properties->find(prototype));
}

template <typename P>
P& valueOf(const std::unique_ptr<ActualProperties>& properties) {
    return valueOf<P>(properties.get());
}

}  // namespace nx::test
