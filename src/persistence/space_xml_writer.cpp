// Writing the XML document file: the same bytes as printing the whole tree, produced one
// record at a time under each factory's lock.
#include <tinyxml.h>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "graph/space.h"
#include "persistence/document_format.h"
#include "persistence/element_records.h"
#include "persistence/graph_view_xml.h"
#include "persistence/safe_output_file.h"
#include "persistence/schema_xml.h"
#include "persistence/space_files.h"
#include "persistence/space_xml_writer.h"
#include "persistence/text_check.h"
#include "persistence/view_sections.h"
#include "persistence/xml_names.h"
#include "persistence/xml_record_printer.h"
#include "persistence/xml_values.h"
#include "views/graph_view.h"

namespace nx {

using namespace persistence;

namespace {

constexpr ElementId kPrefetchAhead = 16;

constexpr char kNotice[] = " Ramulo graph document: vertices, edges, graphs and their properties ";

TiXmlElement counted(const char* name, std::size_t count) {
    TiXmlElement tag(name);
    setNumberAttribute(tag, "Count", count);
    return tag;
}

// An attribute number as setNumberAttribute stores it.
std::int64_t attributeNumber(std::uint64_t value) {
    return static_cast<std::int32_t>(value);
}

// Prints the records that save(holder) appends to a scratch element, then drops them.
template <typename Save>
void printRecord(XmlRecordPrinter& printer, int depth, Save save) {
    TiXmlElement holder("records");
    save(holder);
    for (const TiXmlNode* node = holder.FirstChild(); node; node = node->NextSibling())
        printer.child(*node, depth);
}

void printGraph(XmlRecordPrinter& printer, const Graph& graph) {
    TiXmlElement tag("Graph");
    setNumberAttribute(tag, "Id", graph.id);
    tag.SetAttribute("IsGraph", 1);
    const ActualProperties& values = *graph.graphProperties();
    setNumberAttribute(tag, "PropertyCount", values.size());
    printer.open(tag, 2, true);
    for (std::size_t i = 0; i < values.size(); ++i) {
        TiXmlElement value(elementNameOf(values.at(i).typeName()));
        saveValueXml(value, values.at(i));
        printer.child(value, 3);
    }

    const TiXmlElement vertices = counted("Vertices", graph.vertices().size());
    printer.open(vertices, 3, !graph.vertices().empty());
    for (const auto& [vertex, entry] : graph.vertices()) {
        const std::int64_t count = static_cast<int>(entry.properties->size());
        if (printer.plainRecord(4, "Vertex",
                                {{"Id", attributeNumber(vertex->id)}, {"PropertyCount", count}},
                                *entry.properties))
            continue;
        TiXmlElement member("Vertex");
        setNumberAttribute(member, "Id", vertex->id);
        saveValuesXml(member, *entry.properties);
        printer.child(member, 4);
    }
    printer.close(vertices, 3, !graph.vertices().empty());

    const TiXmlElement edges = counted("Edges", graph.edges().size());
    printer.open(edges, 3, !graph.edges().empty());
    for (const auto& [edge, props] : graph.edges()) {
        const std::int64_t count = static_cast<int>(props->size());
        if (printer.plainRecord(
                4, "Edge", {{"Id", attributeNumber(edge->id)}, {"PropertyCount", count}}, *props))
            continue;
        TiXmlElement member("Edge");
        setNumberAttribute(member, "Id", edge->id);
        saveValuesXml(member, *props);
        printer.child(member, 4);
    }
    printer.close(edges, 3, !graph.edges().empty());
    printer.close(tag, 2, true);
}

// "GraphView" one entry at a time, under the view's lock.
void printView(XmlRecordPrinter& printer, GraphView& view) {
    ScopedLock lock(&view.mutex());
    const TiXmlElement tag = viewTag(view);
    printer.open(tag, 1, true);
    printer.child(defaultVertexViewElement(view), 2);
    printer.child(defaultEdgeViewElement(view), 2);

    // Entries share a few views: each view's record is printed by the library once.
    std::unordered_map<const void*, std::string> viewRecords;
    auto viewRecord = [&](const auto* v) -> const std::string& {
        auto [at, added] = viewRecords.try_emplace(v);
        if (added) {
            TiXmlElement element("View");
            if (v) v->saveToXml(element);
            at->second = printedChild(element, 4);
        }
        return at->second;
    };

    const auto& sequence = view.vertexSequence();
    const TiXmlElement vertices = counted("VertexSequence", sequence.size());
    printer.open(vertices, 2, !sequence.empty());
    for (const VertexViewEntry entry : sequence)
        if (!printer.plainEntry(3, "Vertex", attributeNumber(entry.vertex->id), *entry.properties,
                                viewRecord(entry.view)))
            printer.child(vertexEntryElement(entry), 3);
    printer.close(vertices, 2, !sequence.empty());

    const auto& edgeMap = view.edgeMap();
    const TiXmlElement edges = counted("Edges", edgeMap.size());
    printer.open(edges, 2, edgeMap.size() > 0);
    for (const auto& [edge, data] : edgeMap)
        if (!printer.plainEntry(3, "Edge", attributeNumber(edge->id), *data.properties,
                                viewRecord(data.view.get())))
            printer.child(edgeEntryElement(*edge, data), 3);
    printer.close(edges, 2, edgeMap.size() > 0);
    printer.close(tag, 1, true);
}

}  // namespace

}  // namespace nx

