// Graph view: entries, synchronising, coordinates, drawing order, drawing, extent, transforms.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <numbers>
#include <random>
#include <string>
#include <stdexcept>

#include "graph/error_texts.h"
#include "views/coordinate_range.h"
#include "views/dot_view.h"
#include "views/error_texts.h"
#include "views/recording_graph_view.h"
#include "views/straight_edge_view.h"
#include "views/vertex_view_factory.h"

namespace nx::test {
namespace {

struct GraphViewFixture : ::testing::Test {
    Document doc;
    std::unique_ptr<RecordingGraphView> view;

    void SetUp() override { makeView(); }
    void makeView() {
        view = std::make_unique<RecordingGraphView>(&doc.vertexViewSchema, &doc.edgeViewSchema);
        view->setGraph(doc.graph);
    }
    Vertex* vertexAt(Point p) {
        Vertex* v = doc.addVertex();
        view->synchronize();
        place(v, p);
        return v;
    }
    void place(Vertex* v, Point p) {
        view->setX(v, view->vertexViewProperties(v), p.x);
        view->setY(v, view->vertexViewProperties(v), p.y);
    }
    Point at(Vertex* v) { return view->devicePosition(v); }
    std::vector<Vertex*> order() {
        std::vector<Vertex*> out;
        for (const VertexViewEntry e : view->vertexSequence()) out.push_back(e.vertex);
        return out;
    }
    void select(Vertex* v) {
        view->setSelected(*view->findVertexEntry(v), true);
        view->rebuildSelection();
    }
    template <typename P>
    P& vertexValue(Vertex* v) {
        return valueOf<P>(view->vertexViewProperties(v));
    }
    void draw(Rect r = {0, 0, 1000, 1000}) {
        view->tools.calls.clear();
        view->draw(r);
    }
    // Ellipse outlines drawn at a vertex's position by the default square views' neighbours
    // are rectangles; count the outer light outline of each drawn square.
    std::size_t squaresAt(Point p) {
        std::size_t n = 0;
        for (const DrawCall& c : view->tools.callsNamed("drawRectangleWithSelectedPen"))
            n += c.rect == Rect{p.x - 9, p.y - 9, p.x + 9, p.y + 9};
        return n;
    }
};

TEST_F(GraphViewFixture, ParallelEdgesAreNumberedInEitherDirection) {
    Vertex* a = vertexAt({0, 0});
    Vertex* b = vertexAt({100, 0});
    Vertex* c = vertexAt({0, 100});
    std::vector<Edge*> edges;
    for (auto [from, to] : {std::pair{a, b}, {a, b}, {a, c}, {a, b}, {b, a}}) {
        edges.push_back(doc.addEdge(from, to));
        view->synchronize();
    }
    const int expected[] = {0, 1, 0, -1, 2};
    for (std::size_t i = 0; i < edges.size(); ++i)
        EXPECT_EQ(valueOf<AuxInt1>(view->edgeViewProperties(edges[i])).get(), expected[i]) << i;

    view->setSpreadParallelEdges(false);
    Edge* more = doc.addEdge(a, b);
    view->synchronize();
    EXPECT_EQ(valueOf<AuxInt1>(view->edgeViewProperties(more)).get(), 0);
}

TEST_F(GraphViewFixture, SynchronizeAppendsOnTopAndDropsRemovedElements) {
    Vertex* a = vertexAt({0, 0});
    Vertex* b = vertexAt({10, 0});
    Edge* e = doc.addEdge(a, b);
    view->synchronize();
    select(b);
    view->setSelected(view->findEdgeEntry(e), true);
    view->rebuildSelection();
    ASSERT_EQ(view->selectedVertices().size(), 1u);
    ASSERT_EQ(view->selectedEdges().size(), 1u);

    Vertex* c = vertexAt({20, 0});
    EXPECT_EQ(order(), (std::vector<Vertex*>{a, b, c}));
    doc.graph->removeVertex(*b);
    view->synchronize();
    EXPECT_EQ(order(), (std::vector<Vertex*>{a, c}));
    EXPECT_TRUE(view->selectedVertices().empty());
    EXPECT_TRUE(view->selectedEdges().empty());
    EXPECT_TRUE(view->edgeMap().empty());
    EXPECT_EQ(view->findVertexEntry(b), nullptr);
    EXPECT_EQ(view->findVertexEntry(c), &view->vertexSequence()[1]);
}

// What a view makes of the graph's notes must match what a full pass makes: a second view
// that hears nothing takes that pass every time. Edits come in runs of one to three
// between synchronisations, mixing kinds, re-adding removed members and bulk changes.
TEST_F(GraphViewFixture, NotedChangesLeaveWhatAFullPassLeaves) {
    RecordingGraphView oracle(&doc.vertexViewSchema, &doc.edgeViewSchema);
    oracle.setGraph(doc.graph);
    doc.graph->detach(&oracle);
    std::mt19937 rng(7);
    auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng); };
    std::vector<Vertex*> known;
    std::vector<Edge*> edges;
    std::size_t numbered = 0;
    auto members = [&] {
        std::vector<Vertex*> out;
        for (const auto& slot : doc.graph->vertices()) out.push_back(slot.first);
        return out;
    };
    auto snapshot = [](GraphView& v) {
        std::vector<std::string> out;
        for (const VertexViewEntry e : v.vertexSequence())
            out.push_back("v" + std::to_string(e.vertex->id) + "@" +
                          std::to_string(*v.vertexMap().find(e.vertex)));
        for (const auto& [edge, data] : v.edgeMap())
            out.push_back("e" + std::to_string(edge->id) + ":" +
                          std::to_string(valueOf<AuxInt1>(data.properties.get()).get()));
        for (const VertexViewEntry& e : v.selectedVertices()) out.push_back("sv" + std::to_string(e.vertex->id));
        for (const EdgeViewEntry& e : v.selectedEdges()) out.push_back("se" + std::to_string(e.edge->id));
        return out;
    };
    for (int round = 0; round < 1500; ++round) {
        const int runs = pick(4) ? 1 : 2 + static_cast<int>(pick(2));
        for (int k = 0; k < runs; ++k) {
            const std::vector<Vertex*> now = members();
            // Few vertices and edges mostly among the first three: many parallels.
            const std::size_t what = pick(20);
            auto end = [&] { return now[pick(std::min<std::size_t>(now.size(), pick(2) ? 3 : 8))]; };
            if (now.size() < 2 || (what < 5 && now.size() < 8)) {
                known.push_back(doc.addVertex());
            } else if (what < 12) {
                edges.push_back(doc.addEdge(end(), end()));
            } else if (what < 15 && doc.graph->edgeCount()) {
                doc.graph->removeEdge(*edges[pick(edges.size())]);
            } else if (what < 17) {
                doc.graph->removeVertex(*now[pick(now.size())]);
            } else if (what < 19) {
                doc.graph->addVertex(*known[pick(known.size())]);  // back after a removal
            } else if (pick(8) == 0) {
                doc.graph->removeSubtree(*now[pick(now.size())]);
            }
        }
        view->synchronize();
        oracle.synchronize();
        ASSERT_EQ(snapshot(*view), snapshot(oracle)) << round;
        for (const auto& [edge, data] : view->edgeMap())
            numbered += valueOf<AuxInt1>(data.properties.get()).get() != 0;
        if (round % 5 == 0 && !view->vertexSequence().empty()) {
            const std::size_t i = pick(view->vertexSequence().size());
            for (GraphView* v : {static_cast<GraphView*>(view.get()), static_cast<GraphView*>(&oracle)}) {
                v->setSelected(v->vertexSequence()[i], true);
                if (!v->edgeMap().empty())
                    v->setSelected(v->findEdgeEntry(v->edgeMap().begin()->first), true);
                v->rebuildSelection();
            }
        }
    }
    EXPECT_GT(numbered, 100u) << numbered;  // the runs met parallel edges often
}

