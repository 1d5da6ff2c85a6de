// Element values: cloned from a schema, written in both file forms.
#include "properties/actual_properties.h"

#include <tinyxml.h>

#include "properties/list_separator.h"

namespace nx {

ActualProperties::ActualProperties(const FormalProperties& schema) {
    properties_.reserve(schema.size());
    for (std::size_t i = 0; i < schema.size(); ++i) properties_.emplace_back(schema.at(i).clone());
}

ActualProperties::~ActualProperties() = default;

void ActualProperties::writeStream(std::ostream& out) const {
    const char sep = listSeparator();
    out << properties_.size();
    for (const auto& p : properties_) {
        out << sep;
        p->write(out);
    }
    out << sep << '#';
}

void ActualProperties::saveXml(TiXmlElement& element) const {
    element.SetAttribute("PropertyCount", std::to_string(properties_.size()));
    for (const auto& p : properties_) {
        auto* child = new TiXmlElement(p->typeName());
        p->saveXml(*child);
        element.LinkEndChild(child);
    }
}

}  // namespace nx
