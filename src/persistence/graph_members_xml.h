// One graph member's XML record read into a graph: shared by the tree and the record-by-record
// readers.
#pragma once

#include <vector>

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

// Reads a graph's member lists record by record as the functions above do, with the stream
// reader's shortcuts: room reserved from the lists' counts, and the members known by vertex
// ID, so that an edge's ends, nearly always members already, need no probe of the graph.
class GraphMemberReader {
public:
    GraphMemberReader(Graph& graph, Space& space) : graph_(graph), space_(space) {}
    void expectVertices(long count);
    void vertex(const XmlRecord& record) { readMemberVertexXml(graph_, record, space_); }
    void expectEdges(long count);
    void edge(const XmlRecord& record);

private:
    Graph& graph_;
    Space& space_;
    std::vector<bool> member_;
};

}  // namespace nx::persistence