TEST_F(GraphViewFixture, MissingEntriesFailWithTheirMessages) {
    Vertex* stranger = doc.space.vertexFactory().create();
    Edge* loose = doc.space.edgeFactory().create(stranger, stranger);
    auto message = [](const std::function<void()>& f) {
        try {
            f();
        } catch (const std::runtime_error& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { view->vertexViewProperties(stranger); }),
              nx::error_texts::kVertexPropertiesNotFound);
    EXPECT_EQ(message([&] { view->edgeViewProperties(loose); }),
              nx::error_texts::kEdgePropertiesNotFound);
    const std::string notInGraph = "Vertex " + std::to_string(stranger->id) +
                                   " does not belong to graph " + std::to_string(doc.graph->id) +
                                   "\n";
    EXPECT_EQ(message([&] { view->vertexView(stranger); }), notInGraph);
    EXPECT_EQ(message([&] { view->setVertexView(stranger, nullptr); }), notInGraph);
    EXPECT_EQ(message([&] { view->setEdgeView(loose, nullptr); }),
              "Edge " + std::to_string(loose->id) + " does not belong to graph " +
                  std::to_string(doc.graph->id) + "\n");
}

TEST_F(GraphViewFixture, CoordinatesFallBackToTheGraphLevel) {
    Document graphLevel(false);
    graphLevel.graphVertexSchema.add(X());
    graphLevel.graphVertexSchema.add(Y());
    graphLevel.graphVertexSchema.add(Selected());
    graphLevel.vertexViewSchema.add(Y());  // the view level wins where it has the property
    Vertex* v = graphLevel.addVertex();
    RecordingGraphView gv(&graphLevel.vertexViewSchema, &graphLevel.edgeViewSchema);
    gv.setGraph(graphLevel.graph);
    ActualProperties* p = gv.vertexViewProperties(v);
    gv.setX(v, p, 70);
    gv.setY(v, p, 30);
    EXPECT_EQ(valueOf<X>(&graphLevel.graph->vertexProperties(*v)).get(), 70);
    EXPECT_EQ(valueOf<Y>(&graphLevel.graph->vertexProperties(*v)).get(), 50);
    EXPECT_EQ(valueOf<Y>(p).get(), 30);
    EXPECT_EQ(gv.addX(v, p, 5), 75);
    EXPECT_EQ(gv.getZ(v, p), 0);  // no Z anywhere: reads 0
    gv.setZ(v, p, 3);             // and writes nothing
    EXPECT_EQ(gv.getZ(v, p), 0);
    EXPECT_TRUE(gv.setSelected(*gv.findVertexEntry(v), true));
    EXPECT_FALSE(gv.setSelected(*gv.findVertexEntry(v), true));
    EXPECT_TRUE(gv.isSelected(v, p));
    gv.setScaleX(1.5f);
    EXPECT_EQ(gv.devicePosition(v), (Point{112, 30}));  // trunc(75 x 1.5)
}

