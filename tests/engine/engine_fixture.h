// An engine with an open document on a scripted host, and helpers to address its values.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/control_engine.h"
#include "engine/scripted_host_window.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"
#include "graph/space.h"
#include "support/engine_schemas.h"
#include "support/error_of.h"

namespace engine_test {

using test_support::errorOf;

// The standard vertex and edge schemas; graphs: Name and Int.
inline void addStandardSchemas(ramulo::ControlEngine& engine) {
    addStandardVertexSchemas(engine);
    addStandardEdgeSchemas(engine);
    engine.AddGraphPropertyByName(u"Name");
    engine.AddGraphPropertyByName(u"Int");
}

class OpenDocument : public ::testing::Test {
protected:
    void SetUp() override {
        engine.Init();
        addStandardSchemas(engine);
        graphId = engine.NewTree(true, &host);
    }

    std::vector<std::uint32_t> addVertices(std::uint16_t n) {
        std::vector<std::uint32_t> ids(n);
        engine.AddVertices(n, ids.data());
        return ids;
    }
    void place(std::uint32_t vertex, int x, int y) {
        engine.SetVertexPropertyValueByName(vertex, u"X", 2, ramulo::Variant::fromInt(x));
        engine.SetVertexPropertyValueByName(vertex, u"Y", 2, ramulo::Variant::fromInt(y));
    }
    int x(std::uint32_t vertex) {
        return engine.GetVertexPropertyValueByName(vertex, u"X", 2).intVal;
    }
    int y(std::uint32_t vertex) {
        return engine.GetVertexPropertyValueByName(vertex, u"Y", 2).intVal;
    }
    nx::Vertex* vertex(std::uint32_t id) { return engine.space()->vertexFactory().at(id); }

    ramulo::ScriptedHostWindow host;
    ramulo::ControlEngine engine;
    std::uint32_t graphId = 0;
};

}  // namespace engine_test
