// Text forms of nx::String: separators escaped as byte 3, checked UTF conversion.
#include "properties/string_property.h"

#include <utf8.h>
#include <algorithm>
#include <iterator>

#include "properties/list_separator.h"
#include "properties/text_io.h"

namespace nx {

Property& String::assign(const Property& other) {
    if (auto* p = dynamic_cast<const String*>(&other); p && p != this) value = p->value;
    return *this;
}

void String::write(std::ostream& out) const {
    out << toText();
}

std::string String::toText() const {
    std::string bytes;
    appendText(bytes);
    return bytes;
}

void String::appendText(std::string& text) const {
    const std::size_t from = text.size();
    text.reserve(from + value.size());
    utf8::utf16to8(value.begin(), value.end(), std::back_inserter(text));
    std::replace(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), listSeparator(),
                 '\x03');
}

void String::read(std::istream& in, char delimiter) {
    std::string token = text::readToken(in, delimiter, kStringTokenLimit);
    token = text::stripQuotes(token);
    std::replace(token.begin(), token.end(), '\x03', delimiter);
    value = utf8::utf8to16(token);
}

const std::string& String::typeName() const {
    static const std::string name("String");
    return name;
}

Property& Name::assign(const Property& other) {
    if (auto* p = dynamic_cast<const Name*>(&other); p && p != this) value = p->value;
    return *this;
}

const std::string& Name::typeName() const {
    static const std::string name("Name");
    return name;
}

}  // namespace nx
