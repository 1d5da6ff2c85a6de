// nx::Layout: base of the layouts: the graph and view laid out and coordinate access.
#pragma once

#include <cstddef>
#include <cstdint>

#include "graph/progress.h"
#include "views/position_writer.h"

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
    void setXY(Vertex& vertex, int x, int y) { positions_.set(vertex, x, y); }
    int getX(Vertex& vertex) { return positions_.x(vertex); }

    Graph* graph;
    GraphView* view;
    int startX = 50;
    int startY = 50;

    // Every position a layout writes goes through this writer: the walks keep its slots
    // to avoid a lookup per access, and the view hears of the writes.
    PositionWriter& positions() { return positions_; }

private:
    PositionWriter positions_;
};

}  // namespace nx
