// Whole documents through the members and the commands: formats by extension, the path the
// Save command builds, round trips and failures.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "control_fixture.h"
#include "engine/control_engine.h"
#include "engine/window_graph_view.h"
#include "graph/space.h"
#include "support/scratch_filesystem.h"

using namespace ramulo;

using namespace control_test;
using test_support::bytesOf;

namespace {

std::string startOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string text(8, '\0');
    in.read(text.data(), 8);
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

class DocumentFiles : public ShownControl {
protected:
    void SetUp() override {
        ShownControl::SetUp();
        previous = std::filesystem::current_path();
        // A folder per test: CTest runs the tests of this fixture side by side.
        folder = std::filesystem::path(RAMULO_TEST_OUTPUT) / "document_files" /
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        control.SetWorkingDirectory(folder.u16string());
    }
    void TearDown() override { std::filesystem::current_path(previous); }

    std::pair<int, int> positionOf(const char16_t* name) {
        for (std::uint32_t n = 0; n < control.GetVertexCount(0); ++n) {
            const std::uint32_t v = control.GetVertexID(0, n);
            if (control.GetVertexPropertyValueByName(v, u"Name", 0).bstrVal == name)
                return {control.GetVertexPropertyValueByName(v, u"X", 2).intVal,
                        control.GetVertexPropertyValueByName(v, u"Y", 2).intVal};
        }
        return {-1, -1};
    }

    std::filesystem::path previous, folder;
};

TEST_F(DocumentFiles, SaveCommandJoinsFolderNameAndExtensionAndPicksTheFormat) {
    struct Case {
        const char16_t* ext;
        const char* file;
        const char* start;
    };
    for (const Case& c : {Case{u"NX", "tree.NX", "Nodalyx"}, Case{u"nxx", "tree.nxx", "<?xml"},
                          Case{u"xml", "tree.xml", "<?xml"}}) {
        control.SetFileExt(c.ext);
        control.SetFileName(u"tree");
        control.setModified(true);
        control.OnSave();
        const auto written = folder / c.file;
        ASSERT_TRUE(std::filesystem::exists(written)) << c.file;
        EXPECT_EQ(startOf(written).rfind(c.start, 0), 0u) << c.file;
        EXPECT_FALSE(control.isModified());
    }
    EXPECT_TRUE(window.dialogs.empty());
    // Nothing lands under a name with a backslash in it.
    for (const auto& entry : std::filesystem::directory_iterator(folder.parent_path()))
        EXPECT_EQ(entry.path().filename().string().find('\\'), std::string::npos);
}

TEST_F(DocumentFiles, SaveAsWritesTheChosenFileAndTakesItsName) {
    const auto chosen = folder / "renamed.nx";
    window.dialogResults.push_back(
        {true, chosen.u16string(), u"renamed.nx", u"nx", folder.u16string()});
    control.SetWorkingDirectory(u"/.");
    control.OnSaveAs();
    EXPECT_EQ(startOf(chosen).rfind("Nodalyx", 0), 0u);
    EXPECT_EQ(control.GetFileExt(), u"nx");
    EXPECT_EQ(control.GetFileName(), u"renamed");
    EXPECT_EQ(control.GetWorkingDirectory(), folder.u16string());
    EXPECT_FALSE(control.isModified());
}

TEST_F(DocumentFiles, BothFormatsBringTheDocumentBack) {
    for (const char* name : {"one.nxx", "one.nx"}) {
        control.LoadTest(1);
        const std::u16string path = (folder / name).u16string();
        const bool stream = std::string(name).ends_with(".nx");
        EXPECT_EQ(stream ? control.Save(path) : control.SaveToXml(path), 1) << name;
        EXPECT_FALSE(control.isModified());

        RamuloControl reader;
        reader.SetFileName(u"kept");
        EXPECT_EQ(stream ? reader.Load(path) : reader.LoadFromXml(path), 0) << name;
        EXPECT_EQ(reader.GetVertexCount(0), 11u) << name;
        EXPECT_EQ(reader.GetEdgeCount(0), 10u) << name;
        EXPECT_EQ(reader.GetFileName(), u"kept");
        EXPECT_FALSE(reader.isModified());
    }
    control.LoadFromXml((folder / "one.nxx").u16string());
    EXPECT_EQ(positionOf(u"A"), (std::pair<int, int>{195, 50}));
    EXPECT_EQ(positionOf(u"K"), (std::pair<int, int>{340, 290}));
}

TEST_F(DocumentFiles, OpenLoadsTheChosenFileAndTakesItsName) {
    control.LoadTest(2);
    const auto path = folder / "two.nx";
    control.Save(path.u16string());
    control.LoadTest(1);
    window.dialogResults.push_back({true, path.u16string(), u"two.nx", u"nx", folder.u16string()});
    window.answers = {MessageAnswer::No};
    control.OnOpen();
    EXPECT_EQ(control.GetVertexCount(0), 10u);
    EXPECT_EQ(control.GetFileName(), u"two");
    EXPECT_EQ(control.GetFileExt(), u"nx");
    EXPECT_FALSE(control.isModified());
}

// Everything a failed load must leave as it was, down to the engine's own pointers.
struct OpenDocument {
    std::uint32_t vertices = 0, edges = 0, selected = 0;
    bool modified = false;
    std::u16string fileName;
    const void* graph = nullptr;
    const void* view = nullptr;
    const void* currentVertex = nullptr;
    const void* currentEdge = nullptr;
    bool operator==(const OpenDocument&) const = default;
};

OpenDocument openDocument(RamuloControl& control) {
    const ControlEngine& e = engineOf(control);
    return {control.GetVertexCount(0),
            control.GetEdgeCount(0),
            control.GetVertexCount(1),
            control.isModified(),
            control.GetFileName(),
            e.graph(),
            e.view(),
            e.currentVertex(),
            e.currentEdge()};
}

void writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

TEST_F(DocumentFiles, FailedLoadsKeepTheOpenDocumentAndSayWhy) {
    // Broken copies of a saved document 3: cut early, cut in the middle, wrong late.
    control.LoadTest(3);
    const auto good = folder / "good.nx", goodXml = folder / "good.nxx";
    control.Save(good.u16string());
    control.SaveToXml(goodXml.u16string());
    const std::string stream = bytesOf(good), xml = bytesOf(goodXml);
    std::size_t sevenLines = 0;
    for (int n = 0; n < 7; ++n) sevenLines = stream.find('\n', sevenLines) + 1;
    std::string lateStream = stream, lateXml = xml;
    lateStream.replace(lateStream.find("VertexSequence"), 14, "VertexSequencX");
    lateXml.replace(lateXml.find("GraphId=\""), 9, "GraphId=\"7");
    writeBytes(folder / "seven.nx", stream.substr(0, sevenLines));
    writeBytes(folder / "half.nx", stream.substr(0, stream.size() / 2));
    writeBytes(folder / "late.nx", lateStream);
    writeBytes(folder / "half.nxx", xml.substr(0, xml.size() / 2));
    writeBytes(folder / "late.nxx", lateXml);

    struct Case {
        const char* file;
        const char16_t* text;  // part of the description
    };
    const Case cases[] = {
        {"missing.nx", u"Failed to open input file"},
        {"seven.nx", u"Failed to read \"VertexFactory\" from input stream"},
        {"half.nx", u"Failed to read"},
        {"late.nx", u"Failed to read \"VertexSequence\" from input stream"},
        {"missing.nxx", u"Error loading xml file"},
        {"half.nxx", u"Error loading xml file"},
        {"late.nxx", u"Incorrect GraphId found file reading GraphView from xml file"},
    };

    // The open document: two of its vertices selected, a current vertex and edge, unsaved.
    control.LoadTest(1);
    control.SetFileName(u"kept");
    ControlEngine& e = engineOf(control);
    for (std::uint32_t n : {1u, 2u})
        control.SetVertexPropertyValueByName(control.GetVertexID(0, n), u"Selected", 2,
                                             Variant::fromBool(true));
    e.view()->rebuildSelection();
    e.setCurrentVertex(e.space()->vertexFactory().at(control.GetVertexID(0, 3)));
    e.setCurrentEdge(e.space()->edgeFactory().at(control.GetEdgeID(0, 0)));
    control.setModified(true);
    const OpenDocument before = openDocument(control);
    ASSERT_EQ(before.selected, 2u);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::u16string path = (folder / c.file).u16string();
        const Failure f = failureOf([&] {
            std::string(c.file).ends_with(".nx") ? control.Load(path) : control.LoadFromXml(path);
        });
        EXPECT_EQ(f.code, 1u);
        EXPECT_NE(f.description.find(c.text), std::u16string::npos) << toUtf8(f.description);
        EXPECT_EQ(openDocument(control), before);
        // The document is alive: the view follows edits of its graph.
        const std::uint32_t v = control.AddVertex();
        control.AddEdge(control.GetVertexID(0, 0), v);
        EXPECT_EQ(control.GetVertexCount(0), before.vertices + 1);
        EXPECT_NE(e.view()->vertexMap().find(e.space()->vertexFactory().at(v)), nullptr);
        control.RemoveVertex(v);
        control.setModified(true);
    }
    // What the host then saves is the document it had, not a partial one.
    control.Save(good.u16string());
    RamuloControl reader;
    reader.Load(good.u16string());
    EXPECT_EQ(reader.GetVertexCount(0), before.vertices);
    EXPECT_EQ(reader.GetEdgeCount(0), before.edges);
    EXPECT_EQ(reader.GetVertexCount(1), 2u);
}

