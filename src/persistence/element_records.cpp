// The records of single vertices, edges and graphs-as-vertices in both files.
#include <tinyxml.h>

#include "graph/graph.h"
#include "persistence/stream_fields.h"
#include "persistence/xml_values.h"
#include "properties/list_separator.h"

namespace nx {

namespace {

void writeVertexRecord(std::ostream& out, const Vertex& vertex) {
    const char sep = listSeparator();
    std::string& line = persistence::lineBuffer();
    line.clear();
    persistence::appendNumber(line, vertex.id);
    line.push_back(sep);
    line.push_back(vertex.isGraph() ? '1' : '0');
    line.push_back(sep);
    persistence::appendValues(line, *vertex.properties);
    persistence::writeLine(out, line);
}

void saveVertexRecord(TiXmlNode& parent, const Vertex& vertex) {
    auto* element = new TiXmlElement("Vertex");
    persistence::setNumberAttribute(*element, "Id", vertex.id);
    element->SetAttribute("IsGraph", vertex.isGraph() ? 1 : 0);
    persistence::saveValuesXml(*element, *vertex.properties);
    parent.LinkEndChild(element);
}

}  // namespace

void Vertex::writeStream(std::ostream& out) const {
    writeVertexRecord(out, *this);
}
void Vertex::saveXml(TiXmlNode& parent) const {
    saveVertexRecord(parent, *this);
}
void Graph::writeStream(std::ostream& out) const {
    writeVertexRecord(out, *this);
}
void Graph::saveXml(TiXmlNode& parent) const {
    saveVertexRecord(parent, *this);
}

void Edge::writeStream(std::ostream& out) const {
    const char sep = listSeparator();
    std::string& line = persistence::lineBuffer();
    line.clear();
    persistence::appendNumber(line, id);
    line.push_back(sep);
    persistence::appendNumber(line, source->id);
    line.push_back(sep);
    persistence::appendNumber(line, target->id);
    line.push_back(sep);
    persistence::appendValues(line, *properties);
    persistence::writeLine(out, line);
}

void Edge::saveXml(TiXmlNode& parent) const {
    auto* element = new TiXmlElement("Edge");
    persistence::setNumberAttribute(*element, "Id", id);
    persistence::setNumberAttribute(*element, "FirstVertexId", source->id);
    persistence::setNumberAttribute(*element, "SecondVertexId", target->id);
    persistence::saveValuesXml(*element, *properties);
    parent.LinkEndChild(element);
}

}  // namespace nx
