// Cytoscape-style JSON reading with nlohmann::json.
#include "interchange/json_reader.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

#include "interchange/import_error.h"

namespace nx {

namespace {

using nlohmann::json;

// Line and column (1-based, in bytes) of a byte offset.
std::pair<std::size_t, std::size_t> lineAndColumn(const std::string& text, std::size_t offset) {
    std::size_t line = 1, column = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return {line, column};
}

class ElementReader {
public:
    ElementReader(const std::string& path, GraphData& data) : path_(path), data_(data) {}

    void read(const json& root) {
        const json* elements = &root;
        if (root.is_object()) {
            for (const auto& [key, value] : root.items())
                if (key != "elements") data_.ignored.add(IgnoredAttributes::Graph, key);
            const auto it = root.find("elements");
            if (it == root.end()) fail("expected an \"elements\" member at the top");
            elements = &*it;
        } else if (!root.is_array()) {
            fail("expected an object with \"elements\" or an array of elements at the top");
        }
        if (elements->is_object()) {
            for (const auto& [key, value] : elements->items())
                if (key != "nodes" && key != "edges") fail("unexpected \"" + key + "\" in \"elements\" (expected \"nodes\" and \"edges\")");
            const json empty = json::array();
            const json& nodes = elements->contains("nodes") ? (*elements)["nodes"] : empty;
            const json& edges = elements->contains("edges") ? (*elements)["edges"] : empty;
            expectArray(nodes, "\"nodes\"");
            expectArray(edges, "\"edges\"");
            for (std::size_t i = 0; i < nodes.size(); ++i) node(nodes[i], "node " + std::to_string(i));
            for (std::size_t i = 0; i < edges.size(); ++i) edge(edges[i], "edge " + std::to_string(i));
        } else if (elements->is_array()) {
            // Flat form: nodes first (an edge may name a node listed after it).
            for (std::size_t i = 0; i < elements->size(); ++i)
                if (!isEdge((*elements)[i], i)) node((*elements)[i], "element " + std::to_string(i));
            for (std::size_t i = 0; i < elements->size(); ++i)
                if (isEdge((*elements)[i], i)) edge((*elements)[i], "element " + std::to_string(i));
        } else {
            fail("expected \"elements\" to be an object or an array");
        }
    }

private:
    [[noreturn]] void fail(const std::string& what) { failAt(path_, 0, 0, what); }

    void expectArray(const json& value, const std::string& what) {
        if (!value.is_array()) fail("expected " + what + " to be an array");
    }

    const json& dataOf(const json& element, const std::string& where) {
        if (!element.is_object()) fail(where + ": expected an object");
        const auto it = element.find("data");
        if (it == element.end() || !it->is_object())
            fail(where + ": expected a \"data\" object");
        return *it;
    }

    bool isEdge(const json& element, std::size_t i) {
        const json& data = dataOf(element, "element " + std::to_string(i));
        const auto group = element.find("group");
        if (group != element.end()) {
            if (*group == "edges") return true;
            if (*group == "nodes") return false;
            fail("element " + std::to_string(i) + ": expected \"group\" to be \"nodes\" or \"edges\"");
        }
        return data.contains("source") || data.contains("target");
    }

    // Ids may be strings or numbers; anything else is refused.
    std::string idText(const json& value, const std::string& where, const char* key) {
        if (value.is_string()) return value.get<std::string>();
        if (value.is_number_integer() || value.is_number_unsigned()) return value.dump();
        fail(where + ": expected \"" + key + "\" to be a string or an integer");
    }

    std::string text(const json& value, const std::string& where, const char* key) {
        if (value.is_string()) return value.get<std::string>();
        if (value.is_number() || value.is_boolean()) return value.dump();
        fail(where + ": expected \"" + key + "\" to be a string");
    }

    void node(const json& element, const std::string& where) {
        const json& data = dataOf(element, where);
        const auto id = data.find("id");
        if (id == data.end()) fail(where + ": expected an \"id\" in its \"data\"");
        GraphNode n;
        n.id = idText(*id, where, "id");
        if (const auto label = data.find("label"); label != data.end())
            n.label = text(*label, where, "label");
        else if (const auto name = data.find("name"); name != data.end())
            n.label = text(*name, where, "name");
        for (const auto& [key, value] : data.items())
            if (key != "id" && key != "label" && !(key == "name" && !data.contains("label")))
                data_.ignored.add(IgnoredAttributes::Node, key);
        for (const auto& [key, value] : element.items()) {
            if (key == "data" || key == "group") continue;
            if (key != "position") {
                data_.ignored.add(IgnoredAttributes::Node, key);
                continue;
            }
            if (!value.is_object() || !value.contains("x") || !value.contains("y") ||
                !value["x"].is_number() || !value["y"].is_number())
                fail(where + ": expected \"position\" to hold numbers \"x\" and \"y\"");
            n.hasPosition = true;
            n.x = value["x"].get<double>();
            n.y = value["y"].get<double>();
        }
        const std::string nodeId = n.id;
        if (!data_.addNode(std::move(n))) fail(where + ": the id '" + nodeId + "' is used twice");
    }

    void edge(const json& element, const std::string& where) {
        const json& data = dataOf(element, where);
        const auto source = data.find("source");
        const auto target = data.find("target");
        if (source == data.end() || target == data.end())
            fail(where + ": expected \"source\" and \"target\" in its \"data\"");
        const std::string s = idText(*source, where, "source");
        const std::string t = idText(*target, where, "target");
        const std::size_t* si = data_.find(s);
        const std::size_t* ti = data_.find(t);
        if (!si) fail(where + ": the source '" + s + "' is no node");
        if (!ti) fail(where + ": the target '" + t + "' is no node");
        GraphEdge e{*si, *ti, {}};
        if (const auto label = data.find("label"); label != data.end())
            e.label = text(*label, where, "label");
        else if (const auto name = data.find("name"); name != data.end())
            e.label = text(*name, where, "name");
        // An edge's id only names it in the file.
        for (const auto& [key, value] : data.items())
            if (key != "id" && key != "source" && key != "target" && key != "label" &&
                !(key == "name" && !data.contains("label")))
                data_.ignored.add(IgnoredAttributes::Edge, key);
        for (const auto& [key, value] : element.items())
            if (key != "data" && key != "group") data_.ignored.add(IgnoredAttributes::Edge, key);
        data_.edges.push_back(std::move(e));
    }

    const std::string& path_;
    GraphData& data_;
};

}  // namespace

GraphData readJsonElements(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) failAt(path, 0, 0, std::string("cannot open the file: ") + std::strerror(errno));
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    json root;
    try {
        root = json::parse(text);
    } catch (const json::parse_error& e) {
        // The library's text reads "[json.exception.parse_error.101] parse error at line 3,
        // column 5: syntax error while parsing ..."; the place is given in our form instead.
        std::string what = e.what();
        const auto colon = what.find(": ");
        if (colon != std::string::npos) what = what.substr(colon + 2);
        const std::size_t offset = e.byte > 0 ? e.byte - 1 : 0;
        const auto [line, column] = lineAndColumn(text, offset);
        failAt(path, line, column, what);
    }
    GraphData data;
    ElementReader(path, data).read(root);
    return data;
}

}  // namespace nx
