// nx::GraphView mouse interaction: selection, dragging, rubber band and connecting new edges.
#include <algorithm>
#include <unordered_set>

#include "graph/graph.h"
#include "graph/space.h"
#include "traversal/graph_walks.h"
#include "views/cursor_tools.h"
#include "views/drawing_tools.h"
#include "views/graph_view.h"
#include "views/view.h"

namespace nx {

namespace {

const RgbColor kRubberBandColor{80, 80, 80};
const RgbColor kConnectColor{255, 255, 255};

// Draws straight on the screen with an XOR pen of width 1, so a second identical drawing
// erases the first; the tools get their target, pen and fading back afterwards.
class XorPen {
public:
    XorPen(DrawingTools* tools, const RgbColor& colour) : tools_(tools) {
        if (!tools_) return;
        toMemory_ = tools_->isDrawingToMemory();
        colour_ = tools_->getPenColor();
        width_ = tools_->penWidth;
        fadingLevel_ = tools_->fadingLevel;
        fadingRatio_ = tools_->fadingRatio;
        tools_->fadingLevel = 0;
        tools_->fadingRatio = 0.0;
        tools_->drawToScreen();
        tools_->setXorMode();
        tools_->penWidth = 1;
        tools_->setPenColor(colour);
        tools_->selectPen();
    }
    ~XorPen() {
        if (!tools_) return;
        tools_->releasePen();
        tools_->setCopyMode();
        tools_->setPenColor(colour_);
        tools_->penWidth = width_;
        tools_->fadingLevel = fadingLevel_;
        tools_->fadingRatio = fadingRatio_;
        if (toMemory_) tools_->drawToMemory();
    }
    XorPen(const XorPen&) = delete;
    XorPen& operator=(const XorPen&) = delete;

