// Reading the XML document file record by record: the library parses each record on its
// own, so memory and time follow the record size, not the document size.
#include <strings.h>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "graph/progress.h"
#include "graph/space.h"
#include "persistence/document_format.h"
#include "persistence/error_texts.h"
#include "persistence/graph_members_xml.h"
#include "persistence/graph_view_xml.h"
#include "persistence/missing_element.h"
#include "persistence/schema_xml.h"
#include "persistence/space_files.h"
#include "persistence/view_sections.h"
#include "persistence/xml_document.h"
#include "persistence/xml_record.h"
#include "persistence/xml_scanner.h"
#include "persistence/xml_values.h"
#include "views/graph_view.h"

namespace nx {

using namespace persistence;

namespace {

class RecordReader {
public:
    // Shares the scanner that found "Space": the sections' ends it met are not scanned again.
    RecordReader(std::string_view text, const XmlScanner& scanner, TiXmlEncoding encoding)
        : text_(text), scanner_(scanner), encoding_(encoding) {}

    // The element with everything in it.
    std::unique_ptr<TiXmlDocument> parse(const XmlSpan& span) const {
        return parseElement(text_.data() + span.begin, encoding_);
    }

    // The start tag alone, as an empty element: its name and attributes.
    std::unique_ptr<TiXmlDocument> parseTag(const XmlSpan& span) const {
        if (span.selfClosing) return parse(span);
        std::string tag(scanner_.slice(span.begin, span.tagEnd - 1));
        return parseXml(tag + "/>", encoding_);
    }

    // The child after previous (the first one when there is no previous).
    std::optional<XmlSpan> next(const XmlSpan& parent,
                                const std::optional<XmlSpan>& previous) const {
        return previous ? scanner_.nextSibling(parent, *previous) : scanner_.firstChild(parent);
    }

    // Reads the first count child elements in order and hands each to read as an
    // XmlRecord; `missing` when they run out. Plain records are read directly, any other by
    // the XML library.
    template <typename Read>
    void forRecords(const XmlSpan& parent, long count, const char* missing, Read read) const {
        XmlRecord record;
        forEachChild(parent, count, missing, false, [&](const char* start) {
            const char* end = nullptr;
            if (plain() && readPlainRecord(start, record, &end)) {
                read(record);
            } else {
                const auto parsed = parseElement(start, encoding_, &end);
                viewElement(*parsed->RootElement(), record);
                read(record);
            }
            return end;
        });
    }

    // The same for view entries, with progress: plain ones are read directly (see
    // readPlainEntry), any other is handed to read as the XML library read it.
    template <typename ReadPlain, typename Read>
    void forEntries(const XmlSpan& parent, long count, const char* missing, ReadPlain readPlain,
                    Read read) const {
        XmlEntry entry;
        forEachChild(parent, count, missing, true, [&](const char* start) {
            const char* end = nullptr;
            if (plain() && readPlainEntry(start, entry, &end)) {
                readPlain(entry);
            } else {
                const auto parsed = parseElement(start, encoding_, &end);
                read(*parsed->RootElement());
            }
            return end;
        });
    }

    std::vector<XmlSpan> children(const XmlSpan& parent) const {
        std::vector<XmlSpan> all;
        for (auto child = scanner_.firstChild(parent); child;
             child = scanner_.nextSibling(parent, *child))
            all.push_back(*child);
        return all;
    }

private:
    // Plain records are read directly only in UTF-8 documents.
    bool plain() const { return encoding_ == TIXML_ENCODING_UTF8; }

    // Finds the first count child elements in order and hands each one's start to read,
    // which answers where the element ends; `missing` when they run out.
    template <typename Read>
    void forEachChild(const XmlSpan& parent, long count, const char* missing, bool progress,
                      Read read) const {
        std::size_t at = parent.tagEnd;
        for (long i = 0; i < count; ++i) {
            if (progress) progressStep();
            const std::size_t start =
                parent.selfClosing ? std::string::npos : scanner_.nextStart(at);
            if (start == std::string::npos) throw std::runtime_error(missing);
            at = static_cast<std::size_t>(read(text_.data() + start) - text_.data());
        }
    }

