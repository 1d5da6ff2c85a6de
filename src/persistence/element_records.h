// The records of vertices, edges, graphs and the three factories in both document files.
#pragma once

#include <istream>
#include <ostream>
#include <string>

class TiXmlElement;
class TiXmlNode;

namespace nx {
class Edge;
class EdgeFactory;
class Graph;
class GraphFactory;
class Space;
class Vertex;
class VertexFactory;
}  // namespace nx

namespace nx::persistence {

// One vertex (a graph counts as one here) or edge: a stream line (appended to the text,
// without its line end) or an XML element.
void appendVertexRecord(std::string& line, const Vertex& vertex);
void saveVertexRecord(TiXmlNode& parent, const Vertex& vertex);
void appendEdgeRecord(std::string& line, const Edge& edge);
void saveEdgeRecord(TiXmlNode& parent, const Edge& edge);

// A factory's section, every element it holds in ID order, written under its lock.
void writeFactoryStream(VertexFactory& factory, std::ostream& out);
void writeFactoryStream(EdgeFactory& factory, std::ostream& out);
void writeFactoryStream(GraphFactory& factory, std::ostream& out);
void saveFactoryXml(VertexFactory& factory, TiXmlNode& parent);
void saveFactoryXml(EdgeFactory& factory, TiXmlNode& parent);
void saveFactoryXml(GraphFactory& factory, TiXmlNode& parent);

// A graph's own record: its values, then its members with their graph-level values.
// Readers find the members in the space and fail naming the missing one.
void writeGraphStream(const Graph& graph, std::ostream& out);
void saveGraphXml(const Graph& graph, TiXmlNode& parent);
void readGraphStream(Graph& graph, std::istream& in, Space& space);
void readGraphVerticesStream(Graph& graph, std::istream& in, Space& space);
void readGraphEdgesStream(Graph& graph, std::istream& in, Space& space);
void loadGraphXml(Graph& graph, const TiXmlElement& element, Space& space);
void loadGraphVerticesXml(Graph& graph, const TiXmlElement& element, Space& space);
void loadGraphEdgesXml(Graph& graph, const TiXmlElement& element, Space& space);

}  // namespace nx::persistence
