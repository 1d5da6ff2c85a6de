// nx::MembershipLog: hears each change of a graph's membership with what undoing it needs.
#pragma once

#include <cstddef>
#include <memory>

namespace nx {

class ActualProperties;
class Edge;
class Graph;
class Vertex;

class MembershipLog {
public:
    virtual ~MembershipLog() = default;
    // A member left from its slot; its graph-level values pass to the log.
    virtual void vertexLeft(Graph& graph, Vertex& vertex, std::unique_ptr<ActualProperties> values,
                            std::size_t slot) = 0;
    virtual void edgeLeft(Graph& graph, Edge& edge, std::unique_ptr<ActualProperties> values,
                          std::size_t slot) = 0;
    // A member joined into the slot.
    virtual void vertexJoined(Graph& graph, Vertex& vertex, std::size_t slot) = 0;
    virtual void edgeJoined(Graph& graph, Edge& edge, std::size_t slot) = 0;
};

}  // namespace nx
