// The layouts' common base: the graph and view laid out and where positions go.
#include "layouts/layout.h"

#include "views/graph_view.h"

namespace nx {

Layout::Layout(GraphView& view) : graph(view.graph()), view(&view), positions_(view) {}

bool Layout::requirementsMet() {
    return positions_.usable();
}

}  // namespace nx
