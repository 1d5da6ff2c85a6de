// nx::VertexFactory: owns every vertex and graph of a space, indexed by ID.
#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <vector>

#include "graph/element.h"
#include "graph/mutex.h"

namespace nx {

class VertexFactory {
public:
    explicit VertexFactory(FormalProperties* schema) : schema_(schema) {}
    virtual ~VertexFactory();
    VertexFactory(const VertexFactory&) = delete;
    VertexFactory& operator=(const VertexFactory&) = delete;

    virtual void reserved1() {}
    virtual void reserved2() {}
    // Deletes the elements whose map entry equals the list length and renumbers the rest;
    // answers how many were deleted.
    virtual std::size_t compact(std::vector<ElementId>& map);

    Vertex* create();
    // Room for n vertices in the index (loading).
    void reserve(std::size_t n);
    // nullptr when the ID is not less than size().
    Vertex* at(ElementId id);
    void clear();
    std::size_t size() const { return vertices_.size(); }

    // Appends an element made with ID size() (graphs, redone creations).
    void append(std::unique_ptr<Vertex> vertex);
    // Hands the newest element to the caller (undoing its creation); null when empty.
    std::unique_ptr<Vertex> releaseLast();
    FormalProperties* schema() const { return schema_; }
    Mutex& mutex() { return mutex_; }
    // Every vertex by ID (file writers hold the mutex while they walk it).
    const std::vector<std::unique_ptr<Vertex>>& vertices() const { return vertices_; }

private:
    std::vector<std::unique_ptr<Vertex>> vertices_;
    FormalProperties* schema_;  // not owned
    Mutex mutex_;
};

}  // namespace nx
