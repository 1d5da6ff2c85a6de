// Drawing files: a scratch file checked for completeness, then written through SafeOutputFile.
#include "render/drawing_output.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>
#include <fstream>
#include <stdexcept>
#include <system_error>
#include <vector>

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
    std::ifstream in(scratch, std::ios::binary | std::ios::ate);
    if (!in) throw std::runtime_error("Failed to write " + target_);
    const std::streamoff size = in.tellg();
    std::string last(ending.size(), '\0');
    const auto tail = static_cast<std::streamoff>(ending.size());
    if (size < tail || !in.seekg(size - tail) || !in.read(last.data(), tail) || last != ending)
        throw std::runtime_error("Failed to write output file " + target_ + ": " +
                                 whyCutShort(scratch));
    in.seekg(0);
    nx::persistence::SafeOutputFile out(target_, "");
    // Copied in pieces: a drawing of a large document can be large.
    std::vector<char> piece(1 << 20);
    while (in.read(piece.data(), static_cast<std::streamsize>(piece.size())) || in.gcount() > 0)
        out.stream().write(piece.data(), in.gcount());
    if (in.bad()) throw std::runtime_error("Failed to write " + target_);
    out.commit();
}
