// Ours -> format -> ours: names, edges (with their names) and positions survive, the
// imported document is a standard one, and exporting it again gives the same bytes.
#include <gtest/gtest.h>

#include <cstdlib>

#include "interchange_fixture.h"

namespace interchange_test {
namespace {

struct Case {
    nx::GraphFormat format;
    const char* file;
    bool keepsPositions;  // edge lists carry none
    bool keepsEmptyNames;  // edge lists name vertices by their names
};

class RoundTrip : public ::testing::TestWithParam<Case> {};

// Texts each format must quote or escape, a diamond, parallel edges and a self-loop.
void buildDocument(Engine& e, bool withEmptyName) {
    e.newDocument();
    const auto a = e.vertex("A", 195, 50);
    const auto b = e.vertex("B, the \"second\"", 50, 130);
    const auto c = e.vertex("C\\back\\N", -20, 130);
    const auto d = e.vertex("\xC3\x9Cn\xC3\xAF \xE2\x9C\x93 <&> ' ", 340, 7);
    const auto f = e.vertex("multi\nline\ttab", 115, 210);
    e.edge(a, b, "first");
    e.edge(a, b, "x,y \"q\"\nz");
    e.edge(a, c);
    e.edge(b, d, "\\n stays");
    e.edge(c, d);
    e.edge(d, f);
    e.edge(f, f, "loop");
    if (withEmptyName) e.edge(f, e.vertex("", 10, 20));
}

TEST_P(RoundTrip, KeepsNamesEdgesAndPositions) {
    const Case c = GetParam();
    Engine ours;
    buildDocument(ours, c.keepsEmptyNames);
    const std::string first = outputPath(std::string("round_trip.") + c.file);
    EXPECT_TRUE(nx::exportGraph(ours.engine, first, c.format).empty());
    if (c.format == nx::GraphFormat::GraphML) {  // well-formed for every XML tool
        EXPECT_EQ(std::system(("xmllint --noout '" + first + "'").c_str()), 0);
    }

    Engine back;
    back.newDocument();
    const nx::ImportResult result = nx::importGraph(back.engine, first, c.format);
    EXPECT_TRUE(result.warnings.empty()) << result.warnings.front();
    EXPECT_EQ(back.edges(), ours.edges());
    EXPECT_EQ(back.schemas(), ours.schemas());
    if (c.keepsPositions) {
        EXPECT_EQ(back.names(), ours.names());
        EXPECT_EQ(back.positions(), ours.positions());
        EXPECT_FALSE(result.laidOut);
    } else {
        EXPECT_TRUE(result.laidOut);
    }
    // The imported document writes the same file again.
    const std::string second = outputPath(std::string("round_trip_again.") + c.file);
    nx::exportGraph(back.engine, second, c.format);
    EXPECT_EQ(readFile(second), readFile(first));
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip,
                         ::testing::Values(Case{nx::GraphFormat::GraphML, "graphml", true, true},
                                           Case{nx::GraphFormat::Dot, "dot", true, true},
                                           Case{nx::GraphFormat::Json, "json", true, true},
                                           Case{nx::GraphFormat::Csv, "csv", false, false},
                                           Case{nx::GraphFormat::Tsv, "tsv", false, false}),
                         [](const auto& info) { return std::string(info.param.file); });

TEST(EdgeListExport, NamesThatCannotBeIdsFallBackToIdsWithAWarning) {
    Engine ours;
    ours.newDocument();
    const auto a = ours.vertex("same", 0, 0);
    ours.edge(a, ours.vertex("same", 0, 0));
    ours.vertex("alone", 0, 0);
    const std::string path = outputPath("duplicate_names.csv");
    const std::vector<std::string> warnings = nx::exportGraph(ours.engine, path, nx::GraphFormat::Csv);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0],
              "vertex names are empty or not unique: the edge list names vertices by their ids");
    EXPECT_EQ(readFile(path), "source,target,label\nn1,n2,\nn3\n");
}

}  // namespace
}  // namespace interchange_test
