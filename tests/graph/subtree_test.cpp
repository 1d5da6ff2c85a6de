// removeSubtree on trees and on shapes that are not trees, including a very deep path.
#include <gtest/gtest.h>

#include "document_fixture.h"
#include "graph/error_texts.h"

namespace nx {
namespace {

using SubtreeTest = testing::DocumentFixture;

// Every member edge must have member ends.
void expectConsistent(const Graph& g) {
    for (const auto& [e, props] : g.edges()) {
        EXPECT_TRUE(g.contains(*e->source)) << "edge " << e->id;
        EXPECT_TRUE(g.contains(*e->target)) << "edge " << e->id;
    }
}

TEST_F(SubtreeTest, LeafRemovesOnlyItselfAndItsParentEdge) {
    Graph* g = space.graphFactory().create();
    Vertex* root = vertex();
    Vertex* leaf = vertex();
    Vertex* other = vertex();
    g->addEdge(*edge(root, leaf));
    g->addEdge(*edge(root, other));
    g->removeSubtree(*leaf);
    EXPECT_EQ(g->order(), 2u);
    EXPECT_EQ(g->edgeCount(), 1u);
    EXPECT_FALSE(g->contains(*leaf));
    expectConsistent(*g);
}

TEST_F(SubtreeTest, InnerVertexTakesItsDescendants) {
    Graph* g = space.graphFactory().create();
    Vertex* r = vertex();
    Vertex* a = vertex();
    Vertex* a1 = vertex();
    Vertex* a2 = vertex();
    Vertex* b = vertex();
    for (auto [s, t] : {std::pair{r, a}, {a, a1}, {a, a2}, {r, b}}) g->addEdge(*edge(s, t));
    g->removeSubtree(*a);
    EXPECT_EQ(g->order(), 2u);
    EXPECT_TRUE(g->contains(*r));
    EXPECT_TRUE(g->contains(*b));
    EXPECT_EQ(g->edgeCount(), 1u);
    expectConsistent(*g);
}

TEST_F(SubtreeTest, ShapesThatAreNotTreesTerminateAndStayConsistent) {
    struct Shape {
        const char* name;
        std::vector<std::pair<int, int>> edges;  // by vertex index
        int start;
        std::size_t expectOrder;  // members left
    } shapes[] = {
        {"shared descendant", {{0, 1}, {1, 2}, {1, 3}, {2, 4}, {3, 4}}, 1, 1},
        {"cycle below start", {{0, 1}, {1, 2}, {2, 3}, {3, 1}}, 1, 1},
        {"cycle through start", {{0, 1}, {1, 0}}, 0, 0},
        {"self-loop", {{0, 1}, {1, 1}}, 1, 1},
        {"in-edge from outside", {{0, 1}, {1, 2}, {3, 2}, {0, 3}}, 1, 2},
        {"parallel edges", {{0, 1}, {1, 2}, {1, 2}}, 1, 1},
    };
    for (const Shape& shape : shapes) {
        Graph* g = space.graphFactory().create();
        std::vector<Vertex*> vs;
        for (int i = 0; i < 5; ++i) vs.push_back(vertex());
        for (auto [s, t] : shape.edges) g->addEdge(*edge(vs[s], vs[t]));
        g->removeSubtree(*vs[shape.start]);
        EXPECT_EQ(g->order(), shape.expectOrder) << shape.name;
        expectConsistent(*g);
        g->updateIncidence();
    }
}

TEST_F(SubtreeTest, NonMemberFailsWithVertexNotFound) {
    Graph* g = space.graphFactory().create();
    Vertex* v = vertex();
    try {
        g->removeSubtree(*v);
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), nx::error_texts::kVertexNotFound);
    }
}

TEST_F(SubtreeTest, MillionVertexPathDoesNotExhaustTheStack) {
    Graph* g = space.graphFactory().create();
    constexpr int n = 1000000;
    Vertex* previous = vertex();
    Vertex* first = previous;
    for (int i = 1; i < n; ++i) {
        Vertex* next = vertex();
        g->addEdge(*edge(previous, next));
        previous = next;
    }
    g->removeSubtree(*first);
    EXPECT_EQ(g->order(), 0u);
    EXPECT_EQ(g->edgeCount(), 0u);
}

}  // namespace
}  // namespace nx
