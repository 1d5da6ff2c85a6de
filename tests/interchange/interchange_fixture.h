// Engines with standard documents, files in the test output folder, and views of a
// document's names, edges and positions that do not depend on IDs.
#pragma once

#include <gtest/gtest.h>
#include <utf8.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "engine/control_engine.h"
#include "engine/scripted_host_window.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"
#include "graph/space.h"
#include "interchange/graph_import.h"
#include "properties/properties.h"
#include "support/error_of.h"

namespace interchange_test {

inline std::string outputPath(const std::string& name) {
    const std::filesystem::path dir = std::filesystem::path(RAMULO_TEST_OUTPUT) / "interchange";
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

inline std::string dataPath(const std::string& name) {
    return std::string(RAMULO_TEST_DATA) + "/interchange/" + name;
}

inline std::string writeFile(const std::string& name, const std::string& content) {
    const std::string path = outputPath(name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

using test_support::errorOf;

using EdgeKey = std::tuple<std::string, std::string, std::string>;  // source, target, label

struct Engine {
    ramulo::ScriptedHostWindow host;
    ramulo::ControlEngine engine;

    // A new document with the standard property set, as the New command makes it.
    void newDocument() {
        engine.Init();
        for (const char16_t* n : {u"X", u"Y", u"Selected"}) engine.AddVertexPropertyByName(n, 2);
        engine.AddEdgePropertyByName(u"Selected", 2);
        engine.AddVertexPropertyByName(u"Name", 0);
        engine.AddVertexPropertyByName(u"Visited", 1);
        engine.AddEdgePropertyByName(u"Name", 0);
        for (const char16_t* n : {u"_V1", u"_I1", u"_I2", u"_R1", u"_R2"})
            engine.AddVertexPropertyByName(n, 1);
        engine.NewTree(true, &host);
    }
    std::uint32_t vertex(const std::string& name, int x, int y) {
        const std::uint32_t v = engine.AddVertex();
        engine.SetVertexPropertyValueByName(v, u"Name", 0, ramulo::Variant::fromString(utf8::utf8to16(name)));
        engine.SetVertexPropertyValueByName(v, u"X", 2, ramulo::Variant::fromInt(x));
        engine.SetVertexPropertyValueByName(v, u"Y", 2, ramulo::Variant::fromInt(y));
        return v;
    }
    void edge(std::uint32_t s, std::uint32_t t, const std::string& name = "") {
        const std::uint32_t e = engine.AddEdge(s, t);
        engine.SetEdgePropertyValueByName(e, u"Name", 0, ramulo::Variant::fromString(utf8::utf8to16(name)));
    }

    std::string nameOf(const nx::Vertex* v) {
        const std::size_t i = engine.space()->vertexSchema()->find(nx::Name());
        return utf8::utf16to8(v->properties->get<nx::Name>(i).value);
    }
    // Names in the graph's vertex order.
    std::vector<std::string> names() {
        std::vector<std::string> out;
        for (const auto& [v, entry] : engine.graph()->vertices()) out.push_back(nameOf(v));
        return out;
    }
    std::multiset<EdgeKey> edges() {
        const std::size_t i = engine.space()->edgeSchema()->find(nx::Name());
        std::multiset<EdgeKey> out;
        for (const auto& [e, values] : engine.graph()->edges())
            out.emplace(nameOf(e->source), nameOf(e->target),
                        utf8::utf16to8(e->properties->get<nx::Name>(i).value));
        return out;
    }
    std::map<std::string, std::pair<int, int>> positions() {
        std::map<std::string, std::pair<int, int>> out;
        for (const auto& [v, entry] : engine.graph()->vertices()) {
            nx::ActualProperties* values = engine.view()->vertexViewProperties(v);
            out[nameOf(v)] = {engine.view()->getX(v, values), engine.view()->getY(v, values)};
        }
        return out;
    }
    std::vector<std::string> schemas() {
        std::vector<std::string> out;
        for (const nx::FormalProperties* s :
             {engine.spaceLevelVertexFormals(), engine.spaceLevelEdgeFormals(),
              engine.graphFormals(), engine.graphLevelVertexFormals(),
              engine.graphLevelEdgeFormals(), engine.viewLevelVertexFormals(),
              engine.viewLevelEdgeFormals()}) {
            std::string line;
            for (std::size_t i = 0; i < s->size(); ++i) line += s->at(i).typeName() + ' ';
            out.push_back(line);
        }
        return out;
    }
};

}  // namespace interchange_test
