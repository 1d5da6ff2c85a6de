// The forest test of the tree layout, without building the graph's components.
#pragma once

namespace nx {

class Graph;

// What Graph::isForest() answers for a graph with vertices: every component is a tree
// with one root. A component whose vertices have at most one parent each has as many
// edges as vertices less roots, so it holds at most one root; the graph is then a forest
// exactly when the roots are as many as the components. Counting both takes one pass
// over the vertices and one over the edges.
bool isForestByCounting(const Graph& graph);

}  // namespace nx
