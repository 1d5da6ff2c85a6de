// Cytoscape-style JSON elements: {"elements": {"nodes": [...], "edges": [...]}} or a flat
// array of elements (at the top or under "elements").
#pragma once

#include <string>

#include "interchange/graph_data.h"

namespace nx {

GraphData readJsonElements(const std::string& path);

}  // namespace nx
