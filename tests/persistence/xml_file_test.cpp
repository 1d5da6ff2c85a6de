// The XML file: the printed frame, the version rules, every reader error and the value texts.
#include <gtest/gtest.h>

#include <tinyxml.h>
#include <utf8.h>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "persistence/document.h"
#include "persistence/element_records.h"
#include "persistence/error_texts.h"
#include "persistence/schema_xml.h"
#include "persistence/space_files.h"
#include "properties/error_texts.h"
#include "properties/list_separator.h"
#include "properties/properties.h"

namespace nx::test {
namespace {

const std::string kExample = R"(<?xml version="1.0" encoding="UTF-8" standalone="no" ?>
<?nodalyx version='1.0.0'?>
<!-- Ramulo graph document: vertices, edges, graphs and their properties -->
<Space>
    <VertexFormalProperties Count="2">
        <Name />
        <X />
    </VertexFormalProperties>
    <EdgeFormalProperties Count="1">
        <Weight />
    </EdgeFormalProperties>
    <GraphFormalProperties Count="1">
        <Name />
    </GraphFormalProperties>
    <GraphVertexFormalProperties Count="0" />
    <GraphEdgeFormalProperties Count="0" />
    <VertexFactory Count="3">
        <Vertex Id="0" IsGraph="1" PropertyCount="2">
            <Name></Name>
            <X>50</X>
        </Vertex>
        <Vertex Id="1" IsGraph="0" PropertyCount="2">
            <Name>Root</Name>
            <X>50</X>
        </Vertex>
        <Vertex Id="2" IsGraph="0" PropertyCount="2">
            <Name>Leaf</Name>
            <X>50</X>
        </Vertex>
    </VertexFactory>
    <EdgeFactory Count="1">
        <Edge Id="0" FirstVertexId="1" SecondVertexId="2" PropertyCount="1">
            <Weight>1</Weight>
        </Edge>
    </EdgeFactory>
    <GraphFactory Count="1">
        <Graph Id="0" IsGraph="1" PropertyCount="1">
            <Name>Main</Name>
            <Vertices Count="2">
                <Vertex Id="1" PropertyCount="0" />
                <Vertex Id="2" PropertyCount="0" />
            </Vertices>
            <Edges Count="1">
                <Edge Id="0" PropertyCount="0" />
            </Edges>
        </Graph>
    </GraphFactory>
</Space>
)";

std::string loadXmlError(const std::string& bytes, Document& doc) {
    const auto path = outputPath("broken.nxx");
    writeFile(path, bytes);
    try {
        nx::loadXml(*doc.space, path, nullptr);
    } catch (const std::exception& e) {
        const std::string prefix = "Error loading xml file " + path.string() + ". ";
        const std::string text = e.what();
        return text.rfind(prefix, 0) == 0 ? text.substr(prefix.size()) : "(unwrapped) " + text;
    }
    return "(no error)";
}

// Replaces every occurrence; a text that does not occur is a broken test.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
    std::size_t at = text.find(from);
    if (at == std::string::npos) throw std::logic_error("test text lacks " + from);
    for (; at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

bool wellFormed(const std::filesystem::path& path) {
    return std::system(("xmllint --noout '" + path.string() + "'").c_str()) == 0;
}

TEST(XmlFile, ExampleDocumentIsPrintedInFullAndReadsBack) {
    Document doc;
    buildExample(doc);
    const auto path = outputPath("example.nxx");
    nx::saveXml(*doc.space, path, nullptr);
    EXPECT_EQ(readFile(path), kExample);
    EXPECT_TRUE(wellFormed(path));

    Document copy;
    EXPECT_EQ(loadXmlError(kExample, copy), "(no error)");
    EXPECT_EQ(dump(*copy.space), dump(*doc.space));
    EXPECT_FALSE(copy.space->graphFactory().find(0)->incidenceDirty());
}

// The file is written record by record; it must equal the whole tree that the element
// and factory writers build, printed by the XML library in one go.
TEST(XmlFile, RecordByRecordOutputEqualsThePrintedTreeOfTheFactoryWriters) {
    Document doc;
    buildRich(doc);
    // Texts the printer escapes, keeps in CDATA or passes through.
    const std::size_t name = doc.vertexSchema.find(Name());
    ASSERT_NE(name, kNoIndex);
    for (const char16_t* text : {u"a<b>&c", u"it's \"x\"", u"tab\there\nline\r", u"   ", u"",
                                 u"caf\u00e9 \u6f22", u"&#x41; &amp;", u"\u0001\uFFFE"}) {
        Vertex* vertex = doc.space->vertexFactory().create();
        vertex->properties->get<Name>(name).value = text;
    }
    const auto path = outputPath("rich_records.nxx");
    nx::saveXml(*doc.space, path, nullptr);

    TiXmlDocument tree;
    TiXmlDocument scratch;
    scratch.Parse("<?nodalyx version='1.0.0'?>");
    tree.LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", "no"));
    tree.LinkEndChild(scratch.FirstChild()->Clone());
    tree.LinkEndChild(
        new TiXmlComment(" Ramulo graph document: vertices, edges, graphs and their properties "));
    auto* root = new TiXmlElement("Space");
    tree.LinkEndChild(root);
    const std::pair<const char*, FormalProperties*> schemas[] = {
        {"VertexFormalProperties", &doc.vertexSchema},
        {"EdgeFormalProperties", &doc.edgeSchema},
        {"GraphFormalProperties", &doc.graphSchema},
        {"GraphVertexFormalProperties", &doc.graphVertexSchema},
        {"GraphEdgeFormalProperties", &doc.graphEdgeSchema}};
    for (const auto& [name, schema] : schemas) {
        auto* element = new TiXmlElement(name);
        persistence::saveSchemaXml(*element, *schema);
        root->LinkEndChild(element);
    }
    auto* vertices = new TiXmlElement("VertexFactory");
    nx::persistence::saveFactoryXml(doc.space->vertexFactory(), *vertices);
    root->LinkEndChild(vertices);
    auto* edges = new TiXmlElement("EdgeFactory");
    nx::persistence::saveFactoryXml(doc.space->edgeFactory(), *edges);
    root->LinkEndChild(edges);
    auto* graphs = new TiXmlElement("GraphFactory");
    nx::persistence::saveFactoryXml(doc.space->graphFactory(), *graphs);
    root->LinkEndChild(graphs);
    const auto treePath = outputPath("rich_tree.nxx");
    ASSERT_TRUE(tree.SaveFile(treePath.string()));
    EXPECT_EQ(readFile(path), readFile(treePath));
}

// The graph's own XML reader, given the "Graph" elements of a whole parsed tree, restores
// the same members and values as the document reader.
TEST(XmlFile, GraphReaderRestoresMembersFromParsedGraphElements) {
    Document original;
    buildRich(original);
    const auto path = outputPath("rich_graphs.nxx");
    nx::saveXml(*original.space, path, nullptr);

    Document copy;
    nx::loadXml(*copy.space, path, nullptr);
    for (Graph* graph : copy.space->graphFactory().graphs()) {
        graph->clearGraph();
        graph->graphProperties()->at(0).assign(Name());
    }
    TiXmlDocument tree(path.string());
    ASSERT_TRUE(tree.LoadFile());
    const TiXmlElement* graphs = tree.RootElement()->FirstChildElement("GraphFactory");
    for (const TiXmlElement* g = graphs->FirstChildElement(); g; g = g->NextSiblingElement()) {
        int id = -1;
        g->QueryIntAttribute("Id", &id);
        nx::persistence::loadGraphXml(*copy.space->graphFactory().find(static_cast<ElementId>(id)),
                                      *g, *copy.space);
    }
    EXPECT_EQ(dump(*copy.space), dump(*original.space));
}

TEST(XmlFile, EmptySpaceHasEightEmptyChildren) {
    Document doc;
    const auto path = outputPath("empty.nxx");
    nx::saveXml(*doc.space, path, nullptr);
    const std::string text = readFile(path);
    for (const char* child :
         {"VertexFormalProperties", "EdgeFormalProperties", "GraphFormalProperties",
          "GraphVertexFormalProperties", "GraphEdgeFormalProperties", "VertexFactory",
          "EdgeFactory", "GraphFactory"})
        EXPECT_NE(text.find(std::string("    <") + child + " Count=\"0\" />\n"), std::string::npos)
            << child;
}

TEST(XmlFile, IdsOfFactoryRecordsAreIgnored) {
    std::string text = replaced(kExample, "<Vertex Id=\"0\" IsGraph", "<Vertex Id=\"7\" IsGraph");
    text = replaced(text, "<Vertex Id=\"1\" IsGraph", "<Vertex Id=\"8\" IsGraph");
    text = replaced(text, "<Vertex Id=\"2\" IsGraph", "<Vertex Id=\"9\" IsGraph");
    text = replaced(text, "<Edge Id=\"0\" First", "<Edge Id=\"5\" First");
    Document original, doc;
    buildExample(original);
    EXPECT_EQ(loadXmlError(text, doc), "(no error)");
    EXPECT_EQ(dump(*doc.space), dump(*original.space));
}

TEST(XmlFile, ValueTextsAreTakenWhole) {
    // An empty element keeps the default; separators, quotes and the stream escape
    // (byte 3, as older writers left it) all come back as the separator or themselves.
    std::string text = replaced(kExample, "<X>50</X>\n        </Vertex>\n        <Vertex Id=\"1\"",
                                "<X />\n        </Vertex>\n        <Vertex Id=\"1\"");
    text = replaced(text, "<Name>Root</Name>", "<Name>\"Root, the&#x03;first\"</Name>");
    Document doc;
    EXPECT_EQ(loadXmlError(text, doc), "(no error)");
    EXPECT_EQ(doc.space->vertexFactory().at(0)->properties->get<X>(1).value, 50);
    EXPECT_EQ(doc.space->vertexFactory().at(1)->properties->get<Name>(0).value,
              u"\"Root, the,first\"");
}

TEST(XmlFile, CharactersXmlCannotCarryBecomeReplacementCharacters) {
    Document doc;
    buildExample(doc);
    auto& name = doc.space->vertexFactory().at(1)->properties->get<Name>(0);
    name.value = u"a\u0001b\uFFFFc\u0003d";
    const auto path = outputPath("controls.nxx");
    nx::saveXml(*doc.space, path, nullptr);
    EXPECT_TRUE(wellFormed(path));
    Document copy;
    nx::loadXml(*copy.space, path, nullptr);
    EXPECT_EQ(copy.space->vertexFactory().at(1)->properties->get<Name>(0).value,
              u"a\uFFFDb\uFFFDc,d");
}

TEST(XmlFile, LongTextsRoundTripAndBrokenTextsFailBeforeTheFileIsTouched) {
    Document doc;
    buildExample(doc);
    auto& name = doc.space->vertexFactory().at(1)->properties->get<Name>(0);
    name.value = std::u16string(5000, u'\u00e9');
    name.value += u", end";
    const auto path = outputPath("long.nxx");
    nx::saveXml(*doc.space, path, nullptr);
    Document copy;
    nx::loadXml(*copy.space, path, nullptr);
    EXPECT_EQ(copy.space->vertexFactory().at(1)->properties->get<Name>(0).value, name.value);

    name.value = u"lone \xD800 surrogate";
    EXPECT_THROW(nx::saveXml(*doc.space, path, nullptr), std::exception);
    nx::loadXml(*copy.space, path, nullptr);  // the earlier file is still there, whole
    EXPECT_EQ(copy.space->vertexFactory().size(), 3u);
}

TEST(XmlFile, PrimitiveTypesGetWellFormedElementNames) {
    Document doc;
    for (const char* type : {"Primitive(unsigned int)", "Primitive(__int64)",
                             "Primitive(unsigned __int64)", "Primitive(char)"})
        doc.vertexSchema.addByTypeName(type);
    doc.space->vertexFactory().create()->properties->get<PropertyTemplate::Char>(3).value = -5;
    const auto path = outputPath("primitives.nxx");
    nx::saveXml(*doc.space, path, nullptr);
    EXPECT_TRUE(wellFormed(path));
    const std::string text = readFile(path);
    EXPECT_NE(text.find("<Primitive-unsigned-__int64 />"), std::string::npos);
    EXPECT_NE(text.find("<Primitive-char>-5</Primitive-char>"), std::string::npos);
    Document copy;
    nx::loadXml(*copy.space, path, nullptr);
    EXPECT_EQ(dump(*copy.space), dump(*doc.space));
}

TEST(XmlFile, SavingIntoAMissingDirectoryWritesNothingAndReportsNothing) {
    Document doc;
    buildExample(doc);
    const auto dir = outputPath("no-such-dir");
    EXPECT_NO_THROW(nx::saveXml(*doc.space, (dir / "doc.nxx").string(), nullptr));
    EXPECT_FALSE(std::filesystem::exists(dir));
}

TEST(XmlFile, FailedReadKeepsWhatWasReadBeforeIt) {
    Document doc;
    EXPECT_EQ(loadXmlError(replaced(kExample, "<Edge Id=\"0\" PropertyCount=\"0\" />", ""), doc),
              nx::error_texts::kErrorReadingEdges);
    EXPECT_EQ(doc.space->vertexFactory().size(), 3u);
    EXPECT_EQ(doc.space->graphFactory().find(0)->order(), 2u);
}

TEST(XmlFile, MissingFileOrFolderFailsWithTheLibraryText) {
    Document doc;
    const std::string missing = outputPath("missing.nxx").string();
    const std::string folder = outputPath("folder").parent_path().string();
    for (const std::string& unreadable : {missing, folder}) {
        try {
            nx::loadXml(*doc.space, unreadable, nullptr);
            FAIL() << "loaded " << unreadable;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Error loading xml file " + unreadable + ". Failed to open file");
        }
    }
}

struct Mutation {
    const char* from;
    const char* to;
    const char* error;  // after "Error loading xml file <name>. "
};

class XmlReaderError : public testing::TestWithParam<Mutation> {};

TEST_P(XmlReaderError, FailsWithItsTextAfterTheFileName) {
    Document doc;
    EXPECT_EQ(loadXmlError(replaced(kExample, GetParam().from, GetParam().to), doc), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    EveryText, XmlReaderError,
    testing::Values(
        Mutation{"</Space>", "</Spice>", nx::error_texts::kErrorReadingEndTag},
        Mutation{"<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\n", "",
                 nx::error_texts::kIncorrectFileFormat},
        Mutation{"<?nodalyx version='1.0.0'?>\n", "", nx::error_texts::kUnknownVersion},
        Mutation{"version='1.0.0'", "version='1.0.1'", nx::error_texts::kIncorrectVersion},
        Mutation{"version='1.0.0'", "version=''", nx::error_texts::kIncorrectVersion},
        Mutation{"Space>", "Spice>", nx::error_texts::kSpaceTagMissing},
        Mutation{"<Weight />", "<Float />", "Unknown property Float"},
        Mutation{"<GraphFormalProperties Count=\"1\">", "<GraphFormalProperties Count=\"2\">",
                 nx::error_texts::kErrorReadingFormalProperties},
        Mutation{"<VertexFactory Count=\"3\">", "<VertexFactory Count=\"4\">",
                 nx::error_texts::kErrorReadingVertices},
        Mutation{"IsGraph=\"0\" PropertyCount=\"2\"", "IsGraph=\"0\" PropertyCount=\"1\"",
                 nx::error_texts::kIncorrectVertexPropertyCount},
        Mutation{"<X>50</X>\n        </Vertex>\n    </VertexFactory>", "</Vertex></VertexFactory>",
                 nx::error_texts::kErrorReadingVertexProperties},
        Mutation{"<Name>Leaf</Name>", "<Name>\xC3(</Name>", "Invalid UTF-8"},
        Mutation{"<X>50</X>\n        </Vertex>\n    </VertexFactory>",
                 "<X>5O</X></Vertex></VertexFactory>", nx::error_texts::kFailedToReadInt},
        Mutation{"<EdgeFactory Count=\"1\">", "<EdgeFactory Count=\"99999999999\">",
                 nx::error_texts::kErrorReadingEdges},
        Mutation{"PropertyCount=\"1\">\n            <Weight>", "PropertyCount=\"2\">\n<Weight>",
                 nx::error_texts::kIncorrectEdgePropertyCount},
        Mutation{"<Weight>1</Weight>", "", "Error reading edge properties"},
        Mutation{"SecondVertexId=\"2\"", "SecondVertexId=\"3\"",
                 "Edge 0 names vertex 3, which does not exist"},
        Mutation{"FirstVertexId=\"1\"", "FirstVertexId=\"-1\"",
                 "Edge 0 names vertex 18446744073709551615, which does not exist"},
        Mutation{"<Graph Id=\"0\"", "<Graph Id=\"1\"", nx::error_texts::kIncorrectGraphId},
        Mutation{"<Graph Id=\"0\"", "<Graph Id=\"3\"", nx::error_texts::kIncorrectGraphId},
        Mutation{"<GraphFactory Count=\"1\">", "<GraphFactory Count=\"2\">",
                 nx::error_texts::kErrorReadingVertices},
        Mutation{"IsGraph=\"1\" PropertyCount=\"1\"", "IsGraph=\"1\" PropertyCount=\"2\"",
                 nx::error_texts::kPropertyDoesNotExist},
        Mutation{"<Name>Main</Name>\n            <Vertices Count=\"2\">\n"
                 "                <Vertex Id=\"1\" PropertyCount=\"0\" />\n"
                 "                <Vertex Id=\"2\" PropertyCount=\"0\" />\n"
                 "            </Vertices>\n            <Edges Count=\"1\">\n"
                 "                <Edge Id=\"0\" PropertyCount=\"0\" />\n            </Edges>",
                 "", nx::error_texts::kErrorReadingVertexProperties},
        Mutation{"<Vertices Count=\"2\">", "<Vertices Count=\"3\">",
                 nx::error_texts::kErrorReadingVertices},
        Mutation{"<Vertex Id=\"2\" PropertyCount=\"0\" />",
                 "<Vertex Id=\"2\" PropertyCount=\"1\" />", nx::error_texts::kPropertyDoesNotExist},
        Mutation{"<Vertex Id=\"2\" PropertyCount=\"0\" />",
                 "<Vertex Id=\"4\" PropertyCount=\"0\" />",
                 "Graph 0 names vertex 4, which does not exist"},
        Mutation{"<Edges Count=\"1\">", "<Edges Count=\"2\">", nx::error_texts::kErrorReadingEdges},
        Mutation{"<Edge Id=\"0\" PropertyCount=\"0\" />", "<Edge Id=\"1\" PropertyCount=\"0\" />",
                 "Graph 0 names edge 1, which does not exist"}));

}  // namespace
}  // namespace nx::test
