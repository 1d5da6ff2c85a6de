// Shared by the fuzz targets: a document to load into, and the input as a file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

#include "graph/space.h"

namespace nx::fuzz {

struct Document {
    FormalProperties vertexSchema, edgeSchema, graphSchema, graphVertexSchema, graphEdgeSchema;
    std::unique_ptr<Space> space = std::make_unique<Space>(
        &vertexSchema, &edgeSchema, &graphSchema, &graphVertexSchema, &graphEdgeSchema);
};

// The readers take file names: each process writes its input to a file of its own.
inline std::string writeInput(const std::uint8_t* data, std::size_t size, const char* suffix) {
    const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    const std::string path =
        std::string(dir) + "/ramulo_fuzz_" + std::to_string(getpid()) + suffix;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    return path;
}

// A document that loaded must save in both forms without failing.
inline void saveBoth(Space& space, const std::string& path) {
    try {
        space.saveStream(path + ".out.nx", nullptr);
        space.saveXml(path + ".out.nxx", nullptr);
    } catch (...) {
        std::abort();
    }
}

}  // namespace nx::fuzz
