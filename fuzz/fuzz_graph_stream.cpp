// Fuzz target: a graph's own stream record read into a small fixed space.
#include <exception>
#include <sstream>

#include "fuzz_input.h"
#include "persistence/element_records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    nx::fuzz::Document doc;
    for (const char* type : {"Name", "Real"}) doc.graphSchema.addByTypeName(type);
    for (const char* type : {"Visited", "String"}) doc.graphVertexSchema.addByTypeName(type);
    doc.graphEdgeSchema.addByTypeName("Weight");
    nx::Space& space = *doc.space;
    nx::Graph* graph = space.graphFactory().create();
    nx::Vertex* a = space.vertexFactory().create();
    nx::Vertex* b = space.vertexFactory().create();
    space.edgeFactory().create(a, b);
    space.edgeFactory().create(b, b);
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
