// nx::GraphFactory: creates the graphs of a space and indexes them (the vertex factory owns them).
#pragma once

#include <cstddef>
#include <ostream>
#include <vector>

#include "graph/graph.h"
#include "graph/mutex.h"

namespace nx {

class VertexFactory;

class GraphFactory {
public:
    GraphFactory(FormalProperties* graphVertexSchema, FormalProperties* graphEdgeSchema,
                 FormalProperties* graphSchema, VertexFactory* vertices)
        : vertices_(vertices),
          graphSchema_(graphSchema),
          graphVertexSchema_(graphVertexSchema),
          graphEdgeSchema_(graphEdgeSchema) {}
    virtual ~GraphFactory() = default;
    GraphFactory(const GraphFactory&) = delete;
    GraphFactory& operator=(const GraphFactory&) = delete;

    virtual void reserved1() {}
    virtual void reserved2() {}

    Graph* create();
    // nullptr when no graph has that ID.
    Graph* find(ElementId id);
    std::size_t size() const { return graphs_.size(); }
    // The graphs in creation order.
    const std::vector<Graph*>& graphs() const { return graphs_; }
    // Forgets every graph (the vertex factory deletes them).
    void forget() { graphs_.clear(); }
    Mutex& mutex() { return mutex_; }

private:
    VertexFactory* vertices_;  // not owned
    std::vector<Graph*> graphs_;
    FormalProperties* graphSchema_;        // not owned
    FormalProperties* graphVertexSchema_;  // not owned
    FormalProperties* graphEdgeSchema_;    // not owned
    Mutex mutex_;
};

}  // namespace nx
