// Output files that replace their target only when every byte is safely on disk.
#pragma once

#include <cstdio>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>

namespace nx::persistence {

// The output could not be opened at all; nothing was written and the target is untouched.
class OutputOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes a file so that a failure never costs the file it replaces. The bytes go to a new
// temporary file in the target's folder (hidden, named after the target); commit checks
// that every write succeeded, syncs the file, gives it the old file's permissions and
// renames it over the target, then syncs the folder. Until then the old file is untouched;
// an output that is not committed is removed. A symbolic link keeps pointing where it did:
// the file it leads to is replaced. A target that exists but is no regular file (a device,
// a FIFO) cannot be replaced; it is written directly, every write still checked.
//
// Failures are runtime errors with texts that begin with the given prefix:
// "Failed to open output file <path> for writing" (as OutputOpenError),
// "Failed to write output file <path>: <system reason>" and
// "Failed to replace output file <path>: <system reason>".
class SafeOutputFile {
public:
    SafeOutputFile(const std::string& path, std::string errorPrefix);
    ~SafeOutputFile();
    SafeOutputFile(const SafeOutputFile&) = delete;
    SafeOutputFile& operator=(const SafeOutputFile&) = delete;

    // The output as a stream; its failures surface in commit.
    std::ostream& stream();
    // The same output for printers that write through stdio.
    std::FILE* file();
    // Ends the output: the target now holds exactly what was written, or this fails and
    // the target is as it was.
    void commit();

    // Whether a SafeOutputFile for path would write the target itself (a device, a FIFO),
    // so that what it is given reaches the target at once.
    static bool writesDirectly(const std::string& path);

    // The file being written: the temporary file, or the target itself when it is written
    // directly.
    const std::string& writtenPath() const;

private:
    class Buffer;
    [[noreturn]] void fail(const char* what, int error);
    void discard();

    std::string path_;
    std::string prefix_;
    std::string target_;     // the regular file that is replaced (links followed)
    std::string temporary_;  // empty when writing directly
    int fd_ = -1;
    std::unique_ptr<Buffer> buffer_;
    std::unique_ptr<std::ostream> stream_;
    std::FILE* file_ = nullptr;
    bool committed_ = false;
};

}  // namespace nx::persistence
