// Tree layout: placement rules, sibling order, separation, forests, failures and deep trees.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>
#include <string>

#include "layouts/error_texts.h"
#include "layouts/forest_test.h"
#include "layouts/layout_fixture.h"
#include "layouts/tree_layout.h"
#include "traversal/graph_walks.h"

namespace nx::test {
namespace {

const char* const kTreeRequirements = nx::error_texts::kTreeRequirements;

void runTree(LayoutDocument& d, int layer = 80, int sibling = 80, int subtree = 80) {
    d.graph().updateIncidence();
    TreeLayout layout(*d.view, layer, sibling, subtree);
    layout.arrange();
}

TEST(TreeLayoutTest, EmptyGraphAndSingleVertex) {
    LayoutDocument empty;
    EXPECT_NO_THROW(runTree(empty));

    LayoutDocument one(1);
    one.place(0, 700, -3);
    runTree(one);
    EXPECT_EQ(one.at(0), Position(50, 50));
}

// A root over three leaves: leaves at prelim 0, s + w, 2(s + w); the root centred.
TEST(TreeLayoutTest, RootOverThreeLeaves) {
    struct Case {
        int layer, sibling;
    };
    for (const Case c : {Case{80, 80}, Case{40, 15}, Case{100, 7}}) {
        LayoutDocument d(4);
        d.edges({{0, 1}, {0, 2}, {0, 3}});
        runTree(d, c.layer, c.sibling, 80);
        const int step = c.sibling + d.width(1);
        EXPECT_EQ(d.at(0), Position(50 + step, 50));
        for (int i = 1; i <= 3; ++i) {
            EXPECT_EQ(d.at(i), Position(50 + (i - 1) * step, 50 + c.layer)) << c.sibling;
            EXPECT_EQ(d.working<AuxInt1>(i), (i - 1) * step);
        }
    }
}

TEST(TreeLayoutTest, SiblingsKeepTheirOrderByX) {
    LayoutDocument d(4);
    d.edges({{0, 1}, {0, 2}, {0, 3}});
    runTree(d);
    const Position first = d.at(1), last = d.at(3);
    // Give leaf 3 the smallest X and leaf 1 the largest: they trade places.
    d.place(3, 0, 0);
    d.place(1, 1000, 0);
    runTree(d);
    EXPECT_EQ(d.at(3), first);
    EXPECT_EQ(d.at(1), last);
}

// Two subtrees whose inner leaves would meet are pushed apart to exactly the subtree
// separation, and the parent is centred over the pushed children.
TEST(TreeLayoutTest, NeighbouringSubtreesAreSeparated) {
    LayoutDocument d(7);  // 0 root; 1 and 2 inner; 3, 4 under 1; 5, 6 under 2
    d.edges({{0, 1}, {0, 2}, {1, 3}, {1, 4}, {2, 5}, {2, 6}});
    const int s = 80, ss = 60;
    runTree(d, 80, s, ss);
    const int w = d.width(1);
    const int a2 = 50 + s + w;  // right leaf of the left subtree
    EXPECT_EQ(d.at(3), Position(50, 210));
    EXPECT_EQ(d.at(4), Position(a2, 210));
    EXPECT_EQ(d.at(5), Position(a2 + ss, 210));
    EXPECT_EQ(d.at(6), Position(a2 + ss + s + w, 210));
    EXPECT_EQ(d.at(1), Position((50 + a2) / 2, 130));
    EXPECT_EQ(d.at(2), Position(a2 + ss + (s + w) / 2, 130));
    EXPECT_EQ(d.at(0), Position((d.at(1).first + d.at(2).first) / 2, 50));
}

// In R - A - {a1 - p, a2 - {q, r}} the separation under A recentres A, which moves a1 and
// p left of the start; the correction brings the leftmost vertex back to the start. The
// second tree starts SubtreeSeparation to the right of the first one's largest X.
TEST(TreeLayoutTest, ForestTreesSideBySideWithLeftmostCorrection) {
    LayoutDocument d(14);
    const EdgeList shape = {{0, 1}, {1, 2}, {1, 3}, {2, 4}, {3, 5}, {3, 6}};
    EdgeList both = shape;
    for (auto [s, t] : shape) both.emplace_back(s + 7, t + 7);
    d.edges(both);
    d.place(7, 500, 0);  // the second tree goes right
    ASSERT_EQ(d.width(0), 18);
    runTree(d, 80, 80, 80);
    // Worked by hand: s + w = 98; a2 pushed by 31, A's modifier -15, correction +15.
    const int expected[7] = {114, 114, 50, 179, 50, 130, 228};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(d.at(i).first, expected[i]) << i;
        EXPECT_EQ(d.at(i + 7).first, expected[i] + 228 + 80 - 50) << i;
    }
    EXPECT_EQ(d.at(5).second, 50 + 3 * 80);
}

TEST(TreeLayoutTest, GraphsThatAreNotForestsAreRefusedUntouched) {
    for (const EdgeList& edges : {EdgeList{{0, 1}, {1, 2}, {2, 0}},  // cycle
                                  EdgeList{{0, 2}, {1, 2}, {0, 3}, {1, 3}}}) {
        LayoutDocument d(4);
        d.edges(edges);
        for (std::size_t i = 0; i < 4; ++i) d.place(i, 7 * int(i), 3);
        try {
            runTree(d);
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), nx::error_texts::kNotATree);
        }
        for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(d.at(i), Position(7 * int(i), 3));
    }
}

