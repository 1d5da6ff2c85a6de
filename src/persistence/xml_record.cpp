// Plain XML records read directly, with the XML library's reading for everything else.
#include "persistence/xml_record.h"

#include <array>
#include <charconv>
#include <limits>

#include <tinyxml.h>
#include <utf8.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <streambuf>
#include <string>

#include "properties/list_separator.h"
#include "properties/string_property.h"

namespace nx::persistence {

namespace {

// The library's white space (isspace in the C locale).
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

const char* skipSpace(const char* p) {
    while (isSpace(*p)) ++p;
    return p;
}

// Byte classes, looked up rather than compared: ASCII name starts and name characters, and
// the bytes that end or spoil a plain text ('"' and '<' end one, depending on where it is).
enum : unsigned char { kNameStart = 1, kNameChar = 2, kTextStop = 4 };

constexpr std::array<unsigned char, 256> kClasses = [] {
    std::array<unsigned char, 256> classes{};
    for (int c = 0; c < 256; ++c) {
        const bool start = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        const bool name = start || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == ':';
        const bool stop = c == '"' || c == '<' || c == '&' || c == '\0' || c >= 0x80;
        classes[static_cast<std::size_t>(c)] = static_cast<unsigned char>(
            (start ? kNameStart : 0) | (name ? kNameChar : 0) | (stop ? kTextStop : 0));
    }
    return classes;
}();

unsigned char classOf(char c) {
    return kClasses[static_cast<unsigned char>(c)];
}

bool isNameStart(char c) {
    return classOf(c) & kNameStart;
}

bool isNameChar(char c) {
    return classOf(c) & kNameChar;
}

// An ASCII name at p, or an empty view (the library decides about anything else).
std::string_view nameAt(const char* p) {
    if (!isNameStart(*p)) return {};
    const char* q = p + 1;
    while (isNameChar(*q)) ++q;
    // A byte past ASCII would continue the name for the library.
    if (static_cast<unsigned char>(*q) >= 0x80) return {};
    return std::string_view(p, static_cast<std::size_t>(q - p));
}

// Text up to stop with no entity, NUL or byte past ASCII; nullptr when there is one.
const char* plainTextEnd(const char* p, char stop) {
    for (;; ++p) {
        const char c = *p;
        if (!(classOf(c) & kTextStop)) continue;
        if (c == stop) return p;
        if (c == '&' || c == '\0' || static_cast<unsigned char>(c) >= 0x80) return nullptr;
    }
}

// "</name>" at p: answers the position past it, or nullptr.
const char* endTag(const char* p, std::string_view name) {
    if (p[0] != '<' || p[1] != '/') return nullptr;
    p += 2;
    if (std::string_view(p, name.size()) != name) return nullptr;
    p += name.size();
    return *p == '>' ? p + 1 : nullptr;
}

// A child element: "<name/>", "<name />", "<name></name>" or "<name>text</name>".
const char* readChild(const char* p, XmlRecord::Child& child) {
    const std::string_view name = nameAt(p + 1);
    if (name.empty()) return nullptr;
    p = skipSpace(p + 1 + name.size());
    child = XmlRecord::Child{name, {}, false};
    if (p[0] == '/') return p[1] == '>' ? p + 2 : nullptr;
    if (p[0] != '>') return nullptr;  // attributes: the library's case
    ++p;
    const char* textEnd = plainTextEnd(p, '<');
    if (!textEnd) return nullptr;
    // A text of white space alone makes no node.
    if (skipSpace(p) != textEnd)
        child.text = std::string_view(p, static_cast<std::size_t>(textEnd - p));
    child.hasText = !child.text.empty();
    return endTag(textEnd, name);
}

}  // namespace

const char* XmlRecord::attribute(std::string_view name) const {
    for (const Attribute& a : attributes)
        if (a.name == name) return a.value;
    return nullptr;
}

namespace {

// A start tag of the plain form: its name and attributes; answers the position past it, or
// nullptr. *selfClosing tells "<name .../>".
const char* readStartTag(const char* start, std::string_view& name,
                         std::vector<XmlRecord::Attribute>& attributes, bool& selfClosing) {
    attributes.clear();
    if (start[0] != '<') return nullptr;
    name = nameAt(start + 1);
    if (name.empty()) return nullptr;
    const char* p = start + 1 + name.size();
    for (;;) {
        p = skipSpace(p);
        if (p[0] == '/') {
            selfClosing = true;
            return p[1] == '>' ? p + 2 : nullptr;
        }
        if (p[0] == '>') {
            selfClosing = false;
            return p + 1;
        }
        const std::string_view attributeName = nameAt(p);
        if (attributeName.empty()) return nullptr;
        p = skipSpace(p + attributeName.size());
        if (*p != '=') return nullptr;
        p = skipSpace(p + 1);
        if (*p != '"') return nullptr;
        const char* value = p + 1;
        const char* valueEnd = plainTextEnd(value, '"');
        if (!valueEnd) return nullptr;
        for (const XmlRecord::Attribute& a : attributes)
            if (a.name == attributeName) return nullptr;  // the library's error to report
        attributes.push_back({attributeName, value});
        p = valueEnd + 1;
    }
}

}  // namespace

bool readPlainRecord(const char* start, XmlRecord& record, const char** end) {
    record.children.clear();
    std::string_view name;
    bool selfClosing = false;
    const char* p = readStartTag(start, name, record.attributes, selfClosing);
    if (!p) return false;
    record.name = name;
    if (selfClosing) {
        *end = p;
        return true;
    }
    for (;;) {
        p = skipSpace(p);
        if (p[0] != '<') return false;  // text between children, or the end of the input
        if (p[1] == '/') break;
        XmlRecord::Child child;
        p = readChild(p, child);
        if (!p) return false;
        record.children.push_back(child);
    }
    p = endTag(p, name);
    if (!p) return false;
    *end = p;
    return true;
}

const XmlRecord* XmlEntry::child(std::string_view name) const {
    for (std::size_t i = 0; i < count; ++i)
        if (records[i].name == name) return &records[i];
    return nullptr;
}

bool readPlainEntry(const char* start, XmlEntry& entry, const char** end) {
    entry.count = 0;
    std::string_view name;
    bool selfClosing = false;
    const char* p = readStartTag(start, name, entry.head.attributes, selfClosing);
    if (!p) return false;
    entry.head.name = name;
    entry.head.children.clear();
    if (!selfClosing) {
        for (;;) {
            p = skipSpace(p);
            if (p[0] != '<') return false;  // text between children, or the end of the input
            if (p[1] == '/') break;
            if (entry.count == entry.records.size()) entry.records.emplace_back();
            if (!readPlainRecord(p, entry.records[entry.count], &p)) return false;
            ++entry.count;
        }
        p = endTag(p, name);
        if (!p) return false;
    }
    *end = p;
    return true;
}

void RecordFields::queryInt(const char* name, int& value) const {
    const char* text = record_.attribute(name);
    if (!text) return;
    const auto length = static_cast<std::size_t>(std::strchr(text, '"') - text);
    // A few plain digits (every class number) read the same by hand; anything else takes
    // the library's own conversion, on the value alone.
    if (length > 0 && length < 10 &&
        std::all_of(text, text + length, [](char c) { return c >= '0' && c <= '9'; })) {
        value = 0;
        for (std::size_t i = 0; i < length; ++i) value = value * 10 + (text[i] - '0');
        return;
    }
    const std::string alone(text, length);
    std::sscanf(alone.c_str(), "%d", &value);
}

bool RecordFields::childText(std::size_t i, std::string& text) const {
    const XmlRecord::Child& child = record_.children[i];
    if (!child.hasText) return false;
    text.assign(child.text);
    return true;
}

void viewElement(const TiXmlElement& element, XmlRecord& record) {
    record.name = element.ValueStr();
    record.attributes.clear();
    record.children.clear();
    for (const TiXmlAttribute* a = element.FirstAttribute(); a; a = a->Next())
        record.attributes.push_back({a->NameTStr(), a->Value()});
    for (const TiXmlElement* c = element.FirstChildElement(); c; c = c->NextSiblingElement()) {
        const TiXmlNode* first = c->FirstChild();
        const TiXmlText* text = first ? first->ToText() : nullptr;
        record.children.push_back({c->ValueStr(),
                                   text ? std::string_view(text->ValueStr()) : std::string_view(),
                                   text != nullptr});
    }
}

namespace {

// strtol's reading of a number that ends where its digits end: attribute values point into
// the whole document, and strtol may look at the rest of it (sanitizers' strict string checks
// do, which makes a large file's load quadratic).
template <typename T>
T numberLikeStrtol(const char* p) {
    while (*p == ' ' || (*p >= '\t' && *p <= '\r')) ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    const char* end = p;
    while (*end >= '0' && *end <= '9') ++end;
    if (end == p) return 0;
    unsigned long long magnitude = 0;
    if (std::from_chars(p, end, magnitude).ec == std::errc::result_out_of_range)
        magnitude = std::numeric_limits<unsigned long long>::max();
    constexpr auto kMax = static_cast<unsigned long long>(std::numeric_limits<T>::max());
    if (!negative) return magnitude > kMax ? std::numeric_limits<T>::max() : static_cast<T>(magnitude);
    if (magnitude > kMax) return std::numeric_limits<T>::min();
    return -static_cast<T>(magnitude);
}

}  // namespace

long longAttribute(const XmlRecord& record, const char* name) {
    const char* text = record.attribute(name);
    return text ? numberLikeStrtol<long>(text) : 0;
}

std::uint64_t idAttribute(const XmlRecord& record, const char* name) {
    const char* text = record.attribute(name);
    if (!text) return 0;
    const long long id = numberLikeStrtol<long long>(text);
    return id < 0 ? UINT64_MAX : static_cast<std::uint64_t>(id);
}

void loadValueXml(Property& value, const XmlRecord::Child& child) {
    if (!child.hasText) return;
    // Only the text classes have no value type name: the cheap test spares most casts.
    auto* text = value.valueTypeName().empty() ? dynamic_cast<String*>(&value) : nullptr;
    if (text) {
        std::string bytes(child.text);
        // Files whose writers kept the stream escape still read back with the separator.
        std::replace(bytes.begin(), bytes.end(), '\x03', listSeparator());
        text->value = utf8::utf8to16(bytes);
        return;
    }
    // What the value's own XML reading does with its element's text, read in place.
    struct TextBuffer : std::streambuf {
        void view(std::string_view text) {
            char* begin = const_cast<char*>(text.data());  // only ever read
            setg(begin, begin, begin + text.size());
        }
    };
    static thread_local TextBuffer buffer;
    static thread_local std::istream in(&buffer);
    buffer.view(child.text);
    in.clear();
    value.read(in, listSeparator());
}

}  // namespace nx::persistence
