// Fuzz target: a graph's own XML record, parsed by the XML library, read into a small fixed space.
#include <tinyxml.h>
#include <exception>
#include <string>

#include "fuzz_input.h"
#include "persistence/element_records.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    nx::fuzz::GraphRecordSpace doc;
    nx::Space& space = *doc.space;
    nx::Graph* graph = doc.graph;
    // Shallow inputs only: the document readers bound nesting before parsing.
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (text.size() > 4096) return 0;
    TiXmlDocument xml;
    xml.Parse(text.c_str());
    const TiXmlElement* record = xml.RootElement();
    if (xml.Error() || !record) return 0;
    try {
        nx::persistence::loadGraphXml(*graph, *record, space);
    } catch (const std::exception&) {
        return 0;
    }
    TiXmlElement out("GraphFactory");
    nx::persistence::saveGraphXml(*graph, out);
    return 0;
}
