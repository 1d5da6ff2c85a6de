// Root discovery and the visited-index lookup.
#include <gtest/gtest.h>

#include <stdexcept>

#include "traversal/depth_first_vertex_search_visitor.h"
#include "traversal/error_texts.h"
#include "traversal/graph_walks.h"
#include "traversal/predicate_func.h"
#include "traversal_fixture.h"

namespace nx::test {
namespace {

// The plain procedure: a fresh search with a full reset per root candidate.
std::vector<Vertex*> referenceRoots(Graph& graph, std::vector<Vertex*> roots) {
    graph.updateIncidence();
    std::vector<Vertex*> isolated;
    for (const auto& [vertex, entry] : graph.vertices()) {
        if (entry.incident.empty()) {
            isolated.push_back(vertex);
            continue;
        }
        bool hasParent = false;
        for (const Edge* e : entry.incident) hasParent |= e->target->id == vertex->id;
        if (hasParent) continue;
        if (roots.empty()) {
            roots.push_back(vertex);
            continue;
        }
        PredicateFunc inRoots(roots);
        DepthFirstVertexSearchVisitor search(graph, vertex, entry.properties->find(AuxFlag1()), &inRoots,
                                             0);
        search.reset();
        if (!search.first()) roots.push_back(vertex);
    }
    roots.insert(roots.end(), isolated.begin(), isolated.end());
    return roots;
}

struct RootCase {
    const char* name;
    std::size_t vertexCount;
    EdgeList edges;
    std::vector<std::size_t> given;  // roots already in the list
    std::vector<ElementId> roots;
};

const std::vector<RootCase> kRootCases = {
    {"two trees and isolated vertices", 8, {{4, 3}, {4, 5}, {1, 2}, {2, 6}}, {}, {1, 4, 0, 7}},
    {"second source in a represented component", 5, {{0, 1}, {2, 1}, {2, 3}}, {}, {0, 4}},
    {"directed cycle", 3, {{0, 1}, {1, 2}, {2, 0}}, {}, {}},
    {"self-loop on the only source", 3, {{0, 0}, {0, 1}, {1, 2}}, {}, {}},
    {"cycle and a tree", 5, {{0, 1}, {1, 0}, {3, 2}, {3, 4}}, {}, {3}},
    {"sources sharing components", 7, {{1, 0}, {2, 0}, {3, 0}, {4, 5}, {6, 5}, {3, 2}}, {}, {1, 4}},
    {"a given root in the component", 4, {{0, 1}, {2, 1}}, {2}, {2, 3}},
    {"a given root elsewhere", 4, {{0, 1}, {2, 1}}, {3}, {3, 0, 3}},
    {"last source in an earlier component", 6, {{1, 0}, {2, 0}, {5, 0}, {3, 4}}, {}, {1, 3}},
    {"in-star: many sources, one component", 6, {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}}, {}, {1}},
};

TEST(RootDiscovery, OneRootPerComponentThenIsolatedVertices) {
    for (const RootCase& c : kRootCases) {
        SCOPED_TRACE(c.name);
        TestGraph g(c.vertexCount);
        g.edges(c.edges);
        std::vector<Vertex*> roots;
        for (std::size_t i : c.given) roots.push_back(g.at(i));
        nx::findRoots(g.graph(), roots);
        EXPECT_EQ(ids(roots), c.roots);
    }
}

// The shortcuts inside root discovery must not show: roots and flags end exactly as
// with a full reset before every search, whatever the flags were before.
TEST(RootDiscovery, RootsAndFlagsMatchThePlainProcedure) {
    for (const RootCase& c : kRootCases) {
        for (bool flagsBefore : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.name << ", flags before " << flagsBefore);
            TestGraph plain(c.vertexCount), fast(c.vertexCount);
            plain.edges(c.edges);
            fast.edges(c.edges);
            plain.setAllFlags(kV1, flagsBefore);
            fast.setAllFlags(kV1, flagsBefore);
            std::vector<Vertex*> given, fastRoots;
            for (std::size_t i : c.given) {
                given.push_back(plain.at(i));
                fastRoots.push_back(fast.at(i));
            }
            const std::vector<Vertex*> plainRoots = referenceRoots(plain.graph(), given);
            nx::findRoots(fast.graph(), fastRoots);
            EXPECT_EQ(ids(fastRoots), ids(plainRoots));
            EXPECT_EQ(fast.flags(kV1), plain.flags(kV1));
        }
    }
}

TEST(RootDiscovery, MissingV1FailsTheSearch) {
    const Visited visited;
    TestGraph g(3, {&visited});
    g.edges({{0, 1}, {2, 1}});
    std::vector<Vertex*> roots;
    try {
        nx::findRoots(g.graph(), roots);
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), nx::error_texts::kVertexSearchVisitedMissing);
    }
    // A forest needs no search, so it succeeds even without the flag.
    TestGraph tree(3, {&visited});
    tree.edges({{0, 1}, {0, 2}});
    roots.clear();
    nx::findRoots(tree.graph(), roots);
    EXPECT_EQ(ids(roots), std::vector<ElementId>{0});
}

TEST(PredicateFunc, MatchesByIdAndFollowsAGrowingList) {
    TestGraph g(4);
    std::vector<Vertex*> list{g.at(1)};
    PredicateFunc inList(list);
    Vertex sameIdElsewhere(2, nullptr);
    EXPECT_TRUE(inList.test(g[1], g.graph()));
    EXPECT_FALSE(inList.test(g[2], g.graph()));
    list.push_back(g.at(2));
    EXPECT_TRUE(inList.test(sameIdElsewhere, g.graph()));
    list.assign({g.at(3)});
    EXPECT_FALSE(inList.test(g[1], g.graph()));
    EXPECT_TRUE(inList.test(g[3], g.graph()));
}

TEST(VisitedPropertyIndex, PrefersV1ThenVisited) {
    const AuxFlag1 v1;
    const Visited visited;
    const AuxInt1 i1;
    struct Case {
        std::vector<const Property*> schema;
        std::size_t index;
    };
    const std::vector<Case> cases = {
        {{&i1, &visited, &v1}, 2}, {{&v1, &visited}, 0}, {{&i1, &visited}, 1}};
    for (const Case& c : cases) {
        TestGraph g(1, c.schema);
        EXPECT_EQ(nx::visitedPropertyIndex(g.graph()), c.index);
    }
    TestGraph none(1, {&i1});
    try {
        nx::visitedPropertyIndex(none.graph());
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), nx::error_texts::kVisitedNotAtGraphLevel);
    }
}

}  // namespace
}  // namespace nx::test
