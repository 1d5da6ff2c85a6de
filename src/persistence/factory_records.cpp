// The three factory sections of both files, each written under its factory's lock.
#include <tinyxml.h>

#include "graph/edge_factory.h"
#include "graph/graph_factory.h"
#include "graph/vertex_factory.h"
#include "persistence/stream_fields.h"
#include "persistence/xml_values.h"
#include "properties/list_separator.h"

namespace nx {

namespace {

void setCount(TiXmlNode& parent, std::size_t count) {
    if (TiXmlElement* element = parent.ToElement())
        persistence::setNumberAttribute(*element, "Count", count);
}

}  // namespace

void VertexFactory::writeStream(std::ostream& out) {
    ScopedLock lock(&mutex_);
    out << "VertexFactory" << listSeparator() << vertices_.size();
    for (const Vertex* vertex : vertices_) {
        persistence::endLine(out);
        vertex->writeStream(out);
    }
    persistence::endLine(out);
}

void VertexFactory::saveXml(TiXmlNode& parent) {
    ScopedLock lock(&mutex_);
    setCount(parent, vertices_.size());
    for (const Vertex* vertex : vertices_) vertex->saveXml(parent);
}

void EdgeFactory::writeStream(std::ostream& out) {
    ScopedLock lock(&mutex_);
    out << "EdgeFactory" << listSeparator() << edges_.size();
    // An edge's ends lie anywhere in memory: ask for them a few records ahead.
    constexpr std::size_t kAhead = 8;
    for (std::size_t i = 0; i < edges_.size(); ++i) {
        if (i + kAhead < edges_.size()) {
            const Edge* ahead = edges_[i + kAhead];
            __builtin_prefetch(ahead->source);
            __builtin_prefetch(ahead->target);
        }
        persistence::endLine(out);
        edges_[i]->writeStream(out);
    }
    persistence::endLine(out);
}

void EdgeFactory::saveXml(TiXmlNode& parent) {
    ScopedLock lock(&mutex_);
    setCount(parent, edges_.size());
    for (const Edge* edge : edges_) edge->saveXml(parent);
}

void GraphFactory::writeStream(std::ostream& out) {
    ScopedLock lock(&mutex_);
    out << "GraphFactory" << listSeparator() << graphs_.size();
    for (const Graph* graph : graphs_) {
        persistence::endLine(out);
        graph->writeGraphStream(out);
    }
    persistence::endLine(out);
}

void GraphFactory::saveXml(TiXmlNode& parent) {
    ScopedLock lock(&mutex_);
    setCount(parent, graphs_.size());
    for (const Graph* graph : graphs_) graph->saveGraphXml(parent);
}

}  // namespace nx
