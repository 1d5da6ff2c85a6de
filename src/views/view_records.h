// Reading and writing the fields of view records in the stream and XML forms.
#pragma once

#include <cstdint>
#include <istream>
#include <string>

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
// The text of the first element named name after previous (or the first child of
// parent when previous is null); throws when it is missing or has no text.
const TiXmlElement* nextTextChild(const TiXmlElement& parent, const TiXmlElement* previous,
                                  const char* name, std::string& text);

// Decimal value of the leading digits (with an optional sign); 0 when there are none.
std::int32_t leadingInt(const std::string& text);

}  // namespace nx::records
