// The graph view's groups of the stream file and elements of the XML file: its two
// schemas and its own section.
#include "persistence/view_sections.h"
#include "persistence/graph_view_files.h"

#include <tinyxml.h>

#include <algorithm>
#include <string>

#include "graph/space.h"
#include "persistence/document_format.h"
#include "persistence/schema_xml.h"
#include "persistence/stream_fields.h"
#include "properties/formal_properties.h"
#include "properties/list_separator.h"
#include "views/edge_view_factory.h"
#include "views/graph_view.h"
#include "views/vertex_view_factory.h"

namespace nx::persistence {

namespace {

// A view built without a schema reads and writes an empty one.
FormalProperties& schemaOr(FormalProperties* schema, FormalProperties& empty) {
    return schema ? *schema : empty;
}

// After the view's schemas changed: the view and every shared view look their slots up again.
void refreshIndices(GraphView& view) {
    view.refreshPropertyIndices();
    vertexViewFactory().resetPropertyIndices();
    edgeViewFactory().resetPropertyIndices();
}

}  // namespace

void detachFromSpace(Space& space, GraphView* view) {
    if (!view || !view->graph()) return;
    const auto& graphs = space.graphFactory().graphs();
    if (std::find(graphs.begin(), graphs.end(), view->graph()) != graphs.end())
        view->setGraph(nullptr);
}

void writeViewGroupsStream(std::ostream& out, GraphView& view) {
    const char sep = listSeparator();
    FormalProperties noVertexSchema, noEdgeSchema;
    writeHeader(out);
    out << kVertexViewSchemaName << sep;
    schemaOr(view.vertexFormals(), noVertexSchema).writeStream(out);
    endLine(out);
    out << kEdgeViewSchemaName << sep;
    schemaOr(view.edgeFormals(), noEdgeSchema).writeStream(out);
    endLine(out);
    writeHeader(out);
    out << "GraphView" << sep;
    writeStream(view, out);
}

void readViewGroupsStream(std::istream& in, Space& space, GraphView& view) {
    if (isHeader(readLine(in))) {
        FormalProperties noVertexSchema, noEdgeSchema;
        FormalProperties& vertexSchema = schemaOr(view.vertexFormals(), noVertexSchema);
        FormalProperties& edgeSchema = schemaOr(view.edgeFormals(), noEdgeSchema);
        vertexSchema.clear();
        edgeSchema.clear();
        // The names are skipped by their length, not compared.
        in.ignore(static_cast<std::streamsize>(kVertexViewSchemaName.size() + 1));
        vertexSchema.readStream(in);
        in.ignore(static_cast<std::streamsize>(kEdgeViewSchemaName.size() + 1));
        edgeSchema.readStream(in);
    }
    refreshIndices(view);
    readLine(in);  // the view group's header is not compared
    expectLabel(in, "GraphView");
    view.setSpace(&space);
    readStream(view, in);
}

void saveViewSchemasXml(TiXmlElement& space, GraphView& view) {
    FormalProperties noSchema;
    TiXmlElement vertexSchema{std::string(kVertexViewSchemaName)};
    saveSchemaXml(vertexSchema, schemaOr(view.vertexFormals(), noSchema));
    space.InsertEndChild(vertexSchema);
    TiXmlElement edgeSchema{std::string(kEdgeViewSchemaName)};
    saveSchemaXml(edgeSchema, schemaOr(view.edgeFormals(), noSchema));
    space.InsertEndChild(edgeSchema);
}

void saveViewXml(TiXmlElement& space, GraphView& view) {
    saveViewSchemasXml(space, view);
    // A view without a graph has no section: reading leaves such a view without a graph.
    if (!view.graph()) return;
    TiXmlElement section("GraphView");
    saveXml(view, section);
    space.InsertEndChild(section);
}

void loadViewSchemasXml(const TiXmlElement& spaceElement, Space& space, GraphView& view) {
    FormalProperties noVertexSchema, noEdgeSchema;
    FormalProperties& vertexSchema = schemaOr(view.vertexFormals(), noVertexSchema);
    FormalProperties& edgeSchema = schemaOr(view.edgeFormals(), noEdgeSchema);
    vertexSchema.clear();
    edgeSchema.clear();
    const std::string vertexName(kVertexViewSchemaName), edgeName(kEdgeViewSchemaName);
    for (const TiXmlElement* e = spaceElement.FirstChildElement(vertexName); e;
         e = e->NextSiblingElement(vertexName))
        loadSchemaXml(vertexSchema, *e);
    for (const TiXmlElement* e = spaceElement.FirstChildElement(edgeName); e;
         e = e->NextSiblingElement(edgeName))
        loadSchemaXml(edgeSchema, *e);
    refreshIndices(view);
    view.setSpace(&space);
}

void loadViewXml(const TiXmlElement& spaceElement, Space& space, GraphView& view) {
    loadViewSchemasXml(spaceElement, space, view);
    loadXml(view, spaceElement);
}

}  // namespace nx::persistence
