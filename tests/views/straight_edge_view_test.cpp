// Straight edge view: ends on the vertex outlines, bends, loops, arrowheads, labels, hits.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "views/edge_view_factory.h"
#include "views/error_texts.h"
#include "views/recording_graph_view.h"
#include "views/straight_edge_view.h"

namespace nx::test {
namespace {

// Two default (square, size 9) vertices at (100, 100) and (200, 100).
struct EdgeFixture : ::testing::Test {
    Document doc;
    EdgeViewFactory factory;
    std::unique_ptr<RecordingGraphView> view;
    Vertex* a = nullptr;
    Vertex* b = nullptr;
    StraightEdgeView* edgeView = nullptr;

    void SetUp() override {
        doc.edgeSchema.add(Name());
        doc.edgeSchema.add(Weight());
        a = doc.addVertex();
        b = doc.addVertex();
        view = std::make_unique<RecordingGraphView>(&doc.vertexViewSchema, &doc.edgeViewSchema);
        view->setGraph(doc.graph);
        place(a, {100, 100});
        place(b, {200, 100});
        edgeView = static_cast<StraightEdgeView*>(factory.getStraightEdgeView(1).get());
    }
    void place(Vertex* v, Point p) {
        view->setX(v, view->vertexViewProperties(v), p.x);
        view->setY(v, view->vertexViewProperties(v), p.y);
    }
    Edge* connect(Vertex* from, Vertex* to, int parallelIndex = 0) {
        Edge* e = doc.addEdge(from, to);
        view->synchronize();
        valueOf<AuxInt1>(view->edgeViewProperties(e)).set(parallelIndex);
        return e;
    }
    EdgeGeometry geometry(Edge* e) {
        return edgeView->geometry(e, *view, view->edgeViewProperties(e),
                                  view->devicePosition(e->source), view->devicePosition(e->target));
    }
    bool hits(Edge* e, Point p) {
        return edgeView->hitTest(e, *view, view->edgeViewProperties(e),
                                 view->devicePosition(e->source), view->devicePosition(e->target),
                                 p);
    }
};

TEST_F(EdgeFixture, HorizontalEdgeRunsBetweenTheOutlinesWithAnArrowAtTheTarget) {
    Edge* e = connect(a, b);
    const EdgeGeometry g = geometry(e);
    ASSERT_EQ(g.main.count, 2);
    EXPECT_EQ(g.main[0], (Point{110, 100}));
    EXPECT_EQ(g.main[1], (Point{190, 100}));
    EXPECT_EQ(g.companion[0], (Point{110, 101}));
    EXPECT_EQ(g.companion[1], (Point{190, 101}));
    ASSERT_EQ(g.mainArrow.count, 3);
    EXPECT_EQ(g.mainArrow[0], (Point{177, 104}));
    EXPECT_EQ(g.mainArrow[1], (Point{190, 100}));
    EXPECT_EQ(g.mainArrow[2], (Point{177, 96}));

    // Right to left: the arrowhead opens the other way.
    Edge* back = connect(b, a);
    const EdgeGeometry r = geometry(back);
    EXPECT_EQ(r.mainArrow[1], (Point{110, 100}));
    EXPECT_EQ(r.mainArrow[0], (Point{123, 96}));
}

TEST_F(EdgeFixture, DrawingUsesTwoSelectedPensAndReportsTheMainLine) {
    Edge* e = connect(a, b);
    std::vector<Point> points;
    edgeView->draw(e, *view, view->edgeViewProperties(e), {100, 100}, {200, 100}, &points);
    EXPECT_EQ(points, (std::vector<Point>{{110, 100}, {190, 100}}));
    EXPECT_EQ(view->tools.penSelections, 2);
    EXPECT_EQ(view->tools.selectedPen(), nullptr);
    const auto lines = view->tools.callsNamed("lineToWithSelectedPen");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].colour, (RgbColor{255, 184, 148}));  // companion in the light tone
    EXPECT_EQ(lines[2].colour, (RgbColor{212, 82, 64}));    // main line in the dark tone
    EXPECT_EQ(lines[2].from, (Point{110, 100}));
    EXPECT_EQ(lines[2].to, (Point{190, 100}));
}

