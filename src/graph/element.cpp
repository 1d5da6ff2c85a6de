// Vertex and edge lifetime and double dispatch.
#include "graph/element.h"

#include "graph/visitor.h"

namespace nx {

Vertex::~Vertex() = default;

void Vertex::accept(Visitor& visitor) {
    visitor.visit(*this);
}

Edge::~Edge() = default;

void Edge::accept(Visitor& visitor) {
    visitor.visit(*this);
}

}  // namespace nx
