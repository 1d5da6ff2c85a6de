// Graph view interaction: clicks, Ctrl+clicks, dragging, rubber band and connecting edges.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

#include "traversal/graph_walks.h"
#include "views/recording_graph_view.h"

namespace nx::test {
namespace {

// Refreshes the way the window binding does: follows the graph, then repaints.
class InteractiveView : public RecordingGraphView {
public:
    using RecordingGraphView::RecordingGraphView;
    int refreshes = 0;
    int selectionChanges = 0;
    void update() override {
        ++refreshes;
        synchronize();
    }
    void selectionChanged() override { ++selectionChanges; }
};

struct InteractionFixture : ::testing::Test {
    std::unique_ptr<Document> doc;
    std::unique_ptr<InteractiveView> view;

    // A fresh document and view, as the control sets them up for editing.
    void SetUp() override {
        view.reset();
        doc = std::make_unique<Document>();
        // The forest test marks vertices with the graph-level visited flag.
        doc->graphVertexSchema.add(AuxFlag1());
        view = std::make_unique<InteractiveView>(&doc->vertexViewSchema, &doc->edgeViewSchema);
        view->setGraph(doc->graph);
        view->setSpace(&doc->space);
        view->setKeepForest(true);
    }
    void TearDown() override { view.reset(); }
    Vertex* vertexAt(Point p) {
        Vertex* v = doc->addVertex();
        view->synchronize();
        view->setX(v, view->vertexViewProperties(v), p.x);
        view->setY(v, view->vertexViewProperties(v), p.y);
        return v;
    }
    Edge* edge(Vertex* source, Vertex* target) {
        Edge* e = doc->addEdge(source, target);
        view->synchronize();
        return e;
    }
    Point at(Vertex* v) { return view->devicePosition(v); }
    bool flagged(Vertex* v) { return valueOf<Selected>(view->vertexViewProperties(v)).get(); }
    bool flagged(Edge* e) { return valueOf<Selected>(view->edgeViewProperties(e)).get(); }
    std::vector<Vertex*> selectedVertices() {
        std::vector<Vertex*> out;
        for (const VertexViewEntry& e : view->selectedVertices()) out.push_back(e.vertex);
        return out;
    }
    std::vector<Edge*> selectedEdges() {
        std::vector<Edge*> out;
        for (const EdgeViewEntry& e : view->selectedEdges()) out.push_back(e.edge);
        return out;
    }
    void click(Vertex* v, bool additive = false) {
        view->mouseDown(at(v), additive);
        view->mouseUp(at(v));
    }
    // Every feedback primitive drawn so far, with how often; XOR drawing twice erases.
    std::map<std::tuple<std::string, int, int, int, int>, int> feedback() {
        std::map<std::tuple<std::string, int, int, int, int>, int> count;
        for (const DrawCall& c : view->tools.calls) {
            if (c.op == "drawRectangleWithSelectedPen")
                ++count[{std::string(c.op), c.rect.left, c.rect.top, c.rect.right, c.rect.bottom}];
            else if (c.op == "drawLineWithSelectedPen")
                ++count[{std::string(c.op), c.from.x, c.from.y, c.to.x, c.to.y}];
        }
        return count;
    }
    bool allErased() {
        for (const auto& [what, n] : feedback())
            if (n % 2) return false;
        return true;
    }
};

TEST_F(InteractionFixture, ClickSelectsAndCtrlClickAdds) {
    Vertex* a = vertexAt({100, 100});
    Vertex* b = vertexAt({200, 100});
    Vertex* c = vertexAt({300, 100});
    Edge* ab = edge(a, b);

    EXPECT_TRUE(view->mouseDown(at(a), false));
    EXPECT_TRUE(view->interaction().moving);
    view->mouseUp(at(a));
    view->mouseDown(at(b), true);
    view->mouseUp(at(b));
    EXPECT_EQ(selectedVertices(), (std::vector<Vertex*>{a, b}));
    EXPECT_EQ(view->selectionChanges, 2);

    // A plain click on an unselected vertex makes it the only one.
    click(c);
    EXPECT_EQ(selectedVertices(), std::vector<Vertex*>{c});
    EXPECT_FALSE(flagged(a));
    EXPECT_FALSE(flagged(b));

    // A plain click on an edge drops the vertices; one on empty space drops the edge.
    view->mouseDown({150, 101}, false);
    view->mouseUp({150, 101});
    EXPECT_TRUE(selectedVertices().empty());
    EXPECT_FALSE(flagged(c));
    EXPECT_EQ(selectedEdges(), std::vector<Edge*>{ab});
    EXPECT_TRUE(flagged(ab));
    EXPECT_FALSE(view->clickSelect({150, 400}, false));
    EXPECT_TRUE(selectedEdges().empty());
    EXPECT_FALSE(flagged(ab));

    // Selecting the only selected vertex again still reports the edges it dropped.
    view->selectVertex(*view->findVertexEntry(a), false);
    view->selectEdge(view->findEdgeEntry(ab), true);
    EXPECT_TRUE(view->selectVertex(*view->findVertexEntry(a), false));
    EXPECT_FALSE(flagged(ab));
    EXPECT_FALSE(view->selectVertex(*view->findVertexEntry(a), false));
}

TEST_F(InteractionFixture, CtrlClickOnSelectedVertexDeselectsButOnSelectedEdgeChangesNothing) {
    Vertex* a = vertexAt({100, 100});
    Vertex* b = vertexAt({200, 100});
    Edge* ab = edge(a, b);
    click(a);
    click(b, true);

    EXPECT_FALSE(view->mouseDown(at(a), true));
    EXPECT_FALSE(view->interaction().moving);
    EXPECT_FALSE(flagged(a));
    EXPECT_EQ(selectedVertices(), std::vector<Vertex*>{b});

    // Only edges selected: Ctrl+click on the edge keeps it, once.
    view->deselectAllVertices();
    view->selectEdge(view->findEdgeEntry(ab), false);
    const int refreshes = view->refreshes;
    EXPECT_FALSE(view->mouseDown({150, 101}, true));
    EXPECT_EQ(selectedEdges(), std::vector<Edge*>{ab});
    EXPECT_TRUE(flagged(ab));
    EXPECT_EQ(view->refreshes, refreshes);

    // With a vertex selected as well the click reaches the edge selection, which must not
    // list the edge a second time.
    view->selectVertex(*view->findVertexEntry(a), true);
    view->mouseDown({150, 101}, true);
    EXPECT_EQ(selectedEdges(), std::vector<Edge*>{ab});
    EXPECT_EQ(selectedVertices(), std::vector<Vertex*>{a});
}

TEST_F(InteractionFixture, ClickOnSelectedVertexKeepsTheSelectionAndDragsAll) {
    Vertex* a = vertexAt({100, 100});
    Vertex* b = vertexAt({200, 150});
    Vertex* c = vertexAt({300, 300});
    click(a);
    click(b, true);

    EXPECT_FALSE(view->mouseDown(at(a), false));
    EXPECT_EQ(selectedVertices(), (std::vector<Vertex*>{a, b}));
    EXPECT_TRUE(view->mouseMove({110, 95}));
    EXPECT_TRUE(view->mouseUp({115, 90}));
    EXPECT_FALSE(view->interaction().moving);
    EXPECT_EQ(at(a), (Point{115, 90}));
    EXPECT_EQ(at(b), (Point{215, 140}));
    EXPECT_EQ(at(c), (Point{300, 300}));
    EXPECT_FALSE(view->mouseMove({400, 400}));  // the button is up
    EXPECT_EQ(at(a), (Point{115, 90}));
}

TEST_F(InteractionFixture, DraggingNeverMakesCoordinatesNegative) {
    struct Case {
        Point drag;
        Point a, b, c;  // a and b selected, c not
    };
    // a (40, 60), b (100, 20), c (200, 200).
    const Case cases[] = {
        {{-50, 0}, {0, 60}, {60, 20}, {210, 200}},   // left of 0: everything shifts right
        {{0, -30}, {40, 40}, {100, 0}, {200, 210}},  // above 0: everything shifts down
        {{-60, -40}, {0, 40}, {60, 0}, {220, 220}},  // both
        {{-40, -20}, {0, 40}, {60, 0}, {200, 200}},  // exactly 0: no shift
    };
    for (const Case& k : cases) {
        SetUp();
        Vertex* a = vertexAt({40, 60});
        Vertex* b = vertexAt({100, 20});
        Vertex* c = vertexAt({200, 200});
        click(a);
        click(b, true);
        view->mouseDown(at(b), false);
        view->mouseMove({100 + k.drag.x, 20 + k.drag.y});
        EXPECT_TRUE(view->mouseUpAtLastPoint());
        EXPECT_EQ(at(a), k.a) << k.drag;
        EXPECT_EQ(at(b), k.b) << k.drag;
        EXPECT_EQ(at(c), k.c) << k.drag;
    }
}

TEST_F(InteractionFixture, RubberBandSelectsVerticesOnlyAndErasesItsFeedback) {
    Vertex* a = vertexAt({100, 100});
    Vertex* b = vertexAt({200, 100});
    Vertex* c = vertexAt({400, 100});
    Edge* ab = edge(a, b);

    EXPECT_FALSE(view->mouseDown({250, 50}, false));
    EXPECT_EQ(view->cursors.last, "cross");
    view->mouseMove({150, 80});
    view->mouseMove({50, 150});
    EXPECT_TRUE(view->mouseUp({50, 150}));
    EXPECT_EQ(view->cursors.last, "arrow");
    EXPECT_EQ(selectedVertices(), (std::vector<Vertex*>{b, a}));  // topmost first
    EXPECT_FALSE(flagged(c));
    EXPECT_TRUE(selectedEdges().empty());
    EXPECT_FALSE(flagged(ab));

    const auto drawn = view->tools.callsNamed("drawRectangleWithSelectedPen");
    ASSERT_EQ(drawn.size(), 4u);  // draw, erase and draw, erase
    EXPECT_EQ(drawn[0].rect, (Rect{150, 50, 250, 80}));
    for (const DrawCall& call : drawn) {
        EXPECT_EQ(call.colour, (RgbColor{80, 80, 80}));
        EXPECT_EQ(call.width, 1);
        EXPECT_TRUE(call.xorMode);
        EXPECT_TRUE(call.toScreen);
    }
    EXPECT_TRUE(allErased());

    // Ctrl adds c to the band's catch.
    view->mouseDown({350, 50}, true);
    view->mouseMove({450, 150});
    EXPECT_TRUE(view->mouseUp({450, 150}));
    EXPECT_EQ(selectedVertices(), (std::vector<Vertex*>{b, a, c}));
}

TEST_F(InteractionFixture, EmptyRubberBandClearsTheSelectionUnlessAdditive) {
    Vertex* a = vertexAt({100, 100});
    Vertex* b = vertexAt({200, 100});
    Edge* ab = edge(a, b);
    for (bool additive : {true, false}) {
        view->selectVertex(*view->findVertexEntry(a), false);
        view->selectEdge(view->findEdgeEntry(ab), true);
        view->mouseDown({300, 300}, additive);
        view->mouseMove({350, 350});
        EXPECT_FALSE(view->mouseUp({350, 350}));
        EXPECT_EQ(flagged(a), additive);
        EXPECT_EQ(flagged(ab), additive);
        EXPECT_EQ(view->selectedVertices().size(), additive ? 1u : 0u);
        EXPECT_EQ(view->selectedEdges().size(), additive ? 1u : 0u);
    }
    // A band without extent (a click on empty space) behaves alike and draws nothing.
    view->selectVertex(*view->findVertexEntry(a), false);
    view->tools.calls.clear();
    view->mouseDown({300, 300}, false);
    EXPECT_FALSE(view->mouseUp({300, 300}));
    EXPECT_FALSE(flagged(a));
    EXPECT_TRUE(view->tools.calls.empty());
}

TEST_F(InteractionFixture, ConnectingDrawsFeedbackAndCreatesTheEdge) {
    Vertex* a = vertexAt({100, 100});
    Vertex* b = vertexAt({300, 100});
    view->tools.memoryBufferEnabled = true;
    view->tools.drawToMemory();
    view->tools.setPenColor({1, 2, 3});

    view->beginConnectFrom(a, view->vertexViewProperties(a));
    EXPECT_EQ(view->cursors.last, "cross");
    EXPECT_FALSE(view->mouseMove({200, 200}));
    view->mouseMove({298, 102});  // over b
    EXPECT_EQ(view->interaction().target.vertex, b);

    const auto lines = view->tools.callsNamed("drawLineWithSelectedPen");
    ASSERT_EQ(lines.size(), 3u);  // drawn, erased, drawn to the new end
    EXPECT_EQ(lines[0].from, (Point{100, 100}));
    EXPECT_EQ(lines[0].to, (Point{200, 200}));
    EXPECT_EQ(lines[2].to, (Point{298, 102}));
    const auto boxes = view->tools.callsNamed("drawRectangleWithSelectedPen");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rect, (Rect{300 - 11, 100 - 11, 300 + 12, 100 + 12}));
    for (const DrawCall& call : view->tools.calls) {
        EXPECT_EQ(call.colour, (RgbColor{255, 255, 255}));
        EXPECT_EQ(call.width, 1);
        EXPECT_TRUE(call.xorMode);
        EXPECT_TRUE(call.toScreen);
    }
    // The tools are left as the paint expects them.
    EXPECT_TRUE(view->tools.isDrawingToMemory());
    EXPECT_EQ(view->tools.getPenColor(), (RgbColor{1, 2, 3}));