TEST_F(EdgeFixture, LabelsSitAboveAndBelowAHorizontalEdge) {
    Edge* e = connect(a, b);
    valueOf<Name>(e->properties).set(u"AB");
    edgeView->draw(e, *view, view->edgeViewProperties(e), {100, 100}, {200, 100}, nullptr);
    const auto texts = view->tools.callsNamed("drawText");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, u"AB");
    EXPECT_EQ(texts[0].rect, (Rect{142, 84, 158, 96}));  // code 8, 4 pixels up
    EXPECT_EQ(texts[0].colour, (RgbColor{64, 64, 64}));
    EXPECT_EQ(texts[1].text, u"1");
    EXPECT_EQ(texts[1].rect, (Rect{146, 104, 154, 116}));  // code 2, 4 pixels down
    EXPECT_EQ(texts[1].colour, (RgbColor{128, 128, 128}));
}

TEST_F(EdgeFixture, LabelPlacementCodesFollowTheDirection) {
    // Text (10, 6) on straight lines, so the anchor is the midpoint.
    auto rect = [&](Point p0, Point p2, int side) {
        return edgeView->getTextRectangle(p0, p0, p2, {10, 6}, side);
    };
    EXPECT_EQ(rect({0, 0}, {100, 0}, -1), (Rect{44, -10, 56, -4}));  // code 8 at (50, -4)
    EXPECT_EQ(rect({100, 0}, {0, 0}, -1), (Rect{44, 4, 56, 10}));    // code 2 at (50, 4)
    EXPECT_EQ(rect({0, 0}, {0, 100}, -1), (Rect{4, 46, 14, 54}));    // code 4 at (4, 50)
    EXPECT_EQ(rect({0, 100}, {0, 0}, -1), (Rect{-14, 46, -4, 54}));  // code 6 at (-4, 50)
    EXPECT_EQ(rect({0, 0}, {100, 0}, 0), (Rect{44, -4, 56, 4}));     // code 5
    // Down-right at 45 degrees: offset (-2, 2) for the name, code 7.
    EXPECT_EQ(rect({0, 0}, {100, 100}, -1), (Rect{52, 42, 62, 48}));
    // Up-left, weight side: offset (2, -2), code 7 as well.
    EXPECT_EQ(rect({100, 100}, {0, 0}, 1), (Rect{52, 42, 62, 48}));
}

TEST_F(EdgeFixture, ParallelIndicesBendTheEdgeAndLargeOnesFoldBack) {
    struct Case {
        int index;
        int bendY;
    };
    // d = 80; the bend rises by trunc(sin(phi) x 40 / cos(phi)).
    const Case cases[] = {
        {1, 112},  // phi = pi/10: 40 tan(pi/10) = 12.997
        {-1, 88},
        {4, 117},  // 4 pi/10 is not below pi/3: 4 pi/10 / 3
        {-5, 77},  // negative indices fold back too (-pi/2 / 3)
    };
    for (const Case& c : cases) {
        Edge* e = connect(a, b, c.index);
        const EdgeGeometry g = geometry(e);
        ASSERT_TRUE(g.bent) << c.index;
        ASSERT_EQ(g.main.count, 3);
        EXPECT_EQ(g.main[1].y, c.bendY) << c.index;
        EXPECT_NEAR(g.main[1].x, 150, 1) << c.index;
        EXPECT_EQ(g.companion[1].y, c.bendY + 1) << c.index;
    }
}

