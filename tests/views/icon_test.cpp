// nx::Icon: source recording, the loading rule, and the choice of faded copies.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "views/icon.h"

namespace nx::test {
namespace {

// Records which load operation the icon asked for.
class RecordingIconImpl : public IconImpl {
public:
    explicit RecordingIconImpl(std::vector<std::string>* log) : log_(log) {}

    void loadResource(int id, int size) override { add("id " + num(id) + " " + num(size)); }
    void loadResource(int id) override { add("id " + num(id)); }
    void loadResource(const std::u16string& name, int size) override {
        add("name " + narrow(name) + " " + num(size));
    }
    void loadResource(const std::u16string& name) override { add("name " + narrow(name)); }
    void loadFromFile(const std::u16string& file, int id) override {
        add("file " + narrow(file) + " id " + num(id));
    }
    void loadFromFileIndex(const std::u16string& file, int index) override {
        add("file " + narrow(file) + " index " + num(index));
    }
    void loadIconFile(const std::u16string& file, int size) override {
        add("icon file " + narrow(file) + " " + num(size));
    }
    void loadAssociated(const std::u16string& file, int index) override {
        add("associated " + narrow(file) + " " + num(index));
    }
    void loadModuleResource(const std::u16string& module, int id, int size) override {
        add("module " + narrow(module) + " id " + num(id) + " " + num(size));
    }

private:
    static std::string num(int v) { return std::to_string(v); }
    static std::string narrow(const std::u16string& s) { return std::string(s.begin(), s.end()); }
    void add(std::string s) { log_->push_back(std::move(s)); }
    std::vector<std::string>* log_;
};

struct Recorded {
    std::u16string fileName, name;
    int id, index, size;
};

void expectRecorded(const Icon& icon, const Recorded& r, const std::string& what) {
    EXPECT_EQ(icon.fileName(), r.fileName) << what;
    EXPECT_EQ(icon.name(), r.name) << what;
    EXPECT_EQ(icon.id(), r.id) << what;
    EXPECT_EQ(icon.index(), r.index) << what;
    EXPECT_EQ(icon.getSize(), r.size) << what;
}

TEST(Icon, StartsWithNoSourceAtSize32) {
    Icon icon;
    expectRecorded(icon, {u"", u"", 0, -1, 32}, "fresh");
    EXPECT_EQ(icon.impl(), nullptr);
}

TEST(Icon, EverySetterForgetsThePreviousSourceAndReloadsALoadedImage) {
    struct Case {
        const char* what;
        void (*set)(Icon&);
        Recorded recorded;
        const char* load;
    };
    const Case cases[] = {
        {"module id size",
         [](Icon& i) { i.setModuleResource(u"m", 4, 16); },
         {u"", u"", 4, -1, 16},
         "module m id 4 16"},
        {"id size", [](Icon& i) { i.setResource(7, 24); }, {u"", u"", 7, -1, 24}, "id 7 24"},
        {"id", [](Icon& i) { i.setResource(7); }, {u"", u"", 7, -1, 0}, "id 7"},
        {"name size",
         [](Icon& i) { i.setResource(u"disk", 48); },
         {u"", u"disk", 0, -1, 48},
         "name disk 48"},
        {"name", [](Icon& i) { i.setResource(u"disk"); }, {u"", u"disk", 0, -1, 0}, "name disk"},
        {"file id",
         [](Icon& i) { i.setFile(u"a.dll", 3); },
         {u"a.dll", u"", 3, -1, 0},
         "file a.dll id 3"},
        {"file index",
         [](Icon& i) { i.setFileIndex(u"a.dll", 2); },
         {u"a.dll", u"", 0, 2, 0},
         "file a.dll index 2"},
        {"file size",
         [](Icon& i) { i.setFileWithSize(u"a.ico", 16); },
         {u"a.ico", u"", 0, -1, 16},
         "icon file a.ico 16"},
        {"associated",
         [](Icon& i) { i.setAssociatedFile(u"b.txt", 1); },
         {u"b.txt", u"", 0, 1, 0},
         "associated b.txt 1"},
    };
    for (const Case& c : cases) {
        Icon icon;
        icon.setFileIndex(u"old.dll", 5);  // something every setter must forget
        icon.setResource(u"old");
        std::vector<std::string> log;
        icon.setImpl(std::make_unique<RecordingIconImpl>(&log));
        c.set(icon);
        expectRecorded(icon, c.recorded, c.what);
        EXPECT_EQ(log, std::vector<std::string>{c.load}) << c.what;
    }
}

TEST(Icon, ReleaseImageDropsTheImplementation) {
    Icon icon;
    std::vector<std::string> log;
    icon.setImpl(std::make_unique<RecordingIconImpl>(&log));
    icon.releaseImage();
    EXPECT_EQ(icon.impl(), nullptr);
    icon.load();  // nothing to load through; must not crash
}

TEST(Icon, LoadPrefersTheIdThenTheFileByExtensionThenTheName) {
    struct Case {
        void (*set)(Icon&);
        const char* load;  // empty: nothing loaded
    };
    const Case cases[] = {
        {[](Icon& i) { i.setResource(101); }, "id 101 0"},
        {[](Icon& i) { i.setResource(101, 48); }, "id 101 48"},
        {[](Icon& i) { i.setFileWithSize(u"a.ico", 16); }, "icon file a.ico 16"},
        {[](Icon& i) { i.setFileWithSize(u"B.ICO", 0); }, "icon file B.ICO 0"},
        {[](Icon& i) { i.setFileWithSize(u"c.IcO", 32); }, "icon file c.IcO 32"},
        {[](Icon& i) { i.setFileWithSize(u"tool.exe", 32); }, "associated tool.exe 0"},
        {[](Icon& i) { i.setFileWithSize(u"notes.txt", 32); }, "associated notes.txt 0"},
        {[](Icon& i) { i.setFileWithSize(u"README", 32); }, "associated README 0"},
        {[](Icon& i) { i.setFileWithSize(u"dir.", 32); }, "associated dir. 0"},
        {[](Icon& i) { i.setFileWithSize(u"C:", 32); }, "associated C: 0"},
        {[](Icon& i) { i.setFileWithSize(u"x.icon", 32); }, "associated x.icon 0"},
        // The index is not part of the source: associated icons use index 0.
        {[](Icon& i) { i.setAssociatedFile(u"b.txt", 4); }, "associated b.txt 0"},
        {[](Icon& i) { i.setFile(u"lib.dll", 3); }, "associated lib.dll 0"},
        {[](Icon& i) { i.setResource(u"disk", 24); }, "name disk 24"},
        {[](Icon& i) { i.setResource(0, 32); }, ""},
    };
    for (const Case& c : cases) {
        Icon icon;
        c.set(icon);
        std::vector<std::string> log;
        icon.setImpl(std::make_unique<RecordingIconImpl>(&log));
        icon.load();
        const std::vector<std::string> expected =
            *c.load ? std::vector<std::string>{c.load} : std::vector<std::string>{};
        EXPECT_EQ(log, expected) << c.load;
    }
}

TEST(IconImpl, FadingLevelChoosesTheEntry) {
    struct Case {
        int level, copies, entry;
    };
    const Case cases[] = {
        {0, 9, 0},   {1, 9, 1},    {9, 9, 1}, {10, 9, 2}, {50, 9, 6}, {89, 9, 9},  {90, 9, -1},
        {99, 9, -1}, {100, 9, -1}, {0, 0, 0}, {50, 0, 0}, {90, 0, 0}, {100, 0, 0},  // N = 0: never
                                                                                    // faded
        {49, 1, 1},  {50, 1, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IconImpl::entryForLevel(c.level, c.copies), c.entry)
            << "level " << c.level << " with " << c.copies << " copies";
}

TEST(IconImpl, CopiesBlendTowardsTheBackgroundByKOverNPlusTwo) {
    // Copy 6 of 9 moves 6/11 of the way, truncated towards zero, in both directions.
    EXPECT_EQ(IconImpl::blendChannel(0, 255, 6, 9), 139);
    EXPECT_EQ(IconImpl::blendChannel(200, 255, 6, 9), 230);
    EXPECT_EQ(IconImpl::blendChannel(255, 0, 6, 9), 116);
    EXPECT_EQ(IconImpl::blendChannel(90, 90, 9, 9), 90);
}

TEST(IconImpl, FadedCopyCountIsProcessWideAndStartsAtNine) {
    EXPECT_EQ(IconImpl::fadedCopyCount(), 9);
    IconImpl::setFadedCopyCount(0);
    EXPECT_EQ(IconImpl::fadedCopyCount(), 0);
    IconImpl::setFadedCopyCount(9);
}

}  // namespace
}  // namespace nx::test
