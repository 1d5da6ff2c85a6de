// Prints an XML document the way the XML library prints a whole tree, but one record at a
// time, so that a large document never exists as a tree.
#pragma once

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

class TiXmlElement;
class TiXmlNode;

namespace nx {
class ActualProperties;
}

namespace nx::persistence {

struct NumberAttribute {
    const char* name;
    std::int64_t value;
};

// Appends a record with number attributes and one child element per value as the library
// prints it as a child at that depth (a line break and the indent first). False, with
// text unchanged, when a value needs the library's own printing: CDATA, or a '&', which
// the library may pass through as a character reference.
bool appendPlainRecord(std::string& text, int depth, const char* name,
                       std::initializer_list<NumberAttribute> attributes,
                       const ActualProperties& values);

// A node as the library prints it as a child element at that depth, line break first.
std::string printedChild(const TiXmlNode& node, int depth);

class XmlRecordPrinter {
public:
    explicit XmlRecordPrinter(std::FILE* file) : file_(file) {}
    ~XmlRecordPrinter() { flush(); }
    XmlRecordPrinter(const XmlRecordPrinter&) = delete;
    XmlRecordPrinter& operator=(const XmlRecordPrinter&) = delete;

    // A child record printed as appendPlainRecord prints it, gathered with the records
    // around it into one large write; false, with nothing printed, when it declines.
    bool plainRecord(int depth, const char* name, std::initializer_list<NumberAttribute> attributes,
                     const ActualProperties& values);
    // A view entry (name "Vertex" or "Edge") as the library prints it as a child at that
    // depth: its Id, its values as a "Properties" record, then viewRecord, the entry's
    // "View" element as printedChild gives it at depth + 1. False, with nothing printed,
    // when a value needs the library's own printing.
    bool plainEntry(int depth, const char* name, std::int64_t id, const ActualProperties& values,
                    std::string_view viewRecord);
    // Writes the gathered records; every other printing call does so first.
    void flush();

    // A node at the top of the document (declaration, instruction, comment).
    void topLevel(const TiXmlNode& node);
    // Opens a container from an element that holds its name and attributes only;
    // an empty container is printed whole. Children then follow at depth + 1.
    void open(const TiXmlElement& tag, int depth, bool hasChildren, bool topLevel = false);
    // A complete child of the innermost open container.
    void child(const TiXmlNode& node, int depth);
    void close(const TiXmlElement& tag, int depth, bool hasChildren, bool topLevel = false);

private:
    void indent(int depth);
    std::FILE* file_;
    std::string pending_;
};

}  // namespace nx::persistence
