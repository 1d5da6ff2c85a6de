// File records of elements, factories and the space. The readers and writers
// arrive with the persistence subsystem; until then every entry point refuses
// clearly instead of writing a partial file.
#include <stdexcept>
#include <string>

#include "graph/graph.h"
#include "graph/space.h"

namespace nx {

namespace {
[[noreturn]] void unavailable(const char* what) {
    throw std::logic_error(std::string(what) + ": document files are not available in this build");
}
}  // namespace

void Vertex::writeStream(std::ostream&) const {
    unavailable("nx::Vertex::writeStream");
}
void Vertex::saveXml(TiXmlNode&) const {
    unavailable("nx::Vertex::saveXml");
}
void Edge::writeStream(std::ostream&) const {
    unavailable("nx::Edge::writeStream");
}
void Edge::saveXml(TiXmlNode&) const {
    unavailable("nx::Edge::saveXml");
}
void Graph::writeStream(std::ostream&) const {
    unavailable("nx::Graph::writeStream");
}
void Graph::saveXml(TiXmlNode&) const {
    unavailable("nx::Graph::saveXml");
}
void Graph::writeGraphStream(std::ostream&) const {
    unavailable("nx::Graph::writeGraphStream");
}
void Graph::saveGraphXml(TiXmlNode&) const {
    unavailable("nx::Graph::saveGraphXml");
}
void Graph::readGraphStream(std::istream&, Space&) {
    unavailable("nx::Graph::readGraphStream");
}
void Graph::readGraphVerticesStream(std::istream&, Space&) {
    unavailable("nx::Graph::readGraphVerticesStream");
}
void Graph::readGraphEdgesStream(std::istream&, Space&) {
    unavailable("nx::Graph::readGraphEdgesStream");
}
void Graph::loadGraphXml(const TiXmlElement&, Space&) {
    unavailable("nx::Graph::loadGraphXml");
}
void Graph::loadGraphVerticesXml(const TiXmlElement&, Space&) {
    unavailable("nx::Graph::loadGraphVerticesXml");
}
void Graph::loadGraphEdgesXml(const TiXmlElement&, Space&) {
    unavailable("nx::Graph::loadGraphEdgesXml");
}
void VertexFactory::writeStream(std::ostream&) {
    unavailable("nx::VertexFactory::writeStream");
}
void VertexFactory::saveXml(TiXmlNode&) {
    unavailable("nx::VertexFactory::saveXml");
}
void EdgeFactory::writeStream(std::ostream&) {
    unavailable("nx::EdgeFactory::writeStream");
}
void EdgeFactory::saveXml(TiXmlNode&) {
    unavailable("nx::EdgeFactory::saveXml");
}
void GraphFactory::writeStream(std::ostream&) {
    unavailable("nx::GraphFactory::writeStream");
}
void GraphFactory::saveXml(TiXmlNode&) {
    unavailable("nx::GraphFactory::saveXml");
}
void Space::saveStream(const std::string&, GraphView*) {
    unavailable("nx::Space::saveStream");
}
void Space::loadStream(const std::string&, GraphView*) {
    unavailable("nx::Space::loadStream");
}
void Space::saveXml(const std::string&, GraphView*) {
    unavailable("nx::Space::saveXml");
}
void Space::loadXml(const std::string&, GraphView*) {
    unavailable("nx::Space::loadXml");
}

}  // namespace nx
