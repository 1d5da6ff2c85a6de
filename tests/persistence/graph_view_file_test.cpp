// The graph view's section of both document files: round trips, exact stream bytes, every
// reader error, and the view's own file.
#include <gtest/gtest.h>
#include <utf8.h>

#include <cstdlib>
#include <random>
#include <sstream>
#include <tuple>

#include "graph/graph.h"
#include "persistence/document.h"
#include "persistence/error_texts.h"
#include "persistence/graph_view_files.h"
#include "persistence/space_files.h"
#include "persistence/view_sections.h"
#include "persistence/xml_document.h"
#include "properties/error_texts.h"
#include "properties/list_separator.h"
#include "properties/properties.h"
#include "support/headless_graph_view.h"
#include "views/edge_view_factory.h"
#include "views/graph_view.h"
#include "views/vertex_view_factory.h"
#include "views/view.h"

namespace nx::test {
namespace {

// A document with the view's schemas and a view; the view's schemas start empty so that a
// reader must fill them.
struct ViewDocument : Document {
    FormalProperties vertexViewSchema, edgeViewSchema;
    HeadlessGraphView view{&vertexViewSchema, &edgeViewSchema};
};

std::string valuesText(const ActualProperties& values) {
    std::ostringstream out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (auto* s = dynamic_cast<const String*>(&values.at(i)))
            out << '"' << utf8::utf16to8(s->value) << "\" ";
        else
            values.at(i).write(out);
        out << ' ';
    }
    return out.str();
}

template <typename V>
std::string viewText(const V* view) {
    std::string text = std::to_string(view->getClassId());
    for (const std::string& value : view->getParameterValues()) text += "|" + value;
    return text;
}

// Everything the view's section stores, as text.
std::string dumpView(GraphView& view) {
    std::ostringstream out;
    out << "graph " << (view.graph() ? std::to_string(view.graph()->id) : "none") << " pen "
        << int(view.penColor().red) << ' ' << int(view.penColor().green) << ' '
        << int(view.penColor().blue) << " background " << int(view.backgroundColor().red) << ' '
        << int(view.backgroundColor().green) << ' ' << int(view.backgroundColor().blue) << '\n';
    out << "defaults " << viewText(view.defaultVertexView().get()) << ' '
        << viewText(view.defaultEdgeView().get()) << '\n';
    for (const VertexViewEntry e : view.vertexSequence())
        out << "vertex " << e.vertex->id << ": " << valuesText(*e.properties) << viewText(e.view)
            << '\n';
    for (const auto& [edge, data] : view.edgeMap())
        out << "edge " << edge->id << ": " << valuesText(*data.properties)
            << viewText(data.view.get()) << '\n';
    out << "selected";
    for (const VertexViewEntry& e : view.selectedVertices()) out << " v" << e.vertex->id;
    for (const EdgeViewEntry& e : view.selectedEdges()) out << " e" << e.edge->id;
    return out.str();
}

void save(ViewDocument& doc, Format format, const std::string& path) {
    if (format == Format::Stream)
        nx::saveStream(*doc.space, path, &doc.view);
    else
        nx::saveXml(*doc.space, path, &doc.view);
}

void load(ViewDocument& doc, Format format, const std::string& path) {
    if (format == Format::Stream)
        nx::loadStream(*doc.space, path, &doc.view);
    else
        nx::loadXml(*doc.space, path, &doc.view);
}

void expectWellFormed(const std::filesystem::path& path) {
    const std::string command = "xmllint --noout '" + path.string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << readFile(path);
}

// The rich document shown through a view with every kind of view state changed.
void buildRichView(ViewDocument& doc) {
    buildRich(doc);
    for (const char* name : {"X", "Y", "Selected", "Name"})
        doc.vertexViewSchema.addByTypeName(name);
    for (const char* name : {"Selected", "_I1", "String"}) doc.edgeViewSchema.addByTypeName(name);
    doc.view.refreshPropertyIndices();
    GraphView& view = doc.view;
    view.setGraph(doc.space->graphFactory().graphs().front());
    view.setPenColor({12, 0, 255});
    view.setBackgroundColor({1, 2, 3});
    view.setDefaultVertexView(vertexViewFactory().getCircleDotView(false, 1, 2, 3, 4, 11));
    view.setDefaultEdgeView(edgeViewFactory().getStraightEdgeView(2));

    Vertex* v1 = doc.space->vertexFactory().at(1);
    Vertex* v4 = doc.space->vertexFactory().at(4);
    view.bringToFront(v1);
    view.sendToBack(v4);
    int k = 0;
    for (const VertexViewEntry e : view.vertexSequence()) {
        setText(e.properties->at(0), std::to_string(10 * k - 5));
        setText(e.properties->at(1), std::to_string(7 * k++));
        setText(e.properties->at(3), "view, \"name\" <" + std::to_string(e.vertex->id) + ">");
    }
    view.setSelected(*view.findVertexEntry(v1), true);
    view.setSelected(*view.findVertexEntry(v4), true);
    view.setVertexView(v1, vertexViewFactory().getTriangleDotView(true, 3, 4, 1, 2, 7));
    view.setVertexView(
        v4, vertexViewFactory().getIconView(u"icons/leaf.ico", u"LEAF", 3, 1, 24, RgbColor{9, 8, 7},
                                            2, RgbColor{1, 1, 1}, 3));
    Edge* parallel = doc.space->edgeFactory().at(2);
    ActualProperties* edgeValues = view.edgeViewProperties(parallel);
    setText(edgeValues->at(0), "1");
    setText(edgeValues->at(2), "a;b,c");
    view.setEdgeView(parallel, edgeViewFactory().getStraightEdgeView(3));
    view.rebuildSelection();
}

class ViewRoundTrip : public testing::TestWithParam<std::tuple<Format, char>> {};

TEST_P(ViewRoundTrip, RestoresEveryPartOfTheViewAndSavesTheSameBytes) {
    const auto [format, separator] = GetParam();
    ScopedListSeparator scoped(separator);
    const std::string ext = format == Format::Stream ? ".nx" : ".nxx";
    const std::string name = std::string("view_") + (separator == ',' ? "comma" : "semicolon");
    const auto first = outputPath(name + ext);
    const auto second = outputPath(name + "_again" + ext);

    ViewDocument original;
    buildRichView(original);
    save(original, format, first);
    const std::string expected = dumpView(original.view);
    ASSERT_NE(expected.find("selected v4 v1 e2"), std::string::npos) << expected;

    ViewDocument copy;
    copy.vertexViewSchema.addByTypeName("Weight");  // stale content must be replaced
    load(copy, format, first);
    EXPECT_EQ(dumpView(copy.view), expected);
    EXPECT_EQ(dump(*copy.space), dump(*original.space));
    EXPECT_EQ(copy.vertexViewSchema.size(), 4u);
    EXPECT_EQ(copy.view.space(), copy.space.get());

    save(copy, format, second);
    EXPECT_EQ(readFile(second), readFile(first));
    if (format == Format::Xml) {
        expectWellFormed(first);
        // The view's own XML writer and reader agree with the document file's.
        persistence::KeepWhiteSpace keep;
        TiXmlDocument file;
        ASSERT_TRUE(file.LoadFile(first.c_str()));
        const TiXmlElement* space = file.RootElement();
        TiXmlElement built("GraphView");
        nx::saveXml(copy.view, built);
        TiXmlPrinter filed, direct, reparsed;
        space->FirstChildElement("GraphView")->Accept(&filed);
        built.Accept(&direct);
        TiXmlDocument again;  // parsed like the file, so that empty texts compare alike
        again.Parse(direct.CStr());
        again.RootElement()->Accept(&reparsed);
        EXPECT_EQ(reparsed.Str(), filed.Str());

        ViewDocument third;
        nx::loadXml(*third.space, first, nullptr);
        persistence::loadViewXml(*space, *third.space, third.view);
        EXPECT_EQ(dumpView(third.view), expected);
    }

    // Loading into the space the view already shows replaces that graph under the view.
    load(original, format, second);
    EXPECT_EQ(dumpView(original.view), expected);
}

INSTANTIATE_TEST_SUITE_P(BothFormatsBothSeparators, ViewRoundTrip,
                         testing::Combine(testing::Values(Format::Stream, Format::Xml),
                                          testing::Values(',', ';')));

// The example document (graph 0 with vertices 1 and 2 and edge 0) in a view with the
// vertex values X (50 unless set), Selected and the edge value Selected.
void buildSmallView(ViewDocument& doc) {
    buildExample(doc);
    doc.vertexViewSchema.addByTypeName("X");
    doc.vertexViewSchema.addByTypeName("Selected");
    doc.edgeViewSchema.addByTypeName("Selected");
    doc.view.refreshPropertyIndices();
    doc.view.setGraph(doc.space->graphFactory().graphs().front());
    doc.view.setDefaultVertexView(vertexViewFactory().getSquareDotView(true, 4, 4, 2, 6, 9));
    doc.view.setDefaultEdgeView(nullptr);
    doc.view.setBackgroundColor({255, 255, 240});
    Vertex* leaf = doc.space->vertexFactory().at(2);
    doc.view.bringToFront(doc.space->vertexFactory().at(1));
    setText(doc.view.vertexViewProperties(leaf)->at(0), "40");
    doc.view.setSelected(*doc.view.findVertexEntry(leaf), true);
    doc.view.rebuildSelection();
}

// The stream file's view groups for the small view, written with the separator s.
std::string smallViewGroups(char s) {
    const std::string S(1, s);
    const std::string edgeRecord = "1" + S + "4" + S + "#";
    return "Nodalyx1.0.0\n"
           "VertexViewFormalProperties" +
           S + "2" + S + "\"X\"" + S + "\"Selected\"" + S +
           "#\n"
           "EdgeViewFormalProperties" +
           S + "1" + S + "\"Selected\"" + S +
           "#\n"
           "Nodalyx1.0.0\n"
           "GraphView" +
           S + "0" + S + "0" + S + "0" + S + "0" + S + "255" + S + "255" + S + "240" + S +
           "#\n"
           "DefaultVertexView" +
           S + "1" + S + "1" + S + "4" + S + "4" + S + "2" + S + "6" + S + "9" + S +
           "#\n"
           "DefaultEdgeView" +
           S + "-1" + S +
           "#\n"
           "VertexSequence" +
           S +
           "2\n"
           "2" +
           S + "2" + S + "40" + S + "1" + S + "#" + S + "1" + S + "1" + S + "4" + S + "4" + S +
           "2" + S + "6" + S + "9" + S +
           "#\n"
           "1" +
           S + "2" + S + "50" + S + "0" + S + "#" + S + "1" + S + "1" + S + "4" + S + "4" + S +
           "2" + S + "6" + S + "9" + S +
           "#\n"
           "Edges" +
           S +
           "1\n"
           "0" +
           S + "1" + S + "0" + S + "#" + S + edgeRecord + "\n";
}

TEST(ViewStreamSection, IsWrittenLineByLineWithEitherSeparator) {
    for (const char separator : {',', ';'}) {
        ScopedListSeparator scoped(separator);
        ViewDocument doc;
        buildSmallView(doc);
        const auto path = outputPath(std::string("small_view_") + (separator == ',' ? "c" : "s"));
        nx::saveStream(*doc.space, path, &doc.view);
        const std::string bytes = readFile(path);
        const std::string groups = smallViewGroups(separator);
        ASSERT_GE(bytes.size(), groups.size());
        EXPECT_EQ(bytes.substr(bytes.size() - groups.size()), groups) << bytes;

        // "-1" for the default edge view gives the standard default on reading.
        ViewDocument copy;
        nx::loadStream(*copy.space, path, &copy.view);
        EXPECT_EQ(dumpView(copy.view), dumpView(doc.view));
        EXPECT_EQ(copy.view.edgeMap().begin()->second.view,
                  edgeViewFactory().getStraightEdgeView(4).get());
    }
}

TEST(ViewStreamSection, ARecordOfAnUnknownViewClassGivesTheDefaultView) {
    ViewDocument doc;
    buildSmallView(doc);
    const auto path = outputPath("unknown_class.nx");
    nx::saveStream(*doc.space, path, &doc.view);
    std::string bytes = readFile(path);
    const std::string record = "2,2,40,1,#,1,1,4,4,2,6,9,#\n";
    ASSERT_NE(bytes.find(record), std::string::npos);
    bytes.replace(bytes.find(record), record.size(), "2,2,40,1,#,6,1,2,3,#\n");
    writeFile(path, bytes);

    ViewDocument copy;
    nx::loadStream(*copy.space, path, &copy.view);
    Vertex* leaf = copy.space->vertexFactory().at(2);
    EXPECT_EQ(copy.view.findVertexView(leaf), copy.view.defaultVertexView().get());
    EXPECT_EQ(copy.view.edgeMap().size(), 1u);  // the lines after it were read as usual
}

// Records that repeat in runs of every length, change in their last field only, and name
// a view class this build cannot make, over a section long enough to cross the reader's
// buffer many times: every entry gets the view of its own record.
TEST(ViewStreamSection, RepeatedAndChangingRecordsGiveEachEntryItsOwnView) {
    for (const char separator : {',', ';'}) {
        ScopedListSeparator scoped(separator);
        const std::string S(1, separator);
        ViewDocument doc;
        buildSmallView(doc);
        Graph* graph = doc.view.graph();
        Vertex* previous = doc.space->vertexFactory().at(2);
        for (int i = 0; i < 3000; ++i) {
            Vertex* next = doc.space->vertexFactory().create();
            graph->addEdge(*doc.space->edgeFactory().create(previous, next));
            previous = next;
        }
        doc.view.synchronize();
        const ViewRef<VertexView> vertexViews[] = {
            vertexViewFactory().getSquareDotView(true, 4, 4, 2, 6, 9),
            vertexViewFactory().getSquareDotView(true, 4, 4, 2, 6, 10),
            vertexViewFactory().getCircleDotView(false, 1, 2, 3, 4, 11),
            vertexViewFactory().getIconView(u"icons/leaf.ico", u"LEAF", 3, 1, 24, RgbColor{9, 8, 7},
                                            2, RgbColor{1, 1, 1}, 3)};
        std::mt19937 random(5);
        std::size_t kind = 0;
        for (const VertexViewEntry e : doc.view.vertexSequence()) {
            if (random() % 3 == 0) kind = random() % 4;
            setText(e.properties->at(0), std::to_string(random() % 1000));
            doc.view.setVertexView(e.vertex, vertexViews[kind]);
        }
        for (const auto& [edge, data] : doc.view.edgeMap())
            if (random() % 4 == 0)
                doc.view.setEdgeView(edge, edgeViewFactory().getStraightEdgeView(random() % 3));
        const auto path =
            outputPath(std::string("repeated_records_") + (separator == ',' ? "c" : "s"));
        nx::saveStream(*doc.space, path, &doc.view);

        // Every 97th vertex record becomes one of an unknown class: the default view.
        std::string bytes = readFile(path);
        std::size_t at = bytes.find("VertexSequence");
        for (int k = 0; k < 3002; ++k) {
            at = bytes.find('\n', at) + 1;
            if (k % 97 != 50) continue;
            const std::size_t record = bytes.find(S + "#" + S, at) + 3;
            bytes.replace(record, bytes.find('\n', at) - record, "6" + S + "1" + S + "#");
            Vertex* vertex = doc.view.vertexSequence()[static_cast<std::size_t>(k)].vertex;
            doc.view.setVertexView(vertex, doc.view.defaultVertexView());
        }
        writeFile(path, bytes);

        ViewDocument copy;
        nx::loadStream(*copy.space, path, &copy.view);
        EXPECT_EQ(dumpView(copy.view), dumpView(doc.view));
    }
}

TEST(ViewXmlSection, AViewElementOfAnUnknownClassGivesTheDefaultView) {
    ViewDocument doc;
    buildSmallView(doc);
    const auto path = outputPath("unknown_class.nxx");
    nx::saveXml(*doc.space, path, &doc.view);
    std::string bytes = readFile(path);
    const std::string from = "<Vertex Id=\"2\">";
    const std::size_t at = bytes.find("<View ClassId=\"1\"", bytes.find(from));
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, 18, "<View ClassId=\"9\"");
    writeFile(path, bytes);

