// nx::Space: one document's vertices, edges and graphs with their factories.
#pragma once

#include <string>

#include "graph/edge_factory.h"
#include "graph/graph_factory.h"
#include "graph/vertex_factory.h"
#include "properties/small_object_pool.h"

namespace nx {

class Space {
public:
    // The schemas stay the caller's and must outlive the space.
    Space(FormalProperties* vertexSchema, FormalProperties* edgeSchema,
          FormalProperties* graphSchema, FormalProperties* graphVertexSchema,
          FormalProperties* graphEdgeSchema);
    virtual ~Space() = default;
    Space(const Space&) = delete;
    Space& operator=(const Space&) = delete;

    // Deletes every vertex and edge that belongs to no graph and renumbers the rest.
    virtual void collectGarbage();

    VertexFactory& vertexFactory() { return vertexFactory_; }
    EdgeFactory& edgeFactory() { return edgeFactory_; }
    GraphFactory& graphFactory() { return graphFactory_; }

    FormalProperties* vertexSchema() const { return vertexSchema_; }
    FormalProperties* edgeSchema() const { return edgeSchema_; }
    FormalProperties* graphSchema() const { return graphSchema_; }
    FormalProperties* graphVertexSchema() const { return graphVertexSchema_; }
    FormalProperties* graphEdgeSchema() const { return graphEdgeSchema_; }

private:
    // Destroyed last: sweeps the pools once the document's elements and values are gone.
    struct PoolSweep {
        PoolSweep() = default;
        PoolSweep(const PoolSweep&) = delete;
        PoolSweep& operator=(const PoolSweep&) = delete;
        ~PoolSweep() { detail::poolSweep(); }
    } poolSweep_;
    // Declared so that destruction runs graphs, then edges, then vertices.
    VertexFactory vertexFactory_;
    EdgeFactory edgeFactory_;
    GraphFactory graphFactory_;
    FormalProperties* vertexSchema_;
    FormalProperties* edgeSchema_;
    FormalProperties* graphSchema_;
    FormalProperties* graphVertexSchema_;
    FormalProperties* graphEdgeSchema_;
};

}  // namespace nx
