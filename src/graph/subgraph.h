// Subgraphs: graphs that borrow their parent's ID, graph-level values and members' values.
#pragma once

#include "graph/graph.h"

namespace nx {

class Subgraph : public Graph {
public:
    explicit Subgraph(Graph& parent);
    ~Subgraph() override;

    void addEdge(Edge& edge) override;
    void addVertex(Vertex& vertex) override;
    void clearGraph() override;

    // Inserts the edge (and its ends) with the parent's values; true when anything joined.
    virtual bool tryAddEdge(Edge& edge);
    // Inserts the vertex with the parent's values; false when already a member.
    virtual bool tryAddVertex(Vertex& vertex);

    Graph& parent() const { return *parent_; }
    // Joins a non-member edge through its end `added`, also a non-member, whose parent values
    // the caller already holds; the other end must be a member unless nothing is. Members
    // and their order are those tryAddEdge gives, without its membership lookups.
    void addPendantEdge(Edge& edge, Vertex& added, ActualProperties& addedValues);

protected:
    void disposeMemberProperties(MemberValues& properties) override {
        static_cast<void>(properties.release());
    }

private:
    // Joins the member holding the parent's values unless it is one already.
    void joinBorrowed(Vertex& vertex, ActualProperties& values);
    bool joinBorrowed(Edge& edge, ActualProperties& values);
    // Lets go of every borrowed value and empties both maps.
    void dropMembers();

    Graph* parent_;
};

class InducedSubgraph : public Subgraph {
public:
    using Subgraph::Subgraph;
};

class Component : public InducedSubgraph {
public:
    using InducedSubgraph::InducedSubgraph;
};

class SpanningTree : public Subgraph {
public:
    using Subgraph::Subgraph;
};

}  // namespace nx