namespace nx::persistence {

void writeSpaceXml(Space& space, const std::string& fileName, GraphView* view) {
    checkTexts(space, false);  // before anything is written
    if (view) checkTexts(*view, false);
    SafeOutputFile file(fileName, "nx::Space error: ");
    XmlRecordPrinter printer(file.file());

    TiXmlDocument scratch;
    scratch.Parse(("<?nodalyx version='" + std::string(kVersion) + "'?>").c_str());
    printer.topLevel(TiXmlDeclaration("1.0", "UTF-8", "no"));
    printer.topLevel(*scratch.FirstChild());
    printer.topLevel(TiXmlComment(kNotice));

    const TiXmlElement root("Space");
    printer.open(root, 0, true, true);
    const FormalProperties* schemas[] = {space.vertexSchema(), space.edgeSchema(),
                                         space.graphSchema(), space.graphVertexSchema(),
                                         space.graphEdgeSchema()};
    for (std::size_t i = 0; i < std::size(schemas); ++i) {
        TiXmlElement element{std::string(kSchemaNames[i])};
        saveSchemaXml(element, *schemas[i]);
        printer.child(element, 1);
    }
    {
        VertexFactory& vertices = space.vertexFactory();
        ScopedLock lock(&vertices.mutex());
        const TiXmlElement tag = counted("VertexFactory", vertices.size());
        printer.open(tag, 1, vertices.size() > 0);
        const auto& list = vertices.vertices();  // under the lock taken above
        for (ElementId id = 0; id < list.size(); ++id) {
            const Vertex& vertex = *list[id];
            const std::int64_t count = static_cast<int>(vertex.properties->size());
            if (!printer.plainRecord(2, "Vertex",
                                     {{"Id", attributeNumber(vertex.id)},
                                      {"IsGraph", vertex.isGraph() ? 1 : 0},
                                      {"PropertyCount", count}},
                                     *vertex.properties))
                printRecord(printer, 2, [&](TiXmlElement& h) { saveVertexRecord(h, vertex); });
        }
        printer.close(tag, 1, vertices.size() > 0);
    }
    {
        EdgeFactory& edges = space.edgeFactory();
        ScopedLock lock(&edges.mutex());
        const TiXmlElement tag = counted("EdgeFactory", edges.size());
        printer.open(tag, 1, edges.size() > 0);
        const auto& list = edges.edges();  // under the lock taken above
        for (ElementId id = 0; id < list.size(); ++id) {
            const Edge& edge = *list[id];
            // An edge's ends lie anywhere in memory: ask for those of an edge a little ahead.
            if (id + kPrefetchAhead < list.size()) {
                const Edge& ahead = *list[id + kPrefetchAhead];
                __builtin_prefetch(ahead.source);
                __builtin_prefetch(ahead.target);
            }
            const std::int64_t count = static_cast<int>(edge.properties->size());
            if (!printer.plainRecord(2, "Edge",
                                     {{"Id", attributeNumber(edge.id)},
                                      {"FirstVertexId", attributeNumber(edge.source->id)},
                                      {"SecondVertexId", attributeNumber(edge.target->id)},
                                      {"PropertyCount", count}},
                                     *edge.properties))
                printRecord(printer, 2, [&](TiXmlElement& h) { saveEdgeRecord(h, edge); });
        }
        printer.close(tag, 1, edges.size() > 0);
    }
    {
        GraphFactory& graphs = space.graphFactory();
        ScopedLock lock(&graphs.mutex());
        const TiXmlElement tag = counted("GraphFactory", graphs.size());
        printer.open(tag, 1, graphs.size() > 0);
        for (const Graph* graph : graphs.graphs()) printGraph(printer, *graph);
        printer.close(tag, 1, graphs.size() > 0);
    }
    if (view) {
        TiXmlElement parts("Space");
        saveViewSchemasXml(parts, *view);
        for (const TiXmlNode* node = parts.FirstChild(); node; node = node->NextSibling())
            printer.child(*node, 1);
        // A view without a graph has no section: reading leaves such a view without a graph.
        if (view->graph()) printView(printer, *view);
    }
    printer.close(root, 0, true, true);
    printer.flush();
    file.commit();
}

}  // namespace nx::persistence

namespace nx {

void saveXml(Space& space, const std::string& fileName, GraphView* view) {
    try {
        persistence::writeSpaceXml(space, fileName, view);
    } catch (const persistence::OutputOpenError&) {
        // An unopenable file is silently not written; the engine's save reports it.
    }
}

}  // namespace nx
