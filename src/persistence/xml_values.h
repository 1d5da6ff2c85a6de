// Value elements and numeric attributes of the XML file.
#pragma once

#include <cstdint>
#include <string>

class TiXmlElement;

namespace nx {
class ActualProperties;
class Property;
}  // namespace nx

namespace nx::persistence {

// Sets "PropertyCount" and appends one child per value, named by its type.
void saveValuesXml(TiXmlElement& element, const ActualProperties& values);

// Appends the value's text to the element as one text node that any XML 1.0
// parser accepts. Text values carry the separator itself, not its stream escape.
void saveValueXml(TiXmlElement& element, const Property& value);

// The text saveValueXml gives the value's element, and whether it goes in CDATA.
std::string valueTextXml(const Property& value);
// Appends that text to text, without a string of its own.
void appendValueTextXml(std::string& text, const Property& value);
// Turns a text value's written bytes, text[from..], into that text.
void toXmlText(std::string& text, std::size_t from);
bool needsCdata(const std::string& text);
// Reads the value from the element's first child when that is text. Text values
// take the whole text, so separators and quotes inside them survive.
void loadValueXml(Property& value, const TiXmlElement& element);

// The attribute converted as strtol converts it; 0 when missing.
long longAttribute(const TiXmlElement& element, const char* name);
// An element ID attribute: decimal, 0 when missing; a negative number is no ID.
std::uint64_t idAttribute(const TiXmlElement& element, const char* name);
// Writes a number the way every attribute of the file is written: as signed 32-bit.
void setNumberAttribute(TiXmlElement& element, const char* name, std::uint64_t value);

// The first child element, then the following sibling elements; comments and
// text between them take no position.
const TiXmlElement* firstChild(const TiXmlElement& parent);
const TiXmlElement* nextChild(const TiXmlElement& previous);

}  // namespace nx::persistence