    ViewDocument copy;
    nx::loadXml(*copy.space, path, &copy.view);
    EXPECT_EQ(copy.view.findVertexView(copy.space->vertexFactory().at(2)),
              copy.view.defaultVertexView().get());
}

TEST(ViewFiles, AViewWithoutAGraphReadsBackWithoutAGraph) {
    for (const Format format : {Format::Stream, Format::Xml}) {
        ViewDocument doc;
        buildExample(doc);
        const auto path = outputPath(format == Format::Stream ? "no_graph.nx" : "no_graph.nxx");
        save(doc, format, path);
        ViewDocument copy;
        buildSmallView(copy);
        load(copy, format, path);
        EXPECT_EQ(copy.view.graph(), nullptr);
        EXPECT_TRUE(copy.view.vertexSequence().empty());
        if (format == Format::Xml) expectWellFormed(path);
    }
}

// Positions beyond the device coordinate range, at whichever level the view reads them,
// come back clamped to it; positions inside it are kept.
TEST(ViewFiles, PositionsBeyondTheCoordinateRangeAreClampedOnLoad) {
    const Point written[] = {{2000000000, -2147483647 - 1}, {-5, 7}, {1000000001, 2147483647}};
    const Point read[] = {{1000000000, -1000000000}, {-5, 7}, {1000000000, 1000000000}};
    for (const Format format : {Format::Stream, Format::Xml})
        for (const bool viewLevel : {true, false}) {
            SCOPED_TRACE(std::string(format == Format::Stream ? "stream" : "xml") +
                         (viewLevel ? ", view level" : ", graph level"));
            ViewDocument doc;
            for (const char* name : {"X", "Y"})
                (viewLevel ? doc.vertexViewSchema : doc.graphVertexSchema).addByTypeName(name);
            doc.view.refreshPropertyIndices();
            buildExample(doc);
            Graph* graph = doc.space->graphFactory().graphs().front();
            graph->addVertex(*doc.space->vertexFactory().create());
            doc.view.setGraph(graph);
            std::size_t i = 0;
            for (const VertexViewEntry e : doc.view.vertexSequence()) {
                doc.view.setX(e.vertex, e.properties, written[i].x);
                doc.view.setY(e.vertex, e.properties, written[i++].y);
            }
            const auto path = outputPath(format == Format::Stream ? "far.nx" : "far.nxx");
            save(doc, format, path);
            ViewDocument copy;
            load(copy, format, path);
            ASSERT_EQ(copy.view.vertexSequence().size(), 3u);
            i = 0;
            for (const VertexViewEntry e : copy.view.vertexSequence()) {
                EXPECT_EQ(copy.view.getX(e.vertex, e.properties), read[i].x) << i;
                EXPECT_EQ(copy.view.getY(e.vertex, e.properties), read[i++].y) << i;
            }
        }
}

