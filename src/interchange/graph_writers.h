// The interchange writers: one GraphData to one stream per format.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "interchange/graph_data.h"

namespace nx {

// GraphML with a label key and yEd's ShapeNode geometry and labels. Fails for a text that
// XML cannot carry (control characters).
void writeGraphMl(const GraphData& data, std::ostream& out);
// DOT with label and pos (points, y upwards) and a bounding box, for "neato -n2".
void writeDot(const GraphData& data, std::ostream& out);
// Cytoscape-style JSON elements with positions.
void writeJsonElements(const GraphData& data, std::ostream& out);
// An edge list with the header "source<sep>target<sep>label"; a vertex without edges is a
// row of its own. Vertices are named by their labels when those are unique and not empty,
// else by their ids (a warning says so).
void writeEdgeList(const GraphData& data, std::ostream& out, char separator,
                   std::vector<std::string>& warnings);

// Decimal text of a coordinate without exponent or locale: 12, 12.5, -0.75.
std::string coordinateText(double value);

}  // namespace nx
