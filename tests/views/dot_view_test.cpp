// Dot vertex views: scaled geometry, shapes and fills, labels, bounds and contour points.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "views/dot_shapes.h"
#include "views/error_texts.h"
#include "views/recording_graph_view.h"
#include "views/vertex_view_factory.h"

namespace nx::test {
namespace {

// One vertex at (100, 50) in a view drawn by the recording tools.
struct DotFixture : ::testing::Test {
    Document doc;
    VertexViewFactory factory;  // outlives the view, which releases its views
    std::unique_ptr<RecordingGraphView> view;
    Vertex* v = nullptr;

    void SetUp() override {
        doc.vertexSchema.add(Name());
        doc.vertexSchema.add(Weight());
        v = doc.addVertex();
        view = std::make_unique<RecordingGraphView>(&doc.vertexViewSchema, &doc.edgeViewSchema);
        view->setGraph(doc.graph);
        view->setX(v, props(), 100);
        view->setY(v, props(), 50);
    }
    ActualProperties* props() { return view->vertexViewProperties(v); }
    void setName(const std::u16string& name) { valueOf<Name>(v->properties).set(name); }
    // A vertex schema without the label properties.
    void dropLabels() {
        doc.vertexSchema.clear();
        v->properties = ActualProperties::make(doc.vertexSchema);
    }
    DotView* dot(int classId, bool filled, int size, int namePos = 2, int weightPos = 6) {
        ViewRef<VertexView> made =
            factory.getDotView(classId, {filled, 4, 1, namePos, weightPos, size});
        auto* d = dynamic_cast<DotView*>(made.get());
        view->setVertexView(v, std::move(made));
        return d;
    }
    std::vector<DrawCall> drawn(DotView* d) {
        view->tools.calls.clear();
        d->draw(v, *view, props());
        return view->tools.calls;
    }
};

TEST_F(DotFixture, CircleOfSizeNineIsAShadowAndALightRing) {
    DotView* d = dot(2, false, 9);
    const auto calls = drawn(d);
    const auto ellipses = view->tools.callsNamed("drawEllipseWithSelectedPen");
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[0].rect, (Rect{92, 42, 110, 60}));
    EXPECT_EQ(ellipses[0].colour, (RgbColor{82, 82, 82}));
    EXPECT_EQ(ellipses[0].width, 2);
    EXPECT_EQ(ellipses[1].rect, (Rect{91, 41, 109, 59}));
    EXPECT_EQ(ellipses[1].colour, (RgbColor{204, 204, 204}));
    EXPECT_EQ(view->tools.selectedPen(), nullptr);  // released at the end

    // Printing at twice the scale: position, halves, pen unit and width all double.
    view->setScale(2.0f, 2.0f);
    drawn(d);
    const auto scaled = view->tools.callsNamed("drawEllipseWithSelectedPen");
    ASSERT_EQ(scaled.size(), 2u);
    EXPECT_EQ(scaled[0].rect, (Rect{184, 84, 220, 120}));
    EXPECT_EQ(scaled[0].width, 4);
    EXPECT_EQ(scaled[1].rect, (Rect{182, 82, 218, 118}));
}

TEST_F(DotFixture, OffsetsAndBevelStepsScaleByTruncation) {
    DotView* d = dot(1, true, 9);
    struct Case {
        float scale;
        int offsets[5], bevels[5], half, penUnit;
    };
    const Case cases[] = {
        {1.0f, {2, 3, 4, 5, 6}, {2, 3, 4, 5, 6}, 9, 1},
        {2.0f, {4, 6, 8, 10, 12}, {3, 5, 7, 9, 11}, 18, 2},
    };
    for (const Case& c : cases) {
        view->setScale(c.scale, c.scale);
        const DotGeometry g = d->geometry(*view);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(g.offset(i + 2), (Point{c.offsets[i], c.offsets[i]})) << c.scale;
            EXPECT_EQ(g.bevel(i + 1), (Point{c.bevels[i], c.bevels[i]})) << c.scale;
        }
        EXPECT_EQ(g.halfWidth, c.half);
        EXPECT_EQ(g.penUnit, c.penUnit);
    }
}

