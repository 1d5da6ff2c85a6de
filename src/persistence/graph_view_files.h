// A graph view's section of both document files, and the view's own file.
#pragma once

#include <istream>
#include <ostream>
#include <string>

class TiXmlElement;

namespace nx {

class GraphView;

// The view's own file: the line "Nodalyx", then the stream section. Saving replaces the
// file only when complete and fails with "nx::GraphView error: " and the reason.
void saveToFile(GraphView& view, const std::string& path);
// Answers the file's first line; the view is not changed. Fails with "nx::GraphView error:
// Failed to open input file <path> for reading".
std::string loadFromFile(GraphView& view, const std::string& path);
// The view's section of both document files: the shown graph, colours, default views,
// the drawing order with each vertex's values and view, each edge's values and view.
void writeStream(GraphView& view, std::ostream& out);
void saveXml(GraphView& view, TiXmlElement& element);
// Reading needs the view's space (setSpace) and attaches the stored graph itself; a failure
// leaves what was read so far. Fails with "nx::GraphView error: no space to read the view
// into" without a space.
void readStream(GraphView& view, std::istream& in);
// Reads every "GraphView" child of the given "Space" element.
void loadXml(GraphView& view, const TiXmlElement& spaceElement);

}  // namespace nx
