// A graph's own record (its values, members and their graph-level values) in both files.
#include <tinyxml.h>
#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "graph/graph.h"
#include "graph/progress.h"
#include "graph/space.h"
#include "persistence/element_lookup.h"
#include "persistence/element_records.h"
#include "persistence/error_texts.h"
#include "persistence/graph_members_xml.h"
#include "persistence/missing_element.h"
#include "persistence/stream_fields.h"
#include "persistence/xml_record.h"
#include "persistence/xml_values.h"
#include "properties/list_separator.h"

namespace nx::persistence {

void writeGraphStream(const Graph& graph, std::ostream& out) {
    const char sep = listSeparator();
    out << graph.id << sep;
    writeValues(out, *graph.graphProperties());
    endLine(out);
    out << graph.order();
    std::string& line = lineBuffer();
    line.clear();
    for (const auto& [vertex, entry] : graph.vertices()) {
        progressStep();
        line.push_back('\n');
        appendNumber(line, vertex->id);
        line.push_back(sep);
        appendValues(line, *entry.properties);
        writeWhenFull(out, line);
    }
    line.push_back('\n');
    writeLine(out, line);
    line.clear();
    out << graph.edgeCount();
    for (const auto& [edge, props] : graph.edges()) {
        progressStep();
        line.push_back('\n');
        appendNumber(line, edge->id);
        line.push_back(sep);
        appendValues(line, *props);
        writeWhenFull(out, line);
    }
    writeLine(out, line);
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

namespace {
constexpr std::uint64_t kPrefetchAhead = 16;
}  // namespace

void readGraphVerticesStream(Graph& graph, std::istream& in, Space& space) {
    const char sep = listSeparator();
    const std::uint64_t count = readUInt64(in, '\n', "Failed to read graph vertex count");
    // A graph holds no more members than the space has elements.
    graph.reserveMore(std::min<std::uint64_t>(count, space.vertexFactory().size()), 0);
    ScopedLock lock(&space.vertexFactory().mutex());
    const auto& vertices = space.vertexFactory().vertices();
    for (std::uint64_t i = 0; i < count; ++i) {
        progressStep();
        const std::uint64_t vertexId = readUInt64(in, sep, "Failed to read graph vertex Id");
        Vertex* vertex = elementAt(vertices, vertexId);
        if (!vertex) throw missingMember(graph, "vertex", vertexId);
        // Members are mostly listed by ascending ID: ask for where one a little ahead joins.
        if (const Vertex* ahead = elementAt(vertices, vertexId + kPrefetchAhead))
            graph.prefetchMember(*ahead);
        ActualProperties& memberValues = *graph.joinVertex(*vertex).properties;
        const std::uint64_t values =
            readUInt64(in, sep, "Failed to read graph vertex property count");
        readValues(in, memberValues, values);
        expectEndMark(in);
    }
}

void readGraphEdgesStream(Graph& graph, std::istream& in, Space& space) {
    const char sep = listSeparator();
    const std::uint64_t count = readUInt64(in, '\n', "Failed to read graph edge count");
    graph.reserveMore(0, std::min<std::uint64_t>(count, space.edgeFactory().size()));
    // Members by vertex ID, a bit each: an edge's ends are nearly always members already,
    // and this answers so without a probe of the map.
    std::vector<bool> member(space.vertexFactory().size());
    for (const auto& [vertex, entry] : graph.vertices())
        if (vertex->id < member.size()) member[vertex->id] = true;
    auto join = [&](Vertex& end) {
        if (end.id < member.size() && member[end.id]) return;
        graph.joinVertex(end);
        if (end.id < member.size()) member[end.id] = true;
    };
    ScopedLock lock(&space.edgeFactory().mutex());
    const auto& edges = space.edgeFactory().edges();
    for (std::uint64_t i = 0; i < count; ++i) {
        progressStep();
        const std::uint64_t edgeId = readUInt64(in, sep, "Failed to read graph edge Id");
        Edge* edge = elementAt(edges, edgeId);
        if (!edge) throw missingMember(graph, "edge", edgeId);
        // Members are mostly listed by ascending ID: ask for the ends of an edge a little
        // ahead, which lie anywhere in memory.
        if (const Edge* ahead = elementAt(edges, edgeId + kPrefetchAhead)) {
            __builtin_prefetch(ahead->source);
            __builtin_prefetch(ahead->target);
            graph.prefetchMember(*ahead);
        }
        graph.markIncidenceStale();
        join(*edge->source);
        join(*edge->target);
        ActualProperties& memberValues = graph.joinEdge(*edge);
        const std::uint64_t values =
            readUInt64(in, sep, "Failed to read graph edge property count");
        readValues(in, memberValues, values);
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
        if (!child) throw std::runtime_error(nx::error_texts::kErrorReadingVertexProperties);
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
    XmlRecord record;
    for (long i = 0; i < count; ++i) {
        child = i == 0 ? firstChild(*list) : nextChild(*child);
        if (!child) throw std::runtime_error(nx::error_texts::kErrorReadingVertices);
        viewElement(*child, record);
        readMemberVertexXml(graph, record, space);
    }
}

void loadGraphEdgesXml(Graph& graph, const TiXmlElement& element, Space& space) {
    const TiXmlElement* list = element.FirstChildElement("Edges");
    if (!list) return;
    const long count = longAttribute(*list, "Count");
    const TiXmlElement* child = nullptr;
    XmlRecord record;
    for (long i = 0; i < count; ++i) {
        child = i == 0 ? firstChild(*list) : nextChild(*child);
        if (!child) throw std::runtime_error(nx::error_texts::kErrorReadingEdges);
        viewElement(*child, record);
        readMemberEdgeXml(graph, record, space);
    }
}

namespace {

void readMemberValues(const XmlRecord& record, ActualProperties& values, const char* missing) {
    const long count = longAttribute(record, "PropertyCount");
    for (long j = 0; j < count; ++j) {
        Property& value = values.at(static_cast<std::size_t>(j));
        if (static_cast<std::size_t>(j) >= record.children.size())
            throw std::runtime_error(missing);
        loadValueXml(value, record.children[static_cast<std::size_t>(j)]);
    }
}

}  // namespace

void readMemberVertexXml(Graph& graph, const XmlRecord& record, Space& space) {
    const std::uint64_t vertexId = idAttribute(record, "Id");
    Vertex* vertex = space.vertexFactory().at(vertexId);
    if (!vertex) throw missingMember(graph, "vertex", vertexId);
    readMemberValues(record, *graph.joinVertex(*vertex).properties,
                     nx::error_texts::kErrorReadingVertexProperties);
}

void readMemberEdgeXml(Graph& graph, const XmlRecord& record, Space& space) {
    const std::uint64_t edgeId = idAttribute(record, "Id");
    Edge* edge = space.edgeFactory().at(edgeId);
    if (!edge) throw missingMember(graph, "edge", edgeId);
    graph.markIncidenceStale();
    graph.joinVertex(*edge->source);
    graph.joinVertex(*edge->target);
    readMemberValues(record, graph.joinEdge(*edge), "Error reading edge properties");
}

void GraphMemberReader::expectVertices(long count) {
    // A graph holds no more members than the space has elements.
    if (count > 0)
        graph_.reserveMore(
            std::min<std::size_t>(static_cast<std::size_t>(count), space_.vertexFactory().size()),
            0);
}

void GraphMemberReader::expectEdges(long count) {
    if (count > 0)
        graph_.reserveMore(
            0, std::min<std::size_t>(static_cast<std::size_t>(count), space_.edgeFactory().size()));
    member_.assign(space_.vertexFactory().size(), false);
    for (const auto& [vertex, entry] : graph_.vertices())
        if (vertex->id < member_.size()) member_[vertex->id] = true;
}

void GraphMemberReader::edge(const XmlRecord& record) {
    const std::uint64_t edgeId = idAttribute(record, "Id");
    Edge* edge = space_.edgeFactory().at(edgeId);
    if (!edge) throw missingMember(graph_, "edge", edgeId);
    graph_.markIncidenceStale();
    for (Vertex* end : {edge->source, edge->target}) {
        if (end->id < member_.size() && member_[end->id]) continue;
        graph_.joinVertex(*end);
        if (end->id < member_.size()) member_[end->id] = true;
    }
    readMemberValues(record, graph_.joinEdge(*edge), "Error reading edge properties");
}

}  // namespace nx::persistence
