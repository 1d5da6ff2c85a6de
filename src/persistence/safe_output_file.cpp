// Output files written beside their target and renamed over it once complete.
#include "persistence/safe_output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>
#include <streambuf>
#include <system_error>
#include <vector>

namespace nx::persistence {

namespace {

std::string reason(int error) {
    return std::generic_category().message(error);
}

// Follows a chain of symbolic links to the path of the file they finally name, which need
// not exist yet.
std::filesystem::path followLinks(std::filesystem::path path) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, ec))) break;
        const std::filesystem::path link = std::filesystem::read_symlink(path, ec);
        if (ec) break;
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return path;
}

// A new file beside target, created exclusively, so that the umask gives its permissions.
int createTemporary(const std::filesystem::path& target, std::string& name) {
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof(kLetters)) - 2);
    // Named after the target, short enough that the longest target name still leaves room.
    const std::string base = target.filename().string().substr(0, 200);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix(6, 'x');
        for (char& c : suffix) c = kLetters[pick(random)];
        name = (folder / ("." + base + ".tmp-" + suffix)).string();
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Writes every byte or reports why not.
int writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return EIO;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return 0;
}

void syncFolder(const std::filesystem::path& file) {
    const std::filesystem::path folder =
        file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // The rename has happened; a folder that cannot be synced (some file systems refuse)
    // leaves it to the system's own write-back.
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

// A buffer in front of the file descriptor that remembers the first failed write; later
// output is dropped, so a full disk costs no more time than it takes to notice.
class SafeOutputFile::Buffer : public std::streambuf {
public:
    explicit Buffer(int fd) : fd_(fd), bytes_(1 << 16) {
        setp(bytes_.data(), bytes_.data() + bytes_.size());
    }
    int error() const { return error_; }
    // Output from here on is dropped unwritten.
    void abandon() {
        if (error_ == 0) error_ = ECANCELED;
    }

protected:
    int_type overflow(int_type c) override {
        if (!drain()) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return drain() ? 0 : -1; }
    // A piece larger than the buffer goes to the file at once, after what waits: copying it
    // through the buffer would only cut it up.
    std::streamsize xsputn(const char* data, std::streamsize size) override {
        if (size < static_cast<std::streamsize>(bytes_.size()))
            return std::streambuf::xsputn(data, size);
        if (!drain()) return 0;
        error_ = writeAll(fd_, data, static_cast<std::size_t>(size));
        return error_ == 0 ? size : 0;
    }

private:
    bool drain() {
        const std::size_t size = static_cast<std::size_t>(pptr() - pbase());
        if (error_ == 0 && size > 0) error_ = writeAll(fd_, pbase(), size);
        setp(bytes_.data(), bytes_.data() + bytes_.size());
        return error_ == 0;
    }

    int fd_;
    std::vector<char> bytes_;
    int error_ = 0;
};

namespace {

ssize_t cookieWrite(void* cookie, const char* data, std::size_t size) {
    auto* buffer = static_cast<std::streambuf*>(cookie);
    return buffer->sputn(data, static_cast<std::streamsize>(size)) ==
                   static_cast<std::streamsize>(size)
               ? static_cast<ssize_t>(size)
               : -1;
}

}  // namespace

bool SafeOutputFile::writesDirectly(const std::string& path) {
    struct stat existing {};
    return ::stat(path.c_str(), &existing) == 0 && !S_ISDIR(existing.st_mode) &&
           !S_ISREG(existing.st_mode);
}

SafeOutputFile::SafeOutputFile(const std::string& path, std::string errorPrefix)
    : path_(path), prefix_(std::move(errorPrefix)) {
    const std::string openError = prefix_ + "Failed to open output file " + path + " for writing";
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) throw OutputOpenError(openError);
    if (exists && S_ISDIR(existing.st_mode)) throw OutputOpenError(openError);
    if (exists && !S_ISREG(existing.st_mode)) {
        // Devices and FIFOs cannot be replaced by a rename.
        target_ = path;
        fd_ = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd_ < 0) throw OutputOpenError(openError);
    } else {
        // A file its user may not write is not replaced either.
        if (exists && ::access(path.c_str(), W_OK) != 0) throw OutputOpenError(openError);
        const std::filesystem::path target = followLinks(path);
        if (!target.has_filename()) throw OutputOpenError(openError);  // "" or "folder/"
        target_ = target.string();
        fd_ = createTemporary(target, temporary_);
        if (fd_ < 0) {
            temporary_.clear();
            throw OutputOpenError(openError);
        }
        if (exists) {
            // The replacement keeps the old file's owner (where allowed) and permissions.
            if (::fchown(fd_, existing.st_uid, existing.st_gid) != 0) {
                // Only the owner may be kept by an unprivileged writer; the mode still is.
            }
            if (::fchmod(fd_, existing.st_mode & 07777) != 0) {
                const int error = errno;
                discard();
                throw OutputOpenError(openError + ": " + reason(error));
            }
        }
    }
    buffer_ = std::make_unique<Buffer>(fd_);
    stream_ = std::make_unique<std::ostream>(buffer_.get());
}

SafeOutputFile::~SafeOutputFile() {
    if (!committed_) discard();
}

std::ostream& SafeOutputFile::stream() {
    return *stream_;
}

std::FILE* SafeOutputFile::file() {
    if (!file_) {
        const cookie_io_functions_t functions{nullptr, cookieWrite, nullptr, nullptr};
        file_ = ::fopencookie(buffer_.get(), "w", functions);
        if (!file_) fail("write", errno);
    }
    return file_;
}

const std::string& SafeOutputFile::writtenPath() const {
    return temporary_.empty() ? target_ : temporary_;
}

void SafeOutputFile::fail(const char* what, int error) {
    discard();
    throw std::runtime_error(prefix_ + "Failed to " + what + " output file " + path_ + ": " +
                             reason(error));
}

void SafeOutputFile::discard() {
    if (buffer_) buffer_->abandon();
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
    stream_.reset();
    buffer_.reset();
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
    temporary_.clear();
}

void SafeOutputFile::commit() {
    if (committed_) return;
    // A failed output stays failed; committing it again must not look like success.
    if (fd_ < 0) throw std::logic_error(prefix_ + "Output file " + path_ + " already failed");
    if (file_) {
        const int flushed = std::fflush(file_);
        std::fclose(file_);
        file_ = nullptr;
        if (flushed != 0 && buffer_->error() == 0) fail("write", errno ? errno : EIO);
    }
    stream_->flush();
    if (buffer_->error() != 0) fail("write", buffer_->error());
    if (::fsync(fd_) != 0) {
        const int error = errno;
        // A device or FIFO may have nothing to sync; a file must be on disk.
        if (!temporary_.empty() || (error != EINVAL && error != EROFS && error != ENOTSUP))
            fail("write", error);
    }
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0 && errno != EINTR) fail("write", errno);
    if (!temporary_.empty()) {
        if (::rename(temporary_.c_str(), target_.c_str()) != 0) fail("replace", errno);
        temporary_.clear();
        syncFolder(target_);
    }
    committed_ = true;
}

}  // namespace nx::persistence
