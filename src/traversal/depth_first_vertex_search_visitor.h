// nx::DepthFirstVertexSearchVisitor: preorder search over the undirected neighbourhood.
#pragma once

#include "traversal/vertex_search_visitor.h"

namespace nx {

class DepthFirstVertexSearchVisitor : public VertexSearchVisitor {
public:
    using VertexSearchVisitor::VertexSearchVisitor;

    void visit(Graph& graph) override;
    // Hands the edge's ends to the search.
    void visit(Edge& edge) override;
    // Walks the vertex's component depth first, neighbours in incident-edge order.
    void visit(Vertex& vertex) override;
    void search() override;

private:
    // Marks and tests the vertex; answers whether its neighbours are to be walked.
    bool enter(Vertex& vertex);

    bool walking_ = false;       // inside visit(Vertex&): neighbours are only reported
    Vertex* reached_ = nullptr;  // the neighbour the last accept reported
};

}  // namespace nx
