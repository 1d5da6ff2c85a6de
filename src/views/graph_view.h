// nx::GraphView: the presentation of one graph: the scene it shows (entries, drawing order,
// selection, coordinates), the renderer that draws it culled, the mouse interaction on top,
// following the graph, files, extent and transforms.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <unordered_map>
#include <utility>
#include <functional>
#include <memory>
#include <vector>

#include "graph/mutex.h"
#include "graph/subject.h"
#include "properties/formal_properties.h"
#include "views/geometry.h"
#include "views/graph_renderer.h"
#include "views/graph_scene.h"
#include "views/graph_view_interaction.h"
#include "views/view.h"
#include "views/view_entries.h"
#include "views/view_entry_log.h"
#include "views/view_ref.h"

namespace nx {

class ActualProperties;
class Bitmap;
class CursorTools;
class DrawingTools;
class Edge;
class EdgeView;
class Graph;
class Space;
class Vertex;
class VertexView;

// Parallel edges are those joining the same two vertices in either direction.
struct VertexPairHash {
    std::size_t operator()(const std::pair<Vertex*, Vertex*>& p) const {
        return std::hash<Vertex*>()(p.first) * 31 + std::hash<Vertex*>()(p.second);
    }
};

class GraphView : public GraphScene, public Observer {
public:
    // The schemas are the view-level ones and stay the caller's.
    GraphView(FormalProperties* vertexFormals, FormalProperties* edgeFormals);
    GraphView(const GraphView&) = delete;
    GraphView& operator=(const GraphView&) = delete;
    // Notification from the graph; a window binding resynchronises and repaints.
    void update() override {}
    // Membership notifications: noted here, applied by the next synchronize().
    void vertexAdded(const Graph& graph, Vertex& vertex) override;
    void edgeAdded(const Graph& graph, Edge& edge) override;
    void vertexRemoved(const Graph& graph, Vertex& vertex) override;
    void edgeRemoved(const Graph& graph, Edge& edge) override;

    virtual ~GraphView();
    // Records the visible area and fills it with the background colour.
    virtual void eraseBackground(const Rect& r) = 0;
    // Renders the area with the view's own tools between beginDraw and endDraw.
    virtual void draw(const Rect& r);
    virtual void beginDraw(const Rect& r);
    virtual void endDraw(const Rect& r);
    virtual Rect extent();
    virtual void copyToScreen(const Rect& r) = 0;
    virtual DrawingTools* drawingTools() = 0;
    // The tools the element views draw with: those of the render in progress, else the
    // view's own.
    DrawingTools* currentTools() { return renderTools_ ? renderTools_ : drawingTools(); }
    GraphRenderer& renderer() { return *renderer_; }
    virtual CursorTools* cursorTools() = 0;
    virtual Bitmap* bitmap() = 0;
    // Both answer a reference for the caller, making the standard view first when none is set.
    virtual ViewRef<VertexView> defaultVertexView();
    virtual ViewRef<EdgeView> defaultEdgeView();
    // Makes the standard default view where none is set (a file that names none).
    void ensureDefaultVertexView() { (void)defaultVertexView(); }
    void ensureDefaultEdgeView() { (void)defaultEdgeView(); }
    // The given reference replaces the previous default.
    virtual void setDefaultVertexView(ViewRef<VertexView> view);
    virtual void setDefaultEdgeView(ViewRef<EdgeView> view);
    // The default views as set, null when none was made yet (file writers).
    VertexView* storedDefaultVertexView() const { return defaultVertexView_.get(); }
    EdgeView* storedDefaultEdgeView() const { return defaultEdgeView_.get(); }

    // Mouse interaction in device points. The mouse operations answer whether something
    // changed that needs a new extent; additive is the Ctrl key.
    virtual bool mouseDown(const Point& p, bool additive);
    virtual bool mouseUp(const Point& p);
    virtual bool mouseUpAtLastPoint();
    virtual bool cancelConnect();
    // Ends a connection in progress without touching the context-menu rules (a history
    // step may remove the vertex it started from).
    void abandonConnect();
    virtual bool mouseMove(const Point& p);
    // Starts drawing a new edge from (or to) the vertex; the next mouseDown finishes it.
    virtual void beginConnectFrom(Vertex* vertex, ActualProperties* viewProperties);
    virtual void beginConnectTo(Vertex* vertex, ActualProperties* viewProperties);
    // Called after the view changed the selection itself.
    virtual void selectionChanged() {}
    // Hooks after an edge end was moved to another vertex, and whether an end may move.
    virtual void edgeSourceMoved(const EdgeViewEntry&) {}
    virtual void edgeTargetMoved(const EdgeViewEntry&) {}
    virtual bool mayMoveEdgeSource(const EdgeViewEntry&) { return edgeSourcesMovable_; }
    virtual bool mayMoveEdgeTarget(const EdgeViewEntry&) { return edgeTargetsMovable_; }
    // False while an edge is being connected and once right after one was cancelled.
    virtual bool contextMenuAllowed();

