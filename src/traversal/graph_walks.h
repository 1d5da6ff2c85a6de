// Whole-graph walks: roots, components, the tree tests and spanning trees.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace nx {

class Component;
class Graph;
class Vertex;

// Appends the graph's roots: vertices without a parent whose component holds no earlier
// root, then the isolated vertices.
void findRoots(Graph& graph, std::vector<Vertex*>& roots);
// The graph-level property the walks mark vertices in; fails with "Visited vertex
// property not found at graph level" without one.
std::size_t visitedPropertyIndex(const Graph& graph);
// The connected components, cached with the graph until its incidence changes.
const std::vector<std::unique_ptr<Component>>& components(Graph& graph);
bool isTree(Graph& graph);
bool isForest(Graph& graph);
// Replaces the graph's spanning trees by one grown breadth first from each start.
void buildSpanningTrees(Graph& graph, const std::vector<Vertex*>& starts);

}  // namespace nx
