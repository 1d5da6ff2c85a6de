// The tree layout's walks as first written (separation by whole-subtree walks), kept as the
// oracle that the faster walks must match coordinate for coordinate.
#pragma once

#include <climits>
#include <cstdint>
#include <vector>

#include "layouts/vertex_table.h"
#include "graph/visitor.h"

namespace nx::test {

class ReferenceTreeLayout;

// Every walk keeps its own stack, so a path of any length is walked without recursion.
class ReferenceTreeLayoutVisitor : public Visitor {
public:
    // Resolves every member vertex's working values; the graph's incidence must be current.
    ReferenceTreeLayoutVisitor(Graph& graph, ReferenceTreeLayout& layout);

    void visit(Graph& graph) override;
    // Hands both ends to the visitor.
    void visit(Edge& edge) override;
    // Runs the current pass's walk from the vertex: 1 first walk, 2 separation, 3 placement.
    void visit(Vertex& vertex) override;
    // Starts a pass: clears every visited flag, and for pass 1 every prelim and modifier.
    virtual void setPass(int pass);
    // Stores the flags, prelims, modifiers and coordinates of the walks in the vertices'
    // properties; the layout calls it after the last walk.
    void commit();

    Graph* graph;
    ReferenceTreeLayout* layout;
    int depth = 0;
    // Per depth, the sibling list being walked there (vertex positions).
    std::vector<std::vector<std::uint32_t>> levels;
    int pass = 0;
    int minX = INT_MAX;
    int maxX = INT_MIN;
    int modSum = 0;

private:
    struct Frame {
        std::uint32_t vertex;
        std::uint32_t begin, end, next;  // the vertex's children in an arena
        int k;  // relative depth in a subtree walk; place among siblings in the first walk
    };

    void firstWalk(std::uint32_t root);
    bool enterFirst(std::uint32_t v, std::uint32_t place, std::vector<Frame>& stack);
    void placeLeaf(std::uint32_t v, std::uint32_t place);
    void placeParent(std::uint32_t v, std::uint32_t place);
    int separationWalk(std::uint32_t root);
    int enterSeparation(std::uint32_t v);
    int finishSeparation(const Frame& frame);
    void separateChildren(std::uint32_t begin, std::uint32_t end, int height);
    void shiftFrom(std::uint32_t begin, std::uint32_t end, std::uint32_t from, std::int64_t gap);
    void placementWalk(std::uint32_t root);
    void enterPlacement(std::uint32_t v, std::vector<Frame>& stack);

    // Preorder walk of c's subtree with path marking; children ordered by X when asked.
    template <typename Visit>
    void walkSubtree(std::uint32_t c, int limit, bool ordered, Visit&& visit);
    void shiftSubtree(std::uint32_t c, std::int64_t d);
    // Unmarked neighbours in incidence order, sorted stably by X.
    void children(std::uint32_t v, bool ordered, std::vector<std::uint32_t>& out);
    int width(std::uint32_t v);

    std::vector<std::uint32_t> positions_;  // by vertex ID, for the table
    VertexTable table_;
    // The working values and coordinates are mirrored in dense arrays during the run and
    // written back by commit(): the walks then touch compact memory only.
    std::vector<bool*> flagSlots_;
    std::vector<std::int32_t*> prelimSlots_, modSlots_, xSlots_, ySlots_;
    std::vector<char> visited_;
    std::vector<std::int32_t> prelim_, mod_, x_, y_;
    std::vector<int> widths_;
    std::vector<std::uint32_t> scratch_;
    std::vector<Frame> frames_, walkFrames_;
    std::vector<std::uint32_t> kids_, walkKids_;
    std::vector<int> heights_;
    std::vector<int> contour_;
    std::int64_t minGap_ = 0;
    int gapDepth_ = 0;
};

}  // namespace nx::test