    // Attaches a graph (or none), rebuilding every entry with default views.
    void setGraph(Graph* graph);
    // Follows the graph: drops entries of removed elements, appends new ones on top. When
    // the graph told every change since the last call, only those elements are visited.
    void synchronize();

    Space* space() const { return space_; }
    void setSpace(Space* space) { space_ = space; }
    // Replaces the view-level schemas (file readers); call refreshPropertyIndices after.
    void setFormals(FormalProperties* vertexFormals, FormalProperties* edgeFormals);

    // The entry's view, from the drawing's position table while a render runs; null
    // without entry.
    VertexView* findVertexView(const Vertex* vertex) const;
    // (X × scaleX, Y × scaleY), truncated.
    Point devicePosition(const Vertex* vertex, const ActualProperties* viewProperties) const;
    // Looks the view-level values up first.
    Point devicePosition(const Vertex* vertex) const;

    // Hit tests and areas in device units.
    VertexViewEntry vertexAt(const Point& p);
    EdgeViewEntry edgeAt(const Point& p);
    std::vector<VertexViewEntry> verticesInRect(const Rect& r);
    std::vector<VertexViewEntry> verticesInVisibleArea();
    // Edges whose update rectangle meets the area.
    std::vector<EdgeViewEntry> edgesInRect(const Rect& r);
    std::vector<EdgeViewEntry> edgesInVisibleArea();
    Rect visibleArea() const;

    // Selection. Each answers whether the selection changed; additive keeps what is selected.
    bool selectVertex(const VertexViewEntry& entry, bool additive);
    bool selectEdge(const EdgeViewEntry& entry, bool additive);
    bool selectVertices(const std::vector<VertexViewEntry>& entries, bool additive);
    bool deselectVertex(const VertexViewEntry& entry);
    bool deselectAllVertices();
    bool deselectAllEdges();
    bool isSelectedAt(const Point& p);
    // Selects what lies at p; true when something was hit.
    bool clickSelect(const Point& p, bool additive);
    // Selects the vertices in the rectangle, never edges; true when it caught a vertex.
    bool rectSelect(const Rect& r, bool additive);
    // Moves the selected vertices; the drawing shifts so that no coordinate turns negative.
    void moveSelected(int dx, int dy);
    const InteractionState& interaction() const { return interaction_; }

    // Each answers whether anything moved.
    bool flipHorizontal();
    bool flipVertical();
    bool rotate(float radians);

    Mutex& mutex() { return mutex_; }

    // While set, synchronize() tells the log every entry it adds or drops, and the log
    // owns what dropped entries held.
    void setEntryLog(ViewEntryLog* log) { log_ = log; }
    // Undo support, telling no log. Takes the entries at the records' positions (ascending,
    // as they stand) out of the drawing order into the records, or puts the records'
    // entries back at their positions (ascending, as they will stand). Each pass is linear.
    void takeVertexEntries(std::vector<VertexEntryRecord>& records);
    void putVertexEntries(std::vector<VertexEntryRecord>& records);
    // Takes an edge's entry out leaving its slot empty, or puts one back into the slot.
    bool takeEdgeEntry(Edge* edge, EdgeViewData& data);
    // The entry passes to the view only when it is put back (data is left as it was on false).
    bool putEdgeEntry(Edge* edge, EdgeViewData& data, std::size_t slot);
    void keepSlots(bool keep) { edgeMap_.keepSlots(keep); }
    // After taking and putting entries along with the graph's members: selection lists,
    // parallel counts and notes start over from the entries as they now stand.
    void entriesRestored();

