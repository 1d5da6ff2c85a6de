// The layouts' vertex table: its neighbour lists against the graph's own incidence lists.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "graph/incidence_list.h"
#include "layout_fixture.h"
#include "layouts/vertex_table.h"

namespace nx {
namespace {

// A multigraph with loops and parallel edges, large enough that the table's reads ahead
// cross many vertices' lists, and vertices without any edge.
TEST(VertexTable, NeighboursFollowTheIncidenceListsWithoutLoops) {
    test::LayoutDocument d(80);
    std::mt19937 random(7);
    std::vector<std::pair<std::size_t, std::size_t>> edges;
    for (int k = 0; k < 300; ++k) {
        const std::size_t s = random() % 70, t = random() % 70;  // 70..79 stay alone
        edges.push_back({s, t});
        if (k % 10 == 0) edges.push_back({s, s});
        if (k % 25 == 0) edges.push_back({s, t});
    }
    d.edges(edges);
    for (const bool depthFirst : {false, true}) {
        std::vector<std::uint32_t> positions;
        const VertexTable table(d.graph(), positions, depthFirst);
        ASSERT_EQ(table.size(), d.vertices.size());
        for (std::uint32_t i = 0; i < table.size(); ++i) {
            const Vertex& vertex = table.vertex(i);
            std::vector<std::uint32_t> expected;
            for (const Edge* e : d.graph().incidentEdges(vertex)) {
                if (e->source == e->target) continue;
                expected.push_back(table.position(e->source == &vertex ? *e->target : *e->source));
            }
            const auto got = table.neighbours(i);
            EXPECT_EQ(std::vector<std::uint32_t>(got.begin(), got.end()), expected)
                << "position " << i << (depthFirst ? " depth-first" : "");
        }
    }
}

}  // namespace
}  // namespace nx
