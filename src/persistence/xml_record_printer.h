// Prints an XML document the way the XML library prints a whole tree, but one record at a
// time, so that a large document never exists as a tree.
#pragma once

#include <cstdio>

class TiXmlElement;
class TiXmlNode;

namespace nx::persistence {

class XmlRecordPrinter {
public:
    explicit XmlRecordPrinter(std::FILE* file) : file_(file) {}

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
};

}  // namespace nx::persistence
