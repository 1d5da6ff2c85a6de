// nx::Graph: a vertex of the space that selects member vertices and edges with
// graph-level values, incidence lists, components and spanning trees.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <vector>

#include "graph/element.h"
#include "graph/incidence_list.h"
#include "graph/member_access.h"
#include "graph/ordered_map.h"
#include "graph/subject.h"
#include "properties/formal_properties.h"
#include "properties/owned.h"

namespace nx {

class Component;
class MembershipLog;
class SpanningTree;
class Space;

// A member's graph-level values. A graph deletes them (back to the values' pool); a subgraph
// holds its parent's and hands them back with release() before a slot is emptied
// (Graph::disposeMemberProperties), so the pointer stays one word. A const graph hands them
// out const.
using MemberValues = Owned<ActualProperties>;

struct VertexEntry {
    MemberValues properties;  // graph-level values; borrowed in a subgraph
    IncidenceList incident;   // incident edges, edge ID ascending
};

class Graph : public Vertex, public Subject {
public:
    using VertexMap = OrderedMap<Vertex*, VertexEntry>;
    using EdgeMap = OrderedMap<Edge*, MemberValues>;

    // The schemas stay the caller's.
    Graph(ElementId id, std::unique_ptr<ActualProperties> properties,
          std::unique_ptr<ActualProperties> graphProperties, FormalProperties* vertexSchema,
          FormalProperties* edgeSchema);
    ~Graph() override;

    void accept(Visitor& visitor) override;
    bool isGraph() const override { return true; }

    // Structure. Adding an edge adds its ends; removing keeps elements in the space.
    virtual void addEdge(Edge& edge);
    virtual void addVertex(Vertex& vertex);
    virtual void removeEdge(Edge& edge);
    virtual void removeVertex(Vertex& vertex);
    // Removes the vertex, everything reachable from it along out-edges, and every edge
    // touching what was removed. Terminates on any shape.
    virtual void removeSubtree(Vertex& vertex);
    virtual void clearGraph();

    // Neighbour walks in incidence order (edge ID ascending); see the visitor protocol.
    virtual void visitEndpoints(Visitor& visitor, Edge& edge);
    virtual void visitIncidentEdges(Visitor& visitor, Vertex& vertex);
    virtual void visitNeighbours(Visitor& visitor, Vertex& vertex);
    virtual void visitAdjacentEdges(Visitor& visitor, Edge& edge);
    virtual void visitTarget(Visitor& visitor, Edge& edge);
    virtual void visitOutEdges(Visitor& visitor, Vertex& vertex);
    virtual void visitSuccessors(Visitor& visitor, Vertex& vertex);
    virtual void visitFollowingEdges(Visitor& visitor, Edge& edge);

    // Subject
    void changed() override {}
    void notifyObservers() override;

    // Moves on with every change of membership, told or not.
    std::uint64_t membershipStamp() const { return membershipStamp_; }

    std::size_t order() const { return vertices_.size(); }
    std::size_t edgeCount() const { return edges_.size(); }
    bool contains(const Vertex& vertex) const { return vertices_.contains(&vertex); }
    bool contains(const Edge& edge) const { return edges_.contains(&edge); }
    // Asks for the memory a lookup or join of the element reads first (loops that know
    // their next members).
    void prefetchMember(const Vertex& vertex) const { vertices_.prefetch(&vertex); }
    void prefetchMember(const Edge& edge) const { edges_.prefetch(&edge); }
    const VertexMap& vertices() const { return vertices_; }
    const EdgeMap& edges() const { return edges_; }
    // The same members with their values writable, for code that writes them.
    MemberAccess<VertexMap> vertexMembers() { return MemberAccess<VertexMap>(vertices_); }
    MemberAccess<EdgeMap> edgeMembers() { return MemberAccess<EdgeMap>(edges_); }

    // What addVertex and addEdge (without its ends) do in this class, with one probe of the
    // map: the member's entry or values, joining it first (told to the log and the
    // observers) when it is not a member yet. For the file readers.
    VertexEntry& joinVertex(Vertex& vertex);
    ActualProperties& joinEdge(Edge& edge);

