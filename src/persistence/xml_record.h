// One small XML record (attributes, and child elements holding text) seen without a tree.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

class TiXmlElement;

namespace nx {
class Property;
}

namespace nx::persistence {

// A record's name, attributes and child elements. Views point into the text or the
// element it was read from, which must outlive it. Reused from record to record, so that
// reading a million records does not allocate a million times.
struct XmlRecord {
    struct Attribute {
        std::string_view name;
        const char* value;  // as strtol reads it: the text ends at a quote or NUL
    };
    struct Child {
        std::string_view name;
        std::string_view text;
        bool hasText;  // the child's first node is text
    };
    std::vector<Attribute> attributes;
    std::vector<Child> children;  // elements only, in order

    // The first attribute of that name, or nullptr.
    const char* attribute(std::string_view name) const;
};

// Reads the element at start when it has the plain form the writer gives records: ASCII
// names, double-quoted attribute values and child texts without entities or bytes past
// ASCII, children without attributes or children of their own, no comments, no CDATA, no
// text between the children. Answers false otherwise, having read nothing: the XML library
// then reads the record, and reports its faults. What it reads is what the library would
// read (white space kept); *end is set past the element.
bool readPlainRecord(const char* start, XmlRecord& record, const char** end);

// The same view of an element the XML library read.
void viewElement(const TiXmlElement& element, XmlRecord& record);

// An attribute converted as strtol converts it; 0 when missing.
long longAttribute(const XmlRecord& record, const char* name);
// An element ID attribute: decimal, 0 when missing; a negative number is no ID.
std::uint64_t idAttribute(const XmlRecord& record, const char* name);

// Reads a value from a child as loadValueXml reads it from the child element.
void loadValueXml(Property& value, const XmlRecord::Child& child);

}  // namespace nx::persistence
