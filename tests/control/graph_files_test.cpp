// Graph files through a control: import, export and back, and failures that keep the document.
#include <filesystem>

#include "control_fixture.h"
#include "ramulo/graph_files.h"
#include "support/error_of.h"

namespace {

using control_test::ShownControl;
using test_support::errorOf;

using GraphFiles = ShownControl;

TEST_F(GraphFiles, ExportedGraphsComeBackWithTheirShape) {
    const std::uint32_t vertices = control.GetVertexCount(0);
    const std::uint32_t edges = control.GetEdgeCount(0);
    ASSERT_GT(edges, 0u);
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "ramulo-graph-files";
    std::filesystem::create_directories(dir);
    for (const char* name : {"g.graphml", "g.dot", "g.csv", "g.json"}) {
        SCOPED_TRACE(name);
        const std::string path = (dir / name).string();
        ramulo::exportGraphFile(control, path);
        control.LoadTest(0);
        ramulo::importGraphFile(control, path);
        EXPECT_EQ(control.GetVertexCount(0), vertices);
        EXPECT_EQ(control.GetEdgeCount(0), edges);
        EXPECT_FALSE(control.isModified());
    }
    // The format named instead of the extension.
    const std::string table = (dir / "g.txt").string();
    std::filesystem::copy_file(dir / "g.csv", table,
                               std::filesystem::copy_options::overwrite_existing);
    ramulo::importGraphFile(control, table, "CSV");
    EXPECT_EQ(control.GetEdgeCount(0), edges);
    std::filesystem::remove_all(dir);
}

TEST_F(GraphFiles, FailuresNameTheCauseAndKeepTheDocument) {
    const std::uint32_t vertices = control.GetVertexCount(0);
    EXPECT_EQ(errorOf([&] { ramulo::importGraphFile(control, "g.txt"); }),
              "No graph format has the extension of 'g.txt' (known: graphml, dot, gv, csv, tsv, "
              "json)");
    EXPECT_EQ(errorOf([&] { ramulo::importGraphFile(control, "g.csv", "xls"); }),
              "Unknown graph format 'xls' (known: graphml, dot, gv, csv, tsv, json)");
    EXPECT_EQ(errorOf([&] { ramulo::exportGraphFile(control, "g.nxx"); }),
              "No graph format has the extension of 'g.nxx' (known: graphml, dot, gv, csv, tsv, "
              "json)");
    EXPECT_NE(errorOf([&] { ramulo::importGraphFile(control, "/no/such/file.graphml"); }), "");
    EXPECT_EQ(control.GetVertexCount(0), vertices);
}

}  // namespace
