// One small XML record (attributes, and child elements holding text) seen without a tree.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "views/element_fields.h"

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
    std::string_view name;
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

// An element whose children are all plain records, as a view entry ("Properties", "View").
struct XmlEntry {
    XmlRecord head;                  // the element's name and attributes (no children)
    std::vector<XmlRecord> records;  // its children: the first count, kept for reuse
    std::size_t count = 0;

    // The first child record of that name, or nullptr.
    const XmlRecord* child(std::string_view name) const;
};

// Reads the element at start when its children are plain records (each as
// readPlainRecord takes it) with nothing but white space between them; answers false
// otherwise, and the XML library reads it. *end is set past the element.
bool readPlainEntry(const char* start, XmlEntry& entry, const char** end);

// A plain record seen as the view records read an element.
class RecordFields final : public records::ElementFields {
public:
    explicit RecordFields(const XmlRecord& record) : record_(record) {}

    void queryInt(const char* name, int& value) const override;
    std::size_t childCount() const override { return record_.children.size(); }
    std::string_view childName(std::size_t i) const override { return record_.children[i].name; }
    bool childText(std::size_t i, std::string& text) const override;

private:
    const XmlRecord& record_;
};

// The same view of an element the XML library read.
void viewElement(const TiXmlElement& element, XmlRecord& record);

// An attribute converted as strtol converts it; 0 when missing.
long longAttribute(const XmlRecord& record, const char* name);
// An element ID attribute: decimal, 0 when missing; a negative number is no ID.
std::uint64_t idAttribute(const XmlRecord& record, const char* name);

// Reads a value from a child as loadValueXml reads it from the child element.
void loadValueXml(Property& value, const XmlRecord::Child& child);

}  // namespace nx::persistence
