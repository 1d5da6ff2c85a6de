// nx::GraphView drawing entry point, fading levels, extent, hit tests and area queries.
#include <algorithm>
#include <climits>
#include <stdexcept>

#include "graph/graph.h"
#include "properties/actual_properties.h"
#include "properties/named_properties.h"
#include "views/drawing_tools.h"
#include "views/error_texts.h"
#include "views/graph_view.h"
#include "views/property_cast.h"
#include "views/view.h"

namespace nx {

void GraphView::beginDraw(const Rect&) {
    if (graph_ && graph_->incidenceDirty()) graph_->updateIncidence();
}

void GraphView::endDraw(const Rect&) {}

int GraphView::fadingOf(const ActualProperties* properties, bool selected, std::size_t fading,
                        std::size_t unfaded) const {
    if (selected || fading == kNoIndex || !properties) return 0;
    if (unfaded != kNoIndex && unfaded < properties->size()) {
        if (auto* value = propertyAs<PropertyTemplate::Bool>(&properties->at(unfaded));
            value && value->get())
            return 0;
    }
    if (fading >= properties->size()) return 0;
    auto* value = propertyAs<PropertyTemplate::Int>(&properties->at(fading));
    // Negative levels would push colours past the background; they draw normally.
    return value && value->get() > 0 ? value->get() : 0;
}

void GraphView::draw(const Rect& area) {
    ScopedLock lock(&mutex_);
    if (!graph_) return;
    DrawingTools* tools = drawingTools();
    if (!tools) return;
    const Rect r = area.normalized();
    beginDraw(r);
    renderer_->render(*tools, r);
    endDraw(r);
}

Rect GraphView::extent() {
    ScopedLock lock(&mutex_);
    if (!graph_) return {};
    if (graph_->incidenceDirty()) graph_->updateIncidence();
    Rect e{INT_MAX, INT_MAX, 0, 0};
    for (const VertexViewEntry entry : sequence_) {
        if (!entry.view) throw std::runtime_error(nx::error_texts::kVertexViewClassUnknown);
        const Rect u = entry.view->getUpdateRectangle(entry.vertex, *this, entry.properties);
        e.left = std::min(e.left, u.left);
        e.top = std::min(e.top, u.top);
        e.right = std::max(e.right, u.right);
        e.bottom = std::max(e.bottom, u.bottom);
    }
    if (e.right < e.left) e.left = e.right = 0;
    if (e.bottom < e.top) e.top = e.bottom = 0;
    return e;
}

VertexViewEntry GraphView::vertexAt(const Point& p) {
    for (std::size_t i = sequence_.size(); i-- > 0;) {
        const VertexViewEntry entry = sequence_[i];
        if (entry.view && entry.view->hitTest(devicePosition(entry.vertex, entry.properties), p))
            return entry;
    }
    return {};
}

EdgeViewEntry GraphView::edgeAt(const Point& p) {
    DrawCacheScope cache(*this);
    for (auto& [edge, data] : edgeMap_) {
        if (data.view &&
            data.view->hitTest(edge, *this, data.properties.get(), devicePosition(edge->source),
                               devicePosition(edge->target), p))
            return {edge, data.properties.get(), data.view.get()};
    }
    return {};
}

std::vector<VertexViewEntry> GraphView::verticesInRect(const Rect& area) {
    const Rect r = area.normalized();
    std::vector<VertexViewEntry> found;
    for (std::size_t i = sequence_.size(); i-- > 0;) {
        const VertexViewEntry entry = sequence_[i];
        const Size size = entry.view ? entry.view->getSize() : Size{};
        const int hw = static_cast<int>(size.cx / 2) + 1;
        const int hh = static_cast<int>(size.cy / 2) + 1;
        const Point p = devicePosition(entry.vertex, entry.properties);
        if (p.x >= r.left - hw && p.x <= r.right + hw && p.y >= r.top - hh && p.y <= r.bottom + hh)
            found.push_back(entry);
    }
    return found;
}

Rect GraphView::visibleArea() const {
    return {origin_.x, origin_.y, origin_.x + static_cast<int>(visibleWidth_),
            origin_.y + static_cast<int>(visibleHeight_)};
}

std::vector<VertexViewEntry> GraphView::verticesInVisibleArea() {
    return verticesInRect(visibleArea());
}

std::vector<EdgeViewEntry> GraphView::edgesInRect(const Rect& area) {
    const Rect r = area.normalized();
    DrawCacheScope cache(*this);
    std::vector<EdgeViewEntry> found;
    for (auto& [edge, data] : edgeMap_) {
        if (data.view &&
            data.view->getUpdateRectangle(edge, *this, data.properties.get()).intersects(r))
            found.push_back({edge, data.properties.get(), data.view.get()});
    }
    return found;
}

std::vector<EdgeViewEntry> GraphView::edgesInVisibleArea() {
    return edgesInRect(visibleArea());
}

}  // namespace nx
