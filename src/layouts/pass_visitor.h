// nx::PassVisitor: a layout's visitor that runs the current pass's walk from each vertex.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "graph/graph.h"
#include "graph/visitor.h"
#include "layouts/vertex_table.h"

namespace nx {

// The layouts number the vertices they place in a VertexTable and walk from the roots a
// search hands them: visiting a vertex runs walk number `pass` (from 1) from its place in
// the table; other passes and vertices outside the table walk nothing. An edge hands both
// ends on. Derived is the visitor itself; it answers table() and names its walks.
template <typename Derived>
class PassVisitor : public Visitor {
public:
    using Walk = void (Derived::*)(std::uint32_t);

    void visit(Graph&) override {}
    void visit(Edge& edge) override { graph->visitEndpoints(*this, edge); }
    void visit(Vertex& vertex) override {
        Derived& self = static_cast<Derived&>(*this);
        const std::uint32_t v = self.table().position(vertex);
        if (v == VertexTable::kNone || pass < 1 || pass > static_cast<int>(walks_.size()))
            return;
        (self.*walks_[static_cast<std::size_t>(pass - 1)])(v);
    }

    Graph* graph;
    int pass = 0;

protected:
    PassVisitor(Graph& graph, const std::array<Walk, 3>& walks) : graph(&graph), walks_(walks) {}

private:
    std::array<Walk, 3> walks_;
};

}  // namespace nx
