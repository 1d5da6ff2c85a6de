// Writing the space (and a graph view) as an XML document file.
#pragma once

#include <string>

namespace nx {
class GraphView;
class Space;
}  // namespace nx

namespace nx::persistence {

// Writes the document through a SafeOutputFile: an unopenable file fails with its
// OutputOpenError, a failed write with the system's reason, and the old file stays intact.
void writeSpaceXml(Space& space, const std::string& fileName, GraphView* view);

}  // namespace nx::persistence