TEST_F(DotFixture, FillsDependOnTheUnscaledSize) {
    struct Case {
        int classId, size;
        bool filled;
        std::size_t fills, outlines;
    };
    const Case cases[] = {
        {2, 2, true, 0, 2},  {2, 3, true, 1, 2},  {2, 6, true, 1, 2}, {2, 7, true, 1, 4},
        {1, 2, true, 0, 2},  {1, 3, true, 1, 2},  {1, 7, true, 1, 4}, {4, 6, true, 1, 3},
        {4, 7, true, 1, 5},  {3, 2, true, 0, 5},  {3, 5, true, 1, 6}, {3, 7, true, 1, 7},
        {1, 9, false, 0, 2}, {3, 9, false, 0, 5},
    };
    for (const Case& c : cases) {
        DotView* d = dot(c.classId, c.filled, c.size);
        drawn(d);
        std::size_t fills = 0;
        for (const DrawCall& call : view->tools.calls) fills += call.op.rfind("fill", 0) == 0;
        EXPECT_EQ(fills, c.fills) << "class " << c.classId << " size " << c.size;
        EXPECT_EQ(view->tools.outlines().size(), c.outlines)
            << "class " << c.classId << " size " << c.size;
    }
}

TEST_F(DotFixture, SmallSquareFillUsesTheFirstBevelStep) {
    drawn(dot(1, true, 3));
    const auto fills = view->tools.callsNamed("fillRectangle");
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, (Rect{100, 50, 101, 51}));
    EXPECT_EQ(fills[0].colour, (RgbColor{245, 130, 108}));  // inner colour Red, medium tone
}

TEST_F(DotFixture, DiamondHalfDiagonalIsTheTruncatedSideTimesRootTwo) {
    DotView* d = dot(3, false, 9);
    EXPECT_EQ(d->getBoundingRectangle(v, *view, props()), (Rect{88, 38, 112, 62}));
    drawn(d);
    const auto shapes = view->tools.callsNamed("drawDiamondWithSelectedPen");
    ASSERT_EQ(shapes.size(), 3u);
    EXPECT_EQ(shapes[0].rect, (Rect{100, 50, 12, 12}));  // centre and half-diagonals
    EXPECT_EQ(shapes[1].rect, (Rect{100, 51, 12, 12}));
    EXPECT_EQ(shapes[2].rect, (Rect{100, 49, 12, 12}));
}

TEST_F(DotFixture, LabelRectanglesForEveryPosition) {
    DotView* d = dot(2, true, 9);
    const DotGeometry g = d->geometry(*view);
    const Rect expected[] = {{97, 27, 104, 41},  {113, 27, 121, 41}, {113, 44, 121, 57},
                             {113, 64, 121, 76}, {97, 64, 104, 76},  {80, 64, 87, 76},
                             {80, 44, 87, 57},   {80, 24, 87, 41}};
    for (int pos = 0; pos < 8; ++pos)
        EXPECT_EQ(d->getTextRectangle(g, 100, 50, {7, 12}, pos), expected[pos]) << pos;
    try {
        d->getTextRectangle(g, 100, 50, {7, 12}, 8);
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), nx::error_texts::kDotViewTextPosition);
    }
}

TEST_F(DotFixture, NameAndWeightLabelsAreDrawnBesideTheShape) {
    setName(u"A");
    drawn(dot(2, true, 9, DotView::N, DotView::W));
    const auto names = view->tools.callsNamed("drawTextWithSelectedFont");
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].text, u"A");
    EXPECT_EQ(names[0].rect, (Rect{97, 27, 104, 41}));
    EXPECT_EQ(names[0].colour, (RgbColor{82, 82, 82}));
    EXPECT_EQ(names[0].pointSize, 75);
    const auto weights = view->tools.callsNamed("drawText");
    ASSERT_EQ(weights.size(), 1u);
    EXPECT_EQ(weights[0].text, u"(1)");
    EXPECT_EQ(weights[0].rect, (Rect{66, 44, 87, 57}));  // W, text (21, 12)
    EXPECT_EQ(weights[0].colour, (RgbColor{212, 82, 64}));
    EXPECT_EQ(view->tools.selectedFont(), nullptr);
}

