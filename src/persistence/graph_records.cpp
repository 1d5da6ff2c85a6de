// A graph's own record (its values, members and their graph-level values) in both files.
#include <tinyxml.h>
#include <algorithm>
#include <stdexcept>
#include <string>

#include "graph/graph.h"
#include "graph/progress.h"
#include "graph/space.h"
#include "persistence/element_records.h"
#include "persistence/graph_members_xml.h"
#include "persistence/missing_element.h"
#include "persistence/stream_fields.h"
#include "persistence/xml_values.h"
#include "properties/list_separator.h"

namespace nx::persistence {

void writeGraphStream(const Graph& graph, std::ostream& out) {
    const char sep = listSeparator();
    out << graph.id << sep;
    writeValues(out, *graph.graphProperties());
    endLine(out);
    out << graph.order();
    for (const auto& [vertex, entry] : graph.vertices()) {
        progressStep();
        endLine(out);
        writeNumber(out, vertex->id);
        out << sep;
        writeValues(out, *entry.properties);
    }
    endLine(out);
    out << graph.edgeCount();
    for (const auto& [edge, props] : graph.edges()) {
        progressStep();
        endLine(out);
        writeNumber(out, edge->id);
        out << sep;
        writeValues(out, *props);
    }
}

void saveGraphXml(const Graph& graph, TiXmlNode& parent) {
    auto* element = new TiXmlElement("Graph");
    setNumberAttribute(*element, "Id", graph.id);
    element->SetAttribute("IsGraph", 1);
    saveValuesXml(*element, *graph.graphProperties());

    auto* members = new TiXmlElement("Vertices");
    setNumberAttribute(*members, "Count", graph.order());
    for (const auto& [vertex, entry] : graph.vertices()) {
        auto* child = new TiXmlElement("Vertex");
        setNumberAttribute(*child, "Id", vertex->id);
        saveValuesXml(*child, *entry.properties);
        members->LinkEndChild(child);
    }
    element->LinkEndChild(members);

    auto* edges = new TiXmlElement("Edges");
    setNumberAttribute(*edges, "Count", graph.edgeCount());
    for (const auto& [edge, props] : graph.edges()) {
        auto* child = new TiXmlElement("Edge");
        setNumberAttribute(*child, "Id", edge->id);
        saveValuesXml(*child, *props);
        edges->LinkEndChild(child);
    }
    element->LinkEndChild(edges);
    parent.LinkEndChild(element);
}

void readGraphStream(Graph& graph, std::istream& in, Space& space) {
    const char sep = listSeparator();
    const std::uint64_t count = readUInt64(in, sep, "Failed to read graph property count");
    readValues(in, *graph.graphProperties(), count);
    expectEndMark(in);
    readGraphVerticesStream(graph, in, space);
    readGraphEdgesStream(graph, in, space);
    graph.updateIncidence();
}

void readGraphVerticesStream(Graph& graph, std::istream& in, Space& space) {
    const char sep = listSeparator();
    const std::uint64_t count = readUInt64(in, '\n', "Failed to read graph vertex count");
    // A graph holds no more members than the space has elements.
    graph.reserveMore(std::min<std::uint64_t>(count, space.vertexFactory().size()), 0);
    for (std::uint64_t i = 0; i < count; ++i) {
        progressStep();
        const std::uint64_t vertexId = readUInt64(in, sep, "Failed to read graph vertex Id");
        Vertex* vertex = space.vertexFactory().at(vertexId);
        if (!vertex) throw missingMember(graph, "vertex", vertexId);
        graph.addVertex(*vertex);
        const std::uint64_t values =
            readUInt64(in, sep, "Failed to read graph vertex property count");
        readValues(in, graph.vertexProperties(*vertex), values);
        expectEndMark(in);
    }
}

void readGraphEdgesStream(Graph& graph, std::istream& in, Space& space) {
    const char sep = listSeparator();
    const std::uint64_t count = readUInt64(in, '\n', "Failed to read graph edge count");
    graph.reserveMore(0, std::min<std::uint64_t>(count, space.edgeFactory().size()));
    for (std::uint64_t i = 0; i < count; ++i) {
        progressStep();
        const std::uint64_t edgeId = readUInt64(in, sep, "Failed to read graph edge Id");
        Edge* edge = space.edgeFactory().at(edgeId);
        if (!edge) throw missingMember(graph, "edge", edgeId);
        graph.addEdge(*edge);
        const std::uint64_t values =
            readUInt64(in, sep, "Failed to read graph edge property count");
        readValues(in, graph.edgeProperties(*edge), values);
        expectEndMark(in);
    }
}

void loadGraphXml(Graph& graph, const TiXmlElement& element, Space& space) {
    const long count = longAttribute(element, "PropertyCount");
    const TiXmlElement* child = nullptr;
    for (long i = 0; i < count; ++i) {
        // Checked before the child: a count past the schema fails as the stream reader does.
        Property& value = graph.graphProperties()->at(static_cast<std::size_t>(i));
        child = i == 0 ? firstChild(element) : nextChild(*child);
        // Graph values are read like vertex values; a missing one fails the same way.
        if (!child) throw std::runtime_error("Error reading vertex properties");
        loadValueXml(value, *child);
    }
    loadGraphVerticesXml(graph, element, space);
    loadGraphEdgesXml(graph, element, space);
    graph.updateIncidence();
}

void loadGraphVerticesXml(Graph& graph, const TiXmlElement& element, Space& space) {
    const TiXmlElement* list = element.FirstChildElement("Vertices");
    if (!list) return;
    const long count = longAttribute(*list, "Count");
    const TiXmlElement* child = nullptr;
    for (long i = 0; i < count; ++i) {
        child = i == 0 ? firstChild(*list) : nextChild(*child);
        if (!child) throw std::runtime_error("Error reading vertices");
        readMemberVertexXml(graph, *child, space);
    }
}

void loadGraphEdgesXml(Graph& graph, const TiXmlElement& element, Space& space) {
    const TiXmlElement* list = element.FirstChildElement("Edges");
    if (!list) return;
    const long count = longAttribute(*list, "Count");
    const TiXmlElement* child = nullptr;
    for (long i = 0; i < count; ++i) {
        child = i == 0 ? firstChild(*list) : nextChild(*child);
        if (!child) throw std::runtime_error("Error reading edges");
        readMemberEdgeXml(graph, *child, space);
    }
}

namespace {

void readMemberValues(const TiXmlElement& record, ActualProperties& values, const char* missing) {
    const long count = longAttribute(record, "PropertyCount");
    const TiXmlElement* child = nullptr;
    for (long j = 0; j < count; ++j) {
        Property& value = values.at(static_cast<std::size_t>(j));
        child = j == 0 ? firstChild(record) : nextChild(*child);
        if (!child) throw std::runtime_error(missing);
        loadValueXml(value, *child);
    }
}

}  // namespace

void readMemberVertexXml(Graph& graph, const TiXmlElement& record, Space& space) {
    const std::uint64_t vertexId = idAttribute(record, "Id");
    Vertex* vertex = space.vertexFactory().at(vertexId);
    if (!vertex) throw missingMember(graph, "vertex", vertexId);
    graph.addVertex(*vertex);
    readMemberValues(record, graph.vertexProperties(*vertex), "Error reading vertex properties");
}

void readMemberEdgeXml(Graph& graph, const TiXmlElement& record, Space& space) {
    const std::uint64_t edgeId = idAttribute(record, "Id");
    Edge* edge = space.edgeFactory().at(edgeId);
    if (!edge) throw missingMember(graph, "edge", edgeId);
    graph.addEdge(*edge);
    readMemberValues(record, graph.edgeProperties(*edge), "Error reading edge properties");
}

}  // namespace nx::persistence
