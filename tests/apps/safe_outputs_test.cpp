// Every file the tool writes (documents and drawings) survives a failed write: the tool
// exits 1 with the system's reason and the old file stays as it was.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>

#include "apps/cli_fixture.h"
#include "support/scratch_filesystem.h"

namespace ramulo::test {
namespace {

using test_support::bytesOf;
using test_support::namesIn;

const char* const kOutputs[] = {"out.nx", "out.nxx", "out.png", "out.svg", "out.pdf"};

// The outputs of sample 3 are all larger than those of sample 1, and than this limit.
constexpr rlim_t kSizeLimit = 3000;

class SafeOutputs : public CliTest {
protected:
    // sample 1 written to folder/name by a run without limits; its bytes.
    std::string writeOld(const std::filesystem::path& folder, const char* name) {
        ok({"sample", "1", "-o", QString::fromStdString((folder / name).string())});
        return bytesOf(folder / name);
    }

    void expectFailedKeepingOld(const CliRun& r, const char* reason,
                                const std::filesystem::path& file, const std::string& old,
                                const std::set<std::string>& names) {
        EXPECT_EQ(r.exitCode, 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString("Failed to write output file ") +
                                   QString::fromStdString(file.string()) + ": " + reason))
            << r.err.toStdString();
        EXPECT_EQ(bytesOf(file), old);
        EXPECT_EQ(namesIn(file.parent_path()), names);
    }
};

TEST_F(SafeOutputs, EveryOutputPastAFileSizeLimitFailsAndKeepsTheOldFile) {
    const std::filesystem::path folder = dir.path().toStdString();
    for (const char* name : kOutputs) {
        SCOPED_TRACE(name);
        const std::string old = writeOld(folder, name);
        const CliRun r = runCli({"sample", "3", "-o", path(name)}, {}, [] {
            const rlimit limit{kSizeLimit, kSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
        expectFailedKeepingOld(r, std::strerror(EFBIG), folder / name, old, {name});
        std::filesystem::remove(folder / name);
    }
}

TEST_F(SafeOutputs, EveryOutputOntoAFullDiskFailsAndKeepsTheOldFile) {
    test_support::SmallFilesystem disk(dir.path().toStdString(), 1 << 20);
    if (!disk.mounted()) GTEST_SKIP() << "no permission to mount a tmpfs";
    const std::filesystem::path& folder = disk.folder();
    ok({"sample", "3", "-o", path("in.nxx")});
    for (const char* name : kOutputs) {
        SCOPED_TRACE(name);
        const std::string old = writeOld(folder, name);
        disk.fill(1024);
        const QString out = QString::fromStdString((folder / name).string());
        const CliRun sample = runCli({"sample", "3", "-o", out});
        expectFailedKeepingOld(sample, std::strerror(ENOSPC), folder / name, old, {name, "filler"});
        if (std::string(name).ends_with(".nx")) {
            const CliRun convert = runCli({"convert", path("in.nxx"), out});
            expectFailedKeepingOld(convert, std::strerror(ENOSPC), folder / name, old,
                                   {name, "filler"});
        }
        std::filesystem::remove(folder / "filler");
        std::filesystem::remove(folder / name);
    }
}

TEST_F(SafeOutputs, OutputsIntoAFullDeviceFailWithTheReason) {
    // The tool picks the kind of output by extension, so a document and a drawing reach the
    // device through links, which stay links.
    const QString document = path("full.nxx");
    const QString drawing = path("full.png");
    for (const QString& link : {document, drawing}) {
        SCOPED_TRACE(link.toStdString());
        ASSERT_TRUE(QFile::link("/dev/full", link));
        const CliRun r = runCli({"sample", "3", "-o", link});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.contains(std::strerror(ENOSPC))) << r.err.toStdString();
        EXPECT_TRUE(std::filesystem::is_symlink(link.toStdString()));
    }
    struct stat device {};
    ASSERT_EQ(::stat("/dev/full", &device), 0);
    EXPECT_TRUE(S_ISCHR(device.st_mode));
}

}  // namespace
}  // namespace ramulo::test
