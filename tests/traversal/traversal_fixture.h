// Small graphs for the traversal tests: vertex i has ID i and is the i-th member.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "graph/graph.h"
#include "graph/space.h"
#include "properties/properties.h"
#include "support/document_schemas.h"
#include "traversal/vertex_search_visitor.h"

namespace nx::test {

// A space whose graph-level vertex schema is the given prototypes (by default
// Visited before _V1, so that lookups must pick _V1 by its exact class).
class TestGraph {
public:
    explicit TestGraph(std::size_t vertexCount,
                       const std::vector<const Property*>& graphLevel = {}) {
        FormalProperties& graphLevelSchema = doc_.graphVertexSchema;
        if (graphLevel.empty()) {
            graphLevelSchema.add(Visited());
            graphLevelSchema.add(AuxFlag1());
        }
        for (const Property* p : graphLevel) graphLevelSchema.add(*p);
        vertices_.reserve(vertexCount);
        for (std::size_t i = 0; i < vertexCount; ++i)
            vertices_.push_back(doc_.space.vertexFactory().create());
        graph_ = doc_.space.graphFactory().create();
        for (Vertex* v : vertices_) graph_->addVertex(*v);
    }

    Graph& graph() { return *graph_; }
    Vertex& operator[](std::size_t i) { return *vertices_[i]; }
    Vertex* at(std::size_t i) { return vertices_[i]; }
    Space& space() { return doc_.space; }

    // A new member edge source -> target; edge IDs follow the calls.
    Edge& edge(std::size_t source, std::size_t target) {
        Edge* e = doc_.space.edgeFactory().create(vertices_[source], vertices_[target]);
        graph_->addEdge(*e);
        return *e;
    }
    void edges(const std::vector<std::pair<std::size_t, std::size_t>>& list) {
        for (auto [s, t] : list) edge(s, t);
    }

    bool visited(std::size_t i, std::size_t index) {
        return static_cast<Visited&>(graph_->vertexProperties(*vertices_[i]).at(index)).value;
    }
    std::vector<bool> flags(std::size_t index) {
        std::vector<bool> result;
        for (std::size_t i = 0; i < vertices_.size(); ++i) result.push_back(visited(i, index));
        return result;
    }
    void setAllFlags(std::size_t index, bool value) {
        for (std::size_t i = 0; i < vertices_.size(); ++i)
            static_cast<Visited&>(graph_->vertexProperties(*vertices_[i]).at(index)).value = value;
    }

private:
    SchemasAndSpace doc_;
    std::vector<Vertex*> vertices_;
    Graph* graph_;
};

// The index of _V1 in the default graph-level schema.
inline constexpr std::size_t kV1 = 1;

// A graph's members and edges by ID, in the graph's order.
inline std::vector<ElementId> memberIds(const Graph& graph) {
    std::vector<ElementId> result;
    for (const auto& [vertex, entry] : graph.vertices()) result.push_back(vertex->id);
    return result;
}

inline std::vector<ElementId> edgeIds(const Graph& graph) {
    std::vector<ElementId> result;
    for (const auto& [edge, props] : graph.edges()) result.push_back(edge->id);
    return result;
}

inline std::vector<ElementId> ids(const std::vector<Vertex*>& vertices) {
    std::vector<ElementId> result;
    for (const Vertex* v : vertices) result.push_back(v->id);
    return result;
}

// Accepts every vertex and counts the tests.
struct AcceptAll : VertexSearchVisitor::VertexPredicate {
    int tests = 0;
    bool test(Vertex&, Graph&) override {
        ++tests;
        return true;
    }
};

// Accepts the vertices with the listed IDs.
struct AcceptIds : VertexSearchVisitor::VertexPredicate {
    explicit AcceptIds(std::vector<ElementId> wanted) : wanted(std::move(wanted)) {}
    std::vector<ElementId> wanted;
    bool test(Vertex& v, Graph&) override {
        for (ElementId id : wanted)
            if (id == v.id) return true;
        return false;
    }
};

using EdgeList = std::vector<std::pair<std::size_t, std::size_t>>;

}  // namespace nx::test
