// Fuzz target: both document readers with a graph view on arbitrary bytes (the first byte
// picks the form), then a save and reload of what was read.
#include <exception>

#include "engine/window_graph_view.h"
#include "fuzz_input.h"
#include "persistence/space_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool xml = data[0] & 1;
    const std::string path = nx::fuzz::writeInput(data + 1, size - 1, xml ? ".nxx" : ".nx");
    nx::fuzz::Document doc;
    nx::FormalProperties vertexViewSchema, edgeViewSchema;
    nx::WindowGraphView view(&vertexViewSchema, &edgeViewSchema);
    try {
        xml ? nx::loadXml(*doc.space, path, &view) : nx::loadStream(*doc.space, path, &view);
    } catch (const std::exception&) {
        return 0;
    }
    try {
        const std::string again = path + (xml ? ".v.nxx" : ".v.nx");
        xml ? nx::saveXml(*doc.space, again, &view) : nx::saveStream(*doc.space, again, &view);
        xml ? nx::loadXml(*doc.space, again, &view) : nx::loadStream(*doc.space, again, &view);
    } catch (const std::exception&) {
        // A read document saves and reads back; only texts too long for a stream token
        // (from XML) may refuse, and those are refused before writing.
        if (!xml) std::abort();
    }
    return 0;
}
