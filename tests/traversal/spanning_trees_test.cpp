// Breadth-first spanning trees built by the graph, one per start vertex.
#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "graph/subgraph.h"
#include "traversal/graph_walks.h"
#include "traversal_fixture.h"

namespace nx::test {
namespace {

TEST(SpanningTrees, EdgesChosenByFirstDequeue) {
    struct Case {
        const char* name;
        std::size_t vertexCount;
        EdgeList edges;
        std::size_t start;
        std::vector<ElementId> treeEdges;  // in the order they joined
        std::vector<ElementId> treeVertices;
    };
    const std::vector<Case> cases = {
        {"path from the middle", 3, {{0, 1}, {1, 2}}, 1, {0, 1}, {0, 1, 2}},
        {"isolated start", 3, {{0, 1}}, 2, {}, {2}},
        {"diamond from the source",
         4,
         {{0, 1}, {0, 2}, {1, 3}, {2, 3}},
         0,
         {0, 1, 2},
         {0, 1, 2, 3}},
        {"diamond from the sink", 4, {{0, 1}, {0, 2}, {1, 3}, {2, 3}}, 3, {2, 3, 0}, {1, 3, 2, 0}},
        // Depth-first would take the whole cycle; breadth-first meets at the far side.
        {"four-cycle", 4, {{0, 1}, {1, 2}, {2, 3}, {3, 0}}, 0, {0, 3, 1}, {0, 1, 3, 2}},
        {"self-loops and a two-cycle", 3, {{0, 0}, {0, 1}, {1, 0}, {1, 2}}, 0, {1, 3}, {0, 1, 2}},
        {"other component untouched", 4, {{0, 1}, {2, 3}}, 3, {1}, {2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestGraph g(c.vertexCount);
        g.edges(c.edges);
        nx::buildSpanningTrees(g.graph(), {g.at(c.start)});
        ASSERT_EQ(g.graph().spanningTrees().size(), 1u);
        const SpanningTree& tree = *g.graph().spanningTrees()[0];
        EXPECT_EQ(edgeIds(tree), c.treeEdges);
        EXPECT_EQ(memberIds(tree), c.treeVertices);
        EXPECT_EQ(&tree.parent(), &g.graph());
    }
}

TEST(SpanningTrees, OneTreePerStartAndRebuiltOnEachCall) {
    TestGraph g(5);
    g.edges({{0, 1}, {1, 2}, {3, 4}});
    nx::buildSpanningTrees(g.graph(), {g.at(2), g.at(4), g.at(0)});
    const auto& trees = g.graph().spanningTrees();
    ASSERT_EQ(trees.size(), 3u);
    EXPECT_EQ(memberIds(*trees[0]), (std::vector<ElementId>{1, 2, 0}));
    EXPECT_EQ(memberIds(*trees[1]), (std::vector<ElementId>{3, 4}));
    EXPECT_EQ(memberIds(*trees[2]), (std::vector<ElementId>{0, 1, 2}));
    // The last build cleared the flags first: only its own component is marked.
    EXPECT_EQ(g.flags(1), (std::vector<bool>{true, true, true, false, false}));

    nx::buildSpanningTrees(g.graph(), {g.at(3)});
    ASSERT_EQ(trees.size(), 1u);
    EXPECT_EQ(edgeIds(*trees[0]), std::vector<ElementId>{2});
    nx::buildSpanningTrees(g.graph(), {});
    EXPECT_TRUE(trees.empty());
}

TEST(SpanningTrees, FailuresKeepTheTreesBuiltSoFar) {
    TestGraph g(3);
    g.edge(0, 1);
    Vertex* outsider = g.space().vertexFactory().create();  // not a member of the graph
    nx::buildSpanningTrees(g.graph(), {g.at(0), outsider, g.at(2)});
    const auto& trees = g.graph().spanningTrees();
    ASSERT_EQ(trees.size(), 2u);
    EXPECT_EQ(edgeIds(*trees[0]), std::vector<ElementId>{0});
    EXPECT_EQ(trees[1]->order(), 0u);

    const AuxInt1 i1;
    TestGraph noFlag(2, {&i1});
    noFlag.edge(0, 1);
    nx::buildSpanningTrees(noFlag.graph(), {noFlag.at(0)});
    EXPECT_TRUE(noFlag.graph().spanningTrees().empty());
}

// The procedure word for word: clear every flag, then breadth first from the start, each
// vertex joining through the edge by which it is first dequeued (tryAddEdge).
void plainSpanningTree(TestGraph& g, std::size_t index, Vertex* start, SpanningTree& tree) {
    g.setAllFlags(index, false);
    auto flag = [&](Vertex* v) -> bool& {
        return static_cast<Visited&>(g.graph().vertexProperties(*v).at(index)).value;
    };
    std::deque<std::pair<Vertex*, Edge*>> queue;
    auto pushNeighbours = [&](Vertex* v) {
        for (Edge* e : g.graph().incidentEdges(*v))
            if (!e->isLoop()) queue.emplace_back(e->source == v ? e->target : e->source, e);
    };
    if (!flag(start)) {
        flag(start) = true;
        pushNeighbours(start);
    }
    while (!queue.empty()) {
        auto [w, e] = queue.front();
        queue.pop_front();
        if (flag(w)) continue;
        flag(w) = true;
        tree.tryAddEdge(*e);
        pushNeighbours(w);
    }
    if (tree.order() == 0) tree.tryAddVertex(*start);
}

// Many trees in one call must give exactly what the procedure gives tree by tree: same
// members in the same order, same flags at the end.
TEST(SpanningTrees, ManyTreesEqualBuildingEachFromClearFlags) {
    std::mt19937 random(7);
    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE(round);
        const std::size_t n = 1 + random() % 40;
        TestGraph g(n);
        // A random forest (each vertex maybe hangs under an earlier one), sometimes with
        // a few extra edges that close cycles, add parallels or self-loops.
        for (std::size_t v = 1; v < n; ++v)
            if (random() % 4 != 0) g.edge(random() % v, v);
        if (round % 3 == 0)
            for (int extra = 0; extra < 3; ++extra) g.edge(random() % n, random() % n);
        std::vector<Vertex*> starts;
        for (std::size_t k = random() % (n + 3); k > 0; --k) starts.push_back(g.at(random() % n));
        const std::size_t index = nx::visitedPropertyIndex(g.graph());

        g.setAllFlags(index, true);  // stale flags from an earlier walk
        std::vector<std::vector<ElementId>> plainEdges, plainMembers;
        g.graph().updateIncidence();
        for (Vertex* start : starts) {
            SpanningTree tree(g.graph());
            plainSpanningTree(g, index, start, tree);
            plainEdges.push_back(edgeIds(tree));
            plainMembers.push_back(memberIds(tree));
        }
        const std::vector<bool> plainFlags = g.flags(index);

        g.setAllFlags(index, true);
        nx::buildSpanningTrees(g.graph(), starts);
        const auto& trees = g.graph().spanningTrees();
        ASSERT_EQ(trees.size(), starts.size());
        for (std::size_t t = 0; t < trees.size(); ++t) {
            EXPECT_EQ(edgeIds(*trees[t]), plainEdges[t]);
            EXPECT_EQ(memberIds(*trees[t]), plainMembers[t]);
        }
        EXPECT_EQ(g.flags(index), plainFlags);
    }
}

}  // namespace
}  // namespace nx::test
