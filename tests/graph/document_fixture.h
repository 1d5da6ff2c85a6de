// A space with the standard schemas, shared by the graph model tests.
#pragma once

#include <gtest/gtest.h>

#include "graph/visitor.h"
#include "properties/properties.h"
#include "support/document_schemas.h"

namespace nx::testing {

class DocumentFixture : public ::testing::Test, protected test::SchemasAndSpace {
protected:
    DocumentFixture() {
        vertexSchema.add(Name());
        edgeSchema.add(Name());
        graphVertexSchema.add(Visited());
        graphVertexSchema.add(AuxFlag1());
        graphVertexSchema.add(X());
        graphEdgeSchema.add(Weight());
    }

    Vertex* vertex() { return space.vertexFactory().create(); }
    Edge* edge(Vertex* s, Vertex* t) { return space.edgeFactory().create(s, t); }
    int xOf(Graph& g, Vertex* v) { return g.vertexProperties(*v).get<X>(2).value; }
};

// Records the elements a walk hands over, by kind and ID ("v3", "e1", "g2").
class RecordingVisitor : public Visitor {
public:
    void visit(Graph& g) override { seen.push_back("g" + std::to_string(g.id)); }
    void visit(Edge& e) override { seen.push_back("e" + std::to_string(e.id)); }
    void visit(Vertex& v) override { seen.push_back("v" + std::to_string(v.id)); }
    std::vector<std::string> seen;
};

}  // namespace nx::testing
