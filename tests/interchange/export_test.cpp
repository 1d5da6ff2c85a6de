// Exports replace a file only when complete: a failure keeps the old file and leaves no
// temporary file behind.
#include <gtest/gtest.h>

#include "interchange/error_texts.h"
#include "interchange_fixture.h"

using namespace ramulo;

namespace interchange_test {
namespace {

TEST(Export, AFailureKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const std::string path = writeFile("kept.graphml", "old");
    Engine e;
    e.newDocument();
    e.vertex("bell\a", 0, 0);
    EXPECT_EQ(errorOf([&] { nx::exportGraph(e.engine, path, nx::GraphFormat::GraphML); }),
              "The text 'bell\a' holds a control character that XML cannot carry");
    EXPECT_EQ(readFile(path), "old");
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(path).parent_path()))
        EXPECT_EQ(entry.path().filename().string().find("kept.graphml.tmp"), std::string::npos);
    // The same document goes to a format that carries the text.
    nx::exportGraph(e.engine, path, nx::GraphFormat::Json);
    EXPECT_NE(readFile(path).find("bell\\u0007"), std::string::npos);
}

TEST(Export, NamesTheFileItCannotWriteAndNeedsADocument) {
    Engine e;
    e.newDocument();
    EXPECT_EQ(errorOf([&] { nx::exportGraph(e.engine, "/no/such/dir/x.dot", nx::GraphFormat::Dot); }),
              "Failed to open output file /no/such/dir/x.dot for writing");
    Engine empty;
    EXPECT_EQ(
        errorOf([&] { nx::exportGraph(empty.engine, outputPath("x.dot"), nx::GraphFormat::Dot); }),
        nx::error_texts::kNoDocumentToExport);
}

}  // namespace
}  // namespace interchange_test