TEST_F(DocumentFiles, SaveFailuresCarryTheirCodesAndTexts) {
    const std::u16string path = (folder / "missing" / "tree.nx").u16string();
    const Failure stream = failureOf([&] { control.Save(path); });
    EXPECT_EQ(stream.code, 0x800a03edu);
    EXPECT_NE(stream.description.find(u"Failed to open output file"), std::u16string::npos);
    const Failure xml = failureOf([&] { control.SaveToXml(path); });
    // The XML writer alone would skip the file silently; the member must not answer 1.
    EXPECT_EQ(xml.code, 0x800a03ebu);
    EXPECT_NE(xml.description.find(u"Failed to open output file"), std::u16string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

TEST_F(DocumentFiles, FailedLayoutSavesTheFlagsOfItsComponentWalk) {
    // A self-loop makes the graph no forest: the layout fails after walking every
    // component, and that walk's flags are what the saved document holds.
    const std::uint32_t v = control.AddVertex();
    control.AddEdge(1, 1);
    failureOf([&] { control.HierarchicalLayout(); });
    const auto path = folder / "failed.nx";
    ASSERT_EQ(control.Save(path.u16string()), 1);
    std::ifstream in(path);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Graph-level vertex values: ID, count, then Visited and _V1.
    const std::regex row(R"((?:^|\n)(\d+),6,(\d),(\d),)");
    std::size_t rows = 0;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), row);
         it != std::sregex_iterator(); ++it, ++rows) {
        EXPECT_EQ((*it)[2], "0") << (*it)[0];
        EXPECT_EQ((*it)[3], "1") << (*it)[0];
    }
    EXPECT_EQ(rows, v);
}

}  // namespace
