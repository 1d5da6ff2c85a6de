// GraphML reading with TinyXML; element names are compared without their namespace prefix.
#include "interchange/graphml_reader.h"

#include <tinyxml.h>

#include <charconv>
#include <cstring>
#include <map>
#include <vector>

#include "interchange/import_error.h"
#include "persistence/xml_document.h"

namespace nx {

namespace {

const char* localName(const TiXmlElement& e) {
    const char* name = e.Value();
    const char* colon = std::strrchr(name, ':');
    return colon ? colon + 1 : name;
}

bool named(const TiXmlElement& e, const char* name) {
    return std::strcmp(localName(e), name) == 0;
}

// The first element below e (at any depth) with the local name, or null.
const TiXmlElement* findBelow(const TiXmlElement& e, const char* name) {
    std::vector<const TiXmlElement*> stack{&e};
    while (!stack.empty()) {
        const TiXmlElement* at = stack.back();
        stack.pop_back();
        std::vector<const TiXmlElement*> children;
        for (const TiXmlElement* c = at->FirstChildElement(); c; c = c->NextSiblingElement()) {
            if (named(*c, name)) return c;
            children.push_back(c);
        }
        stack.insert(stack.end(), children.rbegin(), children.rend());
    }
    return nullptr;
}

std::string textOf(const TiXmlElement& e) {
    std::string text;
    for (const TiXmlNode* c = e.FirstChild(); c; c = c->NextSibling())
        if (const TiXmlText* t = c->ToText()) text += t->Value();
    return text;
}

struct Key {
    std::string forWhat;   // node, edge, graph, all
    std::string attrName;  // attr.name
    std::string yfilesType;
};

struct PendingEdge {
    std::string source, target, label;
    int row = 0, column = 0;
};

class GraphMlReader {
public:
    GraphMlReader(const std::string& path, GraphData& data) : path_(path), data_(data) {}

    void read(const TiXmlElement& root) {
        if (!named(root, "graphml")) fail(root, "expected the root element <graphml>");
        const TiXmlElement* graph = nullptr;
        for (const TiXmlElement* c = root.FirstChildElement(); c; c = c->NextSiblingElement()) {
            if (named(*c, "key")) {
                const char* id = c->Attribute("id");
                if (!id) fail(*c, "expected an \"id\" attribute on <key>");
                Key key;
                if (const char* f = c->Attribute("for")) key.forWhat = f;
                if (const char* n = c->Attribute("attr.name")) key.attrName = n;
                if (const char* y = c->Attribute("yfiles.type")) key.yfilesType = y;
                keys_[id] = key;
            } else if (named(*c, "graph")) {
                if (graph)
                    data_.warnings.push_back("only the first <graph> of the file is read");
                else
                    graph = c;
            }
        }
        if (!graph) fail(root, "expected a <graph> element in <graphml>");
        if (const char* d = graph->Attribute("edgedefault"); d && std::strcmp(d, "undirected") == 0)
            undirected_ = true;
        readGraph(*graph);
        for (const PendingEdge& e : edges_) {
            const std::size_t* s = data_.find(e.source);
            const std::size_t* t = data_.find(e.target);
            if (!s) failAt(path_, e.row, e.column, "the edge's source '" + e.source + "' is no node");
            if (!t) failAt(path_, e.row, e.column, "the edge's target '" + e.target + "' is no node");
            data_.edges.push_back(GraphEdge{*s, *t, e.label});
        }
        if (undirected_)
            data_.warnings.push_back(
                "undirected edges are read as directed from their source to their target");
    }

private:
    [[noreturn]] void fail(const TiXmlBase& at, const std::string& what) {
        failAt(path_, static_cast<std::size_t>(at.Row()), static_cast<std::size_t>(at.Column()),
               what);
    }

    // The graph and every graph nested in its nodes, flattened, without recursion.
    void readGraph(const TiXmlElement& top) {
        std::vector<const TiXmlElement*> graphs{&top};
        bool nested = false;
        while (!graphs.empty()) {
            const TiXmlElement* graph = graphs.back();
            graphs.pop_back();
            for (const TiXmlElement* c = graph->FirstChildElement(); c; c = c->NextSiblingElement()) {
                if (named(*c, "node")) {
                    node(*c);
                    for (const TiXmlElement* g = c->FirstChildElement(); g; g = g->NextSiblingElement())
                        if (named(*g, "graph")) {
                            graphs.push_back(g);
                            nested = true;
                        }
                } else if (named(*c, "edge")) {
                    edge(*c);
                } else if (named(*c, "data")) {
                    data_.ignored.add(IgnoredAttributes::Graph, keyName(*c));
                } else if (named(*c, "hyperedge")) {
                    data_.ignored.add(IgnoredAttributes::Graph, "hyperedge");
                }
            }
        }
        if (nested) data_.warnings.push_back("nested graphs are read as part of the top graph");
    }

    const Key* keyOf(const TiXmlElement& data) {
        const char* id = data.Attribute("key");
        if (!id) fail(data, "expected a \"key\" attribute on <data>");
        const auto it = keys_.find(id);
        return it == keys_.end() ? nullptr : &it->second;
    }

