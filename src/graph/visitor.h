// nx::Visitor: double dispatch over graphs, edges and vertices for every graph walk.
#pragma once

namespace nx {

class Graph;
class Edge;
class Vertex;

class Visitor {
public:
    virtual ~Visitor() = default;
    virtual void visit(Graph& graph) = 0;
    virtual void visit(Edge& edge) = 0;
    virtual void visit(Vertex& vertex) = 0;
};

}  // namespace nx
