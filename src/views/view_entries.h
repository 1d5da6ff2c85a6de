// Element entries of the graph view: an element with its view-level values and its view.
#pragma once

namespace nx {

class ActualProperties;
class Edge;
class EdgeView;
class Vertex;
class VertexView;

// A vertex with its view-level values and the view that draws it; empty when vertex is null.
// In the scene's drawing order and edge map the entry owns its values and its view pointer
// holds one counted reference (see ViewRef::detach); copies handed out only borrow both.
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

// What the edge map keeps per edge.
struct EdgeViewData {
    ActualProperties* properties = nullptr;
    EdgeView* view = nullptr;
};

}  // namespace nx
