// The XML library's print layout, reproduced piecewise: four spaces per level, a line per
// child element, text children inline, "<x />" for an element without children.
#include "persistence/xml_record_printer.h"

#include <tinyxml.h>
#include <array>
#include <charconv>
#include <string_view>
#include <vector>

#include "graph/progress.h"
#include "persistence/xml_names.h"
#include "persistence/xml_values.h"
#include "properties/actual_properties.h"

namespace nx::persistence {

namespace {

// Gathered records are written once this many bytes wait.
constexpr std::size_t kPendingBytes = 1 << 20;

void appendIndent(std::string& out, int depth) {
    out.append(static_cast<std::size_t>(depth) * 4, ' ');
}

void appendNumber(std::string& out, std::int64_t number) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, number);
    out.append(digits, result.ptr);
}

// The element name of a value type, remembered for the few types a document uses.
const std::string& elementNameCached(const std::string& typeName) {
    struct Known {
        const std::string* type;
        std::string name;
    };
    static thread_local std::vector<Known> known;
    for (const Known& k : known)
        if (k.type == &typeName) return k.name;
    if (known.size() == 32) known.clear();
    known.push_back({&typeName, elementNameOf(typeName)});
    return known.back().name;
}

// Bytes the library's printing replaces: '&' (the caller declines), markup characters and
// the C0 controls.
constexpr std::array<bool, 256> kReplaced = [] {
    std::array<bool, 256> replaced{};
    for (int c = 0; c < 32; ++c) replaced[static_cast<std::size_t>(c)] = true;
    for (unsigned char c : {'&', '<', '>', '"', '\''}) replaced[c] = true;
    return replaced;
}();

// Appends text as the library prints a text node; false at a '&'.
bool appendEscaped(std::string& out, std::string_view text) {
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (!kReplaced[c]) continue;
        out.append(text.data() + run, i - run);
        run = i + 1;
        switch (c) {
            case '&':
                return false;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default: {
                static constexpr char kHex[] = "0123456789ABCDEF";
                const char code[] = {'&', '#', 'x', kHex[c >> 4], kHex[c & 15], ';'};
                out.append(code, sizeof code);
            }
        }
    }
    out.append(text.data() + run, text.size() - run);
    return true;
}

}  // namespace

bool appendPlainRecord(std::string& out, int depth, const char* name,
                       std::initializer_list<NumberAttribute> attributes,
                       const ActualProperties& values) {
    const std::size_t from = out.size();
    out += '\n';
    appendIndent(out, depth);
    out += '<';
    out += name;
    for (const NumberAttribute& attribute : attributes) {
        out += ' ';
        out += attribute.name;
        out += "=\"";
        appendNumber(out, attribute.value);
        out += '"';
    }
    if (values.size() == 0) {
        out += " />";
        return true;
    }
    out += '>';
    static thread_local std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const Property& value = values.at(i);
        text.clear();
        appendValueTextXml(text, value);
        const std::string& element = elementNameCached(value.typeName());
        out += '\n';
        appendIndent(out, depth + 1);
        out += '<';
        out += element;
        out += '>';
        if (needsCdata(text) || !appendEscaped(out, text)) {
            out.resize(from);
            return false;
        }
        out += "</";
        out += element;
        out += '>';
    }
    out += '\n';
    appendIndent(out, depth);
    out += "</";
    out += name;
    out += '>';
    return true;
}

bool XmlRecordPrinter::plainRecord(int depth, const char* name,
                                   std::initializer_list<NumberAttribute> attributes,
                                   const ActualProperties& values) {
    if (!appendPlainRecord(pending_, depth, name, attributes, values)) return false;
    if (pending_.size() >= kPendingBytes) flush();
    return true;
}

void XmlRecordPrinter::flush() {
    if (pending_.empty()) return;
    std::fwrite(pending_.data(), 1, pending_.size(), file_);
    pending_.clear();
}

void XmlRecordPrinter::indent(int depth) {
    flush();
    for (int i = 0; i < depth; ++i) std::fputs("    ", file_);
}

void XmlRecordPrinter::topLevel(const TiXmlNode& node) {
    flush();
    node.Print(file_, 0);
    std::fputs("\n", file_);
}

void XmlRecordPrinter::open(const TiXmlElement& tag, int depth, bool hasChildren, bool topLevel) {
    flush();
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
    flush();
    progressStep();
    if (!node.ToText()) std::fputs("\n", file_);
    node.Print(file_, depth);
}

void XmlRecordPrinter::close(const TiXmlElement& tag, int depth, bool hasChildren, bool topLevel) {
    flush();
    if (hasChildren) {
        std::fputs("\n", file_);
        indent(depth);
        std::fprintf(file_, "</%s>", tag.Value());
    }
    if (topLevel) std::fputs("\n", file_);
}

}  // namespace nx::persistence
