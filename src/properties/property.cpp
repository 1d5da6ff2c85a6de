// Shared behaviour of nx::Property: defaults and the XML value form.
#include "properties/property.h"

#include <tinyxml.h>
#include <sstream>
#include <stdexcept>

#include "properties/error_texts.h"
#include "properties/list_separator.h"

namespace nx {

Property& Property::assign(const Property&) {
    throw std::logic_error(nx::error_texts::kUnknownProperty);
}

void Property::write(std::ostream&) const {}

void Property::read(std::istream&, char) {}

void Property::loadXml(const TiXmlElement& element) {
    const TiXmlNode* child = element.FirstChild();
    if (!child) return;
    const TiXmlText* text = child->ToText();
    if (!text) return;
    // One stream per thread: building a stream costs more than reading a number from it.
    static thread_local std::istringstream in;
    in.clear();
    in.str(text->ValueStr());
    read(in, listSeparator());
}

void Property::saveXml(TiXmlElement& element) const {
    element.LinkEndChild(new TiXmlText(toText()));
}

const std::string& Property::typeName() const {
    static const std::string name(nx::error_texts::kUnknownProperty);
    return name;
}

const std::string& Property::valueTypeName() const {
    static const std::string name;
    return name;
}

const std::string& Property::className() const {
    static const std::string name("nx::Property");
    return name;
}

void Property::appendText(std::string& text) const {
    text += toText();
}

std::string Property::toText() const {
    static thread_local std::ostringstream out;
    out.clear();
    out.str(std::string());
    write(out);
    return out.str();
}

}  // namespace nx
