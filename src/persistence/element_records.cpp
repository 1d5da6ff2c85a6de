// The records of single vertices, edges and graphs-as-vertices in both files.
#include <tinyxml.h>

#include "graph/graph.h"
#include "persistence/element_records.h"
#include "persistence/stream_fields.h"
#include "persistence/xml_values.h"
#include "properties/list_separator.h"

namespace nx::persistence {

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

void writeEdgeRecord(std::ostream& out, const Edge& edge) {
    const char sep = listSeparator();
    persistence::writeNumber(out, edge.id);
    out << sep;
    persistence::writeNumber(out, edge.source->id);
    out << sep;
    persistence::writeNumber(out, edge.target->id);
    out << sep;
    persistence::writeValues(out, *edge.properties);
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