TEST_F(GraphViewFixture, DrawingOrderOperationsSwapEntries) {
    Vertex* a = vertexAt({0, 0});
    Vertex* b = vertexAt({0, 0});
    Vertex* c = vertexAt({0, 0});
    using Op = void (GraphView::*)(Vertex*);
    struct Case {
        Op op;
        Vertex* v;
        std::vector<Vertex*> expected;
    };
    const Case cases[] = {
        {&GraphView::bringToFront, a, {c, b, a}}, {&GraphView::bringToFront, c, {a, b, c}},
        {&GraphView::bringForward, a, {b, a, c}}, {&GraphView::bringForward, c, {a, b, c}},
        {&GraphView::sendBackward, c, {a, c, b}}, {&GraphView::sendBackward, a, {a, b, c}},
        {&GraphView::sendToBack, c, {c, b, a}},   {&GraphView::sendToBack, a, {a, b, c}},
    };
    for (const Case& k : cases) {
        view->setGraph(nullptr);
        view->setGraph(doc.graph);
        (view.get()->*k.op)(k.v);
        EXPECT_EQ(order(), k.expected);
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_EQ(view->findVertexEntry(k.expected[i]), &view->vertexSequence()[i]);
    }
    // A stored order is restored by placing each vertex in turn.
    const std::vector<Vertex*> stored = {c, a, b};
    for (std::size_t i = 0; i < stored.size(); ++i)
        EXPECT_TRUE(view->placeInSequence(stored[i], i));
    EXPECT_EQ(order(), stored);
    EXPECT_FALSE(view->placeInSequence(a, 3));
}

