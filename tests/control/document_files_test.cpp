// Whole documents through the members and the commands: formats by extension, the path the
// Save command builds, round trips and failures.
#include <filesystem>
#include <fstream>
#include <string>

#include "control_fixture.h"

using namespace control_test;

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

TEST_F(DocumentFiles, BrokenXmlLeavesAFreshEmptyDocument) {
    const auto path = folder / "broken.nxx";
    std::ofstream(path) << "<?xml version=\"1.0\"?><Space><Vertex";
    const Failure f = failureOf([&] { control.LoadFromXml(path.u16string()); });
    EXPECT_EQ(f.code, 1u);
    EXPECT_TRUE(f.description.empty());
    ASSERT_NE(control.engine().graph, nullptr);
    EXPECT_EQ(control.GetVertexCount(0), 0u);
    EXPECT_EQ(control.GetVertexPropertyCount(0), 0);  // no standard property set
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

}  // namespace
