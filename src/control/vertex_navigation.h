// Keyboard navigation over a drawn graph: parent, first child and siblings of a vertex.
#pragma once

#include <vector>

namespace nx {
class Graph;
class GraphView;
class Vertex;
}  // namespace nx

namespace ramulo {

enum class NavigationStep { Parent, FirstChild, PreviousSibling, NextSibling };

// Drawing terms: a vertex's parent is the source of its first incoming edge (edge ID order,
// loops ignored); its children are the targets of its outgoing edges; siblings are the
// children of the same parent, or all vertices without parent for a root. Children and
// siblings run left to right as drawn (X, then Y, then ID).
class VertexNavigation {
public:
    VertexNavigation(nx::Graph& graph, const nx::GraphView& view);

    // The vertex the step leads to; null when there is none (or `from` is not in the graph).
    nx::Vertex* step(nx::Vertex* from, NavigationStep step);
    // Where focus starts: the first selected vertex, else the leftmost root, else null.
    nx::Vertex* start();

    nx::Vertex* parent(nx::Vertex* vertex);
    std::vector<nx::Vertex*> children(nx::Vertex* vertex);
    std::vector<nx::Vertex*> roots();

private:
    void sortAsDrawn(std::vector<nx::Vertex*>& vertices) const;

    nx::Graph& graph_;
    const nx::GraphView& view_;
};

}  // namespace ramulo
