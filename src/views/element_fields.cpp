// Child lookup shared by every element reading, and the XML library's elements seen as fields.
#include "views/element_fields.h"

#include <tinyxml.h>

namespace nx::records {

std::size_t ElementFields::nextChildNamed(std::size_t after, std::string_view name) const {
    const std::size_t count = childCount();
    for (std::size_t i = after == npos ? 0 : after + 1; i < count; ++i)
        if (childName(i) == name) return i;
    return npos;
}

LibraryElementFields::LibraryElementFields(const TiXmlElement& element) : element_(element) {
    for (const TiXmlElement* c = element.FirstChildElement(); c; c = c->NextSiblingElement())
        children_.push_back(c);
}

void LibraryElementFields::queryInt(const char* name, int& value) const {
    element_.Attribute(name, &value);
}

std::string_view LibraryElementFields::childName(std::size_t i) const {
    return children_[i]->ValueStr();
}

bool LibraryElementFields::childText(std::size_t i, std::string& text) const {
    const char* value = children_[i]->GetText();
    if (!value) return false;
    text = value;
    return true;
}

}  // namespace nx::records
