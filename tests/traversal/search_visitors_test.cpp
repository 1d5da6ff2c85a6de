// Depth-first and breadth-first vertex searches: orders, limits, cursor and checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>

#include "graph/subgraph.h"
#include "traversal/breadth_first_spanning_tree_building_visitor.h"
#include "traversal/breadth_first_vertex_search_visitor.h"
#include "traversal/component_discovering_visitor.h"
#include "traversal/depth_first_vertex_search_visitor.h"
#include "traversal_fixture.h"

namespace nx::test {
namespace {

struct Shape {
    const char* name;
    std::size_t vertexCount;
    EdgeList edges;  // in edge-ID order
    std::size_t start;
    std::vector<ElementId> depthFirst;
    std::vector<ElementId> breadthFirst;
};

// Incident-edge order (edge ID), not vertex order, decides; direction never matters.
const std::vector<Shape> kShapes = {
    {"three neighbours", 5, {{0, 3}, {2, 0}, {0, 1}, {3, 4}}, 0, {0, 3, 4, 2, 1}, {0, 3, 2, 1, 4}},
    {"three neighbours from leaf",
     5,
     {{0, 3}, {2, 0}, {0, 1}, {3, 4}},
     4,
     {4, 3, 0, 2, 1},
     {4, 3, 0, 2, 1}},
    {"diamond", 4, {{0, 1}, {0, 2}, {1, 3}, {2, 3}}, 0, {0, 1, 3, 2}, {0, 1, 2, 3}},
    {"diamond from sink", 4, {{0, 1}, {0, 2}, {1, 3}, {2, 3}}, 3, {3, 1, 0, 2}, {3, 1, 2, 0}},
    {"self-loops", 3, {{0, 0}, {0, 1}, {1, 1}, {1, 2}}, 0, {0, 1, 2}, {0, 1, 2}},
    {"two-vertex cycle", 2, {{0, 1}, {1, 0}}, 1, {1, 0}, {1, 0}},
    {"two components, against direction", 4, {{0, 1}, {2, 3}}, 3, {3, 2}, {3, 2}},
    {"isolated vertices", 3, {}, 1, {1}, {1}},
};

TEST(VertexSearch, VisitsInDepthFirstPreorderAndBreadthFirstOrder) {
    for (const Shape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        TestGraph g(shape.vertexCount);
        g.edges(shape.edges);
        AcceptAll all;
        DepthFirstVertexSearchVisitor dfs(g.graph(), g.at(shape.start), kV1, &all, 0);
        dfs.reset();
        dfs.first();
        EXPECT_EQ(ids(dfs.found()), shape.depthFirst);
        BreadthFirstVertexSearchVisitor bfs(g.graph(), g.at(shape.start), kV1, &all, 0);
        bfs.reset();
        bfs.first();
        EXPECT_EQ(ids(bfs.found()), shape.breadthFirst);
        EXPECT_EQ(bfs.firstMatchLevel(), 0);
        EXPECT_TRUE(bfs.empty());
    }
}

TEST(VertexSearch, SearchMarksOnlyTheStartComponent) {
    TestGraph g(5);
    g.edges({{0, 1}, {2, 1}, {3, 4}});
    AcceptIds none({});
    DepthFirstVertexSearchVisitor dfs(g.graph(), g.at(2), kV1, &none, 0);
    g.setAllFlags(kV1, true);
    dfs.reset();
    EXPECT_EQ(g.flags(kV1), std::vector<bool>(5, false));
    EXPECT_EQ(dfs.first(), nullptr);
    EXPECT_EQ(g.flags(kV1), (std::vector<bool>{true, true, true, false, false}));
    EXPECT_EQ(g.flags(0), std::vector<bool>(5, false));  // the plain Visited is not touched
}

TEST(VertexSearch, MaxFoundOneStopsAtFirstMatchInEachOrder) {
    // 0 has neighbours 3, 2, 1 in edge order; 4 hangs below 3.
    TestGraph g(5);
    g.edges({{0, 3}, {2, 0}, {0, 1}, {3, 4}});
    AcceptIds wanted({1, 4});
    DepthFirstVertexSearchVisitor dfs(g.graph(), g.at(0), kV1, &wanted, 1);
    dfs.reset();
    EXPECT_EQ(dfs.first(), g.at(4));
    EXPECT_EQ(dfs.next(), nullptr);
    EXPECT_FALSE(g.visited(1, kV1));  // the walk stopped before reaching it

    BreadthFirstVertexSearchVisitor bfs(g.graph(), g.at(0), kV1, &wanted, 1);
    bfs.reset();
    EXPECT_EQ(bfs.first(), g.at(1));
    EXPECT_EQ(bfs.firstMatchLevel(), 1);
    EXPECT_EQ(bfs.foundCount(), 1u);
}

TEST(BreadthFirstSearch, FirstMatchLevelIsTheDistanceToTheNearestMatch) {
    // A five-cycle 0-1-2-3-5-0 with 4 hanging on 1; edge directions mixed.
    TestGraph g(6);
    g.edges({{0, 1}, {1, 2}, {2, 3}, {4, 1}, {3, 5}, {5, 0}});
    struct Case {
        std::size_t start;
        std::vector<ElementId> matches;
        int level;
    };
    const std::vector<Case> cases = {
        {0, {0}, 0}, {0, {5}, 1},    {0, {3}, 2}, {0, {4}, 2},
        {4, {3}, 3}, {4, {5, 2}, 2}, {4, {}, -1}, {2, {4, 5}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "start " << c.start << ", first match "
                                        << (c.matches.empty() ? -1 : int(c.matches[0])));
        for (std::size_t maxFound : {0u, 1u}) {
            AcceptIds wanted(c.matches);
            BreadthFirstVertexSearchVisitor bfs(g.graph(), g.at(c.start), kV1, &wanted, maxFound);
            bfs.reset();
            bfs.first();
            EXPECT_EQ(bfs.firstMatchLevel(), c.level);
            EXPECT_EQ(bfs.found().size(), maxFound == 1 ? std::min<std::size_t>(1, c.matches.size())
                                                        : c.matches.size());
        }
    }
}

TEST(VertexSearch, CursorProtocol) {
    TestGraph g(3);
    g.edges({{0, 1}, {1, 2}});
    AcceptAll all;
    DepthFirstVertexSearchVisitor dfs(g.graph(), g.at(1), kV1, &all, 0);
    // next() before any search searches like first().
    EXPECT_EQ(dfs.next(), g.at(1));
    EXPECT_EQ(all.tests, 3);
    EXPECT_EQ(dfs.next(), g.at(0));
    EXPECT_EQ(dfs.next(), g.at(2));
    EXPECT_EQ(dfs.next(), nullptr);
    EXPECT_EQ(dfs.next(), nullptr);
    // first() rewinds without searching again.
    EXPECT_EQ(dfs.first(), g.at(1));
    EXPECT_EQ(dfs.first(), g.at(1));
    EXPECT_EQ(all.tests, 3);

    AcceptIds none({});
    BreadthFirstVertexSearchVisitor bfs(g.graph(), g.at(0), kV1, &none, 0);
    EXPECT_EQ(bfs.first(), nullptr);
    EXPECT_TRUE(bfs.done());
    g.setAllFlags(kV1, false);
    EXPECT_EQ(bfs.first(), nullptr);
    EXPECT_FALSE(g.visited(0, kV1));  // no second search without reset()
    none.wanted = {2};
    bfs.reset();
    EXPECT_EQ(bfs.first(), g.at(2));
    EXPECT_EQ(bfs.firstMatchLevel(), 2);
}

TEST(VertexSearch, StartWithoutEdgesTestsOnlyItself) {
    TestGraph g(3);
    g.edge(1, 2);
    for (bool accept : {true, false}) {
        AcceptIds wanted(accept ? std::vector<ElementId>{0, 1, 2} : std::vector<ElementId>{1, 2});
        DepthFirstVertexSearchVisitor dfs(g.graph(), g.at(0), kV1, &wanted, 0);
        dfs.reset();
        EXPECT_EQ(dfs.first(), accept ? g.at(0) : nullptr);
        BreadthFirstVertexSearchVisitor bfs(g.graph(), g.at(0), kV1, &wanted, 0);
        bfs.reset();
        EXPECT_EQ(bfs.first(), accept ? g.at(0) : nullptr);
        EXPECT_EQ(bfs.found().size(), accept ? 1u : 0u);
    }
}

TEST(TraversalVisitors, ConstructorsRequireAVisitedPropertyAtTheIndex) {
    const AuxInt1 i1;
    const AuxFlag1 v1;
    const Visited visited;
    TestGraph g(2, {&i1, &visited, &v1});
    Component component(g.graph());
    SpanningTree tree(g.graph());
    AcceptAll all;
    const std::vector<std::pair<const char*, std::function<void(std::size_t)>>> constructors = {
        {"nx::VertexSearchVisitor",
         [&](std::size_t i) { DepthFirstVertexSearchVisitor(g.graph(), g.at(0), i, &all, 0); }},
        {"nx::VertexSearchVisitor",
         [&](std::size_t i) { BreadthFirstVertexSearchVisitor(g.graph(), g.at(0), i, &all, 0); }},
        {"nx::ComponentDiscoveringVisitor",
         [&](std::size_t i) { ComponentDiscoveringVisitor(g.graph(), i, &component); }},
        {"nx::SpanningTreeBuildingVisitor",
         [&](std::size_t i) {
             BreadthFirstSpanningTreeBuildingVisitor(g.graph(), g.at(0), i, &tree);
         }},
    };
    for (const auto& [className, construct] : constructors) {
        SCOPED_TRACE(className);
        for (std::size_t bad : {std::size_t{0}, std::size_t{3}, kNoIndex}) {
            try {
                construct(bad);
                ADD_FAILURE() << "index " << bad << " accepted";
            } catch (const std::runtime_error& e) {
                EXPECT_EQ(std::string(e.what()),
                          std::string(className) +
                              " error: cannot find nx::Visited vertex property at graph-level");
            }
        }
        EXPECT_NO_THROW(construct(1));  // plain Visited
        EXPECT_NO_THROW(construct(2));  // _V1
    }
}

TEST(DepthFirstSearch, VisitingAnEdgeSearchesFromBothEnds) {
    TestGraph g(4);
    Edge& e = g.edge(2, 0);
    g.edge(1, 3);
    AcceptAll all;
    DepthFirstVertexSearchVisitor dfs(g.graph(), nullptr, kV1, &all, 0);
    dfs.reset();
    g.graph().updateIncidence();
    e.accept(dfs);
    EXPECT_EQ(ids(dfs.found()), (std::vector<ElementId>{2, 0}));
}

}  // namespace
}  // namespace nx::test
