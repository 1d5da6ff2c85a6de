// Fuzz target: a graph file of another tool (the first byte picks CSV, TSV, JSON or
// GraphML) imported as a document; what imports must export and import again with the same
// counts. DOT is left out: its parser is Graphviz's own.
#include <cstdlib>
#include <exception>
#include <stdexcept>

#include "engine/control_engine.h"
#include "fuzz_input.h"
#include "interchange/graph_import.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static const nx::GraphFormat formats[] = {nx::GraphFormat::Csv, nx::GraphFormat::Tsv,
                                              nx::GraphFormat::Json, nx::GraphFormat::GraphML};
    static const char* const suffixes[] = {".csv", ".tsv", ".json", ".graphml"};
    const std::size_t pick = data[0] % 4;
    const std::string path = nx::fuzz::writeInput(data + 1, size - 1, suffixes[pick]);
    nx::ImportOptions options;
    options.arrange = false;  // the layouts have their own tests
    ramulo::ControlEngine engine;
    try {
        nx::importGraph(engine, path, formats[pick], options);
    } catch (const std::exception&) {
        return 0;
    }
    const std::string again = path + ".again";
    try {
        nx::exportGraph(engine, again, formats[pick]);
    } catch (const std::runtime_error&) {
        return 0;  // a text the format cannot carry
    }
    ramulo::ControlEngine back;
    nx::importGraph(back, again, formats[pick], options);
    if (back.GetVertexCount(0) != engine.GetVertexCount(0) ||
        back.GetEdgeCount(0) != engine.GetEdgeCount(0))
        std::abort();
    return 0;
}
