// The records of single vertices, edges and graphs-as-vertices in both files.
#include <tinyxml.h>

#include "graph/graph.h"
#include "persistence/element_records.h"
#include "persistence/stream_fields.h"
#include "persistence/xml_values.h"
#include "properties/list_separator.h"

namespace nx::persistence {

void appendVertexRecord(std::string& line, const Vertex& vertex) {
    const char sep = listSeparator();
    persistence::appendNumber(line, vertex.id);
    line.push_back(sep);
    line.push_back(vertex.isGraph() ? '1' : '0');
    line.push_back(sep);
    persistence::appendValues(line, *vertex.properties);
}

void saveVertexRecord(TiXmlNode& parent, const Vertex& vertex) {
    auto* element = new TiXmlElement("Vertex");
    persistence::setNumberAttribute(*element, "Id", vertex.id);
    element->SetAttribute("IsGraph", vertex.isGraph() ? 1 : 0);
    persistence::saveValuesXml(*element, *vertex.properties);
    parent.LinkEndChild(element);
}

void appendEdgeRecord(std::string& line, const Edge& edge) {
    const char sep = listSeparator();
    persistence::appendNumber(line, edge.id);
    line.push_back(sep);
    persistence::appendNumber(line, edge.source->id);
    line.push_back(sep);
    persistence::appendNumber(line, edge.target->id);
    line.push_back(sep);
    persistence::appendValues(line, *edge.properties);
}

void saveEdgeRecord(TiXmlNode& parent, const Edge& edge) {
    auto* element = new TiXmlElement("Edge");
    persistence::setNumberAttribute(*element, "Id", edge.id);
    persistence::setNumberAttribute(*element, "FirstVertexId", edge.source->id);
    persistence::setNumberAttribute(*element, "SecondVertexId", edge.target->id);
    persistence::saveValuesXml(*element, *edge.properties);
    parent.LinkEndChild(element);
}

}  // namespace nx::persistence