    std::string_view text_;  // NUL-terminated
    const XmlScanner& scanner_;
    TiXmlEncoding encoding_;
};

const TiXmlElement& root(const std::unique_ptr<TiXmlDocument>& doc) {
    return *doc->RootElement();
}

void readValues(const XmlRecord& record, ActualProperties& values, const char* missing) {
    for (std::size_t j = 0; j < values.size(); ++j) {
        if (j >= record.children.size()) throw std::runtime_error(missing);
        loadValueXml(values.at(j), record.children[j]);
    }
}

void readVertexRecord(const XmlRecord& record, Space& space) {
    const long isGraph = longAttribute(record, "IsGraph");
    if (longAttribute(record, "PropertyCount") != static_cast<long>(space.vertexSchema()->size()))
        throw std::runtime_error(nx::error_texts::kIncorrectVertexPropertyCount);
    Vertex* vertex = isGraph != 0 ? space.graphFactory().create() : space.vertexFactory().create();
    readValues(record, *vertex->properties, nx::error_texts::kErrorReadingVertexProperties);
}

void readEdgeRecord(const XmlRecord& record, Space& space) {
    const std::uint64_t sourceId = idAttribute(record, "FirstVertexId");
    const std::uint64_t targetId = idAttribute(record, "SecondVertexId");
    if (longAttribute(record, "PropertyCount") != static_cast<long>(space.edgeSchema()->size()))
        throw std::runtime_error(nx::error_texts::kIncorrectEdgePropertyCount);
    Vertex* source = space.vertexFactory().at(sourceId);
    if (!source) throw missingEnd(space.edgeFactory().size(), sourceId);
    Vertex* target = space.vertexFactory().at(targetId);
    if (!target) throw missingEnd(space.edgeFactory().size(), targetId);
    Edge* edge = space.edgeFactory().create(source, target);
    readValues(record, *edge->properties, "Error reading edge properties");
}

// A "Graph" record, read as the graph's own XML reader reads it, but with its member
// lists taken one record at a time.
void readGraphRecord(const RecordReader& reader, const XmlSpan& span, Space& space) {
    const auto tag = reader.parseTag(span);
    Vertex* vertex = space.vertexFactory().at(idAttribute(root(tag), "Id"));
    if (!vertex || !vertex->isGraph()) throw std::runtime_error(nx::error_texts::kIncorrectGraphId);
    auto& graph = static_cast<Graph&>(*vertex);

    const long count = longAttribute(root(tag), "PropertyCount");
    std::optional<XmlSpan> child;
    for (long i = 0; i < count; ++i) {
        // Checked before the child: a count past the schema fails as the stream reader does.
        Property& value = graph.graphProperties()->at(static_cast<std::size_t>(i));
        child = reader.next(span, child);
        // Graph values are read like vertex values; a missing one fails the same way.
        if (!child) throw std::runtime_error(nx::error_texts::kErrorReadingVertexProperties);
        loadValueXml(value, root(reader.parse(*child)));
    }

    const std::vector<XmlSpan> parts = reader.children(span);
    GraphMemberReader members(graph, space);
    for (const XmlSpan& part : parts) {
        if (part.name != "Vertices") continue;
        const long listed = longAttribute(root(reader.parseTag(part)), "Count");
        members.expectVertices(listed);
        reader.forRecords(part, listed, "Error reading vertices",
                          [&](const XmlRecord& member) { members.vertex(member); });
        break;
    }
    for (const XmlSpan& part : parts) {
        if (part.name != "Edges") continue;
        const long listed = longAttribute(root(reader.parseTag(part)), "Count");
        members.expectEdges(listed);
        reader.forRecords(part, listed, "Error reading edges",
                          [&](const XmlRecord& member) { members.edge(member); });
        break;
    }
    graph.updateIncidence();
}

// A "GraphView" section read as the view's XML reader reads it, with its entries taken one
// record at a time.
void readViewSection(const RecordReader& reader, const XmlSpan& span, GraphView& view) {
    const auto tag = reader.parseTag(span);
    TiXmlElement head(root(tag));
    const std::vector<XmlSpan> parts = reader.children(span);
    for (const XmlSpan& part : parts)
        if (part.name == "DefaultVertexView" || part.name == "DefaultEdgeView")
            head.InsertEndChild(root(reader.parse(part)));
    readViewHead(view, head);
    for (const XmlSpan& part : parts) {
        if (part.name != "VertexSequence") continue;
        const long count = longAttribute(root(reader.parseTag(part)), "Count");
        checkSequenceCount(view, count);
        std::size_t position = 0;
        reader.forEntries(
            part, count, "Error reading vertices",
            [&](const XmlEntry& entry) { readVertexEntry(view, entry, position++); },
            [&](const TiXmlElement& entry) { readVertexEntry(view, entry, position++); });
        break;
    }
    for (const XmlSpan& part : parts) {
        if (part.name != "Edges") continue;
        reader.forEntries(
            part, longAttribute(root(reader.parseTag(part)), "Count"), "Error reading edges",
            [&](const XmlEntry& entry) { readEdgeEntry(view, entry); },
            [&](const TiXmlElement& entry) { readEdgeEntry(view, entry); });
        break;
    }
    finishViewRead(view);
}

std::array<FormalProperties*, 5> schemasOf(const Space& space) {
    return {space.vertexSchema(), space.edgeSchema(), space.graphSchema(),
            space.graphVertexSchema(), space.graphEdgeSchema()};
}

// The encoding the library would have chosen for the whole document.
TiXmlEncoding encodingOf(std::string_view text, const TiXmlDeclaration& declaration) {
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) return TIXML_ENCODING_UTF8;
    const char* name = declaration.Encoding();
    if (!*name || strncasecmp(name, "UTF-8", 5) == 0 || strncasecmp(name, "UTF8", 4) == 0)
        return TIXML_ENCODING_UTF8;
    return TIXML_ENCODING_LEGACY;
}

void readDocument(const std::string& fileName, Space& space, GraphView* view) {
    KeepWhiteSpace keep;
    const XmlFileText file(fileName);
    const std::string_view text = file.view();
    XmlScanner scanner(text);
    if (const auto* ends = file.largeElementEnds()) scanner.knowEnds(*ends);

    // The frame: everything before "Space" and its start tag, parsed as one small document.
    std::optional<XmlSpan> spaceSpan = scanner.nextElement(0, text.size());
    while (spaceSpan && spaceSpan->name != "Space")
        spaceSpan = scanner.nextElement(spaceSpan->end, text.size());
    std::string frameText(text.substr(0, spaceSpan ? spaceSpan->tagEnd : text.size()));
    if (spaceSpan && !spaceSpan->selfClosing) frameText.replace(frameText.size() - 1, 1, "/>");
    const auto frame = parseXml(frameText, TIXML_DEFAULT_ENCODING);
    const TiXmlNode* first = frame->FirstChild();
    if (!first || !first->ToDeclaration())
        throw std::runtime_error(nx::error_texts::kIncorrectFileFormat);
    const TiXmlNode* instruction = first->NextSibling();
    if (!instruction || !instruction->ToUnknown())
        throw std::runtime_error(nx::error_texts::kUnknownVersion);
    // The stored text is ?nodalyx version='1.0.0'? : the version stands between
    // the first 18 and the last 2 characters.
    const std::string& markup = instruction->ValueStr();
    if (markup.size() < 20 || markup.compare(18, markup.size() - 20, kVersion) != 0)
        throw std::runtime_error(nx::error_texts::kIncorrectVersion);
    if (!spaceSpan) throw std::runtime_error(nx::error_texts::kSpaceTagMissing);

    const RecordReader reader(text, scanner, encodingOf(text, *first->ToDeclaration()));
    const std::vector<XmlSpan> sections = reader.children(*spaceSpan);
    auto each = [&](std::string_view name, const auto& read) {
        for (const XmlSpan& section : sections)
            if (section.name == name) read(section);
    };

    const auto schemas = schemasOf(space);
    for (FormalProperties* schema : schemas) schema->clear();
    for (std::size_t i = 0; i < schemas.size(); ++i)
        each(kSchemaNames[i],
             [&](const XmlSpan& s) { loadSchemaXml(*schemas[i], root(reader.parse(s))); });

    detachFromSpace(space, view);
    {
        ScopedLock lock(&space.graphFactory().mutex());
        space.graphFactory().forget();
    }
    space.vertexFactory().clear();
    space.edgeFactory().clear();
    each("VertexFactory", [&](const XmlSpan& s) {
        reader.forRecords(s, longAttribute(root(reader.parseTag(s)), "Count"),
                          "Error reading vertices",
                          [&](const XmlRecord& record) { readVertexRecord(record, space); });
    });
    each("EdgeFactory", [&](const XmlSpan& s) {
        reader.forRecords(s, longAttribute(root(reader.parseTag(s)), "Count"),
                          "Error reading edges",
                          [&](const XmlRecord& record) { readEdgeRecord(record, space); });
    });
    // A graph is listed like a vertex: a missing one fails as a missing vertex does.
    each("GraphFactory", [&](const XmlSpan& s) {
        std::optional<XmlSpan> record;
        const long count = longAttribute(root(reader.parseTag(s)), "Count");
        for (long i = 0; i < count; ++i) {
            record = reader.next(s, record);
            if (!record) throw std::runtime_error(nx::error_texts::kErrorReadingVertices);
            readGraphRecord(reader, *record, space);
        }
    });

    if (view) {
        TiXmlElement schemaParts("Space");
        for (const XmlSpan& section : sections)
            if (section.name == kVertexViewSchemaName || section.name == kEdgeViewSchemaName)
                schemaParts.InsertEndChild(root(reader.parse(section)));
        loadViewSchemasXml(schemaParts, space, *view);
        each("GraphView", [&](const XmlSpan& s) { readViewSection(reader, s, *view); });
    }
}

}  // namespace

void loadXml(Space& space, const std::string& fileName, GraphView* view) {
    try {
        readDocument(fileName, space, view);
    } catch (const OperationCancelled&) {
        throw;
    } catch (const std::exception& e) {
        throw std::runtime_error("Error loading xml file " + fileName + ". " + e.what());
    } catch (...) {
        throw std::runtime_error("Unknown error loading xml file " + fileName);
    }
}

}  // namespace nx
