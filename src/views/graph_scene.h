// nx::GraphScene: what a graph view shows and every write to it: entries, drawing order,
// selection flags and coordinates, with the change notes that keep drawing culled right.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "graph/ordered_map.h"
#include "properties/formal_properties.h"
#include "views/geometry.h"
#include "views/vertex_draw_sequence.h"
#include "views/view.h"
#include "views/view_entries.h"
#include "views/view_ref.h"

namespace nx {

class ActualProperties;
class Edge;
class Graph;
class GraphRenderer;
class Vertex;

// Every write to a value that an element's update rectangle depends on (its position, its
// view, its labels) goes through the scene and leaves a note naming the element, so that
// the renderer redoes only that element's box before the next draw. The writers: setX/setY
// and addX/addY for single positions, nx::PositionWriter (position_writer.h) for the
// layouts' bulk writes, setSelected, setVertexView/setEdgeView, the order members, and
// writeVertexValues/writeEdgeValues/writeValues for any other value (property puts, undo).
class GraphScene : public IVertexDrawSequence {
public:
    // The vertex map answers an entry's position in the drawing sequence.
    using VertexMap = OrderedMap<Vertex*, std::size_t>;
    using EdgeMap = OrderedMap<Edge*, EdgeViewData>;

    // The schemas are the view-level ones and stay the caller's.
    GraphScene(FormalProperties* vertexFormals, FormalProperties* edgeFormals);
    GraphScene(const GraphScene&) = delete;
    GraphScene& operator=(const GraphScene&) = delete;

    // Drawing order; nothing happens with fewer than two vertices or an unknown one.
    void bringForward(Vertex* vertex) override;
    void sendBackward(Vertex* vertex) override;
    void bringToFront(Vertex* vertex) override;
    void sendToBack(Vertex* vertex) override;
    // Moves the vertex's entry to the position, swapping with the entry there (file readers
    // restore the stored drawing order this way); false when either is unknown.
    bool placeInSequence(Vertex* vertex, std::size_t position);

    Graph* graph() const { return graph_; }
    FormalProperties* vertexFormals() const { return vertexFormals_; }
    FormalProperties* edgeFormals() const { return edgeFormals_; }
    void refreshPropertyIndices();

    // Entries and views. The lookups throw std::runtime_error for an element without entry.
    ActualProperties* vertexViewProperties(Vertex* vertex);
    ActualProperties* edgeViewProperties(Edge* edge);
    VertexView* vertexView(Vertex* vertex);
    // The caller's reference passes to the entry; the one it held is released.
    void setVertexView(Vertex* vertex, ViewRef<VertexView> view);
    void setEdgeView(Edge* edge, ViewRef<EdgeView> view);
    // The same for file readers that already know where the entry is: a drawing position
    // below the sequence's size, the edge's slot in the edge map.
    void setVertexViewAt(std::size_t position, ViewRef<VertexView> view);
    void setEdgeViewAt(Edge* edge, std::size_t slot, ViewRef<EdgeView> view);
    // Null (empty) when the element has no entry.
    const VertexViewData* findVertexEntry(const Vertex* vertex) const;
    EdgeViewEntry findEdgeEntry(Edge* edge) const;

    const std::vector<VertexViewData>& vertexSequence() const { return sequence_; }
    const VertexMap& vertexMap() const { return vertexMap_; }
    const EdgeMap& edgeMap() const { return edgeMap_; }
    const std::vector<VertexViewEntry>& selectedVertices() const { return selectedVertices_; }
    const std::vector<EdgeViewEntry>& selectedEdges() const { return selectedEdges_; }
    // Rebuilds both selection lists from the Selected values (sequence and map order).
    void rebuildSelection();
    // Brings both lists in line with the Selected values: what stays selected keeps its
    // place, what became selected follows in sequence and map order.
    void refreshSelection();

    // Coordinates: the view level when it has the property, else the graph level, else none
    // (reads 0, writes nothing).
    int getX(const Vertex* vertex, const ActualProperties* viewProperties) const;
    int getY(const Vertex* vertex, const ActualProperties* viewProperties) const;
    int getZ(const Vertex* vertex, const ActualProperties* viewProperties) const;
    void setX(const Vertex* vertex, ActualProperties* viewProperties, int value);
    void setY(const Vertex* vertex, ActualProperties* viewProperties, int value);
    void setZ(const Vertex* vertex, ActualProperties* viewProperties, int value);
    int addX(const Vertex* vertex, ActualProperties* viewProperties, int delta);
    int addY(const Vertex* vertex, ActualProperties* viewProperties, int delta);
    bool isSelected(const Vertex* vertex, const ActualProperties* viewProperties) const;
    bool isSelected(const Edge* edge, const ActualProperties* viewProperties) const;
    // Answer whether the value changed; false without a Selected property. The caller keeps
    // the selection lists (the graph view's selection members do).
    bool setSelected(const VertexViewEntry& entry, bool selected);
    bool setSelected(const EdgeViewEntry& entry, bool selected);