// What the layouts make room for is exactly what is drawn: the shape and both labels.
TEST_F(DotFixture, LabelledRectangleHoldsTheShapeAndTheDrawnLabels) {
    setName(u"Wide name");
    for (int namePos = 0; namePos < 8; ++namePos)
        for (int weightPos : {namePos, (namePos + 3) % 8}) {
            SCOPED_TRACE(std::to_string(namePos) + " " + std::to_string(weightPos));
            DotView* d = dot(2, true, 9, namePos, weightPos);
            Rect expected = d->getBoundingRectangle(v, *view, props());
            for (const DrawCall& call : drawn(d))
                if (call.op == "drawText" || call.op == "drawTextWithSelectedFont")
                    expected = {std::min(expected.left, call.rect.left),
                                std::min(expected.top, call.rect.top),
                                std::max(expected.right, call.rect.right),
                                std::max(expected.bottom, call.rect.bottom)};
            EXPECT_EQ(d->getLabelledRectangle(v, *view, props()), expected);
            EXPECT_EQ(view->tools.selectedFont(), nullptr);
        }
    dropLabels();
    DotView* d = dot(2, true, 9);
    d->resetPropertyIndices();
    EXPECT_EQ(d->getLabelledRectangle(v, *view, props()), d->getBoundingRectangle(v, *view, props()));
}

TEST_F(DotFixture, EmptyNameIsNotDrawnAndNoLabelsMeansBoundsPlusTwo) {
    DotView* d = dot(2, true, 9);
    drawn(d);
    EXPECT_TRUE(view->tools.callsNamed("drawTextWithSelectedFont").empty());
    setName(u"AB");
    // name: 6 x 2 = 12, weight "1": 2 x (3 + 6) = 18; the wider wins.
    EXPECT_EQ(d->getUpdateRectangle(v, *view, props()), (Rect{71, 23, 129, 77}));
    dropLabels();
    d->resetPropertyIndices();
    EXPECT_EQ(d->getUpdateRectangle(v, *view, props()), (Rect{89, 39, 111, 61}));
    EXPECT_TRUE(drawn(d).size() > 0);
    EXPECT_TRUE(view->tools.callsNamed("drawText").empty());
}

TEST_F(DotFixture, BoxContourPoints) {
    DotView* d = dot(1, true, 9);
    struct Case {
        Point direction, point, companion;
    };
    const Case cases[] = {
        {{0, 0}, {10, 10}, {10, 10}},     {{100, 0}, {10, 0}, {10, 1}},
        {{-100, 50}, {-10, 5}, {-10, 6}}, {{30, -60}, {5, -10}, {6, -10}},
        {{-30, 60}, {-5, 10}, {-4, 10}},  {{30, 60}, {5, 10}, {4, 10}},
        {{0, -7}, {0, -10}, {1, -10}},
    };
    for (const Case& c : cases) {
        Point companion;
        EXPECT_EQ(d->getContourPoint(c.direction, *view, companion), c.point) << c.direction;
        EXPECT_EQ(companion, c.companion) << c.direction;
    }
}

TEST_F(DotFixture, DiamondContourPoints) {
    DotView* d = dot(3, true, 9);
    struct Case {
        Point direction, point, companion;
    };
    const Case cases[] = {
        {{0, -5}, {0, -13}, {1, -13}},   {{0, 0}, {0, 0}, {1, 0}},
        {{5, 0}, {13, 0}, {13, 1}},      {{-5, 0}, {-13, 0}, {-13, 1}},
        {{10, 10}, {7, 7}, {6, 7}},      {{-10, -10}, {-7, -7}, {-8, -7}},
        {{-20, 10}, {-10, 4}, {-10, 5}},
    };
    for (const Case& c : cases) {
        Point companion;
        EXPECT_EQ(d->getContourPoint(c.direction, *view, companion), c.point) << c.direction;
        EXPECT_EQ(companion, c.companion) << c.direction;
    }
}

TEST_F(DotFixture, HitTestIsTheSquareOfTheUnscaledSize) {
    DotView* d = dot(2, true, 9);
    EXPECT_TRUE(d->hitTest({100, 50}, {109, 41}));
    EXPECT_FALSE(d->hitTest({100, 50}, {110, 50}));
    EXPECT_FALSE(d->hitTest({100, 50}, {100, 40}));
    EXPECT_EQ(d->getSize(), (Size{18, 18}));
}

TEST(DotView, BadColourCodeCreatesNoView) {
    VertexViewFactory factory;
    for (int colour : {-1, 5}) {
        try {
            factory.getCircleDotView(true, colour, 4, 0, 0, 9);
            FAIL();
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), nx::error_texts::kDotViewIncorrectColor);
        }
        EXPECT_THROW(factory.getCircleDotView(true, 4, colour, 0, 0, 9), std::runtime_error);
    }
    EXPECT_EQ(factory.size(), 0u);
}

}  // namespace
}  // namespace nx::test
