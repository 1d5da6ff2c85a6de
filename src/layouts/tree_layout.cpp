// The tree layout's run: checks, root order and the sequence of walks over each tree.
#include "layouts/tree_layout.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

#include "graph/graph.h"
#include "layouts/forest_test.h"
#include "layouts/tree_layout_visitor.h"
#include "properties/named_properties.h"

namespace nx {

namespace {

std::size_t graphIndex(Graph* graph, const Property& prototype) {
    return graph && graph->vertexSchema() ? graph->vertexSchema()->find(prototype) : kNoIndex;
}

}  // namespace

TreeLayout::TreeLayout(GraphView& view, int LayerSeparation, int SiblingSeparation,
                       int SubtreeSeparation)
    : Layout(view),
      LayerSeparation(LayerSeparation),
      SiblingSeparation(SiblingSeparation),
      SubtreeSeparation(SubtreeSeparation),
      v1Index(graphIndex(graph, _V1())),
      i1Index(graphIndex(graph, _I1())),
      i2Index(graphIndex(graph, _I2())) {}

bool TreeLayout::requirementsMet() {
    return Layout::requirementsMet() && v1Index != kNoIndex && i1Index != kNoIndex &&
           i2Index != kNoIndex;
}

void TreeLayout::arrange() {
    if (!graph || graph->order() == 0) return;
    // Graph::isForest() builds every component as a subgraph; counting answers the same.
    // Without a visited property that test finds no components and passes any graph.
    if (!isForestByCounting(*graph) && graph->vertexSchema() &&
        (graph->vertexSchema()->find(_V1()) != kNoIndex ||
         graph->vertexSchema()->find(Visited()) != kNoIndex))
        throw std::runtime_error("TreeLayout error: Graph is not a tree");
    if (!requirementsMet())
        throw std::runtime_error(
            "TreeLayout requires that vertices have the following properties:\n"
            "\tX and Y at view or graph level,\n"
            "\t_I1, _I2 and _V1 system properties at graph level");
    if (roots.empty()) graph->findRoots(roots);
    graph->updateIncidence();
    std::stable_sort(roots.begin(), roots.end(),
                     [this](Vertex* a, Vertex* b) { return getX(*a) < getX(*b); });

    TreeLayoutVisitor visitor(*graph, *this);
    const int s = startX;

    visitor.setPass(1);
    for (Vertex* root : roots) visitor.visit(*root);

    visitor.setPass(3);
    for (Vertex* root : roots) {
        visitor.minX = INT_MAX;
        visitor.maxX = INT_MIN;
        visitor.visit(*root);
        startX = SubtreeSeparation + visitor.maxX;
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
            startX = 2 * startX - visitor.minX;
            visitor.minX = INT_MAX;
            visitor.maxX = INT_MIN;
            visitor.visit(*root);
        }
        startX = SubtreeSeparation + visitor.maxX;
    }
    startX = s;
    visitor.commit();
}

}  // namespace nx
