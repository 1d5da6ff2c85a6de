// The XML library's print layout, reproduced piecewise: four spaces per level, a line per
// child element, text children inline, "<x />" for an element without children.
#include "persistence/xml_record_printer.h"

#include <tinyxml.h>

#include "graph/progress.h"

namespace nx::persistence {

void XmlRecordPrinter::indent(int depth) {
    for (int i = 0; i < depth; ++i) std::fputs("    ", file_);
}

void XmlRecordPrinter::topLevel(const TiXmlNode& node) {
    node.Print(file_, 0);
    std::fputs("\n", file_);
}

void XmlRecordPrinter::open(const TiXmlElement& tag, int depth, bool hasChildren, bool topLevel) {
    if (!topLevel) std::fputs("\n", file_);
    indent(depth);
    std::fprintf(file_, "<%s", tag.Value());
    for (const TiXmlAttribute* a = tag.FirstAttribute(); a; a = a->Next()) {
        std::fputs(" ", file_);
        a->Print(file_, depth);
    }
    std::fputs(hasChildren ? ">" : " />", file_);
}

void XmlRecordPrinter::child(const TiXmlNode& node, int depth) {
    progressStep();
    if (!node.ToText()) std::fputs("\n", file_);
    node.Print(file_, depth);
}

void XmlRecordPrinter::close(const TiXmlElement& tag, int depth, bool hasChildren, bool topLevel) {
    if (hasChildren) {
        std::fputs("\n", file_);
        indent(depth);
        std::fprintf(file_, "</%s>", tag.Value());
    }
    if (topLevel) std::fputs("\n", file_);
}

}  // namespace nx::persistence
