// nx::EdgeFactory: owns every edge of a space, indexed by ID.
#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <vector>

#include "graph/element.h"
#include "graph/mutex.h"

namespace nx {

class VertexFactory;

class EdgeFactory {
public:
    EdgeFactory(FormalProperties* schema, VertexFactory* vertices)
        : vertices_(vertices), schema_(schema) {}
    virtual ~EdgeFactory();
    EdgeFactory(const EdgeFactory&) = delete;
    EdgeFactory& operator=(const EdgeFactory&) = delete;

    // A new edge between existing vertices; takes no lock.
    virtual Edge* create(Vertex* source, Vertex* target);
    // A new edge between two new vertices: the second one made is the source.
    virtual Edge* create();
    virtual void reserved1() {}
    virtual void reserved2() {}
    virtual std::size_t compact(std::vector<ElementId>& map);

    // Room for n edges in the index (loading).
    void reserve(std::size_t n);
    Edge* at(ElementId id);
    // Appends an edge made with ID size() (redoing its creation).
    void append(std::unique_ptr<Edge> edge);
    // Hands the newest edge to the caller (undoing its creation); null when empty.
    std::unique_ptr<Edge> releaseLast();
    void clear();
    std::size_t size() const { return edges_.size(); }
    FormalProperties* schema() const { return schema_; }
    Mutex& mutex() { return mutex_; }
    // Every edge by ID (file writers hold the mutex while they walk it).
    const std::vector<std::unique_ptr<Edge>>& edges() const { return edges_; }

private:
    VertexFactory* vertices_;  // not owned
    std::vector<std::unique_ptr<Edge>> edges_;
    FormalProperties* schema_;  // not owned
    Mutex mutex_;
};

}  // namespace nx
