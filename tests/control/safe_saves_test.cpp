// Saves that fail (a full disk, a size limit, a full device, a killed process) keep the old
// file, report the system's reason and leave the document marked modified; saves that
// succeed keep the old file's permissions and links.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "control_fixture.h"
#include "engine/control_engine.h"
#include "support/scratch_filesystem.h"

using namespace ramulo;

using namespace control_test;
using namespace test_support;

namespace {

struct Format {
    const char* file;
    std::uint16_t (RamuloControl::*save)(const std::u16string&);
    std::uint32_t code;
};
const Format kFormats[] = {{"tree.nx", &RamuloControl::Save, 0x800a03ed},
                           {"tree.nxx", &RamuloControl::SaveToXml, 0x800a03eb}};

// What the host sees of a save.
struct Outcome {
    std::uint32_t code = 0;
    std::string description;
    bool modified = false;
};

Outcome save(RamuloControl& control, const Format& format, const std::filesystem::path& path) {
    control.setModified(true);
    const Failure f = failureOf([&] { (control.*format.save)(path.u16string()); });
    return {f.code, toUtf8(f.description), control.isModified()};
}

class SafeSaves : public ShownControl {
protected:
    void SetUp() override {
        ShownControl::SetUp();
        // One folder per test: ctest runs the tests in parallel processes.
        folder = std::filesystem::path(RAMULO_TEST_OUTPUT) / "safe_saves" /
                 testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }

    // Document 1 saved as the file a later save must not lose.
    std::string writeOldFile(const Format& format, const std::filesystem::path& path) {
        control.LoadTest(1);
        (control.*format.save)(path.u16string());
        return bytesOf(path);
    }

    // Document 1 with `extra` more vertices.
    void growDocument(std::uint32_t extra) {
        control.LoadTest(1);
        std::vector<std::uint32_t> ids(50000);
        for (std::uint32_t done = 0; done < extra;) {
            const auto batch =
                static_cast<std::uint16_t>(std::min<std::uint32_t>(50000, extra - done));
            engineOf(control).AddVertices(batch, ids.data());
            done += batch;
        }
    }

    // A failed save as every host must see it: the member's code, the system's reason, the
    // flag still set, the old file as it was and nothing else left in its folder.
    void expectFailureKeptTheOldFile(const Outcome& outcome, const Format& format,
                                     const char* reason, const std::filesystem::path& path,
                                     const std::string& old, std::set<std::string> names) {
        EXPECT_EQ(outcome.code, format.code);
        EXPECT_NE(outcome.description.find("Failed to write output file " + path.string()),
                  std::string::npos)
            << outcome.description;
        EXPECT_NE(outcome.description.find(reason), std::string::npos) << outcome.description;
        EXPECT_TRUE(outcome.modified);
        EXPECT_EQ(bytesOf(path), old);
        EXPECT_EQ(namesIn(path.parent_path()), names);
    }