TEST_F(GraphViewFixture, FlipsMirrorWithinTheRange) {
    Vertex* a = vertexAt({10, 5});
    Vertex* b = vertexAt({10, 25});
    EXPECT_FALSE(view->flipHorizontal());
    EXPECT_EQ(at(a), (Point{10, 5}));
    Vertex* c = vertexAt({40, 5});
    EXPECT_TRUE(view->flipHorizontal());
    EXPECT_EQ(at(a), (Point{40, 5}));
    EXPECT_EQ(at(c), (Point{10, 5}));
    EXPECT_TRUE(view->flipVertical());
    EXPECT_EQ(at(b), (Point{40, 5}));
    EXPECT_EQ(at(c), (Point{10, 25}));
}

TEST_F(GraphViewFixture, RotationKeepsTheTopLeftCorner) {
    Vertex* a = vertexAt({0, 0});
    Vertex* b = vertexAt({100, 0});
    Vertex* c = vertexAt({100, 50});
    EXPECT_TRUE(view->rotate(std::numbers::pi_v<float> / 2));
    // Centre (50, 25); -24.5 truncates towards zero, so the height becomes 99.
    EXPECT_EQ(at(a), (Point{50, 0}));
    EXPECT_EQ(at(b), (Point{50, 99}));
    EXPECT_EQ(at(c), (Point{0, 99}));

    for (Vertex* v : {a, b, c}) place(v, {7, 7});
    EXPECT_FALSE(view->rotate(1.0f));
}