    std::string keyName(const TiXmlElement& data) {
        const Key* key = keyOf(data);
        if (key && !key->attrName.empty()) return key->attrName;
        if (key && !key->yfilesType.empty()) return key->yfilesType;
        return data.Attribute("key");
    }

    double number(const TiXmlElement& at, const std::string& text, const char* what) {
        double value = 0;
        const char* begin = text.data();
        const char* end = begin + text.size();
        while (begin < end && (*begin == ' ' || *begin == '\n' || *begin == '\t')) ++begin;
        while (end > begin && (end[-1] == ' ' || end[-1] == '\n' || end[-1] == '\t')) --end;
        const auto [stop, ec] = std::from_chars(begin, end, value);
        if (ec != std::errc() || stop != end || begin == end)
            fail(at, std::string("expected a number for ") + what + ", not '" + text + "'");
        return value;
    }

    double numberAttribute(const TiXmlElement& e, const char* name, bool required) {
        const char* v = e.Attribute(name);
        if (!v) {
            if (required) fail(e, std::string("expected a \"") + name + "\" attribute");
            return 0.0;
        }
        return number(e, v, name);
    }

    void node(const TiXmlElement& e) {
        const char* id = e.Attribute("id");
        if (!id) fail(e, "expected an \"id\" attribute on <node>");
        GraphNode n;
        n.id = id;
        std::optional<std::string> plainLabel, graphicsLabel;
        std::optional<double> keyX, keyY;
        bool geometry = false;
        for (const TiXmlElement* c = e.FirstChildElement(); c; c = c->NextSiblingElement()) {
            if (named(*c, "port")) {
                data_.ignored.add(IgnoredAttributes::Node, "port");
                continue;
            }
            if (!named(*c, "data")) continue;
            const Key* key = keyOf(*c);
            if (key && key->yfilesType == "nodegraphics") {
                if (const TiXmlElement* g = findBelow(*c, "Geometry")) {
                    const double w = numberAttribute(*g, "width", false);
                    const double h = numberAttribute(*g, "height", false);
                    n.x = numberAttribute(*g, "x", true) + w / 2;
                    n.y = numberAttribute(*g, "y", true) + h / 2;
                    geometry = true;
                }
                if (const TiXmlElement* l = findBelow(*c, "NodeLabel")) graphicsLabel = textOf(*l);
            } else if (key && (key->attrName == "label" || key->attrName == "name") && !plainLabel) {
                plainLabel = textOf(*c);
            } else if (key && (key->attrName == "x" || key->attrName == "y")) {
                (key->attrName == "x" ? keyX : keyY) = number(*c, textOf(*c), key->attrName.c_str());
            } else {
                data_.ignored.add(IgnoredAttributes::Node, keyName(*c));
            }
        }
        // yEd rewrites its own graphics when the user edits; they win over plain keys.
        n.label = graphicsLabel ? graphicsLabel : plainLabel;
        if (geometry) {
            n.hasPosition = true;
        } else if (keyX && keyY) {
            n.hasPosition = true;
            n.x = *keyX;
            n.y = *keyY;
        }
        if (!data_.addNode(std::move(n)))
            fail(e, std::string("the node id '") + id + "' is used twice");
    }

    void edge(const TiXmlElement& e) {
        const char* source = e.Attribute("source");
        const char* target = e.Attribute("target");
        if (!source || !target) fail(e, "expected \"source\" and \"target\" attributes on <edge>");
        if (const char* d = e.Attribute("directed"); d && std::strcmp(d, "false") == 0)
            undirected_ = true;
        PendingEdge pending{source, target, {}, e.Row(), e.Column()};
        std::optional<std::string> plainLabel, graphicsLabel;
        for (const TiXmlElement* c = e.FirstChildElement(); c; c = c->NextSiblingElement()) {
            if (!named(*c, "data")) continue;
            const Key* key = keyOf(*c);
            if (key && key->yfilesType == "edgegraphics") {
                if (const TiXmlElement* l = findBelow(*c, "EdgeLabel")) graphicsLabel = textOf(*l);
            } else if (key && key->attrName == "label" && !plainLabel) {
                plainLabel = textOf(*c);
            } else {
                data_.ignored.add(IgnoredAttributes::Edge, keyName(*c));
            }
        }
        if (graphicsLabel)
            pending.label = *graphicsLabel;
        else if (plainLabel)
            pending.label = *plainLabel;
        edges_.push_back(std::move(pending));
    }

    const std::string& path_;
    GraphData& data_;
    std::map<std::string, Key> keys_;
    std::vector<PendingEdge> edges_;
    bool undirected_ = false;
};

}  // namespace

GraphData readGraphMl(const std::string& path) {
    std::string text;
    try {
        text = persistence::readXmlText(path);
    } catch (const std::exception& e) {
        failAt(path, 0, 0, e.what());
    }
    persistence::KeepWhiteSpace keep;
    TiXmlDocument doc;
    doc.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
    if (doc.Error())
        failAt(path, static_cast<std::size_t>(doc.ErrorRow()),
               static_cast<std::size_t>(doc.ErrorCol()), doc.ErrorDesc());
    const TiXmlElement* root = doc.RootElement();
    if (!root) failAt(path, 0, 0, "expected the root element <graphml>");
    GraphData data;
    GraphMlReader(path, data).read(*root);
    return data;
}

}  // namespace nx