TEST_F(EdgeFixture, EdgeWithoutParallelIndexIsStraight) {
    doc.edgeViewSchema.clear();
    doc.edgeViewSchema.add(Selected());
    RecordingGraphView plain(&doc.vertexViewSchema, &doc.edgeViewSchema);
    Edge* e = doc.addEdge(a, b);
    plain.setGraph(doc.graph);
    EXPECT_EQ(edgeView->parallelIndex(plain.edgeViewProperties(e)), 0);
    EXPECT_EQ(edgeView->parallelIndex(nullptr), 0);
    const EdgeGeometry g =
        edgeView->geometry(e, plain, plain.edgeViewProperties(e), {100, 100}, {200, 100});
    EXPECT_FALSE(g.bent);
    EXPECT_EQ(g.main.count, 2);
}

TEST_F(EdgeFixture, LoopsStartAtPiOverSixAndStepByTheBend) {
    for (int index : {0, 1}) {
        Edge* loop = connect(a, a, index);
        const EdgeGeometry g = geometry(loop);
        ASSERT_TRUE(g.loop);
        ASSERT_EQ(g.main.count, 4);
        const double start = 0.5235987755982988 + index * StraightEdgeView::kBendStep;
        EXPECT_NEAR(std::atan2(g.q0.y - 100, g.q0.x - 100), start, 0.01) << index;
        EXPECT_NEAR(std::atan2(g.q1.y - 100, g.q1.x - 100), start + StraightEdgeView::kBendStep / 2,
                    0.01)
            << index;
        EXPECT_NEAR(std::hypot(g.q0.x - 100, g.q0.y - 100), 144, 1.5);  // 8 x 18
        EXPECT_EQ(g.main[1], g.q0);
        EXPECT_EQ(g.main[2], g.q1);
        EXPECT_EQ(g.mainArrow[1], g.main[3]);
    }
}

TEST_F(EdgeFixture, HitTestUsesTheWidenedSegmentBoxAndTheDistance) {
    Edge* e = connect(a, b);
    EXPECT_TRUE(hits(e, {150, 100}));
    EXPECT_TRUE(hits(e, {150, 99}));
    EXPECT_FALSE(hits(e, {150, 98}));  // squared distance 4, but outside the box
    EXPECT_FALSE(hits(e, {105, 100}));
    place(b, {200, 200});
    // Main line (110, 110)-(190, 190): |x - y| = 3 gives 4.5, 4 gives 8.
    EXPECT_TRUE(hits(e, {150, 147}));
    EXPECT_FALSE(hits(e, {150, 146}));
}

TEST_F(EdgeFixture, NearTheEndsAndUpdateRectangle) {
    Edge* e = connect(a, b);
    ActualProperties* p = view->edgeViewProperties(e);
    EXPECT_TRUE(edgeView->isNearStart(e, *view, p, {100, 100}, {200, 100}, {114, 104}));
    EXPECT_FALSE(edgeView->isNearStart(e, *view, p, {100, 100}, {200, 100}, {115, 100}));
    EXPECT_TRUE(edgeView->isNearEnd(e, *view, p, {100, 100}, {200, 100}, {186, 96}));
    // The edge schema has Name and Weight: "1" is 40 wide; 140 above and below.
    EXPECT_EQ(edgeView->getUpdateRectangle(e, *view, p), (Rect{70, -40, 231, 242}));
    doc.edgeSchema.clear();
    e->properties = ActualProperties::make(doc.edgeSchema);
    edgeView->resetPropertyIndices();
    EXPECT_EQ(edgeView->getUpdateRectangle(e, *view, p), (Rect{110, 100, 191, 102}));
}

TEST(StraightEdgeView, ColourErrors) {
    EdgeViewFactory factory;
    for (int colour : {-1, 5}) {
        try {
            factory.getStraightEdgeView(colour);
            FAIL();
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), nx::error_texts::kStraightEdgeIncorrectColor);
        }
    }
    EXPECT_EQ(factory.size(), 0u);
}

}  // namespace
}  // namespace nx::test
