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
    persistence::writeNumber(out, vertex.id);
    out << sep << (vertex.isGraph() ? '1' : '0') << sep;
    persistence::writeValues(out, *vertex.properties);
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
    persistence::writeNumber(out, id);
    out << sep;
    persistence::writeNumber(out, source->id);
    out << sep;
    persistence::writeNumber(out, target->id);
    out << sep;
    persistence::writeValues(out, *properties);
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
