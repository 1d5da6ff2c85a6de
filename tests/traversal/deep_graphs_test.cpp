// Million-vertex paths, stars and pair forests: every walk completes without deep recursion.
#include <gtest/gtest.h>

#include "graph/subgraph.h"
#include "traversal/breadth_first_vertex_search_visitor.h"
#include "traversal/depth_first_vertex_search_visitor.h"
#include "traversal/graph_walks.h"
#include "traversal_fixture.h"

namespace nx::test {
namespace {

constexpr std::size_t kN = 1'000'000;

struct Deep {
    const char* name;
    EdgeList (*edges)();
    std::size_t searchStart;
    std::vector<ElementId> roots;  // the first few, and how many in all
    std::size_t rootCount;
    std::size_t componentCount;
    bool forest;
};

EdgeList path() {
    EdgeList e;
    for (std::size_t i = 0; i + 1 < kN; ++i) e.emplace_back(i, i + 1);
    return e;
}
EdgeList outStar() {
    EdgeList e;
    for (std::size_t i = 1; i < kN; ++i) e.emplace_back(0, i);
    return e;
}
// Every leaf is a root candidate in the same component.
EdgeList inStar() {
    EdgeList e;
    for (std::size_t i = 1; i < kN; ++i) e.emplace_back(i, 0);
    return e;
}
// Half a million components, each searched during root discovery.
EdgeList pairs() {
    EdgeList e;
    for (std::size_t i = 0; i < kN; i += 2) e.emplace_back(i + 1, i);
    return e;
}

void PrintTo(const Deep& d, std::ostream* out) {
    *out << d.name;
}

class DeepGraph : public testing::TestWithParam<Deep> {};

TEST_P(DeepGraph, WalksComplete) {
    const Deep& d = GetParam();
    TestGraph g(kN);
    g.edges(d.edges());

    AcceptAll all;
    DepthFirstVertexSearchVisitor dfs(g.graph(), g.at(d.searchStart), kV1, &all, 0);
    dfs.reset();
    EXPECT_EQ(dfs.first(), g.at(d.searchStart));
    EXPECT_EQ(dfs.found().size(), d.componentCount == 1 ? kN : 2);
    // The far end of a path comes last, and so do a star's leaves in edge order.
    if (d.componentCount == 1) {
        EXPECT_EQ(dfs.found().back(), g.at(kN - 1));
    }
    BreadthFirstVertexSearchVisitor bfs(g.graph(), g.at(d.searchStart), kV1, &all, 0);
    bfs.reset();
    bfs.first();
    EXPECT_EQ(bfs.found().size(), dfs.found().size());

    std::vector<Vertex*> roots;
    nx::findRoots(g.graph(), roots);
    EXPECT_EQ(roots.size(), d.rootCount);
    roots.resize(std::min(roots.size(), d.roots.size()));
    EXPECT_EQ(ids(roots), d.roots);

    const auto& components = nx::components(g.graph());
    ASSERT_EQ(components.size(), d.componentCount);
    EXPECT_EQ(components.front()->order(), d.componentCount == 1 ? kN : 2);
    EXPECT_EQ(nx::isForest(g.graph()), d.forest);

    nx::buildSpanningTrees(g.graph(), {g.at(d.searchStart)});
    const SpanningTree& tree = *g.graph().spanningTrees().front();
    EXPECT_EQ(tree.order(), d.componentCount == 1 ? kN : 2);
    EXPECT_EQ(tree.edgeCount(), tree.order() - 1);
}

INSTANTIATE_TEST_SUITE_P(MillionVertices, DeepGraph,
                         testing::Values(Deep{"path", path, 0, {0}, 1, 1, true},
                                         Deep{"outStar", outStar, 0, {0}, 1, 1, true},
                                         Deep{"inStar", inStar, 1, {1}, 1, 1, false},
                                         Deep{"pairs", pairs, 0, {1, 3, 5}, kN / 2, kN / 2, true}),
                         [](const testing::TestParamInfo<Deep>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace nx::test
