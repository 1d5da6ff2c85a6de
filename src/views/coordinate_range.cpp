// Clamping the positions a graph view draws into the device coordinate range.
#include "views/coordinate_range.h"

#include "properties/named_properties.h"
#include "views/graph_view.h"

namespace nx {

void clampIfCoordinate(Property& property) {
    if (auto* x = dynamic_cast<X*>(&property)) x->value = clampCoordinate(x->value);
    if (auto* y = dynamic_cast<Y*>(&property)) y->value = clampCoordinate(y->value);
}

void clampVertexCoordinates(GraphView& view) {
    for (const VertexViewEntry e : view.vertexSequence()) {
        const int x = view.getX(e.vertex, e.properties);
        const int y = view.getY(e.vertex, e.properties);
        if (!inCoordinateRange(x)) view.setX(e.vertex, e.properties, clampCoordinate(x));
        if (!inCoordinateRange(y)) view.setY(e.vertex, e.properties, clampCoordinate(y));
    }
}

}  // namespace nx
