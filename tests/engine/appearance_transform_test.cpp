// Vertex and edge appearances through the shared view factories, layout parameters and the
// four transforms.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "engine/control_engine.h"
#include "engine_fixture.h"
#include "views/dot_view.h"
#include "views/edge_view_factory.h"
#include "views/error_texts.h"
#include "views/vertex_view_factory.h"
#include "views/view.h"

using namespace ramulo;

namespace {

using namespace engine_test;
using Shape = DotAppearance::Shape;

TEST(AppearanceWithoutDocument, DoesNothing) {
    ControlEngine engine;
    const std::size_t views = nx::vertexViewFactory().size();
    engine.SetDefaultVertexAppearance({Shape::Square, 12, true, 0, 1, 0, 4});
    engine.SetVertexAppearance(0, {Shape::Square, 12, true, 9, 1, 0, 4});  // even a bad colour
    engine.SetDefaultEdgeAppearance(2);
    engine.SetEdgeAppearance(0, 2);
    EXPECT_EQ(nx::vertexViewFactory().size(), views);
    EXPECT_FALSE(engine.RotateRight90());
    EXPECT_FALSE(engine.FlipHorizontal());
}

class Appearance : public OpenDocument {
protected:
    nx::VertexView* viewOf(std::uint32_t id) { return engine.view()->findVertexView(vertex(id)); }
    nx::EdgeView* edgeViewOf(std::uint32_t id) {
        return engine.view()->edgeMap().find(engine.space()->edgeFactory().at(id))->view.get();
    }
    static const nx::DotParameters& dot(nx::VertexView* view) {
        return dynamic_cast<nx::DotView&>(*view).parameters();
    }
};

TEST_F(Appearance, DefaultsReachOnlyLaterVerticesAndAreShared) {
    const std::uint32_t before = engine.AddVertex();
    nx::VertexView* initial = viewOf(before);
    engine.SetDefaultVertexAppearance({Shape::Square, 15, true, 1, 2, 0, 4});
    const std::uint32_t a = engine.AddVertex();
    engine.SetDefaultVertexAppearance({Shape::Square, 15, true, 1, 2, 0, 4});
    const std::uint32_t b = engine.AddVertex();
    EXPECT_EQ(viewOf(before), initial);
    EXPECT_EQ(viewOf(a), viewOf(b));  // the factory hands back the equal view
    EXPECT_EQ(viewOf(a)->getClassId(), 1);
    EXPECT_EQ(dot(viewOf(a)), (nx::DotParameters{true, 1, 2, 0, 4, 15}));

    engine.SetDefaultVertexAppearance({Shape::Diamond, 7, false, 3, 3, 6, 7});
    const std::uint32_t c = engine.AddVertex();
    EXPECT_EQ(viewOf(c)->getClassId(), 3);
    EXPECT_EQ(dot(viewOf(c)), (nx::DotParameters{false, 3, 3, 6, 7, 7}));

    engine.SetDefaultEdgeAppearance(2);
    const std::uint32_t e = engine.AddEdge(a, b);
    EXPECT_EQ(edgeViewOf(e), nx::edgeViewFactory().getStraightEdgeView(2).get());
}

TEST_F(Appearance, PerElementViewsReplaceOnlyTheirElement) {
    const std::vector<std::uint32_t> v = addVertices(2);
    const std::uint32_t e = engine.AddEdge(v[0], v[1]);
    nx::VertexView* other = viewOf(v[1]);
    engine.SetVertexAppearance(v[0], {Shape::Diamond, 11, true, 2, 0, 1, 2});
    EXPECT_EQ(viewOf(v[0])->getClassId(), 3);
    EXPECT_EQ(viewOf(v[1]), other);
    engine.SetVertexAppearance(v[0], {Shape::Square, 11, true, 2, 0, 1, 2});
    EXPECT_EQ(viewOf(v[0])->getClassId(), 1);
    engine.SetVertexAppearance(v[1], {Shape::Square, 11, true, 2, 0, 1, 2});
    EXPECT_EQ(viewOf(v[1]), viewOf(v[0]));
    EXPECT_EQ(viewOf(v[0])->referenceCount(), 2u);

    engine.SetEdgeAppearance(e, 3);
    EXPECT_EQ(dynamic_cast<nx::EdgeView*>(edgeViewOf(e))->getClassId(), 1);
    EXPECT_EQ(edgeViewOf(e), nx::edgeViewFactory().getStraightEdgeView(3).get());

    // IDs that name no element are ignored.
    engine.SetVertexAppearance(777, {Shape::Square, 11, true, 2, 0, 1, 2});
    engine.SetEdgeAppearance(777, 1);
}

TEST_F(Appearance, RefusedAppearancesChangeNothing) {
    const std::uint32_t v = engine.AddVertex();
    const std::uint32_t e = engine.AddEdge(v, v);
    engine.NewTree(true, &host);  // v and e now lie outside the current graph
    const std::uint32_t inside = engine.AddVertex();
    const std::uint32_t insideEdge = engine.AddEdge(inside, inside);
    nx::VertexView* shown = viewOf(inside);
    nx::EdgeView* shownEdge = edgeViewOf(insideEdge);
    const std::size_t references = shown->referenceCount();
    const std::size_t vertexViews = nx::vertexViewFactory().size();
    const std::size_t edgeViews = nx::edgeViewFactory().size();
    const std::string notInGraph = "Vertex " + std::to_string(v) + " does not belong to graph " +
                                   std::to_string(engine.graph()->id);
    const std::string edgeNotInGraph = "Edge " + std::to_string(e) + " does not belong to graph " +
                                       std::to_string(engine.graph()->id);
    struct Case {
        const char* what;
        std::function<void()> call;
        std::string text;
    } cases[] = {
        {"outer colour 5", [&] { engine.SetVertexAppearance(inside, {.outerColor = 5}); },
         nx::error_texts::kDotViewIncorrectColor},
        {"inner colour 9", [&] { engine.SetDefaultVertexAppearance({.innerColor = 9}); },
         nx::error_texts::kDotViewIncorrectColor},
        {"name position 8",
         [&] { engine.SetVertexAppearance(inside, {.shape = Shape::Diamond, .namePos = 8}); },
         nx::error_texts::kDotViewTextPosition},
        {"weight position 20", [&] { engine.SetDefaultVertexAppearance({.weightPos = 20}); },
         nx::error_texts::kDotViewTextPosition},
        {"edge colour 5", [&] { engine.SetEdgeAppearance(insideEdge, 5); },
         nx::error_texts::kStraightEdgeIncorrectColor},
        {"default edge colour 6", [&] { engine.SetDefaultEdgeAppearance(6); },
         nx::error_texts::kStraightEdgeIncorrectColor},
        {"vertex outside the graph", [&] { engine.SetVertexAppearance(v, {.size = 21}); },
         notInGraph + "\n"},
        {"edge outside the graph", [&] { engine.SetEdgeAppearance(e, 1); }, edgeNotInGraph + "\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(errorOf(c.call), c.text) << c.what;
        EXPECT_EQ(viewOf(inside), shown) << c.what;
        EXPECT_EQ(edgeViewOf(insideEdge), shownEdge) << c.what;
        EXPECT_EQ(shown->referenceCount(), references) << c.what;
    }
    EXPECT_EQ(nx::vertexViewFactory().size(), vertexViews);
    EXPECT_EQ(nx::edgeViewFactory().size(), edgeViews);
    // The defaults did not change either: a new vertex gets the view the others have.
    EXPECT_EQ(viewOf(engine.AddVertex()), shown);
    EXPECT_NO_THROW(engine.GetExtent());
}

TEST_F(OpenDocument, LayoutParametersAreStoredAsGiven) {
    engine.SetHierarchicalLayoutParams(0, 0, 0);
    engine.SetRadialLayoutParams(65535, -2.5);
    engine.SetForceDirectedLayoutParams(1, 0);
    EXPECT_EQ(engine.layerSeparation() + engine.siblingSeparation() + engine.subtreeSeparation(),
              0u);
    EXPECT_EQ(engine.radialSeparation(), 65535u);
    EXPECT_EQ(engine.dampingCoefficient(), -2.5);
    EXPECT_EQ(engine.forceDirectedSeparation(), 1u);
    EXPECT_EQ(engine.maxIterations(), 0u);
}

class Transforms : public OpenDocument {
protected:
    struct Position {
        int x, y;
    };
    std::vector<Position> positions(const std::vector<std::uint32_t>& ids) {
        std::vector<Position> found;
        for (std::uint32_t id : ids) found.push_back({x(id), y(id)});
        return found;
    }
    static Position topLeft(const std::vector<Position>& ps) {
        Position p{ps[0].x, ps[0].y};
        for (const Position& q : ps) p = {std::min(p.x, q.x), std::min(p.y, q.y)};
        return p;
    }
};

TEST_F(Transforms, RotationsTurnOnScreenKeepTheCornerAndUndoEachOther) {
    const std::vector<std::uint32_t> v = addVertices(3);
    place(v[0], 100, 100);
    place(v[1], 300, 100);  // east of v[0]
    place(v[2], 137, 251);
    const std::vector<Position> start = positions(v);
    const Position corner = topLeft(start);

    const int invalidations = host.invalidations;
    ASSERT_TRUE(engine.RotateRight90());
    const std::vector<Position> right = positions(v);
    EXPECT_EQ(topLeft(right).x, corner.x);
    EXPECT_EQ(topLeft(right).y, corner.y);
    // Clockwise with y growing downwards: east turns south.
    EXPECT_NEAR(right[1].x, right[0].x, 1);
    EXPECT_GT(right[1].y, right[0].y + 150);

    ASSERT_TRUE(engine.RotateLeft90());
    const std::vector<Position> back = positions(v);
    EXPECT_EQ(topLeft(back).x, corner.x);
    EXPECT_EQ(topLeft(back).y, corner.y);
    for (std::size_t i = 0; i < v.size(); ++i) {
        EXPECT_LE(std::abs(back[i].x - start[i].x), 1) << i;
        EXPECT_LE(std::abs(back[i].y - start[i].y), 1) << i;
    }
    EXPECT_EQ(host.invalidations, invalidations);  // the control repaints, not the engine
}

TEST_F(Transforms, FlipsMirrorWithinTheBoundingBox) {
    const std::vector<std::uint32_t> v = addVertices(2);
    place(v[0], 10, 5);
    place(v[1], 30, 70);
    ASSERT_TRUE(engine.FlipHorizontal());
    EXPECT_EQ(x(v[0]), 30);
    EXPECT_EQ(x(v[1]), 10);
    EXPECT_EQ(y(v[0]), 5);
    EXPECT_EQ(y(v[1]), 70);
    ASSERT_TRUE(engine.FlipVertical());
    EXPECT_EQ(y(v[0]), 70);
    EXPECT_EQ(y(v[1]), 5);
    EXPECT_EQ(x(v[0]), 30);
}

TEST_F(Transforms, DegenerateDrawingsStayPutButStillCount) {
    EXPECT_TRUE(engine.RotateRight90());  // empty graph
    const std::vector<std::uint32_t> v = addVertices(3);
    for (std::uint32_t id : v) place(id, 40, 60);
    EXPECT_TRUE(engine.RotateLeft90());
    EXPECT_TRUE(engine.FlipVertical());
    for (std::uint32_t id : v) {
        EXPECT_EQ(x(id), 40);
        EXPECT_EQ(y(id), 60);
    }
}

}  // namespace
