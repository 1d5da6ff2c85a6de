// Progress of long member calls, and cancels that leave document, history and files as they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "control_fixture.h"
#include "graph/progress.h"
#include "ramulo/graph_files.h"

using namespace ramulo;

namespace {

using control_test::ShownControl;

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// Counts what it is told and asks to stop once `stopAfter` advances came (0: never).
class CountingSink : public nx::Progress {
public:
    explicit CountingSink(int stopAfter = 0) : stopAfter_(stopAfter) {}
    void begin(const std::string& text, std::uint64_t total) override {
        texts.push_back(text);
        this->total = total;
        ++begun;
    }
    void advance(std::uint64_t n) override {
        done += n;
        ++advances;
    }
    bool cancelled() override { return stopAfter_ > 0 && advances >= stopAfter_; }
    void end() override { ++ended; }

    std::vector<std::string> texts;
    std::uint64_t total = 0, done = 0;
    int advances = 0, begun = 0, ended = 0;

private:
    int stopAfter_;
};

struct Operation {
    const char* name;
    std::function<void(RamuloControl&, const fs::path& folder)> run;
};

const Operation kOperations[] = {
    {"HierarchicalLayout", [](RamuloControl& c, const fs::path&) { c.HierarchicalLayout(); }},
    {"RadialLayout", [](RamuloControl& c, const fs::path&) { c.RadialLayout(); }},
    {"ForceDirectedLayout", [](RamuloControl& c, const fs::path&) { c.ForceDirectedLayout(); }},
    {"LayeredLayout", [](RamuloControl& c, const fs::path&) { c.LayeredLayout(); }},
    {"Load", [](RamuloControl& c, const fs::path& f) { c.Load((f / "old.nx").u16string()); }},
    {"LoadFromXml",
     [](RamuloControl& c, const fs::path& f) { c.LoadFromXml((f / "old.nxx").u16string()); }},
    {"Save", [](RamuloControl& c, const fs::path& f) { c.Save((f / "old.nx").u16string()); }},
    {"SaveToXml",
     [](RamuloControl& c, const fs::path& f) { c.SaveToXml((f / "old.nxx").u16string()); }},
    {"importGraphFile",
     [](RamuloControl& c, const fs::path& f) {
         ramulo::importGraphFile(c, (f / "old.graphml").string());
     }},
    {"exportGraphFile",
     [](RamuloControl& c, const fs::path& f) {
         ramulo::exportGraphFile(c, (f / "old.graphml").string());
     }},
};

// What a call failed with: an automation error's description or another failure's text.
template <typename F>
std::string failureTextOf(F&& call) {
    try {
        call();
    } catch (const AutomationError& e) {
        return toUtf8(e.description());
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

class ProgressCancel : public ShownControl {
protected:
    void SetUp() override {
        ShownControl::SetUp();
        folder = fs::path(RAMULO_TEST_OUTPUT) / "progress_cancel" /
                 testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(folder);
        fs::create_directories(folder);
        control.LoadTest(1);
        addBinaryTree(4500);
        engineOf(control).setLayeredLayoutLimit(20000);
        control.SetForceDirectedLayoutParams(80, 3);
        // The files on disk hold the document as it was before its last step.
        control.Save((folder / "old.nx").u16string());
        control.SaveToXml((folder / "old.nxx").u16string());
        ramulo::exportGraphFile(control, (folder / "old.graphml").string());
        control.HierarchicalLayout();
    }
    void TearDown() override { engineOf(control).setProgress(nullptr); }

    // A second tree of n vertices beside document 1, each placed apart, with history.
    void addBinaryTree(std::uint16_t n) {
        std::vector<std::uint32_t> ids(n);
        control.AddVertices(n, ids.data());
        std::vector<std::uint32_t> sources, targets, edges(n - 1);
        for (std::uint16_t i = 1; i < n; ++i) {
            sources.push_back(ids[(i - 1) / 2]);
            targets.push_back(ids[i]);
        }
        control.AddEdges(static_cast<std::uint16_t>(n - 1), sources.data(), targets.data(),
                         edges.data());
        for (std::uint16_t i = 0; i < n; i += 997)
            control.SetVertexPropertyValueByName(ids[i], u"X", 2, Variant::fromInt(i));
    }

    // The whole open document as the stream writer sees it, written without a sink.
    std::string fingerprint() {
        nx::Progress* sink = engineOf(control).progress();
        engineOf(control).setProgress(nullptr);
        const fs::path path = folder / "fingerprint" / "doc.nx";
        fs::create_directories(path.parent_path());
        engineOf(control).SaveStream(path.string());
        engineOf(control).setProgress(sink);
        const std::string bytes = bytesOf(path);
        fs::remove_all(path.parent_path());
        return bytes;
    }

    fs::path folder;
};

TEST_F(ProgressCancel, EveryLongOperationReportsToTheSinkAndEndsIt) {
    for (const Operation& op : kOperations) {
        SCOPED_TRACE(op.name);
        CountingSink sink;
        engineOf(control).setProgress(&sink);
        op.run(control, folder);
        EXPECT_EQ(sink.begun, 1);
        EXPECT_EQ(sink.ended, 1);
        // Polled in the loops, a grain at a time: every operation reaches the sink.
        EXPECT_GT(sink.advances, 0);
        if (sink.total) {
            EXPECT_LE(sink.done, 2 * sink.total) << "the total is far off";
        }
    }
}

TEST_F(ProgressCancel, ACancelLeavesDocumentHistoryFlagAndFilesAsTheyWere) {
    for (const Operation& op : kOperations) {
        for (const int stopAfter : {1, 2}) {
            SCOPED_TRACE(std::string(op.name) + " stopped after " + std::to_string(stopAfter));
            for (const bool modified : {true, false}) {
                control.setModified(modified);
                const std::string document = fingerprint();
                const auto undoCount = engineOf(control).history().undoCount();
                const auto steps = engineOf(control).history().size();
                const bool clean = engineOf(control).history().isClean();
                const std::string nx = bytesOf(folder / "old.nx");
                const std::string nxx = bytesOf(folder / "old.nxx");
                const std::string graphml = bytesOf(folder / "old.graphml");
                const auto names = namesIn(folder);

                CountingSink sink(stopAfter);
                engineOf(control).setProgress(&sink);
                const std::string failure = failureTextOf([&] { op.run(control, folder); });
                engineOf(control).setProgress(nullptr);

                EXPECT_EQ(failure, nx::kOperationCancelled);
                EXPECT_EQ(sink.ended, 1);
                EXPECT_EQ(control.isModified(), modified);
                EXPECT_TRUE(fingerprint() == document) << "the document changed";
                EXPECT_EQ(engineOf(control).history().undoCount(), undoCount);
                EXPECT_EQ(engineOf(control).history().size(), steps);
                EXPECT_EQ(engineOf(control).history().isClean(), clean);
                EXPECT_TRUE(bytesOf(folder / "old.nx") == nx) << "old.nx changed";
                EXPECT_TRUE(bytesOf(folder / "old.nxx") == nxx) << "old.nxx changed";
                EXPECT_TRUE(bytesOf(folder / "old.graphml") == graphml) << "old.graphml changed";
                EXPECT_EQ(namesIn(folder), names);
            }
        }
    }
    // Still a whole, working document: the layout runs to the end without a sink.
    EXPECT_NO_THROW(control.HierarchicalLayout());
    EXPECT_TRUE(control.isModified());
}

TEST_F(ProgressCancel, WithoutHistoryACancelledLayoutStillPutsThePositionsBack) {
    control.SetUndoLimit(0);
    const std::string document = fingerprint();
    CountingSink sink(1);
    engineOf(control).setProgress(&sink);
    EXPECT_EQ(failureTextOf([&] { control.ForceDirectedLayout(); }), nx::kOperationCancelled);
    EXPECT_TRUE(fingerprint() == document) << "the document changed";
}

}  // namespace
