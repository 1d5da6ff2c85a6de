// The layered layout: edges of a DAG point down, the drawing starts at the start point,
// cycles are drawn, and large graphs are refused without a change.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "layout_fixture.h"
#include "layouts/layered_layout.h"

namespace nx::test {
namespace {

// A DAG that is no forest: two vertices with two parents, a long and a short path.
const EdgeList kDag{{0, 1}, {0, 2}, {1, 3}, {2, 3}, {3, 4}, {0, 4}, {2, 5}, {5, 4}};

TEST(LayeredLayoutTest, EveryEdgeOfADagPointsDown) {
    LayoutDocument d(6);
    d.edges(kDag);
    LayeredLayout layout(*d.view, 80, 60);
    layout.arrange();
    for (auto [s, t] : kDag) EXPECT_LT(d.at(s).second, d.at(t).second) << s << " -> " << t;
    // Layers are about one separation apart (dot rounds its ranks to whole points).
    EXPECT_NEAR(d.at(3).second - d.at(1).second, 80, 3);
    int minX = d.at(0).first, minY = d.at(0).second;
    std::set<Position> distinct;
    for (std::size_t i = 0; i < 6; ++i) {
        minX = std::min(minX, d.at(i).first);
        minY = std::min(minY, d.at(i).second);
        distinct.insert(d.at(i));
    }
    EXPECT_EQ(minX, 50);
    EXPECT_EQ(minY, 50);
    EXPECT_EQ(distinct.size(), 6u);
}

TEST(LayeredLayoutTest, CyclesAndSelfLoopsAreDrawnApart) {
    LayoutDocument d(4);
    d.edges({{0, 1}, {1, 2}, {2, 0}, {2, 3}, {3, 3}, {1, 2}});
    LayeredLayout layout(*d.view, 80, 80);
    layout.arrange();
    std::set<Position> distinct;
    for (std::size_t i = 0; i < 4; ++i) distinct.insert(d.at(i));
    EXPECT_EQ(distinct.size(), 4u);
}

TEST(LayeredLayoutTest, RefusesMoreVerticesThanTheLimitAndChangesNothing) {
    LayoutDocument d(3);
    d.edges({{0, 1}, {1, 2}});
    for (std::size_t i = 0; i < 3; ++i) d.place(i, 7, 9);
    LayeredLayout layout(*d.view, 80, 80);
    layout.VertexLimit = 2;
    try {
        layout.arrange();
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(),
                     "LayeredLayout error: the graph has 3 vertices, more than the limit of 2");
    }
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(d.at(i), Position(7, 9));
    layout.VertexLimit = 3;
    layout.arrange();
    EXPECT_LT(d.at(0).second, d.at(2).second);
}

TEST(LayeredLayoutTest, NeedsCoordinates) {
    LayoutDocument d(2, Level::None);
    d.edges({{0, 1}});
    LayeredLayout layout(*d.view, 80, 80);
    EXPECT_THROW(layout.arrange(), std::runtime_error);
}

}  // namespace
}  // namespace nx::test