struct Corruption {
    const char* from;
    const char* to;
    const char* error;
    const char* from2 = nullptr;  // a second replacement after the first
    const char* to2 = nullptr;
};

// Saves the small view with ',', applies the corruption and answers the reader's error.
std::string loadError(Format format, const Corruption& c) {
    ViewDocument doc;
    buildSmallView(doc);
    // A vertex outside the shown graph, so that an entry can name it.
    doc.space->vertexFactory().create();
    const auto path = outputPath(format == Format::Stream ? "corrupt.nx" : "corrupt.nxx");
    save(doc, format, path);
    std::string bytes = readFile(path);
    const std::size_t at = bytes.find(c.from);
    if (at == std::string::npos) return std::string("test text lacks ") + c.from;
    bytes.replace(at, std::string(c.from).size(), c.to);
    if (c.from2) {
        const std::size_t at2 = bytes.find(c.from2, at);
        if (at2 == std::string::npos) return std::string("test text lacks ") + c.from2;
        bytes.replace(at2, std::string(c.from2).size(), c.to2);
    }
    writeFile(path, bytes);
    ViewDocument copy;
    try {
        load(copy, format, path);
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

TEST(ViewStreamSection, EveryReaderErrorHasItsText) {
    const Corruption cases[] = {
        {"GraphView,0,", "GraphView,x,", "Failed to read a value of type 'unsigned long long'"},
        {"GraphView,0,0,0,", "GraphView,0,0,256,",
         "Failed to read a value of type 'nx::RgbColor' from input stream. Failed to read a "
         "value of type 'unsigned int'"},
        {"255,240,#", "255,240,!", nx::error_texts::kFailedToReadEndMark},
        {"DefaultVertexView,", "DefaultVertex,",
         "Failed to read \"DefaultVertexView\" from input stream"},
        {"DefaultEdgeView,", "DefaultEdges,",
         "Failed to read \"DefaultEdgeView\" from input stream"},
        {"DefaultEdgeView,-1,#", "DefaultEdgeView,-1,!", nx::error_texts::kFailedToReadEndMark},
        {"VertexSequence,", "VertexSeq,", "Failed to read \"VertexSequence\" from input stream"},
        {"VertexSequence,2", "VertexSequence,3",
         "Incorrect number of vertices.\n\tVertex count read from file: 3\n\tVertex sequence "
         "size: 2\n\tVertex view map size: 2\n"},
        {"\n2,2,40,1,#", "\n3,2,40,1,#",
         "Vertex 3 not found in VertexViewMap[2]\nGraph 0 order = 2\n"},
        {"\n2,2,40,1,#", "\n2,1,40,#", nx::error_texts::kIncorrectPropertyCount},
        {"\n2,2,40,1,#", "\n2,2,40,yes,#", nx::error_texts::kFailedToReadInt},
        {"\n2,2,40,1,#", "\n2,2,40,1,!", nx::error_texts::kFailedToReadEndMark},
        {"Edges,", "Edge,", "Failed to read \"Edges\" from input stream"},
        {"Edges,1\n0,", "Edges,1\n5,", nx::error_texts::kEdgeNotFound},
        {"Edges,1\n0,1,", "Edges,1\n0,2,", nx::error_texts::kIncorrectPropertyCount},
        {"Edges,1\n", "Edges,99999999999\n", "Failed to read a value of type 'unsigned long long'"},
        {"\nGraphView,", "\nGraphViews,", "Failed to read \"GraphView\" from input stream"},
    };
    for (const Corruption& c : cases) EXPECT_EQ(loadError(Format::Stream, c), c.error) << c.to;
}

TEST(ViewXmlSection, EveryReaderErrorHasItsText) {
    const Corruption cases[] = {
        {"GraphId=\"0\"", "GraphId=\"1\"", nx::error_texts::kIncorrectViewGraphId},
        {"<VertexSequence Count=\"2\"", "<VertexSequence Count=\"-1\"",
         "Incorrect number of vertices.\n\tVertex count read from file: -1\n\tVertex sequence "
         "size: 2\n\tVertex view map size: 2\n"},
        {"<Vertex Id=\"1\">", "<Vertex Id=\"3\">",
         "Vertex 3 not found in VertexViewMap[2]\nGraph 0 order = 2\n"},
        {"<Properties PropertyCount=\"2\">\n                    <X>50",
         "<Properties PropertyCount=\"1\">\n                    <X>50",
         nx::error_texts::kIncorrectPropertyCount},
        {"<Vertex Id=\"1\">", "<!--", nx::error_texts::kErrorReadingVertices,
         "</Vertex>\n        </Vertex", "-->\n        </Vertex"},
        {"<Selected>1</Selected>", "", nx::error_texts::kErrorReadingVertexProperties},
        {"<Edges Count=\"1\">", "<Edges Count=\"2\">", nx::error_texts::kErrorReadingEdges},
        {"<Edge Id=\"0\">", "<Edge Id=\"1\">", nx::error_texts::kEdgeNotFound},
        {"<Properties PropertyCount=\"1\">\n                    <Selected>0</Selected>\n"
         "                </Properties>",
         "<Properties PropertyCount=\"1\" />", "Error reading edge properties"},
    };
    const std::string prefix =
        "Error loading xml file " + outputPath("corrupt.nxx").string() + ". ";
    for (const Corruption& c : cases)
        EXPECT_EQ(loadError(Format::Xml, c), prefix + c.error) << c.to;
}

TEST(ViewXmlSection, AFileWithoutAViewElementLeavesTheViewAsItIs) {
    ViewDocument shown;
    buildSmallView(shown);
    ViewDocument other;
    buildExample(other);
    const auto path = outputPath("no_view.nxx");
    nx::saveXml(*other.space, path, nullptr);
    const std::string before = dumpView(shown.view);
    nx::loadXml(*other.space, path, &shown.view);
    EXPECT_EQ(dumpView(shown.view), before);
}

TEST(ViewOwnFile, HoldsTheWordAndTheSectionAndReadsOnlyTheFirstLine) {
    ViewDocument doc;
    buildSmallView(doc);
    const auto path = outputPath("view_only.nxv");
    nx::saveToFile(doc.view, path);
    const std::string groups = smallViewGroups(',');
    EXPECT_EQ(readFile(path), "Nodalyx\n" + groups.substr(groups.find("GraphView,") + 10));
    const std::string before = dumpView(doc.view);
    EXPECT_EQ(nx::loadFromFile(doc.view, path), "Nodalyx");
    EXPECT_EQ(dumpView(doc.view), before);

    const std::string missing = (outputPath("none") / "view.nxv").string();
    const std::pair<std::function<void()>, std::string> failures[] = {
        {[&] { nx::saveToFile(doc.view, missing); },
         "nx::GraphView error: Failed to open output file " + missing + " for writing"},
        {[&] { nx::loadFromFile(doc.view, missing); },
         "nx::GraphView error: Failed to open input file " + missing + " for reading"},
    };
    for (const auto& [call, text] : failures) {
        try {
            call();
            ADD_FAILURE() << "no error for " << text;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(e.what(), text);
        }
    }
}

}  // namespace
}  // namespace nx::test
