// nx::ComponentDiscoveringVisitor: collects a vertex's connected component into a subgraph.
#pragma once

#include <cstddef>

#include "properties/formal_properties.h"
#include "graph/visitor.h"

namespace nx {

class Component;

class ComponentDiscoveringVisitor : public Visitor {
public:
    // Fails with a runtime error unless visitedIndex names a Visited among the graph's
    // graph-level vertex formal properties. Graph and component stay the caller's.
    ComponentDiscoveringVisitor(Graph& graph, std::size_t visitedIndex, Component* component);

    void visit(Graph& graph) override;
    void visit(Edge& edge) override;
    // Adds every unvisited vertex and every edge reachable from the vertex, edge
    // direction ignored, marking the vertices visited.
    void visit(Vertex& vertex) override;

    Component* component() const { return component_; }

private:
    Graph* graph_;
    std::size_t visitedIndex_ = kNoIndex;
    Component* component_;
};

}  // namespace nx
