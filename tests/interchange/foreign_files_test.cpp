// Files written by other tools: what each maps to and what is reported as ignored.
#include <gtest/gtest.h>

#include "interchange_fixture.h"

namespace interchange_test {
namespace {

using Positions = std::map<std::string, std::pair<int, int>>;

TEST(ForeignFiles, DotWithClustersChainsAndAttributes) {
    Engine e;
    const nx::ImportResult r = nx::importGraph(e.engine, dataPath("clusters.dot"), nx::GraphFormat::Dot);
    EXPECT_EQ(e.names(), (std::vector<std::string>{"Parse\nsources", "lex", "emit step", "link",
                                                    "check", "optimise", "Report \"all\""}));
    EXPECT_EQ(e.edges(), (std::multiset<EdgeKey>{{"lex", "Parse\nsources", ""},
                                                 {"Parse\nsources", "check", ""},
                                                 {"check", "emit step", "ok"},
                                                 {"check", "optimise", "ok"},
                                                 {"optimise", "emit step", ""},
                                                 {"emit step", "link", ""},
                                                 {"check", "Report \"all\"", "errors"}}));
    EXPECT_EQ(r.warnings,
              (std::vector<std::string>{
                  "ignored 4 graph attributes: color, fontname, label, rankdir",
                  "ignored 3 node attributes: fillcolor, shape, style",
                  "ignored 3 edge attributes: color, style, weight"}));
    // No positions and no forest: the force-directed layout, starting at the margins.
    EXPECT_TRUE(r.laidOut);
    int minX = INT32_MAX, minY = INT32_MAX;
    for (const auto& [name, p] : e.positions()) {
        minX = std::min(minX, p.first);
        minY = std::min(minY, p.second);
    }
    EXPECT_EQ(minX, 50);
    EXPECT_EQ(minY, 50);
}

TEST(ForeignFiles, DotDrawnByGraphvizTurnsPointsIntoPixelsAndYDownwards) {
    Engine e;
    const nx::ImportResult r = nx::importGraph(e.engine, dataPath("drawn.dot"), nx::GraphFormat::Dot);
    // 27 points = 36 pixels; y measured down from the bounding box's top (180 points).
    EXPECT_EQ(e.positions(), (Positions{{"a", {36, 24}}, {"b", {36, 120}}, {"c", {36, 216}}}));
    EXPECT_FALSE(r.laidOut);
    EXPECT_EQ(r.warnings, (std::vector<std::string>{"ignored 2 node attributes: height, width",
                                                    "ignored 1 edge attribute: pos"}));
}

TEST(ForeignFiles, YedGraphMlGeometryCentresAndLabels) {
    Engine e;
    const nx::ImportResult r =
        nx::importGraph(e.engine, dataPath("yed.graphml"), nx::GraphFormat::GraphML);
    EXPECT_EQ(e.names(), (std::vector<std::string>{"Start & go", "Left", "Right"}));
    EXPECT_EQ(e.positions(),
              (Positions{{"Start & go", {130, 55}}, {"Left", {65, 140}}, {"Right", {185, 135}}}));
    EXPECT_EQ(e.edges(), (std::multiset<EdgeKey>{{"Start & go", "Left", "yes"},
                                                 {"Start & go", "Right", ""},
                                                 {"Left", "Right", ""}}));
    EXPECT_EQ(r.warnings, (std::vector<std::string>{"ignored 1 graph attribute: Description",
                                                    "ignored 1 node attribute: description",
                                                    "ignored 1 edge attribute: description"}));
}

TEST(ForeignFiles, CytoscapeExportNamesAndPositions) {
    Engine e;
    const nx::ImportResult r =
        nx::importGraph(e.engine, dataPath("cytoscape.json"), nx::GraphFormat::Json);
    EXPECT_EQ(e.names(), (std::vector<std::string>{"TP53", "MDM2", "ATM"}));
    EXPECT_EQ(e.positions(),
              (Positions{{"TP53", {-75, 20}}, {"MDM2", {125, -60}}, {"ATM", {0, 180}}}));
    EXPECT_EQ(e.edges(), (std::multiset<EdgeKey>{{"TP53", "MDM2", "TP53 (pp) MDM2"},
                                                 {"ATM", "TP53", "ATM (pp) TP53"}}));
    EXPECT_EQ(r.warnings,
              (std::vector<std::string>{
                  "ignored 4 graph attributes: data, format_version, generated_by, "
                  "target_cytoscapejs_version",
                  "ignored 4 node attributes: SUID, degree, selected, shared_name",
                  "ignored 5 edge attributes: SUID, interaction, selected, shared_interaction, "
                  "shared_name"}));
}

TEST(ForeignFiles, FlatJsonArraysMayListEdgesBeforeTheirNodes) {
    for (const std::string& wrap : {std::string("%"), std::string("{\"elements\": %}")}) {
        std::string text = wrap;
        text.replace(text.find('%'), 1,
                     R"([{"group": "nodes", "data": {"id": "a"}},
                         {"data": {"id": "e1", "source": "a", "target": "b", "label": "ab"}},
                         {"data": {"id": "b", "label": "Bee"}, "position": {"x": 1, "y": 2}}])");
        Engine e;
        nx::importGraph(e.engine, writeFile("flat.json", text), nx::GraphFormat::Json);
        EXPECT_EQ(e.names(), (std::vector<std::string>{"a", "Bee"})) << wrap;
        EXPECT_EQ(e.edges(), (std::multiset<EdgeKey>{{"a", "Bee", "ab"}})) << wrap;
    }
}

TEST(ForeignFiles, SpreadsheetCsvWithQuotesCrLfAndALoneVertex) {
    Engine e;
    const nx::ImportResult r =
        nx::importGraph(e.engine, dataPath("spreadsheet.csv"), nx::GraphFormat::Csv);
    EXPECT_EQ(e.names(),
              (std::vector<std::string>{"Smith, J.", "Doe, A.", "Lee", "two\r\nlines", "Solo"}));
    EXPECT_EQ(e.edges(), (std::multiset<EdgeKey>{{"Smith, J.", "Doe, A.", "said \"hi\""},
                                                 {"Doe, A.", "Lee", ""},
                                                 {"Lee", "two\r\nlines", "ok"}}));
    EXPECT_EQ(r.warnings, (std::vector<std::string>{"ignored 1 edge attribute: Weight"}));
    // A forest without positions: the hierarchical layout puts each root at the top.
    EXPECT_TRUE(r.laidOut);
    EXPECT_EQ(e.positions()["Smith, J."].second, 50);
    EXPECT_EQ(e.positions()["Lee"].second, 50 + 2 * static_cast<int>(e.engine.layerSeparation()));
}

TEST(ForeignFiles, EdgeListHeaderDetectedGivenOrAbsent) {
    const std::string path = writeFile("header.tsv", "from\tto\nx\ty\n");
    struct Row {
        nx::EdgeListOptions::Header header;
        std::multiset<EdgeKey> edges;
    };
    for (const Row& row : {Row{nx::EdgeListOptions::Header::Detect, {{"x", "y", ""}}},
                           Row{nx::EdgeListOptions::Header::Present, {{"x", "y", ""}}},
                           Row{nx::EdgeListOptions::Header::Absent, {{"from", "to", ""}, {"x", "y", ""}}}}) {
        Engine e;
        nx::ImportOptions options;
        options.header = row.header;
        nx::importGraph(e.engine, path, nx::GraphFormat::Tsv, options);
        EXPECT_EQ(e.edges(), row.edges);
    }
    // Without a header, the first row is data and a fourth column is reported by number.
    Engine e;
    const nx::ImportResult r = nx::importGraph(
        e.engine, writeFile("plain.csv", "a,b,first,9\nb,c\n"), nx::GraphFormat::Csv);
    EXPECT_EQ(e.edges(), (std::multiset<EdgeKey>{{"a", "b", "first"}, {"b", "c", ""}}));
    EXPECT_EQ(r.warnings, (std::vector<std::string>{"ignored 1 edge attribute: column 4"}));
}

TEST(ForeignFiles, ChangesOfMeaningAreReported) {
    struct Row {
        const char* file;
        nx::GraphFormat format;
        const char* content;
        std::vector<std::string> warnings;
        std::multiset<EdgeKey> edges;
    };
    const Row rows[] = {
        {"undirected.dot", nx::GraphFormat::Dot, "graph { a -- b }\ndigraph { c }",
         {"only the first graph of the file is read",
          "undirected edges are read as directed from their first to their second node"},
         {{"a", "b", ""}}},
        {"nested.graphml", nx::GraphFormat::GraphML,
         "<graphml><graph edgedefault=\"undirected\"><node id=\"g\"><graph><node id=\"a\"/>"
         "</graph></node><edge source=\"a\" target=\"g\"/></graph><graph/></graphml>",
         {"only the first <graph> of the file is read",
          "nested graphs are read as part of the top graph",
          "undirected edges are read as directed from their source to their target"},
         {{"a", "g", ""}}},
    };
    for (const Row& row : rows) {
        Engine e;
        const nx::ImportResult r = nx::importGraph(e.engine, writeFile(row.file, row.content), row.format);
        EXPECT_EQ(r.warnings, row.warnings) << row.file;
        EXPECT_EQ(e.edges(), row.edges) << row.file;
    }
}

}  // namespace
}  // namespace interchange_test
