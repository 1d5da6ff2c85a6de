// The five schemas a space is built over, and the value sets tests and benchmarks repeat.
#pragma once

#include <memory>

#include "graph/space.h"
#include "properties/properties.h"

namespace nx::test {

// A space holds pointers to its schemas: deriving from this keeps them alive and declared
// before whatever space is built over them.
struct Schemas {
    FormalProperties vertexSchema, edgeSchema, graphSchema, graphVertexSchema, graphEdgeSchema;

    std::unique_ptr<Space> newSpace() {
        return std::make_unique<Space>(&vertexSchema, &edgeSchema, &graphSchema, &graphVertexSchema,
                                       &graphEdgeSchema);
    }
};

// The schemas and one space over them, empty until a test adds to them.
struct SchemasAndSpace : Schemas {
    Space space{&vertexSchema, &edgeSchema, &graphSchema, &graphVertexSchema, &graphEdgeSchema};
};

// The schemas of a typical document: a Name on vertices and edges, and at graph level the
// flag and scratch values the walks and layouts use (Visited, _V1, _I1, _I2, _R1, _R2).
inline void addStandardValues(Schemas& schemas) {
    schemas.vertexSchema.add(Name());
    schemas.edgeSchema.add(Name());
    schemas.graphVertexSchema.add(Visited());
    schemas.graphVertexSchema.add(AuxFlag1());
    schemas.graphVertexSchema.add(AuxInt1());
    schemas.graphVertexSchema.add(AuxInt2());
    schemas.graphVertexSchema.add(AuxReal1());
    schemas.graphVertexSchema.add(AuxReal2());
}

// The values a graph view draws from: position, selection and fading on vertices;
// selection, a scratch value and fading on edges.
struct ViewSchemas {
    FormalProperties vertexViewSchema, edgeViewSchema;

    void addStandardViewValues() {
        vertexViewSchema.add(X());
        vertexViewSchema.add(Y());
        vertexViewSchema.add(Selected());
        vertexViewSchema.add(Fading());
        vertexViewSchema.add(Unfaded());
        edgeViewSchema.add(Selected());
        edgeViewSchema.add(AuxInt1());
        edgeViewSchema.add(Fading());
        edgeViewSchema.add(Unfaded());
    }
};

}  // namespace nx::test
