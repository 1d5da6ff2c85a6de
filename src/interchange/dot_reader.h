// DOT reading through Graphviz's own parser: nodes, edges, label and pos attributes.
#pragma once

#include <string>

#include "interchange/graph_data.h"

namespace nx {

GraphData readDot(const std::string& path);

}  // namespace nx
