// The stream file: exact bytes, the header rules, every reader error and the odd inputs.
#include <gtest/gtest.h>

#include <filesystem>

#include <stdexcept>
#include <string>
#include <vector>

#include "persistence/document.h"
#include "persistence/error_texts.h"
#include "persistence/space_files.h"
#include "properties/error_texts.h"
#include "properties/list_separator.h"
#include "properties/properties.h"

namespace nx::test {
namespace {

const std::vector<std::string> kExampleLines = {
    "Nodalyx1.0.0",
    "VertexFormalProperties,2,\"Name\",\"X\",#",
    "EdgeFormalProperties,1,\"Weight\",#",
    "GraphFormalProperties,1,\"Name\",#",
    "GraphVertexFormalProperties,0,#",
    "GraphEdgeFormalProperties,0,#",
    "Nodalyx1.0.0",
    "VertexFactory,3",
    "0,1,2,,50,#",
    "1,0,2,Root,50,#",
    "2,0,2,Leaf,50,#",
    "EdgeFactory,1",
    "0,1,2,1,1,#",
    "GraphFactory,1",
    "0,1,Main,#",
    "2",
    "1,0,#",
    "2,0,#",
    "1",
    "0,0,#",
};

std::string join(const std::vector<std::string>& lines, const char* end = "\n") {
    std::string text;
    for (const std::string& line : lines) text += line + end;
    return text;
}

std::string loadError(const std::string& bytes, Document& doc) {
    const auto path = outputPath("broken.nx");
    writeFile(path, bytes);
    try {
        nx::loadStream(*doc.space, path, nullptr);
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(StreamFile, ExampleDocumentIsWrittenByteForByte) {
    Document doc;
    buildExample(doc);
    const auto path = outputPath("example.nx");
    nx::saveStream(*doc.space, path, nullptr);
    EXPECT_EQ(readFile(path), join(kExampleLines));
}

TEST(StreamFile, EmptySpaceIsTheTwoHeadersTheSchemasAndThreeEmptySections) {
    Document doc;
    const auto path = outputPath("empty.nx");
    nx::saveStream(*doc.space, path, nullptr);
    EXPECT_EQ(readFile(path),
              join({"Nodalyx1.0.0", "VertexFormalProperties,0,#", "EdgeFormalProperties,0,#",
                    "GraphFormalProperties,0,#", "GraphVertexFormalProperties,0,#",
                    "GraphEdgeFormalProperties,0,#", "Nodalyx1.0.0", "VertexFactory,0",
                    "EdgeFactory,0", "GraphFactory,0"}));
}

TEST(StreamFile, SemicolonSeparatesEveryField) {
    ScopedListSeparator semicolon(';');
    Document doc;
    buildExample(doc);
    const auto path = outputPath("example_semicolon.nx");
    nx::saveStream(*doc.space, path, nullptr);
    std::string expected = join(kExampleLines);
    for (char& c : expected)
        if (c == ',') c = ';';
    EXPECT_EQ(readFile(path), expected);
}

// The example read back, also with CR LF line ends and another version after the word.
TEST(StreamFile, ExampleReadsBackFromLfCrLfAndOtherVersionHeaders) {
    Document original;
    buildExample(original);
    std::vector<std::string> otherVersion = kExampleLines;
    otherVersion[0] = otherVersion[6] = "Nodalyx1.0.1";
    for (const std::string& bytes :
         {join(kExampleLines), join(kExampleLines, "\r\n"), join(otherVersion)}) {
        Document doc;
        EXPECT_EQ(loadError(bytes, doc), "(no error)");
        EXPECT_EQ(dump(*doc.space), dump(*original.space));
        Graph* graph = doc.space->graphFactory().find(0);
        ASSERT_NE(graph, nullptr);
        EXPECT_FALSE(graph->incidenceDirty());
    }
}

TEST(StreamFile, MissingHeaderSkipsItsGroupSilently) {
    // Without the first header the schemas stay as they were; the rest still reads.
    Document doc;
    buildExample(doc);
    std::vector<std::string> lines(kExampleLines.begin() + 6, kExampleLines.end());
    lines.insert(lines.begin(), "not a header");
    EXPECT_EQ(loadError(join(lines), doc), "(no error)");
    EXPECT_EQ(doc.space->vertexFactory().size(), 3u);
}

struct BrokenLine {
    std::size_t line;  // index into the example, replaced by text
    const char* text;
    const char* error;
};

class StreamReaderError : public testing::TestWithParam<BrokenLine> {};

TEST_P(StreamReaderError, FailsWithItsText) {
    std::vector<std::string> lines = kExampleLines;
    lines[GetParam().line] = GetParam().text;
    Document doc;
    EXPECT_EQ(loadError(join(lines), doc), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    EveryText, StreamReaderError,
    testing::Values(
        BrokenLine{1, "VertexFormalProperties,x,#", nx::error_texts::kFailedToReadFormalCount},
        BrokenLine{1, "VertexFormalProperties,1,\"Float\",#", "Unknown property Float"},
        BrokenLine{2, "EdgeFormalProperties,1,\"Weight\",!", nx::error_texts::kFailedToReadEndMark},
        BrokenLine{7, "VertexFactories,3", "Failed to read \"VertexFactory\" from input stream"},
        BrokenLine{7, "VertexFactory,three", "Failed to read vertex count"},
        BrokenLine{9, "x,0,2,a,b,#", "Failed to read vertex Id"},
        BrokenLine{9, "0,yes,2,a,b,#", "Failed to read isGraph flag"},
        BrokenLine{9, "1,0,,Root,50,#", "Failed to read vertex property count"},
        BrokenLine{9, "1,0,1,Root,#", nx::error_texts::kIncorrectVertexPropertyCount},
        BrokenLine{9, "1,0,2,a,b,!", nx::error_texts::kFailedToReadInt},
        BrokenLine{9, "1,0,2,a,50,!", nx::error_texts::kFailedToReadEndMark},
        BrokenLine{9, "1,0,2,\xC3(,50,#", "Invalid UTF-8"},
        BrokenLine{11, "EdgeFactory;1", "Failed to read \"EdgeFactory\" from input stream"},
        BrokenLine{11, "EdgeFactory,-1", "Failed to read edge count"},
        BrokenLine{12, "e,1,2,1,1,#", "Failed to read edge Id"},
        BrokenLine{12, "0,one,2,1,1,#", "Failed to read first vertex Id"},
        BrokenLine{12, "0,1,two,1,1,#", "Failed to read second vertex Id"},
        BrokenLine{12, "0,1,2,,1,#", "Failed to read edge property count"},
        BrokenLine{12, "0,1,2,2,1,1,#", nx::error_texts::kIncorrectEdgePropertyCount},
        BrokenLine{12, "0,1,9,1,1,#", "Edge 0 names vertex 9, which does not exist"},
        BrokenLine{12, "0,7,2,1,1,#", "Edge 0 names vertex 7, which does not exist"},
        BrokenLine{13, "GraphFactory", "Failed to read \"GraphFactory\" from input stream"},
        BrokenLine{13, "GraphFactory,", "Failed to read graph count"},
        BrokenLine{14, "g,1,Main,#", "Failed to read graph Id"},
        BrokenLine{14, "1,1,Main,#", nx::error_texts::kIncorrectGraphId},
        BrokenLine{14, "3,1,Main,#", nx::error_texts::kIncorrectGraphId},
        BrokenLine{14, "0,n,Main,#", "Failed to read graph property count"},
        BrokenLine{14, "0,2,Main,x,#", nx::error_texts::kPropertyDoesNotExist},
        BrokenLine{14, "0,1,Main,x,#", nx::error_texts::kFailedToReadEndMark},
        BrokenLine{15, "two", "Failed to read graph vertex count"},
        BrokenLine{16, "v,0,#", "Failed to read graph vertex Id"},
        BrokenLine{16, "1,,#", "Failed to read graph vertex property count"},
        BrokenLine{16, "1,1,x,#", nx::error_texts::kPropertyDoesNotExist},
        BrokenLine{16, "5,0,#", "Graph 0 names vertex 5, which does not exist"},
        BrokenLine{18, "", "Failed to read graph edge count"},
        BrokenLine{19, "e,0,#", "Failed to read graph edge Id"},
        BrokenLine{19, "0,?,#", "Failed to read graph edge property count"},
        BrokenLine{19, "4,0,#", "Graph 0 names edge 4, which does not exist"},
        BrokenLine{19, "0,0,", nx::error_texts::kFailedToReadEndMark}));

TEST(StreamFile, FailedReadKeepsWhatWasReadBeforeIt) {
    std::vector<std::string> lines = kExampleLines;
    lines[19] = "0,0,!";
    Document doc;
    EXPECT_EQ(loadError(join(lines), doc), nx::error_texts::kFailedToReadEndMark);
    EXPECT_EQ(doc.vertexSchema.size(), 2u);
    EXPECT_EQ(doc.space->vertexFactory().size(), 3u);
    EXPECT_EQ(doc.space->edgeFactory().size(), 1u);
    EXPECT_EQ(doc.space->graphFactory().find(0)->order(), 2u);
}

// A text longer than the reader's token would make a file that cannot be read back:
// the save fails before the old file is touched.
// Wraps a text in double quotes.
std::u16string quotedText(std::size_t inner) {
    std::u16string text(inner + 2, u'q');
    text.front() = text.back() = u'"';
    return text;
}

TEST(StreamFile, TextsBeyondOneTokenFailTheSaveAndKeepTheOldFile) {
    const std::pair<std::u16string, bool> cases[] = {
        {std::u16string(1023, u'x'), true},
        {std::u16string(1024, u'x'), false},
        {std::u16string(511, u'\u00e9') + u"x", true},  // 1023 bytes of UTF-8
        {std::u16string(512, u'\u00e9'), false},
        {quotedText(1019), true},  // 1021 + the writer's 2 quotes
        {quotedText(1020), false},
    };
    for (const auto& [text, fits] : cases) {
        Document doc;
        buildExample(doc);
        const auto path = outputPath("long.nx");
        writeFile(path, "old");
        doc.space->vertexFactory().at(1)->properties->get<Name>(0).value = text;
        if (!fits) {
            EXPECT_THROW(nx::saveStream(*doc.space, path, nullptr), std::runtime_error);
            EXPECT_EQ(readFile(path), "old");
            continue;
        }
        nx::saveStream(*doc.space, path, nullptr);
        Document copy;
        nx::loadStream(*copy.space, path, nullptr);
        EXPECT_EQ(copy.space->vertexFactory().at(1)->properties->get<Name>(0).value, text);
    }
}

// Texts are checked as their records are written: a failure leaves no output behind, a
// broken text fails as it did before writing began, and a text error still goes before a
// target that cannot be opened.
TEST(StreamFile, TextErrorsLeaveNoOutputAndGoBeforeOpeningFailures) {
    const auto path = outputPath("doc.nx");
    const auto folder = path.parent_path();  // this test's own
    for (const std::u16string& text : {std::u16string(1024, u'x'), std::u16string(u"a\xD800"
                                                                                  u"z")}) {
        Document doc;
        buildExample(doc);
        writeFile(path, "old");
        doc.space->vertexFactory().at(1)->properties->get<Name>(0).value = text;
        EXPECT_ANY_THROW(nx::saveStream(*doc.space, path.string(), nullptr));
        EXPECT_EQ(readFile(path), "old");
        std::size_t files = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
            ++files;
        EXPECT_EQ(files, 1u);  // no temporary file left
    }
    Document doc;
    buildExample(doc);
    doc.space->vertexFactory().at(1)->properties->get<Name>(0).value = std::u16string(1024, u'x');
    try {
        nx::saveStream(*doc.space, (folder / "missing" / "doc.nx").string(), nullptr);
        FAIL() << "saved a text that does not fit";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("does not fit the stream file"), std::string::npos)
            << e.what();
    }
}

TEST(StreamFile, MissingFilesFailWithTheirNames) {
    Document doc;
    const std::string missing = outputPath("no-such-dir").string() + "/doc.nx";
    try {
        nx::saveStream(*doc.space, missing, nullptr);
        FAIL() << "saved into a missing directory";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "nx::Space error: Failed to open output file " + missing + " for writing");
    }
    const std::string folder = outputPath("folder").parent_path().string();
    for (const std::string& unreadable : {missing, folder}) {
        try {
            nx::loadStream(*doc.space, unreadable, nullptr);
            FAIL() << "loaded " << unreadable;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()),
                      "nx::Space error: Failed to open input file " + unreadable + " for reading");
        }
    }
}

}  // namespace
}  // namespace nx::test
