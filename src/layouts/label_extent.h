// nx::LabelExtent: how far a vertex's drawing with its labels reaches from its position.
#pragma once

#include <functional>

namespace nx {

class GraphView;
class Vertex;

// Distances from the vertex's position to the edges of the rectangle its shape and labels
// cover, each at least 0.
struct LabelExtent {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Answers a vertex's extent; the layouts that make room for labels call it once per vertex.
using LabelMeasure = std::function<LabelExtent(Vertex&)>;

// The labels as the view draws them, measured by its drawing tools around the vertex's
// position; a vertex without a view reaches nowhere. The view must outlive the measure.
LabelMeasure drawnLabels(GraphView& view);

}  // namespace nx
