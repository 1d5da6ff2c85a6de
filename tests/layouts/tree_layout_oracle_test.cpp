// Tree layout against its first walks: the same coordinates and working values, bit for bit.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "layouts/layout_fixture.h"
#include "layouts/reference_tree_layout.h"
#include "layouts/tree_layout.h"
#include "views/vertex_view_factory.h"

namespace nx::test {
namespace {

// Parent of each vertex i >= 1 (vertex 0 is the first root); kNoParent starts another tree.
constexpr std::size_t kNoParent = SIZE_MAX;
using Parents = std::function<std::size_t(std::size_t i, std::mt19937& random)>;

struct Shape {
    const char* name;
    std::size_t n;
    Parents parent;
};

std::size_t uniformBelow(std::size_t i, std::mt19937& random) {
    return std::uniform_int_distribution<std::size_t>(0, i - 1)(random);
}

// Spine on even vertices, legs of `legs` leaves on each spine vertex.
Parents caterpillar(std::size_t legs) {
    return [legs](std::size_t i, std::mt19937&) {
        const std::size_t block = legs + 1;
        const std::size_t spine = (i / block) * block;
        return i == spine ? spine - block : spine;
    };
}

const std::vector<Shape>& shapes() {
    static const std::vector<Shape> list = {
        {"random", 1500, uniformBelow},
        {"comb", 1200, caterpillar(1)},
        {"caterpillar3", 1200, caterpillar(3)},
        {"caterpillar7", 1200, caterpillar(7)},
        // A handle of 300 ending in a star; then a second broom hanging from the handle.
        {"brooms", 1200,
         [](std::size_t i, std::mt19937&) -> std::size_t {
             if (i < 300) return i - 1;
             if (i < 600) return 299;
             if (i < 800) return i == 600 ? 150 : i - 1;
             return 799;
         }},
        // Mostly long paths that fork now and then: deep subtrees of every height.
        {"deep random", 1500,
         [](std::size_t i, std::mt19937& random) {
             const std::size_t back = std::geometric_distribution<std::size_t>(0.3)(random);
             return back < i ? i - 1 - back : 0;
         }},
        // Legs of random length on a spine: siblings of many heights side by side.
        {"legs", 1500,
         [](std::size_t i, std::mt19937& random) -> std::size_t {
             if (std::bernoulli_distribution(0.25)(random)) return uniformBelow(i, random);
             return i - 1;
         }},
        {"forest", 1200,
         [](std::size_t i, std::mt19937& random) -> std::size_t {
             if (i % 300 == 0) return kNoParent;
             return i - 1 - std::geometric_distribution<std::size_t>(0.5)(random) % (i % 300);
         }},
    };
    return list;
}

// Starting X before the layout: one value for all (siblings keep incidence order), random
// among a few (many ties) or spread out.
enum class Start { Same, FewValues, Spread };

struct Separations {
    int layer, sibling, subtree;
};

struct Outcome {
    std::string error;
    std::vector<std::int64_t> values;  // X, Y, _I1, _I2, _V1 of every vertex
};

void build(LayoutDocument& d, const Shape& shape, Start start, unsigned seed) {
    std::mt19937 random(seed);
    EdgeList edges;
    for (std::size_t i = 1; i < shape.n; ++i)
        if (const std::size_t p = shape.parent(i, random); p != kNoParent) edges.emplace_back(p, i);
    d.edges(edges);
    for (std::size_t i = 0; i < shape.n; ++i) {
        int x = 0;
        if (start == Start::FewValues) x = std::uniform_int_distribution<int>(0, 3)(random);
        if (start == Start::Spread) x = std::uniform_int_distribution<int>(-5000, 5000)(random);
        d.place(i, x, 7);
    }
}

template <typename L>
Outcome run(const Shape& shape, Start start, unsigned seed, Separations s,
            const std::vector<std::size_t>& roots = {},
            const std::function<void(LayoutDocument&)>& dress = {}) {
    LayoutDocument d(shape.n);
    build(d, shape, start, seed);
    if (dress) dress(d);
    Outcome outcome;
    try {
        L layout(*d.view, s.layer, s.sibling, s.subtree);
        for (std::size_t r : roots) layout.roots.push_back(d[r]);
        layout.arrange();
    } catch (const std::exception& e) {
        outcome.error = e.what();
    }
    for (std::size_t i = 0; i < shape.n; ++i) {
        const auto [x, y] = d.at(i);
        outcome.values.insert(outcome.values.end(),
                              {x, y, d.working<AuxInt1>(i), d.working<AuxInt2>(i), d.working<AuxFlag1>(i)});
    }
    return outcome;
}

TEST(TreeLayoutOracleTest, SameValuesAsTheFirstWalksOnEveryShape) {
    const Separations separations[] = {{80, 80, 80}, {40, 15, 100}, {80, 0, 5}, {30, -20, 40},
                                       {10, 3, -7}};
    for (const Shape& shape : shapes())
        for (Start start : {Start::Same, Start::FewValues, Start::Spread})
            for (const Separations& s : separations) {
                const unsigned seed = 17u * static_cast<unsigned>(start) + 5u;
                const Outcome fast = run<TreeLayout>(shape, start, seed, s);
                const Outcome first = run<ReferenceTreeLayout>(shape, start, seed, s);
                EXPECT_EQ(fast.error, first.error) << shape.name;
                EXPECT_TRUE(fast.values == first.values)
                    << shape.name << " start " << static_cast<int>(start) << " separations "
                    << s.sibling << "/" << s.subtree;
            }
}

// Roots chosen by the caller may be inner vertices, or two of one tree: each walk then
// starts from where the one before left the coordinates.
TEST(TreeLayoutOracleTest, SameValuesFromChosenRoots) {
    const std::vector<std::vector<std::size_t>> choices = {{7}, {0, 7}, {400, 0, 399}, {5, 5}};
    for (const Shape& shape : shapes())
        for (const auto& roots : choices) {
            const Outcome fast = run<TreeLayout>(shape, Start::FewValues, 11, {80, 80, 80}, roots);
            const Outcome first =
                run<ReferenceTreeLayout>(shape, Start::FewValues, 11, {80, 80, 80}, roots);
            EXPECT_EQ(fast.error, first.error) << shape.name;
            EXPECT_TRUE(fast.values == first.values) << shape.name << " roots " << roots.front();
        }
}

// Shapes of many sizes, drawn in an order other than the graph's: every vertex is measured
// by its own appearance wherever it stands in the drawing order.
TEST(TreeLayoutOracleTest, SameValuesWithShapesOfManySizesInAnyDrawingOrder) {
    auto dress = [](LayoutDocument& d) {
        std::mt19937 random(29);
        for (Vertex* v : d.vertices)
            d.view->setVertexView(v, vertexViewFactory().getSquareDotView(
                                         false, 0, 0, 0, 0,
                                         std::uniform_int_distribution<int>(1, 40)(random)));
        for (std::size_t k = 0; k < d.vertices.size() / 3; ++k)
            d.view->bringToFront(d.vertices[std::uniform_int_distribution<std::size_t>(
                0, d.vertices.size() - 1)(random)]);
    };
    for (const Shape& shape : shapes())
        for (const Separations& s : {Separations{80, 80, 80}, Separations{40, 0, 100}}) {
            const Outcome fast = run<TreeLayout>(shape, Start::FewValues, 13, s, {}, dress);
            const Outcome first = run<ReferenceTreeLayout>(shape, Start::FewValues, 13, s, {}, dress);
            EXPECT_EQ(fast.error, first.error) << shape.name;
            EXPECT_TRUE(fast.values == first.values) << shape.name << " " << s.sibling;
        }
}

// Separations large enough that some trees leave the coordinate range part way through the
// separation walk: the same trees fail, with the same text, and nothing changes.
TEST(TreeLayoutOracleTest, SameFailuresNearTheCoordinateLimit) {
    int failures = 0;
    for (const Shape& shape : shapes())
        for (int subtree : {300000, 1000000, 4000000}) {
            const Separations s{10, 1000, subtree};
            const Outcome fast = run<TreeLayout>(shape, Start::Spread, 3, s);
            const Outcome first = run<ReferenceTreeLayout>(shape, Start::Spread, 3, s);
            EXPECT_EQ(fast.error, first.error) << shape.name << " " << subtree;
            EXPECT_TRUE(fast.values == first.values) << shape.name << " " << subtree;
            failures += !first.error.empty();
        }
    EXPECT_GT(failures, 0);  // the table reaches the limit somewhere
}

}  // namespace
}  // namespace nx::test
