// The one place where exports touch the file system.
#include "interchange/output_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace nx {

void writeOutputFile(const std::string& path, const std::function<void(std::ostream&)>& write) {
    const std::string temporary = path + ".tmp" + std::to_string(::getpid());
    const auto failed = [&](const std::string& why) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw std::runtime_error("Failed to write " + path + ": " + why);
    };
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) failed(std::strerror(errno));
        try {
            write(out);
        } catch (...) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw;
        }
        out.flush();
        if (!out) failed("the data could not be written");
        out.close();
        if (!out) failed("the file could not be closed");
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) failed(std::strerror(errno));
}

}  // namespace nx
