// The engine's document states, structural editing, counts and IDs by scope, and extent.
#include <gtest/gtest.h>

#include "engine/control_engine.h"
#include "engine/error_texts.h"
#include "engine_fixture.h"
#include "views/drawing_tools.h"

using namespace ramulo;

namespace {

using namespace engine_test;

TEST(ControlEngineStates, EmptyEngineAnswersNothingAndRefusesNewTree) {
    ControlEngine engine;
    EXPECT_EQ(engine.GetVertexCount(0), 0u);
    EXPECT_EQ(engine.GetEdgeID(0, 0), 0u);
    EXPECT_EQ(engine.AddVertex(), kNoElement);
    EXPECT_EQ(engine.AddEdge(0, 0), kNoElement);
    engine.RemoveVertex(3);  // no document: no error
    EXPECT_EQ(engine.GetExtent(), (nx::Size{1, 1}));
    ScriptedHostWindow host;
    EXPECT_THROW(engine.NewTree(true, &host), std::logic_error);
    EXPECT_EQ(errorOf([&] { engine.NewTree(true, &host); }), nx::error_texts::kFormalsUndefined);
    EXPECT_EQ(engine.view(), nullptr);
    EXPECT_EQ(engine.space(), nullptr);
}

TEST(ControlEngineStates, InitDeletesTheDocumentAndNewTreeOpensIt) {
    ControlEngine engine;
    engine.Init();
    EXPECT_TRUE(engine.viewLevelEdgeFormals() && engine.spaceLevelVertexFormals());
    EXPECT_EQ(engine.AddVertex(), kNoElement);  // initialised, not open
    ScriptedHostWindow host;
    const std::uint32_t graphId = engine.NewTree(false, &host);
    ASSERT_NE(engine.graph(), nullptr);
    EXPECT_EQ(engine.graph()->id, graphId);
    EXPECT_EQ(engine.view()->graph(), engine.graph());
    EXPECT_EQ(engine.view()->space(), engine.space());
    EXPECT_EQ(engine.view()->hostWindow(), &host);
    EXPECT_TRUE(engine.view()->drawingTools()->memoryBufferEnabled);
    EXPECT_FALSE(engine.view()->interactive()) << "the editing switch";
    EXPECT_TRUE(engine.view()->keepForest());
    EXPECT_FALSE(engine.view()->edgeSourcesMovable());
    EXPECT_FALSE(engine.view()->edgeTargetsMovable());
    engine.NewTree(true, &host);
    EXPECT_TRUE(engine.view()->interactive());
    for (std::uint16_t scope : {0, 1, 2}) {
        EXPECT_EQ(engine.GetVertexCount(scope), 0u);
        EXPECT_EQ(engine.GetEdgeCount(scope), 0u);
    }
    EXPECT_EQ(errorOf([&] { engine.GetVertexID(0, 0); }),
              "Ramulo Control: Error in GetVertexID. Vertex 0 not found.\nGraph order is 0.");
    engine.AddVertex();
    engine.Init();
    EXPECT_EQ(engine.space(), nullptr);
    EXPECT_EQ(engine.graph(), nullptr);
    EXPECT_EQ(engine.view(), nullptr);
    EXPECT_EQ(engine.GraphPropertyCount(), 0u);
}

TEST_F(OpenDocument, NewTreeTwiceKeepsTheFirstGraphInTheSpace) {
    const std::vector<std::uint32_t> first = addVertices(2);
    engine.AddEdge(first[0], first[1]);
    nx::Graph* firstGraph = engine.graph();
    const std::uint32_t second = engine.NewTree(true, &host);
    EXPECT_NE(second, graphId);
    EXPECT_EQ(engine.graph()->id, second);
    EXPECT_EQ(engine.GetVertexCount(0), 0u);
    EXPECT_EQ(engine.GetEdgeCount(0), 0u);
    EXPECT_EQ(firstGraph->order(), 2u);
    EXPECT_EQ(engine.space()->graphFactory().size(), 2u);

    // Elements of the space outside the current graph: removing them changes nothing.
    engine.RemoveVertex(first[0]);
    engine.RemoveEdge(0);
    engine.RemoveVertices(1, &first[1]);
    EXPECT_EQ(firstGraph->order(), 2u);
    EXPECT_EQ(firstGraph->edgeCount(), 1u);
}

TEST_F(OpenDocument, EditingBuildsTheGraphAndTheView) {
    const std::uint32_t a = engine.AddVertex();
    const std::uint32_t b = engine.AddVertex();
    const std::uint32_t loop = engine.AddEdge(a, a);
    ASSERT_NE(loop, kNoElement);
    EXPECT_TRUE(engine.space()->edgeFactory().at(loop)->isLoop());
    const std::uint32_t ab = engine.AddEdge(a, b);
    EXPECT_EQ(engine.AddEdge(a, 999), kNoElement);
    EXPECT_EQ(engine.GetVertexCount(0), 2u);
    EXPECT_EQ(engine.GetEdgeCount(0), 2u);
    EXPECT_EQ(engine.GetVertexID(0, 1), b);
    EXPECT_EQ(engine.GetEdgeID(0, 1), ab);
    EXPECT_NE(engine.view()->findVertexEntry(vertex(b)), nullptr);
    EXPECT_EQ(engine.view()->edgeMap().size(), 2u);

    // Removing a vertex drops its edges from the graph and the view.
    engine.RemoveVertex(a);
    EXPECT_EQ(engine.GetVertexCount(0), 1u);
    EXPECT_EQ(engine.GetEdgeCount(0), 0u);
    EXPECT_EQ(engine.view()->findVertexEntry(vertex(a)), nullptr);
    EXPECT_EQ(engine.view()->edgeMap().size(), 0u);
}

TEST_F(OpenDocument, UnknownIdsInSingleRemovalsFailWithTheirTexts) {
    EXPECT_EQ(errorOf([&] { engine.RemoveVertex(42); }),
              "Ramulo Control: RemoveVertex Error. Vertex 42 cannot be found");
    EXPECT_EQ(errorOf([&] { engine.RemoveEdge(7); }),
              "Ramulo Control: RemoveEdge Error. Edge 7 cannot be found");
    EXPECT_THROW(engine.RemoveEdge(7), std::runtime_error);
}

TEST_F(OpenDocument, AddEdgesSkipsAPairWithAnUnknownVertex) {
    const std::vector<std::uint32_t> v = addVertices(3);
    const std::uint32_t sources[] = {v[0], v[1], v[1]};
    const std::uint32_t targets[] = {v[1], 12345, v[2]};
    std::uint32_t edges[3] = {0, 0, 0};
    engine.AddEdges(3, sources, targets, edges);
    EXPECT_EQ(engine.GetEdgeCount(0), 2u);
    EXPECT_EQ(engine.space()->edgeFactory().at(edges[0])->target, vertex(v[1]));
    EXPECT_EQ(edges[1], kNoElement);
    EXPECT_EQ(engine.space()->edgeFactory().at(edges[2])->source, vertex(v[1]));
    EXPECT_EQ(engine.space()->edgeFactory().at(edges[2])->target, vertex(v[2]));

    const std::uint32_t removals[] = {edges[0], 999, edges[2]};
    engine.RemoveEdges(3, removals);
    EXPECT_EQ(engine.GetEdgeCount(0), 0u);
    const std::uint32_t vertexRemovals[] = {v[2], 999};
    engine.RemoveVertices(2, vertexRemovals);
    EXPECT_EQ(engine.GetVertexCount(0), 2u);
}

TEST_F(OpenDocument, EmptyBatchStillSynchronisesTheView) {
    nx::Vertex* outside = engine.space()->vertexFactory().create();
    engine.graph()->addVertex(*outside);  // changed behind the engine's back
    EXPECT_EQ(engine.view()->findVertexEntry(outside), nullptr);
    engine.RemoveVertices(0, nullptr);
    EXPECT_NE(engine.view()->findVertexEntry(outside), nullptr);
}

TEST_F(OpenDocument, PositionsPastTheEndNameTheScopeInTheSecondLine) {
    const std::vector<std::uint32_t> v = addVertices(3);
    engine.AddEdge(v[0], v[1]);
    engine.AddEdge(v[1], v[2]);
    engine.AddEdge(v[0], v[2]);
    const std::string vertexLine = "Ramulo Control: Error in GetVertexID. Vertex 5 not found.\n";
    const std::string edgeLine = "Ramulo Control: Error in GetEdgeID. Edge 5 not found.\n";
    struct Case {
        bool vertices;
        std::uint16_t scope;
        std::string text;
    } cases[] = {
        {true, 0, vertexLine + "Graph order is 3."},
        {true, 1, vertexLine + "Number of selected vertices is 0."},
        {true, 2, vertexLine + "Number of visible vertices is 0."},
        {false, 0, edgeLine + "Number of edges is 3."},
        {false, 1, edgeLine + "Number of selected edges is 0."},
        {false, 2, edgeLine + "Number of visible edges is 0."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errorOf([&] {
                      c.vertices ? engine.GetVertexID(c.scope, 5) : engine.GetEdgeID(c.scope, 5);
                  }),
                  c.text)
            << c.vertices << ' ' << c.scope;
    EXPECT_EQ(errorOf([&] { engine.GetVertexID(0, 0xFFFFFFFF); }),
              "Ramulo Control: Error in GetVertexID. Vertex 4294967295 not found.\n"
              "Graph order is 3.");
    // Scopes beyond 2 answer nothing and raise nothing.
    EXPECT_EQ(engine.GetVertexCount(7), 0u);
    EXPECT_EQ(engine.GetVertexID(7, 0), 0u);
    EXPECT_EQ(engine.GetEdgeCount(7), 0u);
    EXPECT_EQ(engine.GetEdgeID(7, 0), 0u);
}

TEST_F(OpenDocument, SelectionScopeFollowsTheViewsSelectionList) {
    const std::vector<std::uint32_t> v = addVertices(3);
    const std::uint32_t edge = engine.AddEdge(v[0], v[1]);
    engine.SetVertexPropertyValueByName(v[2], u"Selected", 2, Variant::fromBool(true));
    engine.SetVertexPropertyValueByName(v[0], u"Selected", 2, Variant::fromBool(true));
    engine.SetEdgePropertyValueByName(edge, u"Selected", 2, Variant::fromBool(true));
    engine.view()->rebuildSelection();
    EXPECT_EQ(engine.GetVertexCount(1), 2u);
    EXPECT_EQ(engine.GetVertexID(1, 0), engine.view()->selectedVertices()[0].vertex->id);
    EXPECT_EQ(engine.GetVertexID(1, 1), engine.view()->selectedVertices()[1].vertex->id);
    EXPECT_EQ(engine.GetEdgeCount(1), 1u);
    EXPECT_EQ(engine.GetEdgeID(1, 0), edge);
}

TEST_F(OpenDocument, VisibleScopeCountsWhatTheVisibleAreaShows) {
    const std::vector<std::uint32_t> v = addVertices(3);
    place(v[0], 10, 10);
    place(v[1], 60, 40);
    place(v[2], 900, 900);
    engine.AddEdge(v[0], v[1]);
    engine.AddEdge(v[1], v[2]);
    engine.view()->setVisibleArea({0, 0}, 100, 100);
    EXPECT_EQ(engine.GetVertexCount(2), 2u);
    EXPECT_EQ(engine.GetEdgeCount(2), 2u);  // both edges reach into the area
    engine.view()->setOrigin({800, 800});
    EXPECT_EQ(engine.GetVertexCount(2), 1u);
    EXPECT_EQ(engine.GetVertexID(2, 0), v[2]);
}

TEST_F(OpenDocument, ExtentIsTheDrawingPlusMarginsOnScreenScale) {
    const std::vector<std::uint32_t> v = addVertices(2);
    place(v[0], 100, 100);
    place(v[1], 300, 200);
    const nx::Rect drawing = engine.view()->extent();
    engine.view()->setPrinting(true);
    engine.view()->setScale(4.0f, 4.0f);
    const nx::Size extent = engine.GetExtent();
    EXPECT_FALSE(engine.view()->printing());
    EXPECT_EQ(engine.view()->scaleX(), 1.0f);
    EXPECT_EQ(engine.view()->extent(), drawing);
    EXPECT_EQ(extent.cx, static_cast<std::uint64_t>(drawing.width() + 50));
    EXPECT_EQ(extent.cy, static_cast<std::uint64_t>(drawing.height() + 30));
    EXPECT_GT(drawing.width(), 200);
}

TEST_F(OpenDocument, CurrentElementsAreForgottenWhenTheyLeaveTheDocument) {
    const std::vector<std::uint32_t> v = addVertices(2);
    const std::uint32_t edge = engine.AddEdge(v[0], v[1]);
    const auto pick = [&] {
        engine.setCurrentVertex(vertex(v[1]));
        engine.setCurrentEdge(engine.space()->edgeFactory().at(edge));
    };
    pick();
    engine.RemoveVertex(v[0]);  // takes the edge along
    EXPECT_EQ(engine.currentVertex(), vertex(v[1]));
    EXPECT_EQ(engine.currentEdge(), nullptr);
    EXPECT_EQ(engine.currentEdgeProperties(), nullptr);
    engine.NewTree(true, &host);
    EXPECT_EQ(engine.currentVertex(), nullptr);
    EXPECT_EQ(engine.currentVertexProperties(), nullptr);
}

TEST_F(OpenDocument, GraphNotificationsRepaintTheHostWindow) {
    nx::Vertex* outside = engine.space()->vertexFactory().create();
    engine.graph()->addVertex(*outside);
    const int before = host.invalidations;
    engine.graph()->notifyObservers();
    EXPECT_EQ(host.invalidations, before + 1);
    EXPECT_NE(engine.view()->findVertexEntry(outside), nullptr);
}

}  // namespace
