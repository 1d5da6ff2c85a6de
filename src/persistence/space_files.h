// A space (with a graph view or none) saved to and loaded from the two document files.
#pragma once

#include <string>

namespace nx {

class GraphView;
class Space;

// The stream file. Saving checks every text first and replaces the file only when complete;
// it fails with "nx::Space error: " and the reason. Loading fails with "nx::Space error:
// Failed to open input file <path> for reading" or the first fault found.
void saveStream(Space& space, const std::string& fileName, GraphView* view);
void loadStream(Space& space, const std::string& fileName, GraphView* view);
// The XML file. Saving into a file that cannot be opened writes nothing and reports
// nothing; loading fails with "Error loading xml file <path>. " and the reason.
void saveXml(Space& space, const std::string& fileName, GraphView* view);
void loadXml(Space& space, const std::string& fileName, GraphView* view);

}  // namespace nx
