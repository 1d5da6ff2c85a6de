// Importing a graph file as a new document of an engine, and exporting the current graph.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "interchange/csv_reader.h"
#include "interchange/graph_data.h"
#include "interchange/graph_format.h"

namespace ramulo {
class ControlEngine;
}  // namespace ramulo

namespace nx {

struct ImportOptions {
    // The header row of CSV and TSV files (the separator follows the format).
    EdgeListOptions::Header header = EdgeListOptions::Header::Detect;
    // Without positions for every node the graph is laid out: hierarchically when it is a
    // forest, else force-directed. Off, the nodes are spread on a grid.
    bool arrange = true;
};

struct ImportResult {
    std::uint32_t graphId = 0;
    bool laidOut = false;
    // Ignored attributes and other remarks, each once.
    std::vector<std::string> warnings;
};

// Reads the file into the format-neutral form; fails with an ImportError.
GraphData readGraphFile(const std::string& path, GraphFormat format, const ImportOptions& options);

// Replaces the engine's document by the file's graph in a complete standard document
// (the schemas a new document has; names, view-level X and Y). The document is built
// apart and only then handed to the engine, so a failure leaves the engine untouched.
// The new view is bound to the engine's host window and editing switch.
ImportResult importGraph(ramulo::ControlEngine& engine, const std::string& path, GraphFormat format,
                         const ImportOptions& options = {});

// Writes the current graph (names, view-level positions, edge names) in the format through
// a temporary file; answers the warnings. Fails without a document.
std::vector<std::string> exportGraph(ramulo::ControlEngine& engine, const std::string& path,
                                     GraphFormat format);

// The current graph as the writers take it: node ids "n<ID>", labels from Name.
GraphData snapshotOf(ramulo::ControlEngine& engine);

}  // namespace nx
