// The labels' extent as a graph view draws them.
#include "layouts/label_extent.h"

#include "views/graph_view.h"
#include "views/view.h"
#include "views/view_entries.h"

namespace nx {

LabelMeasure drawnLabels(GraphView& view) {
    return [&view](Vertex& vertex) -> LabelExtent {
        const VertexViewData* entry = view.findVertexEntry(&vertex);
        if (!entry || !entry->view) return {};
        const Point at = view.devicePosition(&vertex, entry->properties.get());
        const Rect r = entry->view->getLabelledRectangle(&vertex, view, entry->properties.get());
        return {at.x - r.left, at.y - r.top, r.right - at.x, r.bottom - at.y};
    };
}

}  // namespace nx
