// Schema elements of the XML file, written and read through the XML name table.
#include "persistence/schema_xml.h"

#include <tinyxml.h>
#include <stdexcept>

#include "persistence/xml_names.h"
#include "persistence/xml_values.h"
#include "properties/error_texts.h"
#include "properties/formal_properties.h"

namespace nx::persistence {

void saveSchemaXml(TiXmlElement& element, const FormalProperties& schema) {
    setNumberAttribute(element, "Count", schema.size());
    for (std::size_t i = 0; i < schema.size(); ++i)
        element.LinkEndChild(new TiXmlElement(elementNameOf(schema.at(i).typeName())));
}

void loadSchemaXml(FormalProperties& schema, const TiXmlElement& element) {
    const long count = longAttribute(element, "Count");
    const TiXmlElement* child = nullptr;
    for (long i = 0; i < count; ++i) {
        child = i == 0 ? firstChild(element) : nextChild(*child);
        if (!child) throw std::runtime_error(nx::error_texts::kErrorReadingFormalProperties);
        schema.addByTypeName(typeNameOf(child->ValueStr()));
    }
}

}  // namespace nx::persistence
