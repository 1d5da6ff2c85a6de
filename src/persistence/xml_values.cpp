// XML value text: written well-formed whatever the value holds, read back losslessly.
#include "persistence/xml_values.h"

#include <tinyxml.h>
#include <utf8.h>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>

#include "persistence/xml_names.h"
#include "properties/actual_properties.h"
#include "properties/list_separator.h"
#include "properties/string_property.h"

namespace nx::persistence {

namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

// XML 1.0 has no way to carry C0 controls other than tab, LF and CR, nor U+FFFE and
// U+FFFF, not even as character references: they become U+FFFD.
std::string xmlSafe(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
            out += kReplacement;
        } else if (c == 0xEF && i + 2 < bytes.size() && bytes[i + 1] == '\xBF' &&
                   (bytes[i + 2] == '\xBE' || bytes[i + 2] == '\xBF')) {
            out += kReplacement;
            i += 2;
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

bool allWhiteSpace(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; });
}

// Whether xmlSafe would change the text.
bool needsXmlSafe(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 ? c != '\t' && c != '\n' && c != '\r' : c == 0xEF) return true;
    }
    return false;
}

}  // namespace

void toXmlText(std::string& text, std::size_t from) {
    // The stream escape (byte 3) is no XML character; the separator needs no escape here.
    std::replace(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), '\x03',
                 listSeparator());
    if (!needsXmlSafe(std::string_view(text).substr(from))) return;
    const std::string safe = xmlSafe(text.substr(from));
    text.replace(from, std::string::npos, safe);
}

void appendValueTextXml(std::string& text, const Property& value) {
    const std::size_t from = text.size();
    value.appendText(text);
    // Only the text classes have no value type name: the cheap test spares most casts.
    if (value.valueTypeName().empty() && dynamic_cast<const String*>(&value)) toXmlText(text, from);
}

std::string valueTextXml(const Property& value) {
    std::string text;
    appendValueTextXml(text, value);
    return text;
}

bool needsCdata(const std::string& text) {
    // A parser drops blank text between tags; CDATA keeps a text made of spaces only.
    return !text.empty() && allWhiteSpace(text);
}

void saveValueXml(TiXmlElement& element, const Property& value) {
    const std::string text = valueTextXml(value);
    auto* node = new TiXmlText(text);
    if (needsCdata(text)) node->SetCDATA(true);
    element.LinkEndChild(node);
}

void saveValuesXml(TiXmlElement& element, const ActualProperties& values) {
    element.SetAttribute("PropertyCount", static_cast<int>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i) {
        const Property& value = values.at(i);
        auto* child = new TiXmlElement(elementNameOf(value.typeName()));
        saveValueXml(*child, value);
        element.LinkEndChild(child);
    }
}

void loadValueXml(Property& value, const TiXmlElement& element) {
    // Only the text classes have no value type name: the cheap test spares most casts.
    auto* text = value.valueTypeName().empty() ? dynamic_cast<String*>(&value) : nullptr;
    if (!text) {
        value.loadXml(element);
        return;
    }
    const TiXmlNode* child = element.FirstChild();
    if (!child || !child->ToText()) return;
    std::string bytes = child->ValueStr();
    // Files whose writers kept the stream escape still read back with the separator.
    std::replace(bytes.begin(), bytes.end(), '\x03', listSeparator());
    text->value = utf8::utf8to16(bytes);
}

long longAttribute(const TiXmlElement& element, const char* name) {
    const char* text = element.Attribute(name);
    return text ? std::strtol(text, nullptr, 10) : 0;
}

std::uint64_t idAttribute(const TiXmlElement& element, const char* name) {
    const char* text = element.Attribute(name);
    if (!text) return 0;
    const long long id = std::strtoll(text, nullptr, 10);
    return id < 0 ? UINT64_MAX : static_cast<std::uint64_t>(id);
}

void setNumberAttribute(TiXmlElement& element, const char* name, std::uint64_t value) {
    element.SetAttribute(name, static_cast<int>(static_cast<std::int32_t>(value)));
}

const TiXmlElement* firstChild(const TiXmlElement& parent) {
    return parent.FirstChildElement();
}

const TiXmlElement* nextChild(const TiXmlElement& previous) {
    return previous.NextSiblingElement();
}

}  // namespace nx::persistence