TEST(TreeLayoutTest, CoordinatesAtGraphLevelOrMissing) {
    LayoutDocument graphLevel(3, Level::Graph);
    graphLevel.edges({{0, 1}, {0, 2}});
    runTree(graphLevel);
    EXPECT_EQ(graphLevel.at(1), Position(50, 130));
    EXPECT_EQ(graphLevel.at(0).second, 50);

    for (LayoutDocument* d :
         {new LayoutDocument(2, Level::None), new LayoutDocument(2, Level::View, false)}) {
        std::unique_ptr<LayoutDocument> owner(d);
        d->edges({{0, 1}});
        try {
            runTree(*d);
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), kTreeRequirements);
        }
    }
}

// After a run every flag is clear, and _I1/_I2 rebuild each X: the tree's start (the
// root's X less its prelim), the modifiers of the ancestors and the vertex's own prelim.
TEST(TreeLayoutTest, WorkingValuesExplainTheResult) {
    LayoutDocument d(12);
    const EdgeList edges = {{0, 1}, {0, 2}, {0, 3}, {1, 4},  {1, 5}, {3, 6},
                            {3, 7}, {3, 8}, {6, 9}, {6, 10}, {5, 11}};
    d.edges(edges);
    runTree(d, 80, 30, 50);
    std::vector<std::size_t> parent(12, 0);
    for (auto [s, t] : edges) parent[t] = s;
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_FALSE(d.working<AuxFlag1>(i));
        int x = d.at(0).first - d.working<AuxInt1>(0) + d.working<AuxInt1>(i);
        for (std::size_t a = i; a != 0;) {
            a = parent[a];
            x += d.working<AuxInt2>(a);
        }
        EXPECT_EQ(d.at(i).first, x) << i;
    }
}

// The counting forest test answers what the component-building one answers: random
// small graphs with parallel edges, self-loops, cycles and several components.
TEST(TreeLayoutTest, CountingForestTestAgreesWithComponents) {
    std::mt19937 random(5);
    int forests = 0;
    for (int round = 0; round < 300; ++round) {
        const std::size_t n = 1 + random() % 9;
        LayoutDocument d(n);
        EdgeList edges;
        for (std::size_t i = 1; i < n; ++i)
            if (random() % 4) edges.emplace_back(random() % i, i);  // a random forest
        for (std::size_t extra = random() % 3; extra-- > 0;)
            if (random() % 2) edges.emplace_back(random() % n, random() % n);
        d.edges(edges);
        const bool expected = nx::isForest(d.graph());
        EXPECT_EQ(isForestByCounting(d.graph()), expected) << round;
        forests += expected;
    }
    EXPECT_GT(forests, 50);
    EXPECT_LT(forests, 250);
}

// A million-vertex path: every walk keeps its own stack.
TEST(TreeLayoutTest, MillionVertexPath) {
    const std::size_t n = 1000000;
    LayoutDocument d(n);
    EdgeList path;
    path.reserve(n - 1);
    for (std::size_t i = 1; i < n; ++i) path.emplace_back(i - 1, i);
    d.edges(path);
    runTree(d, 2, 80, 80);
    EXPECT_EQ(d.at(0), Position(50, 50));
    EXPECT_EQ(d.at(n - 1), Position(50, 50 + 2 * int(n - 1)));
    EXPECT_FALSE(d.working<AuxFlag1>(n / 2));
}

}  // namespace
}  // namespace nx::test