    // Top-left corner and size of the visible area, kept by the platform binding.
    Point origin() const { return origin_; }
    std::uint64_t visibleWidth() const { return visibleWidth_; }
    std::uint64_t visibleHeight() const { return visibleHeight_; }
    void setOrigin(const Point& origin) { origin_ = origin; }
    void setVisibleArea(const Point& origin, std::uint64_t width, std::uint64_t height) {
        origin_ = origin;
        visibleWidth_ = width;
        visibleHeight_ = height;
    }
    // The colours the files keep with the view.
    RgbColor penColor() const { return penColor_; }
    RgbColor backgroundColor() const { return backgroundColor_; }
    void setPenColor(const RgbColor& color) { penColor_ = color; }
    void setBackgroundColor(const RgbColor& color) { backgroundColor_ = color; }
    // Printer-to-screen ratios while printing; 1 on screen.
    float scaleX() const { return scaleX_; }
    float scaleY() const { return scaleY_; }
    void setScaleX(float scale) { scaleX_ = scale; }
    void setScaleY(float scale) { scaleY_ = scale; }
    void setScale(float x, float y) {
        scaleX_ = x;
        scaleY_ = y;
    }
    bool printing() const { return printing_; }
    void setPrinting(bool printing) { printing_ = printing; }
    // Number parallel edges in their view-level _I1 when they are added.
    bool spreadParallelEdges() const { return spreadParallelEdges_; }
    void setSpreadParallelEdges(bool spread) { spreadParallelEdges_ = spread; }
    // The mouse edits the drawing; off, a click only selects.
    bool interactive() const { return interactive_; }
    void setInteractive(bool interactive) { interactive_ = interactive; }
    // Refuse a new edge that stops the graph from being a forest.
    bool keepForest() const { return keepForest_; }
    void setKeepForest(bool keep) { keepForest_ = keep; }
    // Whether the mouse may re-attach an edge's source or target to another vertex.
    bool edgeSourcesMovable() const { return edgeSourcesMovable_; }
    bool edgeTargetsMovable() const { return edgeTargetsMovable_; }
    void setEdgeSourcesMovable(bool movable) { edgeSourcesMovable_ = movable; }
    void setEdgeTargetsMovable(bool movable) { edgeTargetsMovable_ = movable; }

protected:
    VertexViewData makeVertexEntry(Vertex* vertex);
    EdgeViewData makeEdgeData(Edge* edge);
    // Drops an edge's entry from the map, handing what it held to the log when one is set.
    void dropEdgeEntry(Edge* edge, EdgeViewData& data);
    void clearEntries();
    // Fading level for an element, or -1 when it is drawn normally; above 99 skips it.
    int fadingOf(const ActualProperties* properties, bool selected, std::size_t fading,
                 std::size_t unfaded) const;
    // Interaction: XOR feedback on the screen (drawing it twice erases it) and connecting.
    void xorRubberBand();
    void xorConnectingLine();
    void xorTargetBox(const VertexViewEntry& entry);
    void eraseConnectFeedback();
    void startConnect(Vertex* vertex, ActualProperties* viewProperties, bool from);
    bool finishConnect();
    void endConnect();
    void crossCursor();
    void arrowCursor();
    // Min and max of X or Y over all vertices; false without vertices.
    bool coordinateRange(bool horizontal, int& low, int& high) const;

    Mutex mutex_;
    InteractionState interaction_;
    Space* space_ = nullptr;
    ViewRef<VertexView> defaultVertexView_;
    ViewRef<EdgeView> defaultEdgeView_;

private:
    friend class GraphRenderer;

    Point origin_;
    std::uint64_t visibleWidth_ = 0;
    std::uint64_t visibleHeight_ = 0;
    RgbColor penColor_{0, 0, 0};
    RgbColor backgroundColor_{255, 255, 255};
    float scaleY_ = 1.0f;
    float scaleX_ = 1.0f;
    bool printing_ = false;
    bool spreadParallelEdges_ = true;
    bool interactive_ = true;
    bool keepForest_ = false;
    bool edgeSourcesMovable_ = true;
    bool edgeTargetsMovable_ = true;

    std::unique_ptr<GraphRenderer> renderer_;
    DrawingTools* renderTools_ = nullptr;  // set while the renderer draws

    // What the graph told since the view last matched its membership, at which stamp.
    struct PendingMembers {
        std::vector<Vertex*> addedVertices, removedVertices;
        std::vector<Edge*> addedEdges, removedEdges;
        std::uint64_t stamp = 0;
        bool lost = false;  // a change went untold, or too many to be worth noting
        std::size_t size() const {
            return addedVertices.size() + removedVertices.size() + addedEdges.size() +
                   removedEdges.size();
        }
    };
    // True while the notes still describe every change since the view matched the graph.
    bool noteMembership(const Graph& graph);
    void restartNotes();
    // Applies the notes; false when they cannot stand for a full pass.
    bool followNotes();
    void appendNoted();
    void dropNoted();
    void synchronizeFully();
    void countParallels();
    void addParallel(const Edge* edge, int delta);

    PendingMembers pending_;
    ViewEntryLog* log_ = nullptr;  // not owned
    // Edges of the map per unordered pair of ends, kept only between full passes.
    std::unordered_map<std::pair<Vertex*, Vertex*>, int, VertexPairHash> parallels_;
    bool parallelsValid_ = false;

    // Device positions and views by vertex id, valid while draw() runs, so that edge ends
    // need no map lookups.
    struct DrawCacheSlot {
        Point position;
        VertexView* view = nullptr;
        bool present = false;
    };
    // Fills the cache for one walk over the edges and drops it afterwards.
    class DrawCacheScope {
    public:
        explicit DrawCacheScope(GraphView& view);
        ~DrawCacheScope();
        DrawCacheScope(const DrawCacheScope&) = delete;
        DrawCacheScope& operator=(const DrawCacheScope&) = delete;

    private:
        GraphView& view_;
        bool outer_;
    };
    const DrawCacheSlot* cachedSlot(const Vertex* vertex) const;

    std::vector<DrawCacheSlot> drawCache_;
    bool drawCacheValid_ = false;
};

}  // namespace nx
