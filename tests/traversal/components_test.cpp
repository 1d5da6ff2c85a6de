// Connected components, their cache, and the tree and forest tests.
#include <gtest/gtest.h>

#include "graph/subgraph.h"
#include "traversal/graph_walks.h"
#include "traversal_fixture.h"

namespace nx::test {
namespace {

struct ComponentCase {
    const char* name;
    std::size_t vertexCount;
    EdgeList edges;
    // Each component's vertices and edges in the order they joined, and whether it is a tree.
    std::vector<std::vector<ElementId>> vertices;
    std::vector<std::vector<ElementId>> edgesJoined;
    std::vector<bool> trees;
    bool forest;
};

const std::vector<ComponentCase> kCases = {
    {"three isolated vertices", 3, {}, {{0}, {1}, {2}}, {{}, {}, {}}, {true, true, true}, true},
    {"two trees and an isolated vertex",
     6,
     {{3, 4}, {0, 1}, {0, 2}},
     {{0, 1, 2}, {3, 4}, {5}},
     {{1, 2}, {0}, {}},
     {true, true, true},
     true},
    // The walk takes incident edges in edge order, against their direction too.
    {"two trees joined into a second parent",
     5,
     {{0, 1}, {0, 2}, {3, 4}, {2, 4}},
     {{0, 1, 2, 4, 3}},
     {{0, 1, 3, 2}},
     {false},
     false},
    {"two-vertex cycle", 2, {{0, 1}, {1, 0}}, {{0, 1}}, {{0, 1}}, {false}, false},
    {"self-loop on the root", 2, {{0, 0}, {0, 1}}, {{0, 1}}, {{0, 1}}, {false}, false},
    {"diamond",
     4,
     {{0, 1}, {0, 2}, {1, 3}, {2, 3}},
     {{0, 1, 3, 2}},
     {{0, 2, 3, 1}},
     {false},
     false},
    {"tree reached from a leaf", 3, {{1, 0}, {1, 2}}, {{0, 1, 2}}, {{0, 1}}, {true}, true},
};

TEST(Components, DiscoveredInVertexOrderWithMembersInWalkOrder) {
    for (const ComponentCase& c : kCases) {
        SCOPED_TRACE(c.name);
        TestGraph g(c.vertexCount);
        g.edges(c.edges);
        const auto& components = nx::components(g.graph());
        ASSERT_EQ(components.size(), c.vertices.size());
        for (std::size_t i = 0; i < components.size(); ++i) {
            EXPECT_EQ(memberIds(*components[i]), c.vertices[i]) << "component " << i;
            EXPECT_EQ(edgeIds(*components[i]), c.edgesJoined[i]) << "component " << i;
            EXPECT_EQ(nx::isTree(*components[i]), c.trees[i]) << "component " << i;
            EXPECT_EQ(&components[i]->parent(), &g.graph());
        }
        EXPECT_EQ(nx::isForest(g.graph()), c.forest);
    }
}

TEST(Components, CachedUntilIncidenceIsRebuilt) {
    TestGraph g(4);
    g.edges({{0, 1}, {2, 3}});
    const auto& first = nx::components(g.graph());
    ASSERT_EQ(first.size(), 2u);
    const Component* component0 = first[0].get();
    g.setAllFlags(1, true);  // a recomputation would clear these
    EXPECT_EQ(&nx::components(g.graph()), &first);
    EXPECT_EQ(nx::components(g.graph())[0].get(), component0);
    EXPECT_EQ(g.flags(1), std::vector<bool>(4, true));

    g.edge(1, 2);
    g.graph().updateIncidence();
    const auto& rebuilt = nx::components(g.graph());
    ASSERT_EQ(rebuilt.size(), 1u);
    EXPECT_EQ(memberIds(*rebuilt[0]), (std::vector<ElementId>{0, 1, 2, 3}));
    EXPECT_TRUE(nx::isForest(g.graph()));
}

TEST(TreeTests, RootsParentsAndEmptyGraphs) {
    struct Case {
        const char* name;
        std::size_t vertexCount;
        EdgeList edges;
        bool tree;
        bool forest;
    };
    const std::vector<Case> cases = {
        {"empty", 0, {}, true, false},
        {"single vertex", 1, {}, true, true},
        {"path", 3, {{0, 1}, {1, 2}}, true, true},
        {"two roots in one component", 3, {{0, 1}, {2, 1}}, false, false},
        {"two separate trees", 4, {{0, 1}, {2, 3}}, false, true},
        {"directed cycle has no root", 3, {{0, 1}, {1, 2}, {2, 0}}, false, false},
        {"self-loop on a leaf", 2, {{0, 1}, {1, 1}}, false, false},
        {"parallel edges", 2, {{0, 1}, {0, 1}}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestGraph g(c.vertexCount);
        g.edges(c.edges);
        EXPECT_EQ(nx::isTree(g.graph()), c.tree);
        EXPECT_EQ(nx::isForest(g.graph()), c.forest);
    }
}

TEST(Components, WithoutVisitedPropertyNoneAreFoundAndNoGraphPassesAsForest) {
    const AuxInt1 i1;
    TestGraph cycle(2, {&i1});
    cycle.edges({{0, 1}, {1, 0}});
    EXPECT_TRUE(nx::components(cycle.graph()).empty());
    EXPECT_FALSE(nx::isForest(cycle.graph())) << "a failed walk must not vouch for a cycle";
    TestGraph tree(2, {&i1});
    tree.edges({{0, 1}});
    EXPECT_FALSE(nx::isForest(tree.graph())) << "the shape cannot be judged without the flag";
}

TEST(Components, ShareTheParentsValues) {
    TestGraph g(2, {});
    g.edge(0, 1);
    Component& component = *nx::components(g.graph())[0];
    static_cast<Visited&>(component.vertexProperties(g[1]).at(1)).value = false;
    EXPECT_FALSE(g.visited(1, 1));
    EXPECT_TRUE(g.visited(0, 1));  // set by the discovery
}

}  // namespace
}  // namespace nx::test
