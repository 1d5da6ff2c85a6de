// Element values: cloned from a schema, written in both file forms.
#include "properties/actual_properties.h"

#include <tinyxml.h>

#include "properties/list_separator.h"

namespace nx {

ActualProperties::ActualProperties(const FormalProperties& schema) {
    values_.reserve(schema.size());
    for (std::size_t i = 0; i < schema.size(); ++i) values_.add(schema.at(i));
}

void ActualProperties::writeStream(std::ostream& out) const {
    const char sep = listSeparator();
    out << values_.size();
    for (std::size_t i = 0; i < values_.size(); ++i) {
        out << sep;
        values_.at(i).write(out);
    }
    out << sep << '#';
}

void ActualProperties::saveXml(TiXmlElement& element) const {
    element.SetAttribute("PropertyCount", std::to_string(values_.size()));
    for (std::size_t i = 0; i < values_.size(); ++i) {
        const Property& value = values_.at(i);
        auto* child = new TiXmlElement(value.typeName());
        value.saveXml(*child);
        element.LinkEndChild(child);
    }
}

}  // namespace nx