    // Any of an element's values, at any level, written by `write`: a name, a view or a
    // position moves the element's box. The note comes first, so a write that throws half
    // way is still redrawn right. A write that flips the element's Selected value moves it
    // into or out of the selection list, even when it throws.
    template <typename Write>
    void writeVertexValues(const Vertex& vertex, Write&& write) {
        vertexChanged(vertex);
        const bool selected = vertexSelected(vertex);
        writeThen(write, [&] { keepVertexListed(vertex, selected); });
    }
    template <typename Write>
    void writeEdgeValues(Edge& edge, Write&& write) {
        edgeChanged(edge);
        const bool selected = edgeSelected(edge);
        writeThen(write, [&] { keepEdgeListed(edge, selected); });
    }
    // Values of any elements at once (undo steps swapping values wholesale); the selection
    // lists are brought up to date afterwards.
    template <typename Write>
    void writeValues(Write&& write) {
        everythingChanged();
        writeThen(write, [&] { refreshSelection(); });
    }

protected:
    ~GraphScene() = default;

    // Change notes; each is constant time.
    void vertexChanged(const Vertex& vertex);
    void edgeChanged(Edge& edge);
    void everythingChanged();

    struct PropertyIndices {
        std::size_t vertexX = kNoIndex, vertexY = kNoIndex, vertexZ = kNoIndex;
        std::size_t vertexSelected = kNoIndex;
        std::size_t edgeSelected = kNoIndex, edgeI1 = kNoIndex;
        std::size_t graphX = kNoIndex, graphY = kNoIndex, graphZ = kNoIndex;
        std::size_t graphVertexSelected = kNoIndex, graphEdgeSelected = kNoIndex;
        std::size_t vertexFading = kNoIndex, vertexUnfaded = kNoIndex;
        std::size_t edgeFading = kNoIndex, edgeUnfaded = kNoIndex;
    };
    // Elements whose boxes the renderer redoes before its next query; all of them once
    // the notes grow past a fraction of the entries or the entries themselves changed.
    struct ChangeNotes {
        std::vector<const Vertex*> vertices;
        std::vector<Edge*> edges;
        std::uint64_t structure = 0;  // counts changes of membership and schemas
        bool all = true;
    };

    // Runs `after` once `write` ends, whether it returns or throws.
    template <typename Write, typename After>
    static void writeThen(Write& write, After&& after) {
        try {
            write();
        } catch (...) {
            after();
            throw;
        }
        after();
    }
    void refreshGraphPropertyIndices();
    // Whether the element has an entry whose Selected value is set.
    bool vertexSelected(const Vertex& vertex) const;
    bool edgeSelected(Edge& edge) const;
    // After a value write: lists or unlists the element when its Selected value flipped.
    void keepVertexListed(const Vertex& vertex, bool wasSelected);
    void keepEdgeListed(Edge& edge, bool wasSelected);
    // Membership, drawing positions of many entries or schemas changed: the grid starts over.
    void structureChanged();
    void swapEntries(std::size_t a, std::size_t b);
    std::size_t positionOf(const Vertex* vertex) const;
    int coordinate(const Vertex* vertex, const ActualProperties* viewProperties,
                   std::size_t viewIndex, std::size_t graphIndex) const;
    bool setCoordinate(const Vertex* vertex, ActualProperties* viewProperties,
                       std::size_t viewIndex, std::size_t graphIndex, int value);

    EdgeMap edgeMap_;
    VertexMap vertexMap_;
    Graph* graph_ = nullptr;
    FormalProperties* vertexFormals_;
    FormalProperties* edgeFormals_;
    std::vector<VertexViewData> sequence_;
    PropertyIndices indices_;
    std::vector<VertexViewEntry> selectedVertices_;
    std::vector<EdgeViewEntry> selectedEdges_;
    ChangeNotes changes_;

private:
    friend class GraphRenderer;
    friend class PositionWriter;
};

}  // namespace nx
