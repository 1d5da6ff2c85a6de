// IDs, factories and garbage collection of a space.
#include <gtest/gtest.h>

#include "document_fixture.h"
#include "graph/visitor.h"

namespace nx {
namespace {

using SpaceTest = testing::DocumentFixture;

TEST_F(SpaceTest, VerticesAndGraphsShareOneIdSequence) {
    Vertex* v0 = vertex();
    Graph* g = space.graphFactory().create();
    Vertex* v2 = vertex();
    EXPECT_EQ(v0->id, 0u);
    EXPECT_EQ(g->id, 1u);
    EXPECT_EQ(v2->id, 2u);
    EXPECT_EQ(space.vertexFactory().at(1), g);
    EXPECT_EQ(space.vertexFactory().at(3), nullptr);
    EXPECT_EQ(space.graphFactory().find(1), g);
    EXPECT_EQ(space.graphFactory().find(0), nullptr);
    EXPECT_TRUE(g->isGraph());
    EXPECT_FALSE(v0->isGraph());
    EXPECT_EQ(v0->properties->size(), 1u) << "space-level values cloned from the vertex schema";
}

TEST_F(SpaceTest, EdgesHaveTheirOwnSequence) {
    Vertex* a = vertex();
    Vertex* b = vertex();
    EXPECT_EQ(edge(a, b)->id, 0u);
    Edge* fresh = space.edgeFactory().create();
    EXPECT_EQ(fresh->id, 1u);
    EXPECT_EQ(fresh->target->id, 2u) << "the vertex made first is the target";
    EXPECT_EQ(fresh->source->id, 3u);
    EXPECT_EQ(space.edgeFactory().at(2), nullptr);
}

TEST_F(SpaceTest, CollectGarbageDeletesUnusedElementsAndRenumbers) {
    Vertex* v0 = vertex();
    Vertex* v1 = vertex();
    Vertex* v2 = vertex();
    Graph* g = space.graphFactory().create();  // ID 3
    Edge* kept = edge(v0, v2);
    edge(v0, v1);  // its end v1 will not be a member: the edge is garbage too
    g->addEdge(*kept);
    g->updateIncidence();

    space.collectGarbage();
    EXPECT_EQ(space.vertexFactory().size(), 3u);
    EXPECT_EQ(space.edgeFactory().size(), 1u);
    EXPECT_EQ(v2->id, 1u);
    EXPECT_EQ(g->id, 2u);
    EXPECT_EQ(space.vertexFactory().at(1), v2);
    EXPECT_TRUE(g->incidenceDirty());
    g->updateIncidence();
    EXPECT_EQ(g->incidentEdges(*v2).size(), 1u);
}

TEST_F(SpaceTest, CollectGarbageWithNothingToCollectChangesNoId) {
    Vertex* a = vertex();
    Vertex* b = vertex();
    Graph* g = space.graphFactory().create();
    g->addEdge(*edge(a, b));
    space.collectGarbage();
    EXPECT_EQ(a->id, 0u);
    EXPECT_EQ(b->id, 1u);
    EXPECT_EQ(g->id, 2u);
    EXPECT_FALSE(g->incidenceDirty());
    EXPECT_EQ(g->incidentEdges(*a).size(), 1u);
}

}  // namespace
}  // namespace nx
