// Vertex and edge lifetime and double dispatch.
#include "graph/element.h"

#include "graph/visitor.h"

namespace nx {

Vertex::~Vertex() {
    delete properties;
}

void Vertex::accept(Visitor& visitor) {
    visitor.visit(*this);
}

Edge::~Edge() {
    delete properties;
}

void Edge::accept(Visitor& visitor) {
    visitor.visit(*this);
}

}  // namespace nx
