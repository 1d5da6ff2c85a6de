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

namespace engine_test {

// The text of the exception a call raises, or "" when it raises none.
template <typename F>
std::string errorOf(F&& call) {
    try {
        call();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

// Vertices: Name and Weight in the space, the layouts' working values in the graph,
// X, Y and Selected in the view. Edges: Name in the space, _V1 in the graph, Selected
// and _I1 in the view. Graphs: Name and Int.
inline void addStandardSchemas(ControlEngine& engine) {
    for (const char16_t* name : {u"Name", u"Weight"}) engine.AddVertexPropertyByName(name, 0);
    for (const char16_t* name : {u"_V1", u"_I1", u"_I2", u"_I3", u"_R1", u"_R2"})
        engine.AddVertexPropertyByName(name, 1);
    for (const char16_t* name : {u"X", u"Y", u"Selected"}) engine.AddVertexPropertyByName(name, 2);
    engine.AddEdgePropertyByName(u"Name", 0);
    engine.AddEdgePropertyByName(u"_V1", 1);
    engine.AddEdgePropertyByName(u"Selected", 2);
    engine.AddEdgePropertyByName(u"_I1", 2);
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
        engine.SetVertexPropertyValueByName(vertex, u"X", 2, Variant::fromInt(x));
        engine.SetVertexPropertyValueByName(vertex, u"Y", 2, Variant::fromInt(y));
    }
    int x(std::uint32_t vertex) {
        return engine.GetVertexPropertyValueByName(vertex, u"X", 2).intVal;
    }
    int y(std::uint32_t vertex) {
        return engine.GetVertexPropertyValueByName(vertex, u"Y", 2).intVal;
    }
    nx::Vertex* vertex(std::uint32_t id) { return engine.space->vertexFactory().at(id); }

    ScriptedHostWindow host;
    ControlEngine engine;
    std::uint32_t graphId = 0;
};

}  // namespace engine_test
