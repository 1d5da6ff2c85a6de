// The graph view's mouse interaction state: dragging, rubber band and edge connection.
#pragma once

#include "views/geometry.h"
#include "views/view_entries.h"

namespace nx {

struct InteractionState {
    bool moving = false;          // a drag of the selection is in progress
    bool rubberBand = false;      // a rubber-band rectangle is on the screen
    bool rubberAdditive = false;  // the rubber band adds to the selection
    // A new edge is being connected; the fixed vertex is its source or its target.
    bool connectFrom = false;
    bool connectTo = false;
    bool suppressContextMenu = false;  // refuse the next context-menu request
    Point lastPoint;                   // where the last drag step ended
    Point lineStart, lineEnd;          // rubber-band corners or connecting-line ends
    VertexViewEntry target;            // the vertex under the mouse while connecting
    VertexViewEntry fixed;             // the vertex chosen to be connected

    bool connecting() const { return connectFrom || connectTo; }
};

}  // namespace nx
