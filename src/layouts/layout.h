// nx::Layout: base of the layouts: the graph and view laid out and coordinate access.
#pragma once

#include <cstddef>
#include <cstdint>

#include "graph/progress.h"

namespace nx {

class ActualProperties;
class Graph;
class GraphView;
class Vertex;

class Layout {
public:
    explicit Layout(GraphView& view);
    virtual ~Layout() = default;
    virtual void arrange() = 0;
    // True when X and Y are both present at view level or both at graph level.
    virtual bool requirementsMet();

    // Coordinates at view level when the view has both X and Y, else at graph level when
    // the graph has both, else nowhere (writes do nothing, reads answer 0).
    void setXY(Vertex& vertex, int x, int y);
    int getX(Vertex& vertex);
    // Answers the new X.
    int addX(Vertex& vertex, int dx);

    Graph* graph;
    GraphView* view;
    std::size_t viewXIndex, viewYIndex;
    std::size_t graphXIndex, graphYIndex;
    int startX = 50;
    int startY = 50;

protected:
    // The vertex's X and Y values at the chosen level; both null when neither level has them.
    // The walks keep these to avoid a lookup per access.
    std::int32_t* xSlot(Vertex& vertex);
    std::int32_t* ySlot(Vertex& vertex);
    // Both at once, with one lookup of the vertex's entry; both null when neither level
    // has them.
    void coordinateSlots(Vertex& vertex, std::int32_t*& x, std::int32_t*& y);
    bool usesViewLevel() const;
    bool usesGraphLevel() const;
};

}  // namespace nx
