// The bulk position path: the level it settles on and where its writes land.
#include <gtest/gtest.h>

#include "recording_graph_view.h"
#include "views/position_writer.h"

namespace nx::test {
namespace {

enum class Where { View, Graph, Nowhere };

// Both coordinates at one level or none: unlike the scene's single setters, a level with
// only X never takes the writes.
TEST(PositionWriter, WritesBothCoordinatesAtOneLevel) {
    struct Case {
        const char* name;
        bool viewX, viewY, graphX, graphY;
        Where where;
    };
    const Case cases[] = {
        {"both levels", true, true, true, true, Where::View},
        {"view lacks Y", true, false, true, true, Where::Graph},
        {"graph level only", false, false, true, true, Where::Graph},
        {"neither level complete", true, false, true, false, Where::Nowhere},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Document doc(false);
        if (c.viewX) doc.vertexViewSchema.add(X());
        if (c.viewY) doc.vertexViewSchema.add(Y());
        if (c.graphX) doc.graphVertexSchema.add(X());
        if (c.graphY) doc.graphVertexSchema.add(Y());
        RecordingGraphView view(&doc.vertexViewSchema, &doc.edgeViewSchema);
        view.setGraph(doc.graph);
        Vertex* v = doc.addVertex();
        view.synchronize();

        PositionWriter positions(view);
        EXPECT_EQ(positions.usable(), c.where != Where::Nowhere);
        positions.set(*v, 7, -9);
        EXPECT_EQ(positions.x(*v), c.where == Where::Nowhere ? 0 : 7);
        EXPECT_EQ(positions.slots(*v).x == nullptr, c.where == Where::Nowhere);

        ActualProperties* viewValues = view.vertexViewProperties(v);
        ActualProperties* graphValues = &doc.graph->vertexProperties(*v);
        // A level not written keeps the values new elements start with.
        const int x0 = X().value, y0 = Y().value;
        const bool atView = c.where == Where::View, atGraph = c.where == Where::Graph;
        if (c.viewX) {
            EXPECT_EQ(valueOf<X>(viewValues).value, atView ? 7 : x0);
        }
        if (c.viewY) {
            EXPECT_EQ(valueOf<Y>(viewValues).value, atView ? -9 : y0);
        }
        if (c.graphX) {
            EXPECT_EQ(valueOf<X>(graphValues).value, atGraph ? 7 : x0);
        }
        if (c.graphY) {
            EXPECT_EQ(valueOf<Y>(graphValues).value, atGraph ? -9 : y0);
        }
    }
}

}  // namespace
}  // namespace nx::test
