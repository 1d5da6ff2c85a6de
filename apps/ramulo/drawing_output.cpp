// Drawing files: a scratch file checked for completeness, then written through SafeOutputFile.
#include "drawing_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "persistence/safe_output_file.h"

namespace {

// Why the scratch file could not take more bytes: a full disk, a size limit. Qt's writers
// drop these reasons, so one more byte is tried to learn it.
std::string whyCutShort(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) return std::generic_category().message(errno);
    const ssize_t n = ::write(fd, "\n", 1);
    const int error = errno;
    ::close(fd);
    return n == 1 ? std::string("the drawing was cut short")
                  : std::generic_category().message(error);
}

}  // namespace

DrawingOutput::DrawingOutput(std::string target)
    : target_(std::move(target)), scratch_(QDir::tempPath() + "/ramulo-drawing-XXXXXX") {
    if (!scratch_.open()) throw std::runtime_error("Failed to write " + target_);
    scratch_.close();  // Qt's writers open it again by name
}

void DrawingOutput::commit(std::string_view ending) {
    const std::string scratch = scratch_.fileName().toStdString();
    std::ifstream in(scratch, std::ios::binary);
    if (!in) throw std::runtime_error("Failed to write " + target_);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!bytes.ends_with(ending))
        throw std::runtime_error("Failed to write output file " + target_ + ": " +
                                 whyCutShort(scratch));
    nx::persistence::SafeOutputFile out(target_, "");
    out.stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.commit();
}
