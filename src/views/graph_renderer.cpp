// nx::GraphRenderer: culled drawing of a graph view and the grid that keeps up with its changes.
#include "views/graph_renderer.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

#include "graph/graph.h"
#include "graph/progress.h"
#include "views/drawing_tools.h"
#include "views/error_texts.h"
#include "views/graph_view.h"
#include "views/view.h"

namespace nx {

namespace {

constexpr RgbColor kBlack{0, 0, 0};
constexpr RgbColor kWhite{255, 255, 255};
constexpr Rect kNoBox{1, 1, 0, 0};  // a free slot of the grid
// How many vertices apart the steps of prefetchVertex() are taken.
constexpr std::size_t kVertexAhead = 4;
// How many edges ahead of the one drawn the culled walk asks for an edge and its values.
constexpr std::size_t kEdgeAhead = 4;

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

// The element views draw with the render's tools for as long as it runs.
class ToolsScope {
public:
    ToolsScope(DrawingTools*& slot, DrawingTools& tools) : slot_(slot), before_(slot) {
        slot_ = &tools;
    }
    ~ToolsScope() { slot_ = before_; }
    ToolsScope(const ToolsScope&) = delete;
    ToolsScope& operator=(const ToolsScope&) = delete;

private:
    DrawingTools*& slot_;
    DrawingTools* before_;
};

Rect square(const Point& p, int before, int after) {
    return {p.x - before, p.y - before, p.x + after, p.y + after};
}

}  // namespace

void GraphRenderer::render(DrawingTools& tools, const Rect& area) {
    renderWith(tools, area, true);
}

void GraphRenderer::renderTestingEveryElement(DrawingTools& tools, const Rect& area) {
    renderWith(tools, area, false);
}

void GraphRenderer::renderWith(DrawingTools& tools, const Rect& area, bool cull) {
    GraphView& v = view_;
    ScopedLock lock(&v.mutex_);
    if (!v.graph_) return;
    if (v.graph_->incidenceDirty()) v.graph_->updateIncidence();
    ToolsScope drawingWith(v.renderTools_, tools);
    const Rect r = area.normalized();
    handleCount_ = 0;
    framed_.clear();

    // An area holding every vertex box draws nearly everything (an edge shows whenever an
    // end lies in the area): the walk costs less than the query.
    const bool gridReady = cull && !v.printing() && prepareGrid();
    if (gridReady && !grid_.vertices.covers(r) && (queryGrid(r) || (buildGrid() && queryGrid(r)))) {
        // Only the elements whose boxes meet the area, in the full walk's order; the
        // position table pays off once many edges are drawn.
        std::optional<GraphView::DrawCacheScope> cache;
        if (candidates_.size() > v.edgeMap_.size() / 8) cache.emplace(v);
        edgeWalk_.clear();
        for (std::uint32_t k : candidates_) edgeWalk_.push_back(grid_.edgeAt[k]);
        drawEdges(tools, r, true);
        // The grid holds each vertex's current update rectangle: no need to measure again.
        const std::size_t shown = vertexCandidates_.size();
        for (std::size_t j = 0; j < shown; ++j) {
            for (int step = 0; step < 2; ++step)
                if (j + (2 - step) * kVertexAhead < shown)
                    prefetchVertex(vertexCandidates_[j + (2 - step) * kVertexAhead], step);
            const std::uint32_t i = vertexCandidates_[j];
            drawVertex(tools, i, r, &grid_.vertices.box(i));
        }
    } else {
        GraphView::DrawCacheScope cache(v);
        // The map's entries in two arrays, walked by index as the culled list is.
        edgeWalk_.clear();
        edgeCandidates_.clear();
        edgeWalk_.reserve(v.edgeMap_.size());
        edgeCandidates_.reserve(v.edgeMap_.size());
        for (auto& [edge, data] : v.edgeMap_) {
            edgeWalk_.push_back(edge);
            edgeCandidates_.push_back(&data);
        }
        drawEdges(tools, r, false);
        const std::size_t count = v.sequence_.size();
        // A current grid still spares measuring each vertex again.
        const bool boxes = gridReady && grid_.valid && grid_.vertexAt.size() == count &&
                           grid_.vertices.size() == count;
        for (std::size_t i = 0; i < count; ++i) {
            for (int step = 0; step < 2; ++step)
                if (i + (2 - step) * kVertexAhead < count)
                    prefetchVertex(i + (2 - step) * kVertexAhead, step);
            const bool boxed = boxes && grid_.vertexAt[i] == v.sequence_[i].vertex;
            drawVertex(tools, i, r, boxed ? &grid_.vertices.box(i) : nullptr);
        }
    }

    for (std::size_t i : framed_) drawSelectionFrame(tools, v.sequence_[i]);
    for (std::size_t i = 0; i < handleCount_; ++i) drawEdgeHandles(tools, handles_[i]);
}

void GraphRenderer::drawEdges(DrawingTools& tools, const Rect& r, bool gridEnds) {
    const std::size_t count = edgeWalk_.size();
    if (gridEnds) {
        // The grid keeps each edge's ends as current as its box: no vertex to look up.
        for (std::size_t j = 0; j < count; ++j) {
#if defined(__GNUC__)
            if (j + kEdgeAhead < count) {
                __builtin_prefetch(edgeWalk_[j + kEdgeAhead]);
                __builtin_prefetch(edgeCandidates_[j + kEdgeAhead]->properties.get());
            }
#endif
            drawEdge(tools, edgeWalk_[j], *edgeCandidates_[j], grid_.endsAt[candidates_[j]], r);
        }
        return;
    }
    for (std::size_t first = 0; first < count; first += kEdgeBatch) {
        const std::size_t last = std::min(count, first + kEdgeBatch);
        // The ends of a batch are read in one tight loop, where the scattered reads overlap
        // rather than each stalling the drawing in turn; the batch then stays in the cache
        // while it is drawn.
        for (std::size_t j = first; j < last; ++j) {
            const Edge* edge = edgeWalk_[j];
#if defined(__GNUC__)
            __builtin_prefetch(edgeCandidates_[j]->properties.get());
#endif
            ends_[j - first] = {endPosition(edge->source), endPosition(edge->target)};
        }
        for (std::size_t j = first; j < last; ++j)
            drawEdge(tools, edgeWalk_[j], *edgeCandidates_[j], ends_[j - first], r);
    }
}

Point GraphRenderer::endPosition(const Vertex* end) const {
    const GraphView& v = view_;
    if (v.drawCacheValid_ && end->id < v.drawCache_.size()) {
        const GraphView::DrawCacheSlot& slot = v.drawCache_[end->id];
        if (slot.present) return slot.position;
    }
    return v.devicePosition(end);
}

// --- the grid

Rect GraphRenderer::edgeBox(Edge* edge, const EdgeViewData& data, EdgeEnds& ends) {
    const Point s = view_.devicePosition(edge->source);
    const Point t = view_.devicePosition(edge->target);
    ends = {s, t};
    const Rect u = data.view->getUpdateRectangle(edge, view_, data.properties.get(), s, t);
    // Visible when an end lies in the area or the rectangle meets it.
    return {std::min({u.left, s.x, t.x}), std::min({u.top, s.y, t.y}),
            std::max({u.right, s.x, t.x}), std::max({u.bottom, s.y, t.y})};
}

bool GraphRenderer::buildGrid() {
    GraphView& v = view_;
    grid_.valid = false;
    std::vector<Rect> boxes;
    grid_.edgeAt.clear();
    grid_.endsAt.clear();
    {
        GraphView::DrawCacheScope cache(v);
        for (auto& [edge, data] : v.edgeMap_) {
            if (!data.view) return false;  // the full walk reports it where it meets it
            const std::size_t slot = v.edgeMap_.slotOf(edge);
            if (slot >= boxes.size()) {
                boxes.resize(slot + 1, kNoBox);
                grid_.edgeAt.resize(slot + 1, nullptr);
                grid_.endsAt.resize(slot + 1);
            }
            boxes[slot] = edgeBox(edge, data, grid_.endsAt[slot]);
            grid_.edgeAt[slot] = edge;
        }
    }
    grid_.edges.build(std::move(boxes));
    boxes = {};
    boxes.reserve(v.sequence_.size());
    grid_.vertexAt.clear();
    for (const VertexViewEntry entry : v.sequence_) {
        if (!entry.view) return false;
        boxes.push_back(entry.view->getUpdateRectangle(entry.vertex, v, entry.properties));
        grid_.vertexAt.push_back(entry.vertex);
    }
    grid_.vertices.build(std::move(boxes));
    grid_.valid = true;
    grid_.structure = v.changes_.structure;
    grid_.graph = v.graph_;
    grid_.scaleX = v.scaleX();
    grid_.scaleY = v.scaleY();
    v.changes_.all = false;
    v.changes_.vertices.clear();
    v.changes_.edges.clear();
    return true;
}

bool GraphRenderer::reboxVertex(const Vertex& vertex) {
    GraphView& v = view_;
    const std::size_t at = v.positionOf(&vertex);
    if (at >= v.sequence_.size()) return true;  // gone since: its entry left with the structure
    const VertexViewEntry entry = v.sequence_[at];
    if (!entry.view) return false;
    grid_.vertices.update(static_cast<std::uint32_t>(at),
                          entry.view->getUpdateRectangle(entry.vertex, v, entry.properties));
    if (at >= grid_.vertexAt.size()) grid_.vertexAt.resize(at + 1, nullptr);
    grid_.vertexAt[at] = entry.vertex;
    // The edges at the vertex follow its position and view.
    if (v.graph_->contains(vertex))
        for (Edge* edge : v.graph_->incidentEdges(vertex))
            if (!reboxEdge(*edge)) return false;
    return true;
}

bool GraphRenderer::reboxEdge(Edge& edge) {
    GraphView& v = view_;
    EdgeViewData* data = v.edgeMap_.find(&edge);
    if (!data) return true;  // not shown (yet): a later structure change brings it in
    if (!data->view) return false;
    const std::size_t slot = v.edgeMap_.slotOf(&edge);
    if (slot < grid_.edgeAt.size() && grid_.edgeAt[slot] && grid_.edgeAt[slot] != &edge)
        return false;
    EdgeEnds ends;
    grid_.edges.update(static_cast<std::uint32_t>(slot), edgeBox(&edge, *data, ends));
    if (slot >= grid_.edgeAt.size()) {
        grid_.edgeAt.resize(slot + 1, nullptr);
        grid_.endsAt.resize(slot + 1);
    }
    grid_.edgeAt[slot] = &edge;
    grid_.endsAt[slot] = ends;
    return true;
}

bool GraphRenderer::repairGrid() {
    GraphView::ChangeNotes& notes = view_.changes_;
    for (const Vertex* vertex : notes.vertices)
        if (!reboxVertex(*vertex)) return false;
    for (Edge* edge : notes.edges)
        if (!reboxEdge(*edge)) return false;
    notes.vertices.clear();
    notes.edges.clear();
    return true;
}

bool GraphRenderer::prepareGrid() {
    const GraphView& v = view_;
    const bool fits = grid_.valid && !v.changes_.all && grid_.structure == v.changes_.structure &&
                      grid_.graph == v.graph_ && grid_.scaleX == v.scaleX() &&
                      grid_.scaleY == v.scaleY();
    return (fits && repairGrid()) || buildGrid();
}

bool GraphRenderer::queryGrid(const Rect& r) {
    GraphView& v = view_;
    if (grid_.vertexAt.size() != v.sequence_.size()) return false;
    // A member changed behind the view's back: the caller rebuilds or walks everything.
    grid_.edges.query(r, candidates_);
    edgeCandidates_.clear();
    for (std::uint32_t k : candidates_) {
        EdgeViewData* data = v.edgeMap_.find(grid_.edgeAt[k]);
        if (!data) return false;
        edgeCandidates_.push_back(data);
    }
    grid_.vertices.query(r, vertexCandidates_);
    for (std::uint32_t i : vertexCandidates_)
        if (v.sequence_[i].vertex != grid_.vertexAt[i]) return false;
    return true;
}

// --- elements

void GraphRenderer::prefetchVertex(std::size_t i, int step) const {
#if defined(__GNUC__)
    const VertexViewEntry entry = view_.sequence_[i];
    if (step == 0) {
        __builtin_prefetch(entry.vertex);
        __builtin_prefetch(entry.properties);
    } else if (entry.vertex) {
        __builtin_prefetch(entry.vertex->properties.get());
    }
#else
    (void)i;
    (void)step;
#endif
}

void GraphRenderer::drawEdge(DrawingTools& tools, Edge* edge, EdgeViewData& data,
                             const EdgeEnds& ends, const Rect& r) {
    progressStep();
    GraphView& v = view_;
    if (!data.view) throw std::runtime_error(nx::error_texts::kEdgeViewClassUnknown);
    const Point s = ends.source;
    const Point t = ends.target;
    const bool visible =
        r.containsInclusive(s) || r.containsInclusive(t) ||
        data.view->getUpdateRectangle(edge, v, data.properties.get(), s, t).intersects(r);
    if (!visible && !v.printing()) return;
    const bool selected = v.isSelected(edge, data.properties.get());
    const int level =
        v.fadingOf(data.properties.get(), selected, v.indices_.edgeFading, v.indices_.edgeUnfaded);
    if (level > 99) return;
    std::vector<Point>* points = nullptr;
    if (selected && !v.printing()) {
        if (handles_.size() <= handleCount_) handles_.emplace_back();
        points = &handles_[handleCount_];
        points->clear();
    }
    {
        FadingScope fade(tools, level);
        data.view->draw(edge, v, data.properties.get(), s, t, points);
    }
    if (points && points->size() >= 2) ++handleCount_;
}

void GraphRenderer::drawVertex(DrawingTools& tools, std::size_t i, const Rect& r, const Rect* box) {
    progressStep();
    GraphView& v = view_;
    const VertexViewEntry entry = v.sequence_[i];
    if (!entry.view) throw std::runtime_error(nx::error_texts::kVertexViewClassUnknown);
    if (!v.printing() &&
        !(box ? *box : entry.view->getUpdateRectangle(entry.vertex, v, entry.properties))
             .intersects(r))
        return;
    const bool selected = v.isSelected(entry.vertex, entry.properties);
    const int level =
        v.fadingOf(entry.properties, selected, v.indices_.vertexFading, v.indices_.vertexUnfaded);
    if (level > 99) return;
    {
        FadingScope fade(tools, level);
        entry.view->draw(entry.vertex, v, entry.properties);
    }
    if (selected && !v.printing()) framed_.push_back(i);
}

void GraphRenderer::drawSelectionFrame(DrawingTools& tools, const VertexViewEntry& entry) {
    Point companion;
    const Point a = entry.view->getContourPoint({-10000, -10000}, view_, companion);
    Point b = entry.view->getContourPoint({10000, 10000}, view_, companion);
    b.x += 1;
    b.y += 1;
    const Point c = view_.devicePosition(entry.vertex, entry.properties);
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

void GraphRenderer::drawEdgeHandles(DrawingTools& tools, const std::vector<Point>& points) {
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

}  // namespace nx
