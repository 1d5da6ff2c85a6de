// The file-name properties, the save question and the New, Open, Save and Save As commands.
#include <filesystem>
#include <string>
#include <vector>

#include "control/error_texts.h"
#include "control_fixture.h"

using namespace ramulo;

using namespace control_test;

namespace {

TEST_F(ControlTest, FileNameLosesOnlyItsOwnExtension) {
    struct Case {
        const char16_t* ext;
        const char16_t* value;
        const char16_t* stored;
    };
    const std::vector<Case> cases{
        {u"nxx", u"tree.nxx", u"tree"},   {u"nxx", u"tree.xml", u"tree.xml"},
        {u"nxx", u"abc", u"abc"},         {u"nxx", u".nxx", u".nxx"},
        {u"nxx", u"a.nxx", u"a"},         {u"nxx", u"tree.NXX", u"tree.NXX"},
        {u"nx", u"forest.nx", u"forest"}, {u"nx", u"forest.nxx", u"forest.nxx"},
        {u"nxx", u"", u"Untitled"},
    };
    for (const Case& c : cases) {
        control.SetFileExt(c.ext);
        control.SetFileName(c.value);
        EXPECT_EQ(control.GetFileName(), c.stored) << toUtf8(c.value);
    }
}

TEST_F(ControlTest, EmptyFolderAndExtensionTakeTheirDefaults) {
    control.SetWorkingDirectory(u"");
    EXPECT_EQ(control.GetWorkingDirectory(), u"/.");
    control.SetFileExt(u"");
    EXPECT_EQ(control.GetFileExt(), u"nxx");
    control.SetWorkingDirectory(u"/data/trees");
    EXPECT_EQ(control.GetWorkingDirectory(), u"/data/trees");
    EXPECT_FALSE(control.isModified());
}

TEST_F(ControlTest, SaveWithoutADocumentWritesNothingAndAnswersZero) {
    const auto path = std::filesystem::path(RAMULO_TEST_OUTPUT) / "never.nx";
    std::filesystem::remove(path);
    for (auto save : {&RamuloControl::Save, &RamuloControl::SaveToXml}) {
        control.setModified(true);
        EXPECT_EQ((control.*save)(path.u16string()), 0);
        EXPECT_FALSE(control.isModified());
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

TEST_F(ControlTest, LoadFailuresCarryCodeOneAndTheReadersText) {
    const Failure stream = failureOf([&] { control.Load(u"/nonexistent/tree.file"); });
    EXPECT_EQ(stream.code, 1u);
    EXPECT_EQ(stream.description,
              u"nx::Space error: Failed to open input file /nonexistent/tree.file for reading");
    const Failure xml = failureOf([&] { control.LoadFromXml(u"/nonexistent/tree.file"); });
    EXPECT_EQ(xml.code, 1u);
    EXPECT_EQ(xml.description.rfind(u"Error loading xml file /nonexistent/tree.file. ", 0), 0u);
}

class FileCommands : public ShownControl {
protected:
    void SetUp() override {
        ShownControl::SetUp();
        previous = std::filesystem::current_path();
        // A folder per test: CTest runs the tests of this fixture side by side.
        folder = std::filesystem::path(RAMULO_TEST_OUTPUT) / "file_commands" /
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        control.SetWorkingDirectory(folder.u16string());
        control.SetFileExt(u"nxx");
    }
    void TearDown() override { std::filesystem::current_path(previous); }

    std::filesystem::path previous, folder;
};

TEST_F(FileCommands, SaveOfAnUntitledDocumentAsksForANameInstead) {
    control.SetFileName(u"Untitled");
    control.OnSave();
    ASSERT_EQ(window.dialogs.size(), 1u);
    const FileDialogRequest& asked = window.dialogs[0];
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.defaultExtension, u"nxx");
    EXPECT_EQ(asked.fileName, u"Untitled");
    EXPECT_EQ(asked.filter,
              u"Nodalyx File (*.nxx)|*.nxx|Nodalyx File (*.nx)|*.nx|XML File (*.xml)|*.xml||");
    // Cancelled: nothing written, nothing renamed, still modified.
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    EXPECT_EQ(control.GetFileName(), u"Untitled");
    EXPECT_TRUE(control.isModified());
    EXPECT_EQ(std::filesystem::current_path(), folder);
}

TEST_F(FileCommands, CancelDuringNewKeepsTheDocument) {
    control.SetFileName(u"forest");
    window.answers = {MessageAnswer::Cancel};
    control.OnNew();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, u"Save changes to forest?");
    EXPECT_EQ(window.messages[0].caption, error_texts::kControlName);
    EXPECT_EQ(window.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(window.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(control.GetVertexCount(0), 11u);
    EXPECT_EQ(control.GetFileName(), u"forest");
    EXPECT_TRUE(control.isModified());
}

TEST_F(FileCommands, NewWithoutSavingStartsTheStandardDocument) {
    window.answers = {MessageAnswer::No};
    const int before = window.invalidations;
    control.OnNew();
    EXPECT_EQ(control.GetVertexCount(0), 0u);
    EXPECT_EQ(control.GetVertexPropertyCount(1), 6);
    EXPECT_EQ(control.GetFileName(), u"Untitled");
    EXPECT_EQ(control.GetWorkingDirectory(), folder.u16string());
    EXPECT_FALSE(control.isModified());
    EXPECT_EQ(window.invalidations, before + 1);
    // Unmodified now: the next New asks nothing.
    control.OnNew();
    EXPECT_EQ(window.messages.size(), 1u);
}

TEST_F(FileCommands, SaveQuestionWithoutCancelOffersYesAndNo) {
    EXPECT_TRUE(control.SaveModified(false));
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(window.messages[0].text, u"Save changes to Untitled?");
    // Yes on an untitled document goes on to the Save As dialog.
    window.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(control.SaveModified(true));
    EXPECT_EQ(window.dialogs.size(), 1u);
}

TEST_F(FileCommands, OpenAsksWithTheOpenFilterAndCancelChangesNothing) {
    control.OnOpen();
    ASSERT_EQ(window.dialogs.size(), 1u);
    EXPECT_FALSE(window.dialogs[0].save);
    EXPECT_EQ(window.dialogs[0].defaultExtension, u"nxx");
    EXPECT_TRUE(window.dialogs[0].fileName.empty());
    EXPECT_EQ(window.dialogs[0].filter,
              u"Nodalyx Files (*.nxx; *.nx)|*.nxx; *.nx|XML Files (*.xml)|*.xml||");
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(control.GetVertexCount(0), 11u);
}

}  // namespace
