// One graph member's XML record read into a graph: shared by the tree and the record-by-record
// readers.
#pragma once

namespace nx {
class Graph;
class Space;
}  // namespace nx

namespace nx::persistence {

struct XmlRecord;

// A "Vertex" child of "Vertices": the member named by "Id" is added and its graph-level
// values read from the first "PropertyCount" children.
void readMemberVertexXml(Graph& graph, const XmlRecord& record, Space& space);
// An "Edge" child of "Edges", likewise.
void readMemberEdgeXml(Graph& graph, const XmlRecord& record, Space& space);

}  // namespace nx::persistence
