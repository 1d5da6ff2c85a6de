// A small tmpfs of the test's own to run out of space on, and listings of a folder.
#pragma once

#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace test_support {

// Mounted at a fresh folder under `parent`; mounting needs privileges a test run may lack,
// which mounted() tells.
class SmallFilesystem {
public:
    SmallFilesystem(const std::filesystem::path& parent, std::size_t bytes)
        : folder_(parent / ("small-fs-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        const std::string options = "size=" + std::to_string(bytes);
        mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~SmallFilesystem() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    SmallFilesystem(const SmallFilesystem&) = delete;
    SmallFilesystem& operator=(const SmallFilesystem&) = delete;

    bool mounted() const { return mounted_; }
    const std::filesystem::path& folder() const { return folder_; }

    // Takes all but about `left` bytes with the file "filler".
    void fill(std::size_t left) {
        struct statvfs info {};
        ::statvfs(folder_.c_str(), &info);
        const std::size_t free = info.f_bavail * info.f_frsize;
        std::ofstream(folder_ / "filler", std::ios::binary)
            << std::string(free > left ? free - left : 0, 'f');
    }

private:
    std::filesystem::path folder_;
    bool mounted_ = false;
};

// The names in a folder, hidden ones included.
inline std::set<std::string> namesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

inline std::string bytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace test_support
