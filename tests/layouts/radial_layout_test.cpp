// Radial layout: wedges and rings, components side by side, centres of rootless components.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <stdexcept>

#include "layouts/error_texts.h"
#include "layouts/is_leaf.h"
#include "layouts/layout_fixture.h"
#include "layouts/radial_layout.h"
#include "layouts/set_i1.h"
#include "traversal/breadth_first_vertex_search_visitor.h"
#include "traversal/depth_first_vertex_search_visitor.h"

namespace nx::test {
namespace {

constexpr double kPi = std::numbers::pi;

void runRadial(LayoutDocument& d, std::vector<Vertex*> centres = {}, int separation = 80,
               double damping = 0.95) {
    d.graph().updateIncidence();
    RadialLayout layout(*d.view, separation, damping);
    layout.centres = std::move(centres);
    layout.arrange();
}

TEST(RadialLayoutTest, EmptyGraphAndSingleVertex) {
    LayoutDocument empty;
    EXPECT_NO_THROW(runRadial(empty));
    LayoutDocument one(1);
    one.place(0, -40, 900);
    runRadial(one);
    EXPECT_EQ(one.at(0), Position(50, 50));
}

// Centre 0 with four leaves: wedges of π/2 at π/4 … 7π/4 on the ring of radius 80
// ((int)(80 cos π/4) = 56), then moved so that the box of positions starts at (50, 50).
TEST(RadialLayoutTest, StarWithFourLeaves) {
    LayoutDocument d(5);
    d.edges({{0, 1}, {0, 2}, {0, 3}, {0, 4}});
    runRadial(d);  // the leaf-distance rule picks the hub
    EXPECT_EQ(d.at(0), Position(106, 106));
    const Position leaves[4] = {{162, 162}, {50, 162}, {50, 50}, {162, 50}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(d.at(i + 1), leaves[i]);
        EXPECT_DOUBLE_EQ(d.working<AuxReal1>(i + 1), kPi / 2);
        EXPECT_DOUBLE_EQ(d.working<AuxReal2>(i + 1), kPi / 4 + i * kPi / 2);
        EXPECT_EQ(d.working<AuxInt2>(i + 1), 1);
    }
    EXPECT_EQ(d.working<AuxInt1>(0), 4);
}

// A path hung from its first vertex lies on one ray: rings 80, 156 and 228 for damping
// 0.95 (distances 80, 76, (int)(76 × 0.95) = 72).
TEST(RadialLayoutTest, RingRadiiShrinkWithTruncatedDamping) {
    LayoutDocument d(4);
    d.edges({{0, 1}, {1, 2}, {2, 3}});
    RadialLayout layout(*d.view, 80, 0.95);
    EXPECT_EQ(layout.ringRadius(0), 0);
    EXPECT_EQ(layout.ringRadius(1), 80);
    EXPECT_EQ(layout.ringRadius(2), 156);
    EXPECT_EQ(layout.ringRadius(3), 228);
    runRadial(d, {d[0]});
    // Every child gets the whole circle and sits at angle π, to the left of the centre.
    EXPECT_EQ(d.at(0), Position(50 + 228, 50));
    EXPECT_EQ(d.at(1), Position(50 + 228 - 80, 50));
    EXPECT_EQ(d.at(2), Position(50 + 228 - 156, 50));
    EXPECT_EQ(d.at(3), Position(50, 50));
}

TEST(RadialLayoutTest, ComponentsSideBySide) {
    LayoutDocument d(7);
    d.edges({{0, 1}, {0, 2}, {0, 3}, {0, 4}});  // the star above; 5 and 6 isolated
    runRadial(d, {d[0]});
    EXPECT_EQ(d.at(5), Position(162 + 100, 50));
    EXPECT_EQ(d.at(6), Position(262 + 100, 50));
}

TEST(RadialLayoutTest, MissingPropertiesAreRefused) {
    for (LayoutDocument* d :
         {new LayoutDocument(2, Level::None), new LayoutDocument(2, Level::View, false)}) {
        std::unique_ptr<LayoutDocument> owner(d);
        d->edges({{0, 1}});
        try {
            runRadial(*d);
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), nx::error_texts::kRadialRequirements);
        }
    }
}

