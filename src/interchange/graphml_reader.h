// GraphML reading: nodes, edges, label keys, x/y keys and yEd's node and edge graphics.
#pragma once

#include <string>

#include "interchange/graph_data.h"

namespace nx {

GraphData readGraphMl(const std::string& path);

}  // namespace nx
