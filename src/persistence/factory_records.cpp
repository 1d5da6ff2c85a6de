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
    for (const Vertex* vertex : factory.vertices()) {
        progressStep();
        persistence::endLine(out);
        writeVertexRecord(out, *vertex);
    }
    persistence::endLine(out);
}

void saveFactoryXml(VertexFactory& factory, TiXmlNode& parent) {
    ScopedLock lock(&factory.mutex());
    setCount(parent, factory.vertices().size());
    for (const Vertex* vertex : factory.vertices()) saveVertexRecord(parent, *vertex);
}

void writeFactoryStream(EdgeFactory& factory, std::ostream& out) {
    ScopedLock lock(&factory.mutex());
    out << "EdgeFactory" << listSeparator() << factory.edges().size();
    for (const Edge* edge : factory.edges()) {
        progressStep();
        persistence::endLine(out);
        writeEdgeRecord(out, *edge);
    }
    persistence::endLine(out);
}

void saveFactoryXml(EdgeFactory& factory, TiXmlNode& parent) {
    ScopedLock lock(&factory.mutex());
    setCount(parent, factory.edges().size());
    for (const Edge* edge : factory.edges()) saveEdgeRecord(parent, *edge);
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
