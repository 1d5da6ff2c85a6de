// Shared by the fuzz targets: a document to load into, and the input as a file.
#pragma once

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "graph/space.h"
#include "persistence/space_files.h"
#include "support/document_schemas.h"

namespace nx::fuzz {

struct Document : test::Schemas {
    std::unique_ptr<Space> space = newSpace();
};

// What a graph record can refer to: graph-level values of several types, one graph, and two
// vertices outside it joined by an edge, one with a self-loop.
struct GraphRecordSpace : Document {
    Graph* graph = nullptr;

    GraphRecordSpace() {
        for (const char* type : {"Name", "Real"}) graphSchema.addByTypeName(type);
        for (const char* type : {"Visited", "String"}) graphVertexSchema.addByTypeName(type);
        graphEdgeSchema.addByTypeName("Weight");
        graph = space->graphFactory().create();
        Vertex* a = space->vertexFactory().create();
        Vertex* b = space->vertexFactory().create();
        space->edgeFactory().create(a, b);
        space->edgeFactory().create(b, b);
    }
};

// The readers take file names: each process writes its input to a file of its own.
inline std::string writeInput(const std::uint8_t* data, std::size_t size, const char* suffix) {
    const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    const std::string path = std::string(dir) + "/ramulo_fuzz_" + std::to_string(getpid()) + suffix;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) std::abort();
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    return path;
}

inline std::string slurp(const std::string& path) {
    std::string bytes;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[65536];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            bytes.append(buffer, n);
        std::fclose(file);
    }
    return bytes;
}

// A document that loaded must save in both forms without failing, and in each form a
// saved file, once read back, must save to the same bytes again. Text values longer than
// one stream token (1023 bytes) can come only from XML and do not fit the stream form, so
// documents read from XML are held to the XML round only.
inline void checkSavesAreStable(Space& space, const std::string& path, bool fromXml) {
    try {
        nx::saveStream(space, path + ".any.nx", nullptr);
        for (const bool xml : {false, true}) {
            if (fromXml && !xml) continue;
            const std::string first = path + (xml ? ".1.nxx" : ".1.nx");
            const std::string second = path + (xml ? ".2.nxx" : ".2.nx");
            const std::string third = path + (xml ? ".3.nxx" : ".3.nx");
            xml ? nx::saveXml(space, first, nullptr) : nx::saveStream(space, first, nullptr);
            Document again;
            xml ? nx::loadXml(*again.space, first, nullptr)
                : nx::loadStream(*again.space, first, nullptr);
            xml ? nx::saveXml(*again.space, second, nullptr)
                : nx::saveStream(*again.space, second, nullptr);
            Document once_more;
            xml ? nx::loadXml(*once_more.space, second, nullptr)
                : nx::loadStream(*once_more.space, second, nullptr);
            xml ? nx::saveXml(*once_more.space, third, nullptr)
                : nx::saveStream(*once_more.space, third, nullptr);
            if (slurp(second) != slurp(third)) std::abort();
        }
    } catch (...) {
        std::abort();
    }
}

}  // namespace nx::fuzz
