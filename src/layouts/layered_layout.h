// nx::LayeredLayout: Graphviz's layered (dot) layout for directed graphs that need not be
// forests: layers top-down along the edges, few crossings.
#pragma once

#include <cstddef>

#include "layouts/layout.h"

namespace nx {

class LayeredLayout : public Layout {
public:
    LayeredLayout(GraphView& view, int layerSeparation, int nodeSeparation);

    // Lays out every vertex, the drawing's top-left vertex at (startX, startY). Throws a
    // runtime error above VertexLimit vertices (the computation grows much faster than
    // the graph), without X and Y, or when Graphviz fails; no coordinate changes then.
    void arrange() override;

    // Centre-to-centre distances between layers and between neighbours in a layer.
    int LayerSeparation;
    int NodeSeparation;
    std::size_t VertexLimit = 5000;
};

}  // namespace nx
