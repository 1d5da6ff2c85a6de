// The file writers report failed writes with the system's reason, and an output that is
// not completed leaves the old file and nothing else.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <functional>

#include "persistence/document.h"
#include "persistence/graph_view_files.h"
#include "persistence/safe_output_file.h"
#include "persistence/space_files.h"
#include "support/headless_graph_view.h"
#include "support/scratch_filesystem.h"
#include "views/graph_view.h"

namespace nx::test {
namespace {

TEST(SafeOutput, EveryWriterReportsAFullDeviceWithTheReason) {
    Document doc;
    buildRich(doc);
    FormalProperties vertexViewSchema, edgeViewSchema;
    HeadlessGraphView view(&vertexViewSchema, &edgeViewSchema);
    const std::string full =
        std::string("Failed to write output file /dev/full: ") + std::strerror(ENOSPC);
    const std::pair<std::function<void()>, std::string> writers[] = {
        {[&] { nx::saveStream(*doc.space, "/dev/full", nullptr); }, "nx::Space error: " + full},
        // The XML writer passes over a file it cannot open, but not one it cannot write.
        {[&] { nx::saveXml(*doc.space, "/dev/full", nullptr); }, "nx::Space error: " + full},
        {[&] { nx::saveToFile(view, "/dev/full"); }, "nx::GraphView error: " + full},
    };
    for (const auto& [write, text] : writers) {
        try {
            write();
            ADD_FAILURE() << "no error for " << text;
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(e.what(), text);
        }
    }
}

TEST(SafeOutput, AnOutputNotCompletedLeavesTheOldFileAndNoTrace) {
    const auto path = outputPath("kept.nx");
    writeFile(path, "old content\n");
    {
        persistence::SafeOutputFile out(path.string(), "");
        out.stream() << std::string(1 << 20, 'x');  // past the buffer, so bytes reach a file
        std::fprintf(out.file(), "more");
    }
    EXPECT_EQ(readFile(path), "old content\n");
    EXPECT_EQ(test_support::namesIn(path.parent_path()), std::set<std::string>{"kept.nx"});

    // A folder, or a path that names none, cannot be written over.
    const std::string folder = path.parent_path().string();
    for (const std::string& target : {folder, folder + "/new/", std::string()}) {
        try {
            persistence::SafeOutputFile out(target, "nx::Space error: ");
            ADD_FAILURE() << "opened for writing: " << target;
        } catch (const persistence::OutputOpenError& e) {
            EXPECT_EQ(e.what(),
                      "nx::Space error: Failed to open output file " + target + " for writing");
        }
    }
    EXPECT_EQ(test_support::namesIn(path.parent_path()), std::set<std::string>{"kept.nx"});
}

// A writable folder must not let a save replace a file its user may not write. Run as an
// unprivileged user (a child that drops root's privileges, when the tests run as root).
TEST(SafeOutput, AFileItsUserMayNotWriteIsNotReplaced) {
    const auto path = outputPath("locked.nx");
    writeFile(path, "old content\n");
    std::filesystem::permissions(path, std::filesystem::perms(0444));
    std::filesystem::permissions(path.parent_path(), std::filesystem::perms::all);
    // 0 refused, 1 replaced, 2 the folder is out of the user's reach (nothing shown).
    const auto attempt = [&]() -> int {
        if (::access(path.parent_path().c_str(), W_OK | X_OK) != 0) return 2;
        try {
            persistence::SafeOutputFile out(path.string(), "");
            out.stream() << "new content\n";
            out.commit();
            return 1;
        } catch (const persistence::OutputOpenError&) {
            return 0;
        }
    };
    int result = 0;
    if (::geteuid() == 0) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
            ::_exit(dropped ? attempt() : 2);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        result = WEXITSTATUS(status);
    } else {
        result = attempt();
    }
    if (result == 2) GTEST_SKIP() << "the test folder is out of an unprivileged user's reach";
    EXPECT_EQ(result, 0);
    EXPECT_EQ(readFile(path), "old content\n");
    EXPECT_EQ(test_support::namesIn(path.parent_path()), std::set<std::string>{"locked.nx"});
}

}  // namespace
}  // namespace nx::test
