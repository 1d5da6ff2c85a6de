// Subgraphs borrow their parent's values and never delete them.
#include <gtest/gtest.h>

#include "document_fixture.h"
#include "graph/error_texts.h"
#include "graph/subgraph.h"

namespace nx {
namespace {

class SubgraphTest : public testing::DocumentFixture {
protected:
    SubgraphTest() {
        parent = space.graphFactory().create();
        a = vertex();
        b = vertex();
        c = vertex();
        ab = edge(a, b);
        bc = edge(b, c);
        parent->addEdge(*ab);
        parent->addEdge(*bc);
    }
    Graph* parent;
    Vertex *a, *b, *c;
    Edge *ab, *bc;
};

TEST_F(SubgraphTest, WritesThroughTheSubgraphReachTheParent) {
    Component component(*parent);
    component.addEdge(*ab);
    EXPECT_EQ(component.id, parent->id);
    component.vertexProperties(*a).get<X>(2).value = 123;
    EXPECT_EQ(xOf(*parent, a), 123);
    EXPECT_EQ(&component.edgeProperties(*ab), &parent->edgeProperties(*ab));
}

TEST_F(SubgraphTest, TryAddAnswersWhetherAnythingJoined) {
    SpanningTree tree(*parent);
    EXPECT_TRUE(tree.tryAddVertex(*a));
    EXPECT_FALSE(tree.tryAddVertex(*a));
    tree.tryAddVertex(*b);
    EXPECT_TRUE(tree.tryAddEdge(*ab)) << "ends present, edge new";
    EXPECT_FALSE(tree.tryAddEdge(*ab));
    EXPECT_TRUE(tree.tryAddEdge(*bc)) << "new end and new edge";
}

TEST_F(SubgraphTest, RemovalsAndDestructionLeaveParentValuesIntact) {
    parent->vertexProperties(*b).get<X>(2).value = 77;
    {
        auto sub = std::make_unique<InducedSubgraph>(*parent);
        sub->addEdge(*ab);
        sub->addEdge(*bc);
        sub->removeEdge(*ab);
        sub->removeVertex(*a);
        sub->removeSubtree(*c);
        sub->clearGraph();
        sub->addEdge(*ab);
        sub->addEdge(*ab);  // already a member: nothing borrowed twice
    }
    EXPECT_EQ(xOf(*parent, b), 77);
    EXPECT_EQ(parent->order(), 3u);
    EXPECT_EQ(parent->edgeCount(), 2u);
    EXPECT_EQ(parent->vertexProperties(*a).size(), 3u);
    EXPECT_NE(parent->properties, nullptr);
    EXPECT_NE(parent->graphProperties(), nullptr);
}

TEST_F(SubgraphTest, NonMemberOfParentCannotJoin) {
    Component component(*parent);
    Vertex* stranger = vertex();
    try {
        component.addVertex(*stranger);
        FAIL();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), nx::error_texts::kVertexPropertiesNotFound);
    }
    EXPECT_EQ(component.order(), 0u);
}

}  // namespace
}  // namespace nx
