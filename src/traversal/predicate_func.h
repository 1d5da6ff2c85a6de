// nx::VertexSearchVisitor::PredicateFunc: accepts the vertices listed in a vector, by ID.
#pragma once

#include <cstddef>
#include <unordered_set>
#include <vector>

#include "graph/element.h"
#include "traversal/vertex_search_visitor.h"

namespace nx {

// The list stays the caller's and may grow between tests, as root discovery's does;
// a hashed set of the listed IDs, brought up to date with each test, keeps a test
// constant-time however long the list grows.
class VertexSearchVisitor::PredicateFunc : public VertexSearchVisitor::VertexPredicate {
public:
    explicit PredicateFunc(const std::vector<Vertex*>& vertices) : vertices_(vertices) {}

    // True when the vertex has the same ID as any vertex in the list.
    bool test(Vertex& vertex, Graph& graph) override;

private:
    const std::vector<Vertex*>& vertices_;
    std::unordered_set<ElementId> ids_;
    std::size_t indexed_ = 0;  // list entries already in ids_
};

using PredicateFunc = VertexSearchVisitor::PredicateFunc;

}  // namespace nx
