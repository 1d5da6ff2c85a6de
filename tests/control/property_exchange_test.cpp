// The persisted state: its order, its defaults, what survives a save and load, the rebuild
// that follows an exchange, and the file bag.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "control/property_bag.h"
#include "control_fixture.h"

using namespace ramulo;

using namespace control_test;

namespace {

// Remembers the keys in the order the control touches them.
struct RecordingBag : MemoryPropertyBag {
    std::optional<std::string> read(const std::string& key) const override {
        keys.push_back(key);
        return MemoryPropertyBag::read(key);
    }
    void write(const std::string& key, const std::string& value) override {
        keys.push_back(key);
        MemoryPropertyBag::write(key, value);
    }
    mutable std::vector<std::string> keys;
};

TEST_F(ControlTest, ExchangeKeepsOneOrderForLoadAndSave) {
    const std::vector<std::string> order{"_Version",
                                         "_ExtentX",
                                         "_ExtentY",
                                         "_StockProps",
                                         "Appearance",
                                         "Font",
                                         "BorderStyle",
                                         "BackColor",
                                         "FileIOEnabled",
                                         "RotationEnabled",
                                         "HierarchicalLayoutEnabled",
                                         "RadialLayoutEnabled",
                                         "ForceDirectedLayoutEnabled",
                                         "EditingEnabled",
                                         "DoubleClickEnabled",
                                         "TestID",
                                         "WorkingDirectory",
                                         "FileName",
                                         "FileExt"};
    RecordingBag bag;
    control.exchangeProperties(bag, ExchangeMode::Save);
    EXPECT_EQ(bag.keys, order);
    EXPECT_EQ(bag.read("_Version"), std::to_string(0x00010003));
    bag.keys.clear();
    control.exchangeProperties(bag, ExchangeMode::Load);
    EXPECT_EQ(bag.keys, order);
}

TEST_F(ControlTest, ResetGivesThePersistedDefaults) {
    control.SetRotationEnabled(VARIANT_TRUE);
    control.SetBackColor(0x00123456);
    control.SetFont(u"Tahoma,9");
    MemoryPropertyBag bag;
    control.exchangeProperties(bag, ExchangeMode::Reset);
    EXPECT_EQ(control.GetFont(), u"");
    EXPECT_TRUE(bag.values().empty());
    EXPECT_EQ(control.GetTestID(), 0);
    EXPECT_EQ(control.GetRotationEnabled(), VARIANT_FALSE);
    EXPECT_EQ(control.GetWorkingDirectory(), u".");
    EXPECT_EQ(control.GetFileName(), u"Untitled");
    EXPECT_EQ(control.GetFileExt(), u"nxx");
    EXPECT_EQ(control.GetBorderStyle(), 0);
    EXPECT_EQ(control.GetBackColor(), 0xFFFFFFu);
}

TEST_F(ControlTest, SaveAndLoadCarryTheStateButNotNewEnabled) {
    control.SetNewEnabled(VARIANT_TRUE);
    control.SetRotationEnabled(VARIANT_TRUE);
    control.SetDoubleClickEnabled(VARIANT_TRUE);
    control.SetBorderStyle(1);
    control.SetBackColor(0x00336699);
    control.SetFont(u"Tahoma,9");
    control.SetTestID(4);
    control.SetWorkingDirectory(u"/tmp/trees");
    control.SetFileExt(u"nx");
    control.SetFileName(u"forest");
    MemoryPropertyBag bag;
    control.exchangeProperties(bag, ExchangeMode::Save);

    RamuloControl loaded;
    loaded.exchangeProperties(bag, ExchangeMode::Load);
    EXPECT_EQ(loaded.GetNewEnabled(), VARIANT_FALSE);
    EXPECT_EQ(loaded.GetRotationEnabled(), VARIANT_TRUE);
    EXPECT_EQ(loaded.GetDoubleClickEnabled(), VARIANT_TRUE);
    EXPECT_EQ(loaded.GetEditingEnabled(), VARIANT_FALSE);
    EXPECT_EQ(loaded.GetBorderStyle(), 1);
    EXPECT_EQ(loaded.GetBackColor(), 0x00336699u);
    EXPECT_EQ(engineOf(loaded).backgroundColor(), (nx::RgbColor{0x99, 0x66, 0x33}));
    EXPECT_EQ(loaded.GetFont(), u"Tahoma,9");
    EXPECT_EQ(loaded.GetTestID(), 4);
    EXPECT_EQ(loaded.GetWorkingDirectory(), u"/tmp/trees");
    EXPECT_EQ(loaded.GetFileName(), u"forest");
    EXPECT_EQ(loaded.GetFileExt(), u"nx");
    // Without a window nothing is built and nothing is marked.
    EXPECT_EQ(engineOf(loaded).graph(), nullptr);
    EXPECT_FALSE(loaded.isModified());
}

TEST_F(ControlTest, UnreadableStoredValuesFallBackToDefaults) {
    MemoryPropertyBag bag;
    bag.write("BorderStyle", "2");
    bag.write("TestID", "three");
    bag.write("EditingEnabled", "-1");
    control.exchangeProperties(bag, ExchangeMode::Load);
    EXPECT_EQ(control.GetBorderStyle(), 0);
    EXPECT_EQ(control.GetTestID(), 0);
    EXPECT_EQ(control.GetEditingEnabled(), VARIANT_TRUE);
}

TEST_F(ShownControl, AnExchangeRebuildsTheDocumentFromTestID) {
    ASSERT_EQ(control.GetVertexCount(0), 11u);  // document 1 since the window came
    control.SetTestID(2);
    EXPECT_EQ(control.GetVertexCount(0), 11u);  // the setter alone rebuilds nothing
    MemoryPropertyBag bag;
    const int before = window.invalidations;
    control.exchangeProperties(bag, ExchangeMode::Save);
    EXPECT_EQ(control.GetVertexCount(0), 10u);
    EXPECT_EQ(control.GetEdgeCount(0), 9u);
    EXPECT_TRUE(control.isModified());
    EXPECT_GT(window.invalidations, before);
    EXPECT_EQ(bag.read("TestID"), "2");
}

TEST(FilePropertyBag, KeepsAnyTextAcrossTheFile) {
    const std::string path =
        (std::filesystem::path(RAMULO_TEST_OUTPUT) / "control.properties").string();
    std::filesystem::create_directories(RAMULO_TEST_OUTPUT);
    {
        FilePropertyBag bag(path);
        bag.write("FileName", "two\nlines \\ and = sign");
        bag.write("WorkingDirectory", "/home/d\xC3\xBCrer");
        bag.write("TestID", "3");
        bag.save();
    }
    FilePropertyBag read(path);
    ASSERT_TRUE(read.load());
    EXPECT_EQ(read.read("FileName"), "two\nlines \\ and = sign");
    EXPECT_EQ(read.read("WorkingDirectory"), "/home/d\xC3\xBCrer");
    EXPECT_EQ(read.read("TestID"), "3");
    EXPECT_EQ(read.read("Missing"), std::nullopt);
    std::remove(path.c_str());
    EXPECT_FALSE(FilePropertyBag(path).load());
}

TEST_F(ControlTest, ControlStateSurvivesAFileBag) {
    const std::string path =
        (std::filesystem::path(RAMULO_TEST_OUTPUT) / "state.properties").string();
    std::filesystem::create_directories(RAMULO_TEST_OUTPUT);
    control.SetFileName(u"b\u00E4ume");
    control.SetHierarchicalLayoutEnabled(VARIANT_TRUE);
    FilePropertyBag out(path);
    control.exchangeProperties(out, ExchangeMode::Save);
    out.save();
    FilePropertyBag in(path);
    ASSERT_TRUE(in.load());
    RamuloControl loaded;
    loaded.exchangeProperties(in, ExchangeMode::Load);
    EXPECT_EQ(loaded.GetFileName(), u"b\u00E4ume");
    EXPECT_EQ(loaded.GetHierarchicalLayoutEnabled(), VARIANT_TRUE);
    std::remove(path.c_str());
}

}  // namespace