    std::filesystem::path folder;
};

TEST_F(SafeSaves, SaveOntoAFullDiskFailsAndKeepsTheOldFile) {
    SmallFilesystem disk(folder, 8 << 20);
    if (!disk.mounted()) GTEST_SKIP() << "no permission to mount a tmpfs";
    for (const Format& format : kFormats) {
        SCOPED_TRACE(format.file);
        const auto path = disk.folder() / format.file;
        const std::string old = writeOldFile(format, path);
        disk.fill(16 * 1024);
        growDocument(2000);
        const Outcome outcome = save(control, format, path);
        expectFailureKeptTheOldFile(outcome, format, std::strerror(ENOSPC), path, old,
                                    {format.file, "filler"});
        // With room again the same document saves and reads back whole.
        std::filesystem::remove(disk.folder() / "filler");
        EXPECT_EQ(save(control, format, path).code, 0u);
        RamuloControl reader;
        format.save == &RamuloControl::Save ? reader.Load(path.u16string())
                                            : reader.LoadFromXml(path.u16string());
        EXPECT_EQ(reader.GetVertexCount(0), 11u + 2000u);
        std::filesystem::remove(path);
    }
}

// The limit applies to a child process, which reports what its host saw through a pipe.
TEST_F(SafeSaves, SavePastAFileSizeLimitFailsAndKeepsTheOldFile) {
    for (const Format& format : kFormats) {
        SCOPED_TRACE(format.file);
        const auto path = folder / format.file;
        const std::string old = writeOldFile(format, path);
        growDocument(2000);
        int channel[2];
        ASSERT_EQ(::pipe(channel), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{64 * 1024, 64 * 1024};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            const Outcome o = save(control, format, path);
            const std::string report =
                std::to_string(o.code) + "\n" + (o.modified ? "1" : "0") + "\n" + o.description;
            const bool sent = ::write(channel[1], report.data(), report.size()) ==
                              static_cast<ssize_t>(report.size());
            ::_exit(sent ? 0 : 1);
        }
        ::close(channel[1]);
        std::string report;
        char buffer[512];
        for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
            report.append(buffer, static_cast<std::size_t>(n));
        ::close(channel[0]);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << report;
        const std::size_t first = report.find('\n'), second = report.find('\n', first + 1);
        const Outcome outcome{static_cast<std::uint32_t>(std::stoul(report.substr(0, first))),
                              report.substr(second + 1), report[first + 1] == '1'};
        expectFailureKeptTheOldFile(outcome, format, std::strerror(EFBIG), path, old,
                                    {format.file});
        std::filesystem::remove(path);
    }
}

TEST_F(SafeSaves, SaveIntoAFullDeviceFailsWithTheReason) {
    for (const Format& format : kFormats) {
        SCOPED_TRACE(format.file);
        const Outcome outcome = save(control, format, "/dev/full");
        EXPECT_EQ(outcome.code, format.code);
        EXPECT_NE(outcome.description.find(std::strerror(ENOSPC)), std::string::npos)
            << outcome.description;
        EXPECT_TRUE(outcome.modified);
    }
    // A device is written, not replaced.
    struct stat device {};
    ASSERT_EQ(::stat("/dev/full", &device), 0);
    EXPECT_TRUE(S_ISCHR(device.st_mode));
}

// A save killed while it writes: the child is stopped as soon as the output has bytes (in a
// temporary file, or in the target itself if it were written in place).
TEST_F(SafeSaves, SaveKilledWhileWritingLeavesTheOldFileWhole) {
    for (const Format& format : kFormats) {
        SCOPED_TRACE(format.file);
        const auto path = folder / format.file;
        const std::string old = writeOldFile(format, path);
        growDocument(150000);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            (control.*format.save)(path.u16string());
            ::_exit(0);
        }
        const auto started = [&] {
            std::error_code ec;
            if (std::filesystem::file_size(path, ec) != old.size()) return true;
            for (const auto& entry : std::filesystem::directory_iterator(folder))
                if (entry.path() != path && entry.file_size(ec) > 0) return true;
            return false;
        };
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!started() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the save ended before it was seen writing";
        EXPECT_EQ(bytesOf(path), old);
        RamuloControl reader;
        format.save == &RamuloControl::Save ? reader.Load(path.u16string())
                                            : reader.LoadFromXml(path.u16string());
        EXPECT_EQ(reader.GetVertexCount(0), 11u);
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
}

TEST_F(SafeSaves, SavesKeepPermissionsAndLinks) {
    const Format& format = kFormats[0];
    control.LoadTest(1);
    const auto path = folder / format.file;
    for (const auto mode : {std::filesystem::perms(0640), std::filesystem::perms(0604),
                            std::filesystem::perms(0600)}) {
        save(control, format, path);
        std::filesystem::permissions(path, mode);
        EXPECT_EQ(save(control, format, path).code, 0u);
        EXPECT_EQ(std::filesystem::status(path).permissions(), mode);
    }
    // A new file gets what the umask leaves of read-write for all.
    std::filesystem::remove(path);
    const mode_t previous = ::umask(027);
    save(control, format, path);
    ::umask(previous);
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0640));

    // A link stays a link; the file it leads to gets the new content.
    const auto link = folder / "link.nx";
    std::filesystem::create_symlink(format.file, link);
    control.AddVertex();
    EXPECT_EQ(save(control, format, link).code, 0u);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    RamuloControl reader;
    reader.Load(path.u16string());
    EXPECT_EQ(reader.GetVertexCount(0), 12u);
    EXPECT_EQ(namesIn(folder), (std::set<std::string>{format.file, "link.nx"}));
}

}  // namespace
