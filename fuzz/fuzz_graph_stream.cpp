// Fuzz target: a graph's own stream record read into a small fixed space.
#include <exception>
#include <sstream>

#include "fuzz_input.h"
#include "persistence/element_records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    nx::fuzz::GraphRecordSpace doc;
    nx::Space& space = *doc.space;
    nx::Graph* graph = doc.graph;
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        nx::persistence::readGraphStream(*graph, in, space);
    } catch (const std::exception&) {
        return 0;
    }
    std::ostringstream out;
    nx::persistence::writeGraphStream(*graph, out);
    return 0;
}
