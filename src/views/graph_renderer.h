// nx::GraphRenderer: draws a graph view's elements that meet an area, culled through a grid
// of their update rectangles that the view's change notes keep current.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "views/geometry.h"
#include "views/spatial_index.h"
#include "views/view_entries.h"

namespace nx {

class DrawingTools;
class Edge;
class Graph;
class GraphView;
class Vertex;

class GraphRenderer {
public:
    explicit GraphRenderer(GraphView& view) : view_(view) {}
    GraphRenderer(const GraphRenderer&) = delete;
    GraphRenderer& operator=(const GraphRenderer&) = delete;

    // Draws what meets the area (device units) with the tools: edges in edge-map order,
    // vertices in drawing order, then selection frames and edge handles. Printing draws
    // every element.
    void render(DrawingTools& tools, const Rect& area);
    // The same picture found by testing every element's update rectangle; the grid must
    // never draw anything else (tests and benchmarks compare the two).
    void renderTestingEveryElement(DrawingTools& tools, const Rect& area);

private:
    struct EdgeEnds {
        Point source, target;
    };
    // Update-rectangle boxes of the edges (by edge-map slot) and vertices (by drawing-order
    // position), with the element each slot held when its box was taken and, for edges,
    // the device positions of the ends the box was taken with.
    struct Grid {
        bool valid = false;
        std::uint64_t structure = 0;
        const Graph* graph = nullptr;
        float scaleX = 1.0f, scaleY = 1.0f;
        SpatialIndex edges, vertices;
        std::vector<Edge*> edgeAt;
        std::vector<EdgeEnds> endsAt;
        std::vector<Vertex*> vertexAt;
    };

    void renderWith(DrawingTools& tools, const Rect& area, bool cull);
    // True when the grid matches the view (repaired or rebuilt as needed).
    bool prepareGrid();
    bool buildGrid();
    // Redoes the boxes the view's change notes name; false when the notes cannot be
    // applied piecewise.
    bool repairGrid();
    bool reboxVertex(const Vertex& vertex);
    bool reboxEdge(Edge& edge);
    Rect edgeBox(Edge* edge, const EdgeViewData& data, EdgeEnds& ends);
    // Fills the candidate lists for the area; false when the grid no longer fits the entries.
    bool queryGrid(const Rect& r);
    // How many edges drawEdges() reads the ends of at once.
    static constexpr std::size_t kEdgeBatch = 64;
    // Draws edgeWalk_ with edgeCandidates_ in order; with the grid's ends, those of
    // candidates_ rather than the vertices' own.
    void drawEdges(DrawingTools& tools, const Rect& r, bool gridEnds);
    // An edge end's device position, from the render's position table when it holds it.
    Point endPosition(const Vertex* end) const;
    void drawEdge(DrawingTools& tools, Edge* edge, EdgeViewData& data, const EdgeEnds& ends,
                  const Rect& r);
    // box: the vertex's update rectangle when the caller already holds it (the grid's).
    void drawVertex(DrawingTools& tools, std::size_t i, const Rect& r, const Rect* box = nullptr);
    // The same for a vertex, in two steps: its entry's vertex and values, then the vertex's
    // own values (where its name lies).
    void prefetchVertex(std::size_t i, int step) const;
    void drawSelectionFrame(DrawingTools& tools, const VertexViewEntry& entry);
    void drawEdgeHandles(DrawingTools& tools, const std::vector<Point>& points);

    GraphView& view_;
    Grid grid_;
    std::vector<std::uint32_t> candidates_;  // edges, by edge-map slot
    std::vector<EdgeViewData*> edgeCandidates_;
    std::vector<Edge*> edgeWalk_;  // the edges drawn, with edgeCandidates_ their entries
    EdgeEnds ends_[kEdgeBatch];
    std::vector<std::uint32_t> vertexCandidates_;  // drawing-order positions
    // Scratch of a render, kept to avoid allocating on every paint.
    std::vector<std::size_t> framed_;
    std::vector<std::vector<Point>> handles_;
    std::size_t handleCount_ = 0;
};

}  // namespace nx
