// Reading and writing the fields of view records in the stream and XML forms.
#pragma once

#include <cstdint>
#include <istream>
#include <string>

#include "views/element_fields.h"

class TiXmlElement;

namespace nx::records {

// The stream format's field separator (the process-wide list separator).
char separator();

// The next field, up to the separator.
std::string readField(std::istream& in);
std::int32_t readIntField(std::istream& in);
// The rest of the line must be the end mark "#".
void readEndMark(std::istream& in);

// Appends <name>text</name> to the element.
void appendTextChild(TiXmlElement& element, const char* name, const std::string& text);
// The text of the first child named name after position previous (from the first child
// when previous is npos); answers its position. Throws when it is missing or, unless
// emptyWhenNone, has no text (then the text reads as empty).
std::size_t nextTextChild(const ElementFields& parent, std::size_t previous, const char* name,
                          std::string& text, bool emptyWhenNone = false);

// Decimal value of the leading digits (with an optional sign); 0 when there are none.
std::int32_t leadingInt(const std::string& text);

}  // namespace nx::records