// Flips and turns near the limits, and of positions a host set beyond them, end inside
// the coordinate range; a turned drawing too wide to keep its left edge moves back in.
TEST(GraphViewRange, TransformsKeepPositionsInsideTheCoordinateRange) {
    constexpr int L = kCoordinateLimit;
    using Transform = std::function<bool(GraphView&)>;
    const Transform flipH = [](GraphView& v) { return v.flipHorizontal(); };
    const Transform flipV = [](GraphView& v) { return v.flipVertical(); };
    const Transform turn = [](GraphView& v) { return v.rotate(1.5707964f); };
    struct Case {
        const char* name;
        std::vector<Point> from;
        Transform transform;
        std::vector<Point> to;
        int tolerance;  // single-precision rounding of positions near the limits
    };
    const Case cases[] = {
        {"flip at the limits", {{-L, 0}, {L, 0}, {5, 0}}, flipH, {{L, 0}, {-L, 0}, {-5, 0}}, 0},
        {"flip beyond them",
         {{INT_MIN, 1}, {INT_MAX, 2}, {0, 3}},
         flipH,
         {{L, 1}, {-L, 2}, {-1, 3}},
         0},
        {"vertical flip beyond them", {{1, INT_MIN}, {2, INT_MAX}}, flipV, {{1, L}, {2, -L}}, 0},
        {"turn of a tall drawing at the right edge",
         {{900000000, -L}, {L, L}},
         turn,
         {{L, -L}, {-L, -900000000}},
         256},
        {"turn beyond them", {{INT_MIN, 0}, {INT_MAX, 10}}, turn, {{-L, -L}, {-L, L}}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Document doc;
        RecordingGraphView view(&doc.vertexViewSchema, &doc.edgeViewSchema);
        view.setGraph(doc.graph);
        std::vector<Vertex*> vertices;
        for (const Point p : c.from) {
            vertices.push_back(doc.addVertex());
            view.synchronize();
            ActualProperties* values = view.vertexViewProperties(vertices.back());
            view.setX(vertices.back(), values, p.x);
            view.setY(vertices.back(), values, p.y);
        }
        EXPECT_TRUE(c.transform(view));
        for (std::size_t i = 0; i < vertices.size(); ++i) {
            const Point p = view.devicePosition(vertices[i]);
            EXPECT_TRUE(inCoordinateRange(p.x) && inCoordinateRange(p.y)) << i;
            EXPECT_NEAR(p.x, c.to[i].x, c.tolerance) << i;
            EXPECT_NEAR(p.y, c.to[i].y, c.tolerance) << i;
        }
    }
}

// Moves stop at the range's edge; printing scales positions by about 12, and far ones
// stay at the edge.
TEST_F(GraphViewFixture, MovedAndScaledPositionsStayInsideTheCoordinateRange) {
    Vertex* near = vertexAt({1000, -7});
    Vertex* far = vertexAt({kCoordinateLimit - 3, -kCoordinateLimit + 3});
    ActualProperties* values = view->vertexViewProperties(far);
    EXPECT_EQ(view->addX(far, values, 5), kCoordinateLimit);
    EXPECT_EQ(view->addY(far, values, INT_MIN), -kCoordinateLimit);
    EXPECT_EQ(view->addX(far, values, -10), kCoordinateLimit - 10);
    view->addX(far, values, 10);
    view->setScale(11.811f, 11.811f);
    EXPECT_EQ(at(near), (Point{int(1000 * double(11.811f)), int(-7 * double(11.811f))}));
    EXPECT_EQ(at(far), (Point{kCoordinateLimit, -kCoordinateLimit}));
}

TEST_F(GraphViewFixture, ExtentCoversTheUpdateRectangles) {
    RecordingGraphView empty(&doc.vertexViewSchema, &doc.edgeViewSchema);
    EXPECT_EQ(empty.extent(), (Rect{}));
    empty.draw({0, 0, 100, 100});
    EXPECT_TRUE(empty.tools.calls.empty());

    EXPECT_EQ(view->extent(), (Rect{}));  // no vertices
    vertexAt({100, 50});
    EXPECT_EQ(view->extent(), (Rect{89, 39, 111, 61}));
    vertexAt({-20, 10});
    EXPECT_EQ(view->extent(), (Rect{-31, -1, 111, 61}));
}

TEST_F(GraphViewFixture, DrawCullsVerticesAndEdgesOutsideTheArea) {
    Vertex* a = vertexAt({100, 100});
    Vertex* b = vertexAt({900, 100});
    Vertex* far = vertexAt({900, 900});
    doc.addEdge(a, b);
    doc.addEdge(b, far);
    view->synchronize();
    draw({400, 50, 600, 150});  // only the middle of the first edge
    EXPECT_EQ(squaresAt(at(a)), 0u);
    EXPECT_EQ(squaresAt(at(b)), 0u);
    EXPECT_EQ(view->tools.callsNamed("lineToWithSelectedPen").size(), 4u);  // one edge

    draw({-1000, -1000, 150, 150});  // reversed corners are normalised
    EXPECT_EQ(squaresAt(at(a)), 1u);
    view->setPrinting(true);
    draw({0, 0, 1, 1});
    EXPECT_EQ(squaresAt(at(far)), 1u);
    EXPECT_EQ(view->tools.callsNamed("lineToWithSelectedPen").size(), 8u);
}

TEST_F(GraphViewFixture, FadingBlendsSkipsOrIsOverridden) {
    Vertex* v = vertexAt({100, 100});
    view->tools.setBackgroundColor({255, 255, 255});
    struct Case {
        int fading;
        bool unfaded, selected;
        std::size_t drawn;
        RgbColor light;  // the light outline of the grey square
    };
    const Case cases[] = {
        {0, false, false, 1, {204, 204, 204}},   {50, false, false, 1, {229, 229, 229}},
        {99, false, false, 1, {254, 254, 254}},  {100, false, false, 0, {}},
        {100, true, false, 1, {204, 204, 204}},  {100, false, true, 1, {204, 204, 204}},
        {-40, false, false, 1, {204, 204, 204}},
    };
    for (const Case& c : cases) {
        vertexValue<Fading>(v).set(c.fading);
        vertexValue<Unfaded>(v).set(c.unfaded);
        vertexValue<Selected>(v).set(c.selected);
        draw();
        ASSERT_EQ(squaresAt(at(v)), c.drawn) << c.fading;
        if (c.drawn) {
            for (const DrawCall& call : view->tools.callsNamed("drawRectangleWithSelectedPen"))
                if (call.rect == Rect{91, 91, 109, 109}) {
                    EXPECT_EQ(call.colour, c.light) << c.fading;
                }
        }
        EXPECT_EQ(view->tools.fadingLevel, 0);
        EXPECT_EQ(view->tools.fadingRatio, 0.0);
    }
}

TEST_F(GraphViewFixture, SchemaWithoutFadingDrawsEverything) {
    Document plain(false);
    plain.vertexViewSchema.add(X());
    plain.vertexViewSchema.add(Y());
    Vertex* v = plain.addVertex();
    RecordingGraphView gv(&plain.vertexViewSchema, &plain.edgeViewSchema);
    gv.setGraph(plain.graph);
    gv.setX(v, gv.vertexViewProperties(v), 50);
    gv.draw({0, 0, 100, 100});
    EXPECT_FALSE(gv.tools.callsNamed("drawRectangleWithSelectedPen").empty());
}

TEST_F(GraphViewFixture, SelectedVertexGetsFourCornerSquares) {
    Vertex* v = vertexAt({100, 50});
    select(v);
    draw();
    // Contour offsets (-10, -10) and (10, 10) + 1: corners at 90 and 111.
    std::vector<Rect> black, white;
    for (const DrawCall& c : view->tools.calls) {
        if (c.op == "fillRectangle" && c.colour == RgbColor{0, 0, 0}) black.push_back(c.rect);
        if (c.op == "drawRectangleWithSelectedPen" && c.colour == RgbColor{255, 255, 255})
            white.push_back(c.rect);
    }
    const std::vector<Rect> corners = {
        {87, 37, 93, 43}, {87, 58, 93, 64}, {108, 37, 114, 43}, {108, 58, 114, 64}};
    EXPECT_EQ(black, corners);
    EXPECT_EQ(white, corners);
}

TEST_F(GraphViewFixture, SelectedEdgeGetsHandlesAtItsEnds) {
    Vertex* a = vertexAt({100, 100});
    Vertex* b = vertexAt({200, 100});
    Edge* e = doc.addEdge(a, b);
    view->synchronize();
    view->setSelected(view->findEdgeEntry(e), true);
    draw();
    auto find = [&](const char* op, Rect r, RgbColor colour) {
        return std::count_if(
            view->tools.calls.begin(), view->tools.calls.end(),
            [&](const DrawCall& c) { return c.op == op && c.rect == r && c.colour == colour; });
    };
    const RgbColor black{0, 0, 0}, white{255, 255, 255};
    EXPECT_EQ(find("fillRectangle", {106, 96, 115, 105}, white), 1);  // first point (110, 100)
    EXPECT_EQ(find("drawRectangleWithSelectedPen", {106, 96, 115, 105}, black), 1);
    EXPECT_EQ(find("drawRectangleWithSelectedPen", {108, 98, 113, 103}, black), 1);
    EXPECT_EQ(find("fillRectangle", {186, 96, 195, 105}, black), 1);  // last point (190, 100)
    EXPECT_EQ(find("drawRectangleWithSelectedPen", {187, 97, 194, 104}, white), 1);
}

TEST_F(GraphViewFixture, HitTestsAndAreaQueries) {
    Vertex* a = vertexAt({100, 100});
    Vertex* b = vertexAt({105, 100});  // on top of a
    Vertex* c = vertexAt({300, 100});
    Edge* e = doc.addEdge(b, c);
    view->synchronize();
    EXPECT_EQ(view->vertexAt({98, 100}).vertex, b);
    view->sendToBack(b);
    EXPECT_EQ(view->vertexAt({98, 100}).vertex, a);
    EXPECT_EQ(view->vertexAt({200, 100}).vertex, nullptr);
    EXPECT_EQ(view->edgeAt({200, 101}).edge, e);
    EXPECT_EQ(view->edgeAt({200, 110}).edge, nullptr);

    // Half size 9 + 1 = 10 of slack around the rectangle.
    EXPECT_EQ(view->verticesInRect({0, 0, 90, 90}).size(), 1u);
    EXPECT_EQ(view->verticesInRect({0, 0, 89, 90}).size(), 0u);
    const auto all = view->verticesInRect({0, 0, 400, 400});
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all.front().vertex, c);  // topmost first
    EXPECT_EQ(view->edgesInRect({190, 95, 210, 101}).size(), 1u);
    EXPECT_TRUE(view->edgesInRect({190, 90, 210, 100}).empty());  // right and bottom exclusive
    EXPECT_TRUE(view->edgesInRect({190, 300, 210, 310}).empty());

    view->setVisibleArea({250, 0}, 100, 200);
    const auto visible = view->verticesInVisibleArea();
    ASSERT_EQ(visible.size(), 1u);
    EXPECT_EQ(visible[0].vertex, c);
    EXPECT_EQ(view->edgesInVisibleArea().size(), 1u);
}