    void rectangle(const Rect& r) {
        if (tools_) tools_->drawRectangleWithSelectedPen(r.normalized());
    }
    void line(const Point& from, const Point& to) {
        if (tools_) tools_->drawLineWithSelectedPen(from, to);
    }

private:
    DrawingTools* tools_;
    bool toMemory_ = false;
    RgbColor colour_;
    int width_ = 1;
    int fadingLevel_ = 0;
    double fadingRatio_ = 0.0;
};

template <typename Entry, typename Element>
bool listed(const std::vector<Entry>& list, Element* element, Element* Entry::*key) {
    return std::any_of(list.begin(), list.end(), [&](const Entry& e) { return e.*key == element; });
}

// Selecting one element of a kind; others, the selection list of the other kind, is emptied
// first unless additive. A repeated additive selection does not list the element twice.
template <typename Entry, typename Element, typename SetFlag, typename ClearAll,
          typename ClearOthers>
bool selectOne(std::vector<Entry>& list, const Entry& entry, Element* Entry::*key, bool additive,
               SetFlag setFlag, ClearAll clearAll, ClearOthers clearOthers) {
    if (!(entry.*key)) return false;
    const bool othersCleared = !additive && clearOthers();
    if (!additive && list.size() == 1) {
        Entry& only = list.front();
        if (only.*key == entry.*key) return othersCleared;
        setFlag(only, false);
        setFlag(entry, true);
        only = entry;
        return true;
    }
    if (!additive && list.size() > 1) {
        clearAll();
        setFlag(entry, true);
        list.assign(1, entry);
        return true;
    }
    const bool flagged = setFlag(entry, true);
    const bool appended = !listed(list, entry.*key, key);
    if (appended) list.push_back(entry);
    return othersCleared || flagged || appended;
}

}  // namespace

// --- selection

bool GraphView::selectVertex(const VertexViewEntry& entry, bool additive) {
    return selectOne(
        selectedVertices_, entry, &VertexViewEntry::vertex, additive,
        [this](const VertexViewEntry& e, bool on) { return setSelected(e, on); },
        [this] { return deselectAllVertices(); }, [this] { return deselectAllEdges(); });
}

bool GraphView::selectEdge(const EdgeViewEntry& entry, bool additive) {
    return selectOne(
        selectedEdges_, entry, &EdgeViewEntry::edge, additive,
        [this](const EdgeViewEntry& e, bool on) { return setSelected(e, on); },
        [this] { return deselectAllEdges(); }, [this] { return deselectAllVertices(); });
}

bool GraphView::selectVertices(const std::vector<VertexViewEntry>& entries, bool additive) {
    bool changed = false;
    if (additive) {
        std::unordered_set<const Vertex*> listedAlready;
        for (const VertexViewEntry& e : selectedVertices_) listedAlready.insert(e.vertex);
        for (const VertexViewEntry& e : entries) {
            if (!e.vertex || !listedAlready.insert(e.vertex).second) continue;
            changed = setSelected(e, true) || changed;
            selectedVertices_.push_back(e);
        }
        return changed;
    }
    std::unordered_set<const Vertex*> chosen;
    std::vector<VertexViewEntry> next;
    for (const VertexViewEntry& e : entries)
        if (e.vertex && chosen.insert(e.vertex).second) next.push_back(e);
    for (const VertexViewEntry e : sequence_)
        if (!chosen.contains(e.vertex)) changed = setSelected(e, false) || changed;
    for (const VertexViewEntry& e : next) changed = setSelected(e, true) || changed;
    selectedVertices_.swap(next);
    return changed;
}

bool GraphView::deselectVertex(const VertexViewEntry& entry) {
    if (!entry.vertex) return false;
    const bool cleared = setSelected(entry, false);
    const auto removed = std::erase_if(
        selectedVertices_, [&](const VertexViewEntry& e) { return e.vertex == entry.vertex; });
    return cleared || removed > 0;
}

// Both walk every entry, so a flag set behind the lists' back is cleared as well.
bool GraphView::deselectAllVertices() {
    bool changed = false;
    for (const VertexViewEntry e : sequence_) changed = setSelected(e, false) || changed;
    selectedVertices_.clear();
    return changed;
}

bool GraphView::deselectAllEdges() {
    bool changed = false;
    for (auto& [edge, data] : edgeMap_)
        changed = setSelected(EdgeViewEntry{edge, data.properties.get(), data.view.get()}, false) ||
                  changed;
    selectedEdges_.clear();
    return changed;
}

bool GraphView::isSelectedAt(const Point& p) {
    if (!selectedVertices_.empty()) {
        const VertexViewEntry hit = vertexAt(p);
        return hit.vertex && listed(selectedVertices_, hit.vertex, &VertexViewEntry::vertex);
    }
    if (!selectedEdges_.empty()) {
        const EdgeViewEntry hit = edgeAt(p);
        return hit.edge && listed(selectedEdges_, hit.edge, &EdgeViewEntry::edge);
    }
    return false;
}

bool GraphView::clickSelect(const Point& p, bool additive) {
    bool changed = false;
    if (const VertexViewEntry vertex = vertexAt(p); vertex.vertex) {
        changed = selectVertex(vertex, additive);
    } else if (const EdgeViewEntry edge = edgeAt(p); edge.edge) {
        changed = selectEdge(edge, additive);
    } else {
        if (!additive && deselectAllEdges()) {
            update();
            selectionChanged();
        }
        return false;
    }
    if (changed) {
        update();
        selectionChanged();
    }
    return true;
}

bool GraphView::rectSelect(const Rect& r, bool additive) {
    const std::vector<VertexViewEntry> caught = verticesInRect(r.normalized());
    if (!caught.empty()) {
        if (selectVertices(caught, additive)) {
            update();
            selectionChanged();
        }
        return true;
    }
    if (!additive) {
        const bool vertices = deselectAllVertices();
        const bool edges = deselectAllEdges();
        if (vertices || edges) {
            update();
            selectionChanged();
        }
    }
    return false;
}

void GraphView::moveSelected(int dx, int dy) {
    int minX = 0;
    int minY = 0;
    for (const VertexViewEntry& e : selectedVertices_) {
        minX = std::min(minX, addX(e.vertex, e.properties, dx));
        minY = std::min(minY, addY(e.vertex, e.properties, dy));
    }
    const int shiftX = minX < 0 ? -minX : 0;
    const int shiftY = minY < 0 ? -minY : 0;
    if (shiftX || shiftY) {
        for (const VertexViewEntry e : sequence_) {
            if (shiftX) addX(e.vertex, e.properties, shiftX);
            if (shiftY) addY(e.vertex, e.properties, shiftY);
        }
    }
    if (dx || dy) update();
}

// --- mouse

bool GraphView::mouseDown(const Point& p, bool additive) {
    InteractionState& s = interaction_;
    if (s.connecting()) {
        if (interactive_) return finishConnect();
        // Editing was switched off meanwhile; keeping the connection would block the
        // context menu until it is switched on again.
        eraseConnectFeedback();
        arrowCursor();
        endConnect();
    }
    if (interactive_ && additive) {
        if (isSelectedAt(p)) {
            // Only a vertex toggles off; a selected edge under the pointer stays selected.
            const VertexViewEntry hit = vertexAt(p);
            if (hit.vertex && deselectVertex(hit)) {
                update();
                selectionChanged();
            }
            s.moving = false;
            return false;
        }
        if (clickSelect(p, true)) {
            s.moving = true;
            s.lastPoint = p;
            return true;
        }
        crossCursor();
        s.rubberBand = s.rubberAdditive = true;
        s.lineStart = s.lineEnd = p;
        return false;
    }
    if (isSelectedAt(p)) {
        if (interactive_) {
            s.moving = true;
            s.lastPoint = p;
        }
        return false;
    }
    if (clickSelect(p, false)) {
        if (interactive_) {
            s.moving = true;
            s.lastPoint = p;
        }
        return true;
    }
    if (interactive_) {
        crossCursor();
        s.rubberBand = true;
        s.rubberAdditive = false;
        s.lineStart = s.lineEnd = p;
    } else {
        const bool vertices = deselectAllVertices();
        const bool edges = deselectAllEdges();
        if (vertices || edges) {
            update();
            selectionChanged();
        }
    }
    return false;
}

bool GraphView::mouseMove(const Point& p) {
    InteractionState& s = interaction_;
    if (!interactive_) return false;
    if (s.moving) {
        moveSelected(p.x - s.lastPoint.x, p.y - s.lastPoint.y);
        s.lastPoint = p;
        return true;
    }
    if (s.rubberBand) {
        crossCursor();
        xorRubberBand();
        s.lineEnd = p;
        xorRubberBand();
        return false;
    }
    if (s.connecting()) {
        crossCursor();
        xorConnectingLine();
        (s.connectFrom ? s.lineEnd : s.lineStart) = p;
        const VertexViewEntry hit = vertexAt(p);
        if (s.target.vertex && s.target.vertex != hit.vertex) xorTargetBox(s.target);
        if (hit.vertex && hit.vertex != s.target.vertex) xorTargetBox(hit);
        s.target = hit;
        xorConnectingLine();
    }
    return false;
}

bool GraphView::mouseUp(const Point& p) {
    InteractionState& s = interaction_;
    if (s.moving) {
        moveSelected(p.x - s.lastPoint.x, p.y - s.lastPoint.y);
        s.lastPoint = p;
        s.moving = false;
        return true;
    }
    if (s.rubberBand) {
        xorRubberBand();
        s.rubberBand = false;
        arrowCursor();
        const bool caught =
            rectSelect({s.lineStart.x, s.lineStart.y, s.lineEnd.x, s.lineEnd.y}, s.rubberAdditive);
        s.rubberAdditive = false;
        return caught;
    }
    return false;
}

bool GraphView::mouseUpAtLastPoint() {
    return mouseUp(interaction_.lastPoint);
}

// --- connecting a new edge

void GraphView::beginConnectFrom(Vertex* vertex, ActualProperties* viewProperties) {
    startConnect(vertex, viewProperties, true);
}

void GraphView::beginConnectTo(Vertex* vertex, ActualProperties* viewProperties) {
    startConnect(vertex, viewProperties, false);
}

void GraphView::startConnect(Vertex* vertex, ActualProperties* viewProperties, bool from) {
    InteractionState& s = interaction_;
    if (s.connecting()) eraseConnectFeedback();
    crossCursor();
    s.connectFrom = from;
    s.connectTo = !from;
    s.lineStart = s.lineEnd = {getX(vertex, viewProperties), getY(vertex, viewProperties)};
    const VertexViewData* entry = findVertexEntry(vertex);
    s.fixed = {vertex, viewProperties, entry ? entry->view.get() : nullptr};
    s.target = {};
}

bool GraphView::finishConnect() {
    InteractionState& s = interaction_;
    eraseConnectFeedback();
    arrowCursor();
    bool created = false;
    Vertex* fixed = s.fixed.vertex;
    Vertex* target = s.target.vertex;
    // Either vertex may have left the graph since the connection started.
    if (fixed && target && graph_ && space_ && findVertexEntry(fixed) && findVertexEntry(target) &&
        graph_->contains(*fixed) && graph_->contains(*target)) {
        Edge* edge = s.connectFrom ? space_->edgeFactory().create(fixed, target)
                                   : space_->edgeFactory().create(target, fixed);
        graph_->addEdge(*edge);
        if (keepForest_ && !nx::isForest(*graph_)) {
            graph_->removeEdge(*edge);
        } else {
            update();
            created = true;
        }
    }
    endConnect();
    return created;
}

bool GraphView::cancelConnect() {
    if (!interactive_ || !interaction_.connecting()) return false;
    eraseConnectFeedback();
    arrowCursor();
    interaction_.suppressContextMenu = true;
    endConnect();
    return false;
}

void GraphView::abandonConnect() {
    if (!interaction_.connecting()) return;
    eraseConnectFeedback();
    arrowCursor();
    endConnect();
}

bool GraphView::contextMenuAllowed() {
    if (interaction_.suppressContextMenu) {
        interaction_.suppressContextMenu = false;
        return false;
    }
    return !interaction_.connecting();
}

void GraphView::endConnect() {
    interaction_.connectFrom = interaction_.connectTo = false;
    interaction_.target = {};
    interaction_.fixed = {};
}

// --- feedback

// A rubber band or line with both ends at one point was never drawn, so it is not erased.
void GraphView::xorRubberBand() {
    const InteractionState& s = interaction_;
    if (s.lineStart == s.lineEnd) return;
    XorPen(drawingTools(), kRubberBandColor)
        .rectangle({s.lineStart.x, s.lineStart.y, s.lineEnd.x, s.lineEnd.y});
}

void GraphView::xorConnectingLine() {
    const InteractionState& s = interaction_;
    if (s.lineStart == s.lineEnd) return;
    XorPen(drawingTools(), kConnectColor).line(s.lineStart, s.lineEnd);
}

// The shape's bounds widened by 2 to the left and top and by 3 to the right and bottom.
void GraphView::xorTargetBox(const VertexViewEntry& entry) {
    // Looked up afresh: the entry may have been dropped by a synchronisation meanwhile.
    const VertexViewData* current = findVertexEntry(entry.vertex);
    if (!current || !current->view) return;
    Rect box =
        current->view->getBoundingRectangle(current->vertex, *this, current->properties.get());
    box.left -= 2;
    box.top -= 2;
    box.right += 3;
    box.bottom += 3;
    XorPen(drawingTools(), kConnectColor).rectangle(box);
}

void GraphView::eraseConnectFeedback() {
    xorConnectingLine();
    if (interaction_.target.vertex) xorTargetBox(interaction_.target);
}

void GraphView::crossCursor() {
    if (CursorTools* cursors = cursorTools()) cursors->setCrossCursor();
}

void GraphView::arrowCursor() {
    if (CursorTools* cursors = cursorTools()) cursors->setArrowCursor();
}

}  // namespace nx
