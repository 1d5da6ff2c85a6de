// nx::SetI1: a vertex predicate that labels each vertex it is shown with a number.
#pragma once

#include "properties/named_properties.h"
#include "traversal/vertex_search_visitor.h"

namespace nx {

// Stores its number into the vertex's graph-level _I1 and accepts nothing, so a search
// without a limit labels the whole component.
class SetI1 : public VertexSearchVisitor::VertexPredicate {
public:
    explicit SetI1(int n) : value(n) {}
    bool test(Vertex& vertex, Graph& graph) override;

    AuxInt1 value;
};

}  // namespace nx