TEST(RadialLayoutTest, LeafTest) {
    struct Case {
        EdgeList edges;
        bool leaf;  // of vertex 0
    };
    const Case cases[] = {
        {{}, true},
        {{{0, 1}}, true},
        {{{0, 1}, {2, 0}}, true},                  // inside a path
        {{{0, 1}, {0, 1}}, true},                  // parallel
        {{{0, 1}, {1, 0}, {0, 2}}, false},         // antiparallel pair and one more
        {{{0, 0}, {0, 0}, {0, 1}, {0, 2}}, true},  // self-loops do not count
        {{{0, 1}, {0, 2}, {0, 3}}, false},
    };
    for (const Case& c : cases) {
        LayoutDocument d(4);
        d.edges(c.edges);
        EXPECT_EQ(IsLeaf::holds(d.graph(), *d[0]), c.leaf) << c.edges.size();
    }
}

// The centre of a rootless component as the per-vertex procedure finds it: one
// breadth-first search per vertex for its distance to the nearest leaf.
Vertex* centreByLeafDistance(LayoutDocument& d, std::size_t u, int label) {
    Graph& g = d.graph();
    const std::size_t v1 = g.vertexSchema()->find(AuxFlag1());
    IsLeaf leaf;
    BreadthFirstVertexSearchVisitor hasLeaf(g, d[u], v1, &leaf, 1);
    hasLeaf.reset();
    if (!hasLeaf.first()) return d[u];
    SetI1 labeller(label);
    DepthFirstVertexSearchVisitor labelling(g, d[u], v1, &labeller, 0);
    labelling.reset();
    labelling.first();
    Vertex* best = nullptr;
    int bestLevel = -1;
    for (std::size_t w = 0; w < d.vertices.size(); ++w) {
        if (d.working<AuxInt1>(w) != label) continue;
        BreadthFirstVertexSearchVisitor search(g, d[w], v1, &leaf, 1);
        search.reset();
        search.first();
        if (search.firstMatchLevel() > bestLevel) {
            bestLevel = search.firstMatchLevel();
            best = d[w];
        }
    }
    return best;
}

// Random graphs in which every vertex has an incoming edge: a directed cycle through all
// vertices with chords and parallel edges, and a second cycle component. The single
// search from all leaves must choose the centres the per-vertex searches choose.
TEST(RadialLayoutTest, RootlessCentresMatchThePerVertexSearches) {
    std::mt19937 random(6);
    int withLeaves = 0;
    for (int round = 0; round < 40; ++round) {
        const std::size_t n = 4 + random() % 12, m = 3 + random() % 5;
        LayoutDocument d(n + m);
        EdgeList edges;
        for (std::size_t i = 0; i < n; ++i) edges.emplace_back(i, (i + 1) % n);
        for (std::size_t i = 0; i < m; ++i) edges.emplace_back(n + i, n + (i + 1) % m);
        const std::size_t chords = random() % 4;
        for (std::size_t c = 0; c < chords; ++c) edges.emplace_back(random() % n, random() % n);
        d.edges(edges);

        std::vector<Vertex*> expected{centreByLeafDistance(d, 0, -1),
                                      centreByLeafDistance(d, n, -2)};
        RadialLayout layout(*d.view, 80, 0.95);
        layout.completeCentres();
        EXPECT_EQ(layout.centres, expected) << round;
        for (std::size_t i = 0; i < n + m; ++i) EXPECT_EQ(d.working<AuxInt1>(i), i < n ? 1 : 2);
        withLeaves += expected[0] != d[0];
    }
    EXPECT_GT(withLeaves, 0);  // some rounds exercised the distance rule
}

// Given centres keep their place and label their components first.
TEST(RadialLayoutTest, GivenCentresComeFirst) {
    LayoutDocument d(6);
    d.edges({{0, 1}, {1, 2}, {2, 0}, {3, 4}, {4, 5}});
    RadialLayout layout(*d.view, 80, 0.95);
    layout.centres = {d[4]};
    layout.completeCentres();
    EXPECT_EQ(layout.centres, (std::vector<Vertex*>{d[4], d[0]}));
    EXPECT_EQ(d.working<AuxInt1>(5), 1);
    EXPECT_EQ(d.working<AuxInt1>(2), 2);
}

// A million-vertex path from its first vertex: every walk keeps its own stack.
TEST(RadialLayoutTest, MillionVertexPath) {
    const std::size_t n = 1000000;
    LayoutDocument d(n);
    EdgeList path;
    path.reserve(n - 1);
    for (std::size_t i = 1; i < n; ++i) path.emplace_back(i - 1, i);
    d.edges(path);
    runRadial(d, {d[0]}, 1, 1.0);
    EXPECT_EQ(d.working<AuxInt2>(n - 1), int(n - 1));
    EXPECT_EQ(d.at(n - 1), Position(50, 50));
    EXPECT_EQ(d.at(0), Position(50 + int(n - 1), 50));
}

}  // namespace
}  // namespace nx::test
