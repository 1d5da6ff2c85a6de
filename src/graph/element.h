// nx::Element, nx::Vertex and nx::Edge: the identified, property-carrying parts of a space.
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>

#include "properties/actual_properties.h"

namespace nx {

class Visitor;

using ElementId = std::uint64_t;

class Element {
public:
    virtual void accept(Visitor& visitor) = 0;
    virtual ~Element() = default;
    // Vertices and edges are many and small: they come from the pools (graphs are larger
    // and go to the global allocator).
    NX_POOLED_OBJECT

protected:
    Element() = default;
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;
};

class Vertex : public Element {
public:
    Vertex(ElementId id, std::unique_ptr<ActualProperties> properties)
        : id(id), properties(std::move(properties)) {}
    ~Vertex() override;

    void accept(Visitor& visitor) override;
    virtual bool isGraph() const { return false; }

    ElementId id;
    std::unique_ptr<ActualProperties> properties;  // space-level values
};

class Edge : public Element {
public:
    Edge(Vertex* source, Vertex* target, ElementId id, std::unique_ptr<ActualProperties> properties)
        : source(source), target(target), id(id), properties(std::move(properties)) {}
    ~Edge() override;

    void accept(Visitor& visitor) override;

    bool isLoop() const { return source->id == target->id; }

    Vertex* source;  // not owned
    Vertex* target;  // not owned
    ElementId id;
    std::unique_ptr<ActualProperties> properties;  // space-level values
};

}  // namespace nx