TEST_F(GraphViewFixture, ViewsAreCountedAndTheGraphIsDetachedOnDestruction) {
    Vertex* v = vertexAt({0, 0});
    VertexView* standard = view->vertexView(v);
    const std::size_t before = standard->referenceCount();
    vertexAt({10, 10});
    EXPECT_EQ(standard->referenceCount(), before + 1);
    ViewRef<VertexView> made = vertexViewFactory().getCircleDotView(false, 0, 0, 0, 0, 3);
    VertexView* circle = made.get();
    view->setVertexView(v, std::move(made));
    EXPECT_EQ(standard->referenceCount(), before);
    EXPECT_EQ(view->vertexView(v), circle);
    view->setGraph(nullptr);
    EXPECT_EQ(standard->referenceCount(), before - 1);  // only the default slot remains
    EXPECT_EQ(circle->referenceCount(), 0u);
    EXPECT_TRUE(doc.graph->observers().empty());
    view->setGraph(doc.graph);
    EXPECT_EQ(doc.graph->observers().size(), 1u);
    view.reset();
    EXPECT_TRUE(doc.graph->observers().empty());
}

TEST_F(GraphViewFixture, MissingViewsFailWhileDrawing) {
    Vertex* a = vertexAt({0, 0});
    Vertex* b = vertexAt({10, 0});
    Edge* e = doc.addEdge(a, b);
    view->synchronize();
    view->setEdgeView(e, nullptr);
    EXPECT_THROW(
        {
            try {
                view->draw({0, 0, 100, 100});
            } catch (const std::runtime_error& x) {
                EXPECT_STREQ(x.what(), nx::error_texts::kEdgeViewClassUnknown);
                throw;
            }
        },
        std::runtime_error);
    view->setEdgeView(e, view->defaultEdgeView());
    view->setVertexView(a, nullptr);
    EXPECT_THROW(view->extent(), std::runtime_error);
    EXPECT_THROW(view->draw({0, 0, 100, 100}), std::runtime_error);
    view->setVertexView(a, view->defaultVertexView());
    view->draw({0, 0, 100, 100});  // the mutex was released by the failures
}

}  // namespace
}  // namespace nx::test
