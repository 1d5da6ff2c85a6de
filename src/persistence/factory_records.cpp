// The three factory sections of both files, each written under its factory's lock.
#include <tinyxml.h>

#include "graph/edge_factory.h"
#include "graph/graph_factory.h"
#include "graph/progress.h"
#include "graph/vertex_factory.h"
#include "persistence/element_records.h"
#include "persistence/stream_fields.h"
#include "persistence/xml_values.h"
#include "properties/list_separator.h"

namespace nx::persistence {

namespace {

void setCount(TiXmlNode& parent, std::size_t count) {
    if (TiXmlElement* element = parent.ToElement())
        persistence::setNumberAttribute(*element, "Count", count);
}

}  // namespace

void writeFactoryStream(VertexFactory& factory, std::ostream& out) {
    ScopedLock lock(&factory.mutex());
    out << "VertexFactory" << listSeparator() << factory.vertices().size();
    std::string& lines = persistence::lineBuffer();
    lines.clear();
    for (const auto& vertex : factory.vertices()) {
        progressStep();
        lines.push_back('\n');
        appendVertexRecord(lines, *vertex);
        persistence::writeWhenFull(out, lines);
    }
    lines.push_back('\n');
    persistence::writeLine(out, lines);
}

void saveFactoryXml(VertexFactory& factory, TiXmlNode& parent) {
    ScopedLock lock(&factory.mutex());
    setCount(parent, factory.vertices().size());
    for (const auto& vertex : factory.vertices()) saveVertexRecord(parent, *vertex);
}

void writeFactoryStream(EdgeFactory& factory, std::ostream& out) {
    ScopedLock lock(&factory.mutex());
    const auto& edges = factory.edges();
    out << "EdgeFactory" << listSeparator() << edges.size();
    std::string& lines = persistence::lineBuffer();
    lines.clear();
    // An edge's ends lie anywhere in memory: ask for them a few records ahead.
    constexpr std::size_t kAhead = 8;
    for (std::size_t i = 0; i < edges.size(); ++i) {
        progressStep();
        if (i + kAhead < edges.size()) {
            const Edge* ahead = edges[i + kAhead].get();
            __builtin_prefetch(ahead->source);
            __builtin_prefetch(ahead->target);
        }
        lines.push_back('\n');
        appendEdgeRecord(lines, *edges[i]);
        persistence::writeWhenFull(out, lines);
    }
    lines.push_back('\n');
    persistence::writeLine(out, lines);
}

void saveFactoryXml(EdgeFactory& factory, TiXmlNode& parent) {
    ScopedLock lock(&factory.mutex());
    setCount(parent, factory.edges().size());
    for (const auto& edge : factory.edges()) saveEdgeRecord(parent, *edge);
}

void writeFactoryStream(GraphFactory& factory, std::ostream& out) {
    ScopedLock lock(&factory.mutex());
    out << "GraphFactory" << listSeparator() << factory.graphs().size();
    for (const Graph* graph : factory.graphs()) {
        persistence::endLine(out);
        writeGraphStream(*graph, out);
    }
    persistence::endLine(out);
}

void saveFactoryXml(GraphFactory& factory, TiXmlNode& parent) {
    ScopedLock lock(&factory.mutex());
    setCount(parent, factory.graphs().size());
    for (const Graph* graph : factory.graphs()) saveGraphXml(*graph, parent);
}

}  // namespace nx::persistence
