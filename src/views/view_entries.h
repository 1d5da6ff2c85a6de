// Element entries of the graph view: an element with its view-level values and its view.
#pragma once

#include <memory>

#include "properties/actual_properties.h"
#include "views/view.h"
#include "views/view_ref.h"

namespace nx {

class Edge;
class Vertex;

// A vertex with its view-level values and the view that draws it, borrowed: what lookups,
// hit tests and the selection lists hand out. Empty when vertex is null.
struct VertexViewEntry {
    Vertex* vertex = nullptr;
    ActualProperties* properties = nullptr;
    VertexView* view = nullptr;
};

struct EdgeViewEntry {
    Edge* edge = nullptr;
    ActualProperties* properties = nullptr;
    EdgeView* view = nullptr;
};

// What the scene keeps per vertex in drawing order (and an undo record while the entry is
// out of the view): it owns the values and holds one counted reference on the view.
struct VertexViewData {
    Vertex* vertex = nullptr;
    std::unique_ptr<ActualProperties> properties;
    ViewRef<VertexView> view;

    // The same entry, borrowed.
    VertexViewEntry borrow() const { return {vertex, properties.get(), view.get()}; }
    operator VertexViewEntry() const { return borrow(); }
};

// What the edge map keeps per edge, owned the same way.
struct EdgeViewData {
    std::unique_ptr<ActualProperties> properties;
    ViewRef<EdgeView> view;
};

}  // namespace nx