    // Fails with "Vertex properties not found" for a non-member.
    ActualProperties& vertexProperties(const Vertex& vertex);
    const ActualProperties& vertexProperties(const Vertex& vertex) const;
    // Fails with "Edge properties not found" for a non-member.
    ActualProperties& edgeProperties(const Edge& edge);
    const ActualProperties& edgeProperties(const Edge& edge) const;
    // Fails with "Vertex not found" for a non-member.
    const IncidenceList& incidentEdges(const Vertex& vertex) const;
    // Assigns value to the member's first graph-level property of value's class.
    void setVertexProperty(const Vertex& vertex, const Property& value);
    // Room for this many more members, so that bulk insertion does not rehash.
    void reserveMore(std::size_t vertexCount, std::size_t edgeCount);
    // Rebuilds the incidence lists when structure changed; drops cached components.
    void updateIncidence();
    bool incidenceDirty() const { return incidenceDirty_; }
    // The incidence lists need a rebuild before use (structure is about to change).
    void markIncidenceStale() { incidenceDirty_ = true; }
    // Forces a full rebuild of the incidence lists on next use.
    void markIncidenceDirty() { incidenceDirty_ = incidenceGrew_ = true; }

    // While set, additions and removals through addVertex, addEdge, removeVertex and
    // removeEdge are told to the log, which then owns the values of members that left.
    void setMembershipLog(MembershipLog* log) { log_ = log; }
    // Undo support, telling neither observers nor the log: takes a member out leaving its
    // slot empty and answers its values (null for a non-member), or puts it back into that
    // slot, taking the values only when it succeeds (values stays the caller's on false).
    // keepSlots keeps empty slots from being reclaimed while such slots are remembered.
    std::unique_ptr<ActualProperties> takeVertex(Vertex& vertex);
    std::unique_ptr<ActualProperties> takeEdge(Edge& edge);
    bool restoreVertex(Vertex& vertex, std::unique_ptr<ActualProperties>& values, std::size_t slot);
    bool restoreEdge(Edge& edge, std::unique_ptr<ActualProperties>& values, std::size_t slot);
    void keepSlots(bool keep) {
        vertices_.keepSlots(keep);
        edges_.keepSlots(keep);
    }

    ActualProperties* graphProperties() { return graphProperties_; }
    const ActualProperties* graphProperties() const { return graphProperties_; }
    FormalProperties* vertexSchema() const { return vertexSchema_; }
    FormalProperties* edgeSchema() const { return edgeSchema_; }

    // What the traversal layer finds and keeps with the graph (traversal/graph_walks.h):
    // the components, dropped whenever incidence is rebuilt, and the last spanning trees.
    std::vector<std::unique_ptr<Component>>& componentCache() { return componentsCache_; }
    std::vector<std::unique_ptr<SpanningTree>>& spanningTreeSlot() { return spanningTrees_; }
    const std::vector<std::unique_ptr<SpanningTree>>& spanningTrees() const {
        return spanningTrees_;
    }

protected:
    // A subgraph's: the parent's ID, schemas and graph-level values, borrowed; no space-level
    // values of its own (the parent's are reached through the parent).
    struct BorrowFrom {
        Graph& parent;
    };
    explicit Graph(BorrowFrom borrow);

    // Empties a member's graph-level values before its slot goes: a graph deletes them,
    // a subgraph (which borrows its parent's) only lets go of them.
    virtual void disposeMemberProperties(MemberValues& properties);
    // The member's slot in the vertex map; fails like entryOf for a non-member.
    std::size_t slotOfMember(const Vertex& vertex) const;
    VertexEntry& entryOf(const Vertex& vertex);
    const VertexEntry& entryOf(const Vertex& vertex) const;
    // Calls the observers' hook after one change of membership.
    template <typename Tell>
    void tellObservers(Tell tell) {
        ++membershipStamp_;
        // By index: an observer may detach while being told.
        for (std::size_t i = 0; i < observers_.size(); ++i) tell(*observers_[i]);
    }

    std::unique_ptr<ActualProperties> ownGraphProperties_;  // null for a subgraph
    ActualProperties* graphProperties_;  // ownGraphProperties_, or the parent's for a subgraph
    VertexMap vertices_;
    EdgeMap edges_;
    bool incidenceDirty_ = false;
    std::uint64_t membershipStamp_ = 0;
    // An edge joined since the last rebuild: the lists may miss members. Without it,
    // a dirty list only holds extra (removed) edges, which removeVertex can filter.
    bool incidenceGrew_ = false;
    FormalProperties* vertexSchema_;  // not owned
    FormalProperties* edgeSchema_;    // not owned
    MembershipLog* log_ = nullptr;    // not owned
    std::vector<std::unique_ptr<SpanningTree>> spanningTrees_;
    std::vector<std::unique_ptr<Component>> componentsCache_;
};

}  // namespace nx
