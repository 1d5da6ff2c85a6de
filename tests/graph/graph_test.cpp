// Graph membership, graph-level values, incidence and the neighbour walks.
#include <gtest/gtest.h>

#include "document_fixture.h"
#include "graph/error_texts.h"
#include "graph/visitor.h"
#include "properties/error_texts.h"
#include "support/error_of.h"

namespace nx {
namespace {

using GraphTest = testing::DocumentFixture;
using testing::RecordingVisitor;
using Seen = std::vector<std::string>;

using test_support::errorOf;

TEST_F(GraphTest, AddEdgeAddsItsEndsOnce) {
    Graph* g = space.graphFactory().create();
    Vertex* a = vertex();
    Vertex* b = vertex();
    Edge* e = edge(a, b);
    g->addEdge(*e);
    EXPECT_EQ(g->order(), 2u);
    EXPECT_EQ(g->edgeCount(), 1u);
    g->edgeProperties(*e).get<Weight>(0).value = 7;
    g->addEdge(*e);
    EXPECT_EQ(g->edgeCount(), 1u);
    EXPECT_EQ(g->edgeProperties(*e).get<Weight>(0).value, 7) << "a second add keeps the values";
    EXPECT_EQ(g->vertexProperties(*a).size(), 3u) << "graph-level values from the schema";
}

TEST_F(GraphTest, LookupsOfNonMembersFailWithTheirTexts) {
    Graph* g = space.graphFactory().create();
    Vertex* v = vertex();
    Edge* e = edge(v, v);
    EXPECT_EQ(errorOf([&] { g->vertexProperties(*v); }),
              nx::error_texts::kVertexPropertiesNotFound);
    EXPECT_EQ(errorOf([&] { g->edgeProperties(*e); }), nx::error_texts::kEdgePropertiesNotFound);
    EXPECT_EQ(errorOf([&] { g->incidentEdges(*v); }), nx::error_texts::kVertexNotFound);
    RecordingVisitor visitor;
    EXPECT_EQ(errorOf([&] { g->visitNeighbours(visitor, *v); }), nx::error_texts::kVertexNotFound);
    EXPECT_EQ(errorOf([&] { g->setVertexProperty(*v, X(3)); }),
              "Vertex 1 does not belong to graph  0\n");
    g->addVertex(*v);
    EXPECT_EQ(errorOf([&] { g->setVertexProperty(*v, Y(3)); }),
              nx::error_texts::kPropertyDoesNotExist);
    g->setVertexProperty(*v, X(3));
    EXPECT_EQ(xOf(*g, v), 3);
}

TEST_F(GraphTest, IncidenceListsAreSortedByEdgeIdAndLoopsStandTwice) {
    Graph* g = space.graphFactory().create();
    Vertex* a = vertex();
    Vertex* b = vertex();
    Vertex* c = vertex();
    Edge* e0 = edge(a, b);
    Edge* e1 = edge(c, a);
    Edge* loop = edge(a, a);
    g->addEdge(*loop);  // inserted first, sorted last
    g->addEdge(*e1);
    g->addEdge(*e0);
    EXPECT_TRUE(g->incidenceDirty());
    g->updateIncidence();
    EXPECT_FALSE(g->incidenceDirty());
    auto incident = [&](Vertex* v) {
        const nx::IncidenceList& list = g->incidentEdges(*v);
        return std::vector<Edge*>(list.begin(), list.end());
    };
    EXPECT_EQ(incident(a), (std::vector<Edge*>{e0, e1, loop, loop}));
    EXPECT_EQ(incident(c), std::vector<Edge*>{e1});
}

TEST_F(GraphTest, NeighbourWalksHandElementsInIncidenceOrder) {
    // a(1) -e0-> b(2), c(3) -e1-> a, a -e2-> a, b -e3-> c
    Graph* g = space.graphFactory().create();
    Vertex* a = vertex();
    Vertex* b = vertex();
    Vertex* c = vertex();
    Edge* e0 = edge(a, b);
    Edge* e1 = edge(c, a);
    Edge* e2 = edge(a, a);
    Edge* e3 = edge(b, c);
    for (Edge* e : {e3, e2, e1, e0}) g->addEdge(*e);
    g->updateIncidence();

    struct Case {
        const char* name;
        std::function<void(Visitor&)> walk;
        Seen expected;
    } cases[] = {
        {"endpoints", [&](Visitor& v) { g->visitEndpoints(v, *e1); }, {"v3", "v1"}},
        {"incident", [&](Visitor& v) { g->visitIncidentEdges(v, *a); }, {"e0", "e1", "e2", "e2"}},
        {"neighbours", [&](Visitor& v) { g->visitNeighbours(v, *a); }, {"v2", "v3"}},
        {"adjacent", [&](Visitor& v) { g->visitAdjacentEdges(v, *e0); }, {"e1", "e2", "e2", "e3"}},
        {"target", [&](Visitor& v) { g->visitTarget(v, *e0); }, {"v2"}},
        {"out", [&](Visitor& v) { g->visitOutEdges(v, *a); }, {"e0", "e2", "e2"}},
        {"successors", [&](Visitor& v) { g->visitSuccessors(v, *a); }, {"v2"}},
        {"following", [&](Visitor& v) { g->visitFollowingEdges(v, *e1); }, {"e0"}},
    };
    for (const Case& c : cases) {
        RecordingVisitor visitor;
        c.walk(visitor);
        EXPECT_EQ(visitor.seen, c.expected) << c.name;
    }
}

TEST_F(GraphTest, GraphsAcceptAsGraphs) {
    Graph* outer = space.graphFactory().create();
    Graph* inner = space.graphFactory().create();
    Vertex* v = vertex();
    outer->addEdge(*edge(inner, v));
    outer->updateIncidence();
    RecordingVisitor visitor;
    outer->visitNeighbours(visitor, *v);
    EXPECT_EQ(visitor.seen, Seen{"g1"});
}

TEST_F(GraphTest, RemoveVertexKeepsElementsInTheSpace) {
    Graph* g = space.graphFactory().create();
    Vertex* a = vertex();
    Vertex* b = vertex();
    Vertex* c = vertex();
    Edge* ab = edge(a, b);
    Edge* bc = edge(b, c);
    g->addEdge(*ab);
    g->addEdge(*bc);
    g->removeVertex(*b);
    EXPECT_EQ(g->order(), 2u);
    EXPECT_EQ(g->edgeCount(), 0u);
    EXPECT_EQ(space.vertexFactory().at(b->id), b);
    EXPECT_EQ(space.edgeFactory().at(bc->id), bc);
    g->removeVertex(*b);  // not a member: nothing happens
    g->removeEdge(*ab);
    EXPECT_EQ(g->order(), 2u);
}

TEST_F(GraphTest, BatchRemovalsBetweenRebuildsRemoveExactlyTheIncidentEdges) {
    // A star 0 -> 1..6 plus a chain 1 -> 2 -> 3; removals and additions interleaved
    // without explicit rebuilds must give the same graph as one at a time.
    Graph* g = space.graphFactory().create();
    std::vector<Vertex*> vs;
    for (int i = 0; i < 7; ++i) vs.push_back(vertex());
    for (int i = 1; i < 7; ++i) g->addEdge(*edge(vs[0], vs[i]));
    g->addEdge(*edge(vs[1], vs[2]));
    g->removeVertex(*vs[1]);
    g->removeVertex(*vs[4]);
    g->addEdge(*edge(vs[2], vs[3]));
    g->removeVertex(*vs[2]);
    g->removeVertex(*vs[5]);
    g->updateIncidence();
    EXPECT_EQ(g->order(), 3u);  // 0, 3, 6
    EXPECT_EQ(g->edgeCount(), 2u);
    EXPECT_EQ(g->incidentEdges(*vs[0]).size(), 2u);
    EXPECT_EQ(g->incidentEdges(*vs[3]).size(), 1u);
    for (const auto& [e, props] : g->edges()) {
        EXPECT_TRUE(g->contains(*e->source));
        EXPECT_TRUE(g->contains(*e->target));
    }
}

TEST_F(GraphTest, ClearGraphEmptiesBothMaps) {
    Graph* g = space.graphFactory().create();
    g->addEdge(*edge(vertex(), vertex()));
    g->clearGraph();
    EXPECT_EQ(g->order(), 0u);
    EXPECT_EQ(g->edgeCount(), 0u);
    EXPECT_EQ(space.vertexFactory().size(), 3u);
}

TEST_F(GraphTest, MembershipIteratesInInsertionOrderAcrossRemovals) {
    Graph* g = space.graphFactory().create();
    std::vector<Vertex*> vs;
    for (int i = 0; i < 100; ++i) vs.push_back(vertex());
    for (int i = 99; i >= 0; --i) g->addVertex(*vs[i]);
    for (int i = 0; i < 100; i += 2) g->removeVertex(*vs[i]);  // forces compaction of slots
    std::vector<ElementId> order;
    for (const auto& [v, entry] : g->vertices()) order.push_back(v->id);
    ASSERT_EQ(order.size(), 50u);
    for (std::size_t i = 1; i < order.size(); ++i) EXPECT_GT(order[i - 1], order[i]);
    g->addVertex(*vs[0]);
    Vertex* last = nullptr;
    for (const auto& [v, entry] : g->vertices()) last = v;
    EXPECT_EQ(last, vs[0]) << "a re-added vertex goes to the end";
}

TEST_F(GraphTest, TakenMembersGoBackIntoTheirSlotsWithTheirValues) {
    Graph* g = space.graphFactory().create();
    Vertex* a = vertex();
    Vertex* b = vertex();
    Vertex* c = vertex();
    Edge* ab = edge(a, b);
    Edge* bc = edge(b, c);
    g->addEdge(*ab);
    g->addEdge(*bc);
    g->vertexProperties(*b).get<X>(2).value = 41;
    g->edgeProperties(*ab).get<Weight>(0).value = 9;
    g->keepSlots(true);
    const std::size_t bSlot = g->vertices().slotOf(b);
    const std::size_t abSlot = g->edges().slotOf(ab);

    std::unique_ptr<ActualProperties> bValues = g->takeVertex(*b);
    std::unique_ptr<ActualProperties> abValues = g->takeEdge(*ab);
    ASSERT_NE(bValues, nullptr);
    ASSERT_NE(abValues, nullptr);
    EXPECT_EQ(g->takeVertex(*b), nullptr) << "no longer a member";
    EXPECT_FALSE(g->contains(*b));

    // A slot held by another member refuses, and the values stay with the caller.
    EXPECT_FALSE(g->restoreVertex(*b, bValues, g->vertices().slotOf(a)));
    EXPECT_FALSE(g->restoreEdge(*ab, abValues, g->edges().slotOf(bc)));
    ASSERT_NE(bValues, nullptr);
    ASSERT_NE(abValues, nullptr);

    EXPECT_TRUE(g->restoreVertex(*b, bValues, bSlot));
    EXPECT_TRUE(g->restoreEdge(*ab, abValues, abSlot));
    EXPECT_EQ(bValues, nullptr);
    EXPECT_EQ(abValues, nullptr);
    g->keepSlots(false);
    EXPECT_EQ(xOf(*g, b), 41);
    EXPECT_EQ(g->edgeProperties(*ab).get<Weight>(0).value, 9);
    std::vector<Vertex*> order;
    for (const auto& [v, entry] : g->vertices()) order.push_back(v);
    EXPECT_EQ(order, (std::vector<Vertex*>{a, b, c}));
    std::vector<Edge*> edges;
    for (const auto& [e, values] : g->edges()) edges.push_back(e);
    EXPECT_EQ(edges, (std::vector<Edge*>{ab, bc}));
}

}  // namespace
}  // namespace nx
