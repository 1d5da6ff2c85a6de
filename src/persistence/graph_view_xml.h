// The "GraphView" element in pieces: the document files print and read it one entry at a
// time, GraphView::saveXml and loadXml put the pieces together.
#pragma once

#include <cstddef>

#include <tinyxml.h>

namespace nx {
class Edge;
class GraphView;
struct EdgeViewData;
struct VertexViewEntry;
}  // namespace nx

namespace nx::persistence {

struct XmlEntry;

// "GraphView" with its graph id and colour attributes, no children.
TiXmlElement viewTag(const GraphView& view);
// "DefaultVertexView" or "DefaultEdgeView", empty when the view has none.
TiXmlElement defaultVertexViewElement(const GraphView& view);
TiXmlElement defaultEdgeViewElement(const GraphView& view);
TiXmlElement vertexEntryElement(const VertexViewEntry& entry);
TiXmlElement edgeEntryElement(const Edge& edge, const EdgeViewData& data);

// Attaches the named graph, reads the colours and the default-view children of the element.
void readViewHead(GraphView& view, const TiXmlElement& element);
// Fails with the four-line error unless the count matches the view's entries.
void checkSequenceCount(const GraphView& view, long count);
// One "Vertex" entry, placed at that position of the drawing order.
void readVertexEntry(GraphView& view, const TiXmlElement& entry, std::size_t position);
void readEdgeEntry(GraphView& view, const TiXmlElement& entry);
// The same entries read straight from the text (see readPlainEntry).
void readVertexEntry(GraphView& view, const XmlEntry& entry, std::size_t position);
void readEdgeEntry(GraphView& view, const XmlEntry& entry);
// Follows the graph and rebuilds the selection from the values read.
void finishViewRead(GraphView& view);

}  // namespace nx::persistence
