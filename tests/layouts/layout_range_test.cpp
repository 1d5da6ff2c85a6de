// Layouts whose parameters would carry positions beyond the coordinate range fail and change
// nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "layouts/error_texts.h"
#include "layouts/force_directed_layout.h"
#include "layouts/layout_fixture.h"
#include "layouts/radial_layout.h"
#include "layouts/tree_layout.h"
#include "views/coordinate_range.h"

namespace nx::test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Every value of every vertex at graph and view level, as text.
std::vector<std::string> snapshot(LayoutDocument& d) {
    std::vector<std::string> all;
    for (Vertex* v : d.vertices) {
        const ActualProperties* levels[] = {&d.graph().vertexProperties(*v),
                                            d.view->vertexViewProperties(v)};
        for (const ActualProperties* values : levels)
            for (std::size_t j = 0; j < values->size(); ++j) all.push_back(values->at(j).toText());
    }
    return all;
}

void tree(LayoutDocument& d, int layer, int sibling, int subtree) {
    TreeLayout(*d.view, layer, sibling, subtree).arrange();
}

void radial(LayoutDocument& d, int separation, double damping) {
    RadialLayout layout(*d.view, separation, damping);
    layout.centres = {d[0]};
    layout.arrange();
}

void force(LayoutDocument& d, int separation) {
    ForceDirectedLayout layout(*d.view);
    layout.Separation = separation;
    layout.arrange();
}

// n vertices with the edges, placed in a small cluster, with working values that a run
// would overwrite, so that any write shows.
LayoutDocument* document(std::size_t n, const EdgeList& edges) {
    auto* d = new LayoutDocument(n);
    d->edges(edges);
    for (std::size_t i = 0; i < n; ++i) {
        d->place(i, int(i % 7) * 3, 11);
        d->working<AuxInt1>(i) = 5;
        d->working<AuxInt2>(i) = -6;
        d->working<AuxReal1>(i) = 0.25;
        d->working<AuxReal2>(i) = 0.5;
    }
    return d;
}

// A path from vertex 0, a star around vertex 0, or isolated vertices or joined pairs.
LayoutDocument* path(std::size_t n) {
    EdgeList edges;
    for (std::size_t i = 1; i < n; ++i) edges.emplace_back(i - 1, i);
    return document(n, edges);
}
LayoutDocument* star(std::size_t n) {
    EdgeList edges;
    for (std::size_t i = 1; i < n; ++i) edges.emplace_back(0, i);
    return document(n, edges);
}
LayoutDocument* pairs(std::size_t n, bool joined = true) {
    EdgeList edges;
    for (std::size_t i = 1; joined && i < n; i += 2) edges.emplace_back(i - 1, i);
    return document(n, edges);
}

const std::string kRange = " would lie beyond the coordinate range of -1000000000 to 1000000000; ";

struct Case {
    const char* name;
    std::function<LayoutDocument*()> build;
    std::function<void(LayoutDocument&)> run;
    std::string error;  // empty: the layout fits
};

TEST(LayoutRange, ParametersThatOverflowAreRefusedWithoutAChange) {
    const Case cases[] = {
        {"tree: layer 65535 on a path 20000 deep", [] { return path(20001); },
         [](LayoutDocument& d) { tree(d, 65535, 80, 80); },
         "TreeLayout error: the rows of a graph 20000 levels deep" + kRange +
             "a smaller LayerSeparation may fit"},
        {"tree: layer 65535 on a path 15000 deep fits", [] { return path(15001); },
         [](LayoutDocument& d) { tree(d, 65535, 80, 80); }, ""},
        {"tree: sibling 65535 under one root", [] { return star(16000); },
         [](LayoutDocument& d) { tree(d, 80, 65535, 80); },
         "TreeLayout error: vertices" + kRange + "smaller separations may fit"},
        {"tree: subtree 65535 between single-vertex trees", [] { return pairs(16000, false); },
         [](LayoutDocument& d) { tree(d, 80, 80, 65535); },
         "TreeLayout error: vertices" + kRange + "smaller separations may fit"},
        {"radial: damping 1e308", [] { return path(4); },
         [](LayoutDocument& d) { radial(d, 80, 1e308); },
         "RadialLayout error: ring 2" + kRange +
             "a smaller Separation or DampingCoefficient may fit"},
        {"radial: damping 1e308 on one ring fits", [] { return star(5); },
         [](LayoutDocument& d) { radial(d, 80, 1e308); }, ""},
        {"radial: separation 65535 growing by 1.9", [] { return path(40); },
         [](LayoutDocument& d) { radial(d, 65535, 1.9); },
         "RadialLayout error: ring 15" + kRange +
             "a smaller Separation or DampingCoefficient may fit"},
        {"radial: damping NaN", [] { return path(3); },
         [](LayoutDocument& d) { radial(d, 80, kNaN); }, nx::error_texts::kDampingNotFinite},
        {"radial: damping infinite", [] { return star(2); },
         [](LayoutDocument& d) { radial(d, 80, kInf); }, nx::error_texts::kDampingNotFinite},
        {"radial: damping minus infinity", [] { return star(2); },
         [](LayoutDocument& d) { radial(d, 80, -kInf); }, nx::error_texts::kDampingNotFinite},
        {"radial: 16000 pairs side by side", [] { return pairs(32000); },
         [](LayoutDocument& d) { radial(d, 65535, 0.95); },
         "RadialLayout error: 15236 components side by side" + kRange +
             "a smaller Separation or DampingCoefficient may fit"},
        {"force: a drawing as wide as the range",
         [] {
             LayoutDocument* d = pairs(2);
             d->place(0, -kCoordinateLimit, 0);
             d->place(1, kCoordinateLimit, 0);
             return d;
         },
         [](LayoutDocument& d) { force(d, 80); },
         "ForceDirectedLayout error: vertices" + kRange + "vertices nearer to each other may fit"},
        {"force: separation 0 with an edge", [] { return pairs(2); },
         [](LayoutDocument& d) { force(d, 0); }, nx::error_texts::kForceDirectedNotNumbers},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<LayoutDocument> d(c.build());
        const std::vector<std::string> before = snapshot(*d);
        if (c.error.empty()) {
            EXPECT_NO_THROW(c.run(*d));
            EXPECT_NE(snapshot(*d), before);
            for (std::size_t i = 0; i < d->vertices.size(); ++i) {
                EXPECT_TRUE(inCoordinateRange(d->at(i).first)) << i;
                EXPECT_TRUE(inCoordinateRange(d->at(i).second)) << i;
            }
            continue;
        }
        try {
            c.run(*d);
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(e.what(), c.error);
        }
        EXPECT_EQ(snapshot(*d), before);
    }
}

// The deepest row and the widest fan that fit are placed exactly where the formulas put
// them: the checks refuse nothing that fits.
TEST(LayoutRange, LayoutsUpToTheLimitKeepTheirPositions) {
    std::unique_ptr<LayoutDocument> deep(path(15001));
    deep->graph().updateIncidence();
    tree(*deep, 65535, 80, 80);
    EXPECT_EQ(deep->at(15000), Position(50, 50 + 15000 * 65535));

    std::unique_ptr<LayoutDocument> fan(star(15001));
    fan->graph().updateIncidence();
    tree(*fan, 80, 65535, 80);
    const int step = 65535 + fan->width(1);
    EXPECT_EQ(fan->at(15000), Position(50 + 14999 * step, 130));
}

}  // namespace
}  // namespace nx::test
