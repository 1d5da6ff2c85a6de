// The tree layout's run: checks, root order and the sequence of walks over each tree.
#include "layouts/tree_layout.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

#include "graph/graph.h"
#include "layouts/error_texts.h"
#include "layouts/forest_test.h"
#include "layouts/layout_range.h"
#include "layouts/tree_layout_visitor.h"
#include "properties/named_properties.h"
#include "traversal/graph_walks.h"
#include "traversal/visited_flag.h"

namespace nx {

namespace {

std::size_t graphIndex(Graph* graph, const Property& prototype) {
    return graph && graph->vertexSchema() ? graph->vertexSchema()->find(prototype) : kNoIndex;
}

int fit(std::int64_t value) {
    return fitCoordinate(value, "TreeLayout", "smaller separations may fit");
}

// The next tree starts SubtreeSeparation right of the last one's rightmost vertex; a root
// that placed nothing (one outside the graph) leaves the start where it was.
int nextStart(const TreeLayout& layout, int maxX) {
    if (maxX == INT_MIN) return layout.startX;
    return fit(std::int64_t{layout.SubtreeSeparation} + maxX);
}

// The rows lie LayerSeparation apart from startY down to the deepest level; checked before
// any position is placed, so that a too deep graph is named as such.
void checkRows(const TreeLayout& layout, std::size_t levels) {
    const std::int64_t deepest = static_cast<std::int64_t>(levels) - 1;
    if (deepest <= 0 || inCoordinateRange(deepest * layout.LayerSeparation + layout.startY)) return;
    failBeyondRange("TreeLayout", "the rows of a graph " + std::to_string(deepest) + " levels deep",
                    "a smaller LayerSeparation may fit");
}

}  // namespace

TreeLayout::TreeLayout(GraphView& view, int LayerSeparation, int SiblingSeparation,
                       int SubtreeSeparation)
    : Layout(view),
      LayerSeparation(LayerSeparation),
      SiblingSeparation(SiblingSeparation),
      SubtreeSeparation(SubtreeSeparation),
      v1Index(graphIndex(graph, AuxFlag1())),
      i1Index(graphIndex(graph, AuxInt1())),
      i2Index(graphIndex(graph, AuxInt2())) {}

bool TreeLayout::requirementsMet() {
    return Layout::requirementsMet() && v1Index != kNoIndex && i1Index != kNoIndex &&
           i2Index != kNoIndex;
}

void TreeLayout::arrange() {
    if (!graph || graph->order() == 0) return;
    // Graph::isForest() builds every component as a subgraph; counting answers the same.
    // Without a visited property that test finds no components and passes any graph.
    const bool walkable = graph->vertexSchema() &&
                          (graph->vertexSchema()->find(AuxFlag1()) != kNoIndex ||
                           graph->vertexSchema()->find(Visited()) != kNoIndex);
    if (walkable && !isForestByCounting(*graph)) {
        // The component walk that refuses the graph leaves every member flagged, and a
        // document saved afterwards holds those flags.
        setVisitedFlags(*graph, nx::visitedPropertyIndex(*graph));
        throw std::runtime_error(nx::error_texts::kNotATree);
    }
    if (!requirementsMet()) throw std::runtime_error(nx::error_texts::kTreeRequirements);
    if (roots.empty()) nx::findRoots(*graph, roots);
    graph->updateIncidence();
    std::stable_sort(roots.begin(), roots.end(),
                     [this](Vertex* a, Vertex* b) { return getX(*a) < getX(*b); });

    TreeLayoutVisitor visitor(*graph, *this);
    const int s = startX;
    // A run that fails part way leaves the layout as it found it.
    struct RestoreStart {
        int& field;
        int saved;
        ~RestoreStart() { field = saved; }
    } restore{startX, s};

    visitor.setPass(1);
    for (Vertex* root : roots) visitor.visit(*root);
    checkRows(*this, visitor.levels.size());

    visitor.setPass(3);
    for (Vertex* root : roots) {
        visitor.minX = INT_MAX;
        visitor.maxX = INT_MIN;
        visitor.visit(*root);
        startX = nextStart(*this, visitor.maxX);
    }
    startX = s;

    visitor.setPass(2);
    for (Vertex* root : roots) visitor.visit(*root);

    visitor.setPass(3);
    for (Vertex* root : roots) {
        visitor.minX = INT_MAX;
        visitor.maxX = INT_MIN;
        visitor.visit(*root);
        if (visitor.minX < startX) {
            // Move the tree right so that its leftmost vertex lands on the old start.
            startX = fit(2 * std::int64_t{startX} - visitor.minX);
            visitor.minX = INT_MAX;
            visitor.maxX = INT_MIN;
            visitor.visit(*root);
        }
        startX = nextStart(*this, visitor.maxX);
    }
    startX = s;
    visitor.commit();
}

}  // namespace nx