    EXPECT_TRUE(view->mouseDown({298, 102}, false));
    EXPECT_TRUE(allErased());
    EXPECT_EQ(view->cursors.last, "arrow");
    EXPECT_FALSE(view->interaction().connecting());
    ASSERT_EQ(doc->graph->edgeCount(), 1u);
    const Edge* created = doc->graph->edges().begin()->first;
    EXPECT_EQ(created->source, a);
    EXPECT_EQ(created->target, b);
    EXPECT_EQ(view->edgeMap().size(), 1u);

    // A press that finds no target creates nothing and ends the connection.
    view->beginConnectTo(b, view->vertexViewProperties(b));
    view->mouseMove({200, 300});
    EXPECT_FALSE(view->mouseDown({200, 300}, false));
    EXPECT_FALSE(view->interaction().connecting());
    EXPECT_EQ(doc->graph->edgeCount(), 1u);
    EXPECT_TRUE(allErased());
}

TEST_F(InteractionFixture, ConnectionsThatBreakTheForestAreRefused) {
    struct Case {
        int fixed, target;
        bool from;  // the fixed vertex is the source
        bool created;
    };
    // a -> b -> c, and d alone.
    const Case cases[] = {
        {2, 0, true, false},   // c -> a closes a cycle
        {0, 2, true, false},   // a -> c gives c a second parent inside its own tree
        {0, 2, false, false},  // c -> a, fixed end as target
        {1, 1, true, false},   // b -> b
        {3, 0, true, true},    // d -> a joins two trees
        {3, 2, false, true},   // c -> d
    };
    for (const Case& k : cases) {
        SetUp();
        std::vector<Vertex*> v;
        for (int i = 0; i < 4; ++i) v.push_back(vertexAt({100 + 100 * i, 100}));
        edge(v[0], v[1]);
        edge(v[1], v[2]);
        const std::vector<Edge*> before = [&] {
            std::vector<Edge*> out;
            for (const auto& slot : doc->graph->edges()) out.push_back(slot.first);
            return out;
        }();
        Vertex* fixed = v[k.fixed];
        if (k.from)
            view->beginConnectFrom(fixed, view->vertexViewProperties(fixed));
        else
            view->beginConnectTo(fixed, view->vertexViewProperties(fixed));
        view->mouseMove(at(v[k.target]));
        EXPECT_EQ(view->mouseDown(at(v[k.target]), false), k.created) << k.fixed << k.target;
        EXPECT_EQ(doc->graph->edgeCount(), before.size() + (k.created ? 1 : 0));
        for (Edge* e : before) EXPECT_TRUE(doc->graph->contains(*e));
        EXPECT_TRUE(nx::isForest(*doc->graph));
        EXPECT_EQ(view->edgeMap().size(), doc->graph->edgeCount());
    }

    // Without the forest rule the cycle stays.
    SetUp();
    view->setKeepForest(false);
    Vertex* a = vertexAt({100, 100});
    Vertex* b = vertexAt({200, 100});
    edge(a, b);
    view->beginConnectFrom(b, view->vertexViewProperties(b));
    view->mouseMove(at(a));
    EXPECT_TRUE(view->mouseDown(at(a), false));
    EXPECT_EQ(doc->graph->edgeCount(), 2u);
}

TEST_F(InteractionFixture, ContextMenuIsRefusedWhileConnectingAndOnceAfterCancel) {
    Vertex* a = vertexAt({100, 100});
    EXPECT_TRUE(view->contextMenuAllowed());
    view->beginConnectFrom(a, view->vertexViewProperties(a));
    view->mouseMove({200, 200});
    EXPECT_FALSE(view->contextMenuAllowed());
    EXPECT_FALSE(view->cancelConnect());
    EXPECT_FALSE(view->interaction().connecting());
    EXPECT_EQ(view->cursors.last, "arrow");
    EXPECT_TRUE(allErased());
    EXPECT_FALSE(view->contextMenuAllowed());
    EXPECT_TRUE(view->contextMenuAllowed());
    // Nothing to cancel: no refusal follows.
    view->cancelConnect();
    EXPECT_TRUE(view->contextMenuAllowed());
}

TEST_F(InteractionFixture, WithoutEditingClicksOnlySelect) {
    Vertex* a = vertexAt({100, 100});
    Vertex* b = vertexAt({200, 100});
    view->setInteractive(false);
    EXPECT_TRUE(view->mouseDown(at(a), false));
    EXPECT_FALSE(view->interaction().moving);
    EXPECT_FALSE(view->mouseMove({150, 150}));
    EXPECT_FALSE(view->mouseUp({150, 150}));
    EXPECT_EQ(at(a), (Point{100, 100}));
    EXPECT_EQ(selectedVertices(), std::vector<Vertex*>{a});

    // Ctrl does not toggle; a press on empty space deselects without a rubber band.
    EXPECT_FALSE(view->mouseDown(at(a), true));
    EXPECT_TRUE(flagged(a));
    view->mouseDown({400, 400}, false);
    EXPECT_FALSE(view->interaction().rubberBand);
    EXPECT_FALSE(flagged(a));

    // A connection begun before editing was switched off is dropped by the next press
    // rather than blocking the context menu for good.
    view->setInteractive(true);
    view->beginConnectFrom(a, view->vertexViewProperties(a));
    view->mouseMove(at(b));
    view->setInteractive(false);
    view->mouseDown({400, 400}, false);
    EXPECT_FALSE(view->interaction().connecting());
    EXPECT_TRUE(view->contextMenuAllowed());
    EXPECT_EQ(doc->graph->edgeCount(), 0u);
    EXPECT_TRUE(allErased());
}

// Two trees: select the second by rubber band, drag it, hang it below the first, and fail
// to close a cycle.
TEST_F(InteractionFixture, EditingSession) {
    Vertex* r1 = vertexAt({100, 100});
    Vertex* c1 = vertexAt({100, 200});
    Vertex* r2 = vertexAt({300, 100});
    Vertex* c2 = vertexAt({300, 200});
    edge(r1, c1);
    edge(r2, c2);

    view->mouseDown({250, 50}, false);
    view->mouseMove({350, 250});
    EXPECT_TRUE(view->mouseUp({350, 250}));
    EXPECT_EQ(selectedVertices(), (std::vector<Vertex*>{c2, r2}));

    EXPECT_FALSE(view->mouseDown(at(r2), false));
    view->mouseMove({320, 150});
    view->mouseMove({340, 200});
    EXPECT_TRUE(view->mouseUp({340, 200}));
    EXPECT_EQ(at(r2), (Point{340, 200}));
    EXPECT_EQ(at(c2), (Point{340, 300}));
    EXPECT_EQ(at(r1), (Point{100, 100}));

    view->beginConnectTo(r2, view->vertexViewProperties(r2));
    view->mouseMove({200, 200});
    view->mouseMove(at(c1));
    EXPECT_TRUE(view->mouseDown(at(c1), false));
    EXPECT_EQ(doc->graph->edgeCount(), 3u);
    EXPECT_EQ(nx::components(*doc->graph).size(), 1u);

    view->beginConnectFrom(c2, view->vertexViewProperties(c2));
    view->mouseMove(at(r1));
    EXPECT_FALSE(view->mouseDown(at(r1), false));
    EXPECT_EQ(doc->graph->edgeCount(), 3u);
    EXPECT_TRUE(nx::isForest(*doc->graph));
    EXPECT_TRUE(allErased());
    EXPECT_TRUE(view->contextMenuAllowed());
}

}  // namespace
}  // namespace nx::test
