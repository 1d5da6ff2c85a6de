// nx::GraphView drawing, extent, hit tests and area queries.
#include <algorithm>
#include <climits>
#include <optional>
#include <stdexcept>

#include "graph/graph.h"
#include "graph/progress.h"
#include "properties/actual_properties.h"
#include "properties/named_properties.h"
#include "views/drawing_tools.h"
#include "views/graph_view.h"
#include "views/view.h"

namespace nx {

namespace {

constexpr RgbColor kBlack{0, 0, 0};
constexpr RgbColor kWhite{255, 255, 255};

// Fades the tools for one element and always puts them back.
class FadingScope {
public:
    FadingScope(DrawingTools& tools, int level) : tools_(tools) {
        if (level <= 0) return;
        tools_.fadingLevel = level;
        tools_.fadingRatio = level / 100.0;
    }
    ~FadingScope() {
        tools_.fadingLevel = 0;
        tools_.fadingRatio = 0.0;
    }
    FadingScope(const FadingScope&) = delete;
    FadingScope& operator=(const FadingScope&) = delete;

private:
    DrawingTools& tools_;
};

Rect square(const Point& p, int before, int after) {
    return {p.x - before, p.y - before, p.x + after, p.y + after};
}

}  // namespace

void GraphView::beginDraw(const Rect&) {
    if (graph_ && graph_->incidenceDirty()) graph_->updateIncidence();
}

void GraphView::endDraw(const Rect&) {}

int GraphView::fadingOf(const ActualProperties* properties, bool selected, std::size_t fading,
                        std::size_t unfaded) const {
    if (selected || fading == kNoIndex || !properties) return 0;
    if (unfaded != kNoIndex && unfaded < properties->size()) {
        if (auto* value = dynamic_cast<const PropertyTemplate::Bool*>(&properties->at(unfaded));
            value && value->get())
            return 0;
    }
    if (fading >= properties->size()) return 0;
    auto* value = dynamic_cast<const PropertyTemplate::Int*>(&properties->at(fading));
    // Negative levels would push colours past the background; they draw normally.
    return value && value->get() > 0 ? value->get() : 0;
}

void GraphView::drawEdge(DrawingTools& tools, Edge* edge, EdgeViewData& data, const Rect& r) {
    progressStep();
    if (!data.view) throw std::runtime_error("Error in nx::GraphView: Edge view class is unknown");
    const Point s = devicePosition(edge->source);
    const Point t = devicePosition(edge->target);
    const bool visible =
        r.containsInclusive(s) || r.containsInclusive(t) ||
        data.view->getUpdateRectangle(edge, *this, data.properties, s, t).intersects(r);
    if (!visible && !printing) return;
    const bool selected = isSelected(edge, data.properties);
    const int level =
        fadingOf(data.properties, selected, indices_.edgeFading, indices_.edgeUnfaded);
    if (level > 99) return;
    std::vector<Point>* points = nullptr;
    if (selected && !printing) {
        if (handles_.size() <= handleCount_) handles_.emplace_back();
        points = &handles_[handleCount_];
        points->clear();
    }
    {
        FadingScope fade(tools, level);
        data.view->draw(edge, *this, data.properties, s, t, points);
    }
    if (points && points->size() >= 2) ++handleCount_;
}

void GraphView::drawVertex(DrawingTools& tools, std::size_t i, const Rect& r) {
    progressStep();
    const VertexViewEntry& entry = sequence_[i];
    if (!entry.view)
        throw std::runtime_error("Error in nx::GraphView: Vertex view class is unknown");
    if (!printing &&
        !entry.view->getUpdateRectangle(entry.vertex, *this, entry.properties).intersects(r))
        return;
    const bool selected = isSelected(entry.vertex, entry.properties);
    const int level =
        fadingOf(entry.properties, selected, indices_.vertexFading, indices_.vertexUnfaded);
    if (level > 99) return;
    {
        FadingScope fade(tools, level);
        entry.view->draw(entry.vertex, *this, entry.properties);
    }
    if (selected && !printing) framed_.push_back(i);
}

bool GraphView::buildCullingGrid() {
    culling_.valid = false;
    std::vector<Rect> boxes;
    boxes.reserve(edgeMap_.size());
    culling_.edgeOrder.clear();
    {
        DrawCacheScope cache(*this);
        for (auto& [edge, data] : edgeMap_) {
            if (!data.view) return false;  // the full walk reports it where it meets it
            const Point s = devicePosition(edge->source);
            const Point t = devicePosition(edge->target);
            const Rect u = data.view->getUpdateRectangle(edge, *this, data.properties, s, t);
            // Visible when an end lies in the area or the rectangle meets it.
            boxes.push_back({std::min({u.left, s.x, t.x}), std::min({u.top, s.y, t.y}),
                             std::max({u.right, s.x, t.x}), std::max({u.bottom, s.y, t.y})});
            culling_.edgeOrder.push_back(edge);
        }
    }
    culling_.edges.build(boxes);
    boxes.clear();
    culling_.vertexOrder.clear();
    for (const VertexViewEntry& entry : sequence_) {
        if (!entry.view) return false;
        boxes.push_back(entry.view->getUpdateRectangle(entry.vertex, *this, entry.properties));
        culling_.vertexOrder.push_back(entry.vertex);
    }
    culling_.vertices.build(boxes);
    culling_.valid = true;
    culling_.stamp = layoutStamp_;
    culling_.graph = graph_;
    culling_.scaleX = scaleX;
    culling_.scaleY = scaleY;
    return true;
}

bool GraphView::prepareCullingGrid() {
    if (!useSpatialIndex || printing) return false;
    const bool current = culling_.valid && culling_.stamp == layoutStamp_ &&
                         culling_.graph == graph_ && culling_.scaleX == scaleX &&
                         culling_.scaleY == scaleY &&
                         culling_.edgeOrder.size() == edgeMap_.size() &&
                         culling_.vertexOrder.size() == sequence_.size();
    return current || buildCullingGrid();
}

bool GraphView::queryCullingGrid(const Rect& r) {
    // A member changed behind the view's back: the caller rebuilds or walks everything.
    culling_.edges.query(r, candidates_);
    edgeCandidates_.clear();
    for (std::uint32_t k : candidates_) {
        EdgeViewData* data = edgeMap_.find(culling_.edgeOrder[k]);
        if (!data) return false;
        edgeCandidates_.push_back(data);
    }
    culling_.vertices.query(r, vertexCandidates_);
    for (std::uint32_t i : vertexCandidates_)
        if (sequence_[i].vertex != culling_.vertexOrder[i]) return false;
    return true;
}

void GraphView::draw(const Rect& area) {
    ScopedLock lock(&mutex_);
    if (!graph_) return;
    DrawingTools* tools = drawingTools();
    if (!tools) return;
    const Rect r = area.normalized();
    beginDraw(r);
    handleCount_ = 0;
    framed_.clear();

    if (prepareCullingGrid() &&
        (queryCullingGrid(r) || (buildCullingGrid() && queryCullingGrid(r)))) {
        // Only the elements whose boxes meet the area, in the full walk's order; the
        // position table pays off once many edges are drawn.
        std::optional<DrawCacheScope> cache;
        if (candidates_.size() > edgeMap_.size() / 8) cache.emplace(*this);
        for (std::size_t j = 0; j < candidates_.size(); ++j)
            drawEdge(*tools, culling_.edgeOrder[candidates_[j]], *edgeCandidates_[j], r);
        for (std::uint32_t i : vertexCandidates_) drawVertex(*tools, i, r);
    } else {
        DrawCacheScope cache(*this);
        for (auto& [edge, data] : edgeMap_) drawEdge(*tools, edge, data, r);
        for (std::size_t i = 0; i < sequence_.size(); ++i) drawVertex(*tools, i, r);
    }

    for (std::size_t i : framed_) drawSelectionFrame(*tools, sequence_[i]);
    for (std::size_t i = 0; i < handleCount_; ++i) drawEdgeHandles(*tools, handles_[i]);
    endDraw(r);
}

void GraphView::drawSelectionFrame(DrawingTools& tools, const VertexViewEntry& entry) {
    Point companion;
    const Point a = entry.view->getContourPoint({-10000, -10000}, *this, companion);
    Point b = entry.view->getContourPoint({10000, 10000}, *this, companion);
    b.x += 1;
    b.y += 1;
    const Point c = devicePosition(entry.vertex, entry.properties);
    const Point corners[4] = {{c.x + a.x, c.y + a.y},
                              {c.x + a.x, c.y + b.y},
                              {c.x + b.x, c.y + a.y},
                              {c.x + b.x, c.y + b.y}};
    tools.setBrushColor(kBlack);
    for (const Point& p : corners) tools.fillRectangle(square(p, 3, 3));
    tools.penWidth = 1;
    tools.setPenColor(kWhite);
    ScopedPen pen(&tools);
    for (const Point& p : corners) tools.drawRectangleWithSelectedPen(square(p, 3, 3));
}

void GraphView::drawEdgeHandles(DrawingTools& tools, const std::vector<Point>& points) {
    tools.penWidth = 1;
    if (points.size() >= 3) {
        tools.setBrushColor(kBlack);
        for (std::size_t i = 1; i + 1 < points.size(); ++i)
            tools.fillRectangle(square(points[i], 3, 4));
        tools.setPenColor(kWhite);
        tools.selectPen();
        for (std::size_t i = 1; i + 1 < points.size(); ++i)
            tools.drawRectangleWithSelectedPen(square(points[i], 3, 4));
    }
    const Point& first = points.front();
    tools.setBrushColor(kWhite);
    tools.fillRectangle(square(first, 4, 5));
    tools.setPenColor(kBlack);
    tools.selectPen();
    tools.drawRectangleWithSelectedPen(square(first, 4, 5));
    tools.drawRectangleWithSelectedPen(square(first, 2, 3));
    const Point& last = points.back();
    tools.setBrushColor(kBlack);
    tools.fillRectangle(square(last, 4, 5));
    tools.setPenColor(kWhite);
    tools.selectPen();
    tools.drawRectangleWithSelectedPen(square(last, 3, 4));
    tools.releasePen();
}

Rect GraphView::extent() {
    ScopedLock lock(&mutex_);
    if (!graph_) return {};
    if (graph_->incidenceDirty()) graph_->updateIncidence();
    Rect e{INT_MAX, INT_MAX, 0, 0};
    for (const VertexViewEntry& entry : sequence_) {
        if (!entry.view)
            throw std::runtime_error("Error in nx::GraphView: Vertex view class is unknown");
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
        const VertexViewEntry& entry = sequence_[i];
        if (entry.view && entry.view->hitTest(devicePosition(entry.vertex, entry.properties), p))
            return entry;
    }
    return {};
}

EdgeViewEntry GraphView::edgeAt(const Point& p) {
    DrawCacheScope cache(*this);
    for (auto& [edge, data] : edgeMap_) {
        if (data.view &&
            data.view->hitTest(edge, *this, data.properties, devicePosition(edge->source),
                               devicePosition(edge->target), p))
            return {edge, data.properties, data.view};
    }
    return {};
}

std::vector<VertexViewEntry> GraphView::verticesInRect(const Rect& area) {
    const Rect r = area.normalized();
    std::vector<VertexViewEntry> found;
    for (std::size_t i = sequence_.size(); i-- > 0;) {
        const VertexViewEntry& entry = sequence_[i];
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
    return {origin.x, origin.y, origin.x + static_cast<int>(visibleWidth),
            origin.y + static_cast<int>(visibleHeight)};
}

std::vector<VertexViewEntry> GraphView::verticesInVisibleArea() {
    return verticesInRect(visibleArea());
}

std::vector<EdgeViewEntry> GraphView::edgesInRect(const Rect& area) {
    const Rect r = area.normalized();
    DrawCacheScope cache(*this);
    std::vector<EdgeViewEntry> found;
    for (auto& [edge, data] : edgeMap_) {
        if (data.view && data.view->getUpdateRectangle(edge, *this, data.properties).intersects(r))
            found.push_back({edge, data.properties, data.view});
    }
    return found;
}

std::vector<EdgeViewEntry> GraphView::edgesInVisibleArea() {
    return edgesInRect(visibleArea());
}

}  // namespace nx
