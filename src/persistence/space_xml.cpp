// The XML document file: frame, version check, schemas and the three factory sections.
#include <array>
#include <stdexcept>
#include <tinyxml.h>

#include "graph/space.h"
#include "persistence/document_format.h"
#include "persistence/missing_element.h"
#include "persistence/schema_xml.h"
#include "persistence/view_sections.h"
#include "persistence/xml_document.h"
#include "persistence/xml_values.h"

namespace nx {

using namespace persistence;

namespace {

constexpr char kNotice[] = " Ramulo graph document: vertices, edges, graphs and their properties ";

std::array<FormalProperties*, 5> schemasOf(const Space& space) {
    return {space.vertexSchema(), space.edgeSchema(), space.graphSchema(),
            space.graphVertexSchema(), space.graphEdgeSchema()};
}

TiXmlElement* appendElement(TiXmlNode& parent, const std::string& name) {
    return parent.LinkEndChild(new TiXmlElement(name))->ToElement();
}

// Reads count values of an element's children into the slots in order.
void readValues(const TiXmlElement& element, ActualProperties& values, const char* missing) {
    const TiXmlElement* child = nullptr;
    for (std::size_t j = 0; j < values.size(); ++j) {
        child = j == 0 ? firstChild(element) : nextChild(*child);
        if (!child) throw std::runtime_error(missing);
        loadValueXml(values.at(j), *child);
    }
}

void readVertexFactory(const TiXmlElement& section, Space& space) {
    const long count = longAttribute(section, "Count");
    const long schemaSize = static_cast<long>(space.vertexSchema()->size());
    const TiXmlElement* child = nullptr;
    for (long i = 0; i < count; ++i) {
        child = i == 0 ? firstChild(section) : nextChild(*child);
        if (!child) throw std::runtime_error("Error reading vertices");
        const long isGraph = longAttribute(*child, "IsGraph");
        if (longAttribute(*child, "PropertyCount") != schemaSize)
            throw std::runtime_error("Incorrect number of vertex properties");
        Vertex* vertex = isGraph != 0 ? space.graphFactory().create() : space.vertexFactory().create();
        readValues(*child, *vertex->properties, "Error reading vertex properties");
    }
}

void readEdgeFactory(const TiXmlElement& section, Space& space) {
    const long count = longAttribute(section, "Count");
    const long schemaSize = static_cast<long>(space.edgeSchema()->size());
    const TiXmlElement* child = nullptr;
    for (long i = 0; i < count; ++i) {
        child = i == 0 ? firstChild(section) : nextChild(*child);
        if (!child) throw std::runtime_error("Error reading edges");
        const std::uint64_t sourceId = idAttribute(*child, "FirstVertexId");
        const std::uint64_t targetId = idAttribute(*child, "SecondVertexId");
        if (longAttribute(*child, "PropertyCount") != schemaSize)
            throw std::runtime_error("Incorrect number of edge properties");
        Vertex* source = space.vertexFactory().at(sourceId);
        if (!source) throw missingEnd(space.edgeFactory().size(), sourceId);
        Vertex* target = space.vertexFactory().at(targetId);
        if (!target) throw missingEnd(space.edgeFactory().size(), targetId);
        Edge* edge = space.edgeFactory().create(source, target);
        readValues(*child, *edge->properties, "Error reading edge properties");
    }
}

void readGraphFactory(const TiXmlElement& section, Space& space) {
    const long count = longAttribute(section, "Count");
    const TiXmlElement* child = nullptr;
    for (long i = 0; i < count; ++i) {
        child = i == 0 ? firstChild(section) : nextChild(*child);
        // A graph is listed like a vertex: a missing one fails as a missing vertex does.
        if (!child) throw std::runtime_error("Error reading vertices");
        Vertex* vertex = space.vertexFactory().at(idAttribute(*child, "Id"));
        if (!vertex || !vertex->isGraph()) throw std::runtime_error("Incorrect graph Id");
        static_cast<Graph*>(vertex)->loadGraphXml(*child, space);
    }
}

void forEachChild(const TiXmlElement& parent, std::string_view name,
                  const auto& read) {
    for (const TiXmlElement* child = parent.FirstChildElement(std::string(name)); child;
         child = child->NextSiblingElement(std::string(name)))
        read(*child);
}

void readDocument(const std::string& fileName, Space& space, GraphView* view) {
    TiXmlDocument doc;
    parseXmlFile(doc, fileName);
    const TiXmlNode* declaration = doc.FirstChild();
    if (!declaration || !declaration->ToDeclaration())
        throw std::runtime_error("Incorrect file format");
    const TiXmlNode* instruction = declaration->NextSibling();
    if (!instruction || !instruction->ToUnknown()) throw std::runtime_error("Unknown version");
    // The stored text is ?nodalyx version='1.0.0'? : the version stands between
    // the first 18 and the last 2 characters.
    const std::string& markup = instruction->ValueStr();
    if (markup.size() < 20 || markup.compare(18, markup.size() - 20, kVersion) != 0)
        throw std::runtime_error("Incorrect version");
    const TiXmlElement* root = nullptr;
    for (const TiXmlNode* node = instruction->NextSibling(); node && !root;
         node = node->NextSibling())
        if (node->ToElement() && node->ValueStr() == "Space") root = node->ToElement();
    if (!root) throw std::runtime_error("<Space> tag cannot be found");

    const auto schemas = schemasOf(space);
    for (FormalProperties* schema : schemas) schema->clear();
    for (std::size_t i = 0; i < schemas.size(); ++i)
        forEachChild(*root, kSchemaNames[i], [&](const TiXmlElement& e) { loadSchemaXml(*schemas[i], e); });

    {
        ScopedLock lock(&space.graphFactory().mutex());
        space.graphFactory().forget();
    }
    space.vertexFactory().clear();
    space.edgeFactory().clear();
    forEachChild(*root, "VertexFactory", [&](const TiXmlElement& e) { readVertexFactory(e, space); });
    forEachChild(*root, "EdgeFactory", [&](const TiXmlElement& e) { readEdgeFactory(e, space); });
    forEachChild(*root, "GraphFactory", [&](const TiXmlElement& e) { readGraphFactory(e, space); });

    if (view) loadViewXml(*root, space, *view);
}

}  // namespace

void Space::saveXml(const std::string& fileName, GraphView* view) {
    if (view) requireViewSections(*view);
    TiXmlDocument scratch;
    scratch.Parse(("<?nodalyx version='" + std::string(kVersion) + "'?>").c_str());

    TiXmlDocument doc(fileName);
    doc.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", "no"));
    doc.LinkEndChild(scratch.FirstChild()->Clone());
    doc.LinkEndChild(new TiXmlComment(kNotice));
    TiXmlElement* root = appendElement(doc, "Space");

    const auto schemas = schemasOf(*this);
    for (std::size_t i = 0; i < schemas.size(); ++i)
        saveSchemaXml(*appendElement(*root, std::string(kSchemaNames[i])), *schemas[i]);
    vertexFactory_.saveXml(*appendElement(*root, "VertexFactory"));
    edgeFactory_.saveXml(*appendElement(*root, "EdgeFactory"));
    graphFactory_.saveXml(*appendElement(*root, "GraphFactory"));
    if (view) saveViewXml(*root, *view);

    printXmlFile(doc, fileName);  // an unopenable file is silently not written
}

void Space::loadXml(const std::string& fileName, GraphView* view) {
    if (view) requireViewSections(*view);
    try {
        readDocument(fileName, *this, view);
    } catch (const std::exception& e) {
        throw std::runtime_error("Error loading xml file " + fileName + ". " + e.what());
    } catch (...) {
        throw std::runtime_error("Unknown error loading xml file " + fileName);
    }
}

}  // namespace nx
