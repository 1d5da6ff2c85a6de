// nx::TreeLayoutVisitor: the first, separation and placement walks of the tree layout.
#pragma once

#include <climits>
#include <cstdint>
#include <vector>

#include "layouts/pass_visitor.h"
#include "layouts/subtree_outlines.h"
#include "layouts/vertex_table.h"

namespace nx {

class GraphView;
class TreeLayout;
struct VertexViewData;
struct VertexViewEntry;

// Every walk keeps its own stack, so a path of any length is walked without recursion.
// Its passes: 1 first walk, 2 separation, 3 placement.
class TreeLayoutVisitor : public PassVisitor<TreeLayoutVisitor> {
public:
    // Resolves every member vertex's working values; the graph's incidence must be current.
    TreeLayoutVisitor(Graph& graph, TreeLayout& layout);

    const VertexTable& table() const { return table_; }
    // Starts a pass: clears every visited flag, and for pass 1 every prelim and modifier.
    virtual void setPass(int pass);
    // Stores the flags, prelims, modifiers and coordinates of the walks in the vertices'
    // properties; the layout calls it after the last walk.
    void commit();

    TreeLayout* layout;
    int depth = 0;
    // Per depth, the sibling list being walked there (vertex positions).
    std::vector<std::vector<std::uint32_t>> levels;
    int minX = INT_MAX;
    int maxX = INT_MIN;
    int modSum = 0;

private:
    struct Frame {
        std::uint32_t vertex;
        std::uint32_t begin, end, next;  // the vertex's children in an arena
        int k;  // relative depth in a subtree walk; place among siblings in the first walk
    };

    // Each member's view entry in the graph's vertex order; none (null) for a vertex the
    // view does not show. The view's own sequence when it already is in that order (nearly
    // always), else null with copy put in that order.
    const VertexViewData* viewEntries(const GraphView& view,
                                      std::vector<VertexViewEntry>& copy) const;
    void firstWalk(std::uint32_t root);
    bool enterFirst(std::uint32_t v, std::uint32_t place, std::vector<Frame>& stack);
    void placeLeaf(std::uint32_t v, std::uint32_t place);
    void placeParent(std::uint32_t v, std::uint32_t place);
    void separationWalk(std::uint32_t root);
    int enterSeparation(std::uint32_t v, std::uint32_t parent);
    int finishSeparation(const Frame& frame);
    void separateChildren(std::uint32_t begin, std::uint32_t end);
    // The smallest gap between child c's left outline and the front (below the subtree
    // separation, else that separation), and the depth of the first vertex in preorder
    // that shows it.
    std::int64_t closestApproach(std::uint32_t begin, std::uint32_t c, int& depth);
    int firstAtGap(std::uint32_t c, std::int64_t gap);
    // The nearest sibling left of c at least as high as depth, or -1.
    int highEnough(std::uint32_t begin, std::uint32_t c, int depth) const;
    std::int64_t frontAt(std::uint32_t depth) const;
    // A leaf's outline is its X alone, which it keeps in x_ and shift_.
    static constexpr SubtreeOutlines::Id kLeafOutline = 0xFFFFFFFF;
    std::int64_t leafX(std::uint32_t v) const { return std::int64_t{x_[v]} + shift_[v]; }
    // Where the vertex's labels end on either side (its X while labels do not count).
    std::int64_t leftEdge(std::uint32_t v) const { return leafX(v) - labelLeft(v); }
    std::int64_t rightEdge(std::uint32_t v) const { return leafX(v) + labelRight(v); }
    std::int64_t labelLeft(std::uint32_t v) const { return labelled_ ? labelLeft_[v] : 0; }
    std::int64_t labelRight(std::uint32_t v) const { return labelled_ ? labelRight_[v] : 0; }
    void addToFront(std::uint32_t c);
    // Moves c's subtree by d: with working, its prelim and modifier too.
    void moveSubtree(std::uint32_t c, std::int64_t d, bool working);
    void buildOutline(const Frame& frame, bool separated);
    void commitSeparation();
    void placementWalk(std::uint32_t root);
    void enterPlacement(std::uint32_t v, std::vector<Frame>& stack);

    // Unmarked neighbours in incidence order, sorted stably by X.
    void children(std::uint32_t v, bool ordered, std::vector<std::uint32_t>& out);
    int width(std::uint32_t v);
    // The distance of neighbouring siblings' X beyond the sibling separation.
    std::int64_t step(std::uint32_t left, std::uint32_t v);

    std::vector<std::uint32_t> positions_;  // by vertex ID, for the table
    VertexTable table_;
    // The working values and coordinates are mirrored in dense arrays during the run and
    // written back by commit(): the walks then touch compact memory only.
    std::vector<bool*> flagSlots_;
    std::vector<std::int32_t*> prelimSlots_, modSlots_, xSlots_, ySlots_;
    std::vector<char> visited_;
    std::vector<std::int32_t> prelim_, mod_, x_, y_;
    std::vector<int> widths_;
    // With labels counted, how far each vertex's labels reach left and right of its X.
    bool labelled_ = false;
    std::vector<std::int32_t> labelLeft_, labelRight_;
    std::vector<std::uint32_t> scratch_;
    std::vector<Frame> frames_, walkFrames_;
    std::vector<std::uint32_t> kids_, walkKids_;
    std::vector<int> heights_;
    // The separation walk moves whole subtrees: each move is noted once at the subtree's
    // top (shift_) and in its outline, and X is brought up to date when the walk ends.
    std::vector<std::int64_t> shift_;
    std::vector<std::uint32_t> outline_, parent_, walked_;
    SubtreeOutlines outlines_;
    // The right outline of the children placed so far (relative to frontOffset_), deepest
    // first; depths it does not reach count as 0.
    std::vector<std::int64_t> front_;
    std::int64_t frontOffset_ = 0;
    std::vector<char> spread_;
    std::vector<int> candidates_;  // children moved after joining the front
};

}  // namespace nx
