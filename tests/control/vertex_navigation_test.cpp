// Keyboard navigation order over document 1, headless.
#include "control/vertex_navigation.h"

#include "control_fixture.h"
#include "engine/window_graph_view.h"
#include "graph/element.h"
#include "graph/space.h"
#include "graph/vertex_factory.h"

using namespace ramulo;

namespace {

using namespace control_test;

class Navigation : public ShownControl {
protected:
    // The ID a walk of steps leads to from the vertex; 0 when a step finds nothing.
    std::uint32_t walk(std::uint32_t from, const std::vector<NavigationStep>& steps) {
        ControlEngine& e = engineOf(control);
        VertexNavigation nav(*e.graph(), *e.view());
        nx::Vertex* at = e.space()->vertexFactory().at(from);
        for (NavigationStep s : steps) {
            at = nav.step(at, s);
            if (!at) return 0;
        }
        return at->id;
    }
    void placeX(std::uint32_t vertex, int x) {
        control.SetVertexPropertyValueByName(vertex, u"X", 2, Variant::fromInt(x));
    }
};

// A = 1, B = 2, C = 3, D = 4, E = 5, F = 6, G = 7, H = 8, I = 9, J = 10, K = 11.
TEST_F(Navigation, StepsFollowTheTreeAsDrawn) {
    using S = NavigationStep;
    struct Case {
        std::uint32_t from;
        std::vector<S> steps;
        std::uint32_t to;
    };
    const Case cases[] = {
        {1, {S::FirstChild}, 2},
        {2, {S::NextSibling}, 3},
        {3, {S::NextSibling}, 4},
        {4, {S::NextSibling}, 0},
        {2, {S::PreviousSibling}, 0},
        {4, {S::FirstChild, S::PreviousSibling}, 0},
        {4, {S::FirstChild, S::FirstChild, S::Parent, S::Parent}, 4},
        {3, {S::FirstChild, S::NextSibling, S::FirstChild}, 10},
        {10, {S::Parent, S::Parent, S::Parent}, 1},
        {1, {S::Parent}, 0},
        {1, {S::NextSibling}, 0},
        {11, {S::FirstChild}, 0},
        {9, {S::PreviousSibling}, 8},
    };
    for (const Case& c : cases) EXPECT_EQ(walk(c.from, c.steps), c.to) << "from " << c.from;
}

TEST_F(Navigation, OrderFollowsWhereVerticesAreDrawnAndStartsAtTheSelectionOrTheLeftmostRoot) {
    ControlEngine& e = engineOf(control);
    placeX(3, 400);  // C to the right of D: A's children run B, D, C
    EXPECT_EQ(walk(2, {NavigationStep::NextSibling}), 4u);
    EXPECT_EQ(walk(4, {NavigationStep::NextSibling}), 3u);

    // A second root left of A comes before it; a loop and a parallel edge change nothing.
    const std::uint32_t z = control.AddVertex();
    placeX(z, 10);
    control.AddEdge(z, z);
    control.AddEdge(1, 2);
    EXPECT_EQ(walk(z, {NavigationStep::NextSibling}), 1u);
    EXPECT_EQ(walk(z, {NavigationStep::FirstChild}), 0u);
    EXPECT_EQ(walk(1, {NavigationStep::FirstChild, NavigationStep::NextSibling}), 4u);

    VertexNavigation nav(*e.graph(), *e.view());
    EXPECT_EQ(nav.start()->id, z);
    e.view()->selectVertex(*e.view()->findVertexEntry(e.space()->vertexFactory().at(6)), false);
    EXPECT_EQ(nav.start()->id, 6u);
    EXPECT_EQ(nav.step(nullptr, NavigationStep::Parent), nullptr);
}

}  // namespace
