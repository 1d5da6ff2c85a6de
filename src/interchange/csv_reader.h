// Edge lists in CSV (RFC 4180) and TSV: source, target and an optional label per row.
#pragma once

#include <string>

#include "interchange/graph_data.h"

namespace nx {

struct EdgeListOptions {
    char separator = ',';
    // Detect: the first row is a header when it names a source and a target column.
    enum class Header { Detect, Present, Absent } header = Header::Detect;
};

// Reads the file row by row. A row holds source, target and an optional label (a header
// may place them in other columns); a row with one field is a vertex without edges.
// Fails with an ImportError naming the file, line and column.
GraphData readEdgeList(const std::string& path, const EdgeListOptions& options);

}  // namespace nx
