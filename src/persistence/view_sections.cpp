// The graph view's groups of the stream file and elements of the XML file: its two
// schemas and its own section.
#include "persistence/view_sections.h"
#include "persistence/graph_view_files.h"

#include <tinyxml.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

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

struct ViewSchema {
    std::string_view name;
    FormalProperties& schema;
};

// The view's vertex and edge schemas in file order, each with the name it is filed under.
// A view built without a schema reads and writes an empty one.
class ViewSchemas {
public:
    explicit ViewSchemas(GraphView& view)
        : parts_{{{kVertexViewSchemaName, schemaOr(view.vertexFormals(), noVertexSchema_)},
                  {kEdgeViewSchemaName, schemaOr(view.edgeFormals(), noEdgeSchema_)}}} {}
    ViewSchemas(const ViewSchemas&) = delete;
    ViewSchemas& operator=(const ViewSchemas&) = delete;

    std::array<ViewSchema, 2>::iterator begin() { return parts_.begin(); }
    std::array<ViewSchema, 2>::iterator end() { return parts_.end(); }
    // Both emptied before either is read, as the readers always did.
    void clear() {
        for (ViewSchema& part : parts_) part.schema.clear();
    }

private:
    static FormalProperties& schemaOr(FormalProperties* schema, FormalProperties& empty) {
        return schema ? *schema : empty;
    }

    FormalProperties noVertexSchema_, noEdgeSchema_;
    std::array<ViewSchema, 2> parts_;
};

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
    writeHeader(out);
    for (const ViewSchema& part : ViewSchemas(view)) {
        out << part.name << sep;
        part.schema.writeStream(out);
        endLine(out);
    }
    writeHeader(out);
    out << "GraphView" << sep;
    writeStream(view, out);
}

void readViewGroupsStream(std::istream& in, Space& space, GraphView& view) {
    if (isHeader(readLine(in))) {
        ViewSchemas schemas(view);
        schemas.clear();
        for (const ViewSchema& part : schemas) {
            // The names are skipped by their length, not compared.
            in.ignore(static_cast<std::streamsize>(part.name.size() + 1));
            part.schema.readStream(in);
        }
    }
    refreshIndices(view);
    readLine(in);  // the view group's header is not compared
    expectLabel(in, "GraphView");
    view.setSpace(&space);
    readStream(view, in);
}

void saveViewSchemasXml(TiXmlElement& space, GraphView& view) {
    for (const ViewSchema& part : ViewSchemas(view)) {
        TiXmlElement element{std::string(part.name)};
        saveSchemaXml(element, part.schema);
        space.InsertEndChild(element);
    }
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
    ViewSchemas schemas(view);
    schemas.clear();
    for (const ViewSchema& part : schemas) {
        const std::string name(part.name);
        for (const TiXmlElement* e = spaceElement.FirstChildElement(name); e;
             e = e->NextSiblingElement(name))
            loadSchemaXml(part.schema, *e);
    }
    refreshIndices(view);
    view.setSpace(&space);
}

void loadViewXml(const TiXmlElement& spaceElement, Space& space, GraphView& view) {
    loadViewSchemasXml(spaceElement, space, view);
    loadXml(view, spaceElement);
}

}  // namespace nx::persistence
