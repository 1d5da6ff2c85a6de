// The XML library's print layout, reproduced piecewise: four spaces per level, a line per
// child element, text children inline, "<x />" for an element without children.
#include "persistence/xml_record_printer.h"

#include <tinyxml.h>
#include <array>
#include <charconv>
#include <cstdlib>
#include <new>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "graph/progress.h"
#include "persistence/xml_names.h"
#include "persistence/xml_values.h"
#include "properties/actual_properties.h"
#include "properties/string_property.h"

namespace nx::persistence {

namespace {

// Gathered records are written once this many bytes wait.
constexpr std::size_t kPendingBytes = 1 << 20;

// A line break and the indent of that depth, in one append for the usual depths.
void appendBreak(std::string& out, int depth) {
    static constexpr char kBreak[] = "\n                                                        ";
    const auto spaces = static_cast<std::size_t>(depth) * 4;
    if (spaces < sizeof kBreak - 1)
        out.append(kBreak, spaces + 1);
    else
        out.append(1, '\n').append(spaces, ' ');
}

// What printing needs of a value's class, remembered for the few classes a document uses:
// its element name, and whether it is a text (whose bytes are made XML-safe first).
struct ValueClass {
    const std::type_info* type;
    const std::string* typeName;
    std::string open;   // "<element>"
    std::string close;  // "</element>"
    bool text;
};

const ValueClass& classOf(const Property& value) {
    static thread_local std::vector<ValueClass> known;
    const std::type_info& type = typeid(value);
    const std::string& typeName = value.typeName();
    for (const ValueClass& k : known)
        if (k.type == &type && k.typeName == &typeName) return k;
    if (known.size() == 32) known.clear();
    // Only the text classes have no value type name: the cheap test spares most casts.
    const bool text = value.valueTypeName().empty() && dynamic_cast<const String*>(&value);
    const std::string element = elementNameOf(typeName);
    known.push_back({&type, &typeName, "<" + element + ">", "</" + element + ">", text});
    return known.back();
}

constexpr bool isXmlSpace(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
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

// Appends the value's element text (valueTextXml, printed as the library prints text); false
// when the library's own printing is needed: CDATA for a text of white space, or a '&'.
bool appendValueText(std::string& out, const Property& value, bool text) {
    const std::size_t from = out.size();
    value.appendText(out);
    if (text) toXmlText(out, from);
    bool replaced = false;
    bool blank = true;
    for (std::size_t i = from; i < out.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(out[i]);
        replaced |= kReplaced[c];
        blank &= isXmlSpace(c);
    }
    if (blank && out.size() > from) return false;  // needsCdata
    if (!replaced) return true;
    const std::string raw = out.substr(from);
    out.resize(from);
    return appendEscaped(out, raw);
}

}  // namespace

namespace {

// The fixed bytes of records of one shape (depth, name, value classes): what comes before
// each value's text and after the last, so that a record costs one append per piece.
struct RecordShape {
    int depth = -1;
    const char* name = nullptr;
    std::vector<std::pair<const std::type_info*, const std::string*>> classes;
    std::vector<bool> texts;
    std::string head;                 // line break, indent, "<name"
    std::vector<std::string> before;  // before each value's text
    std::string after;                // after the last one

    bool fits(int d, const char* n, const ActualProperties& values) const {
        if (d != depth || n != name || values.size() != classes.size()) return false;
        for (std::size_t i = 0; i < classes.size(); ++i) {
            const Property& value = values.at(i);
            if (&typeid(value) != classes[i].first || &value.typeName() != classes[i].second)
                return false;
        }
        return true;
    }

    void shape(int d, const char* n, const ActualProperties& values) {
        depth = d;
        name = n;
        classes.clear();
        texts.clear();
        before.clear();
        head.clear();
        appendBreak(head, depth);
        head += '<';
        head += name;
        std::string previous = ">";
        for (std::size_t i = 0; i < values.size(); ++i) {
            const Property& value = values.at(i);
            const ValueClass& kind = classOf(value);
            classes.emplace_back(&typeid(value), &value.typeName());
            texts.push_back(kind.text);
            appendBreak(previous, depth + 1);
            before.push_back(previous + kind.open);
            previous = kind.close;
        }
        after = previous;
        appendBreak(after, depth);
        after += "</";
        after += name;
        after += '>';
    }
};

}  // namespace

namespace {

// ' name="number"', gathered in one piece; false for a name longer than any of ours, which
// is left to the library.
bool appendNumberAttribute(std::string& out, const NumberAttribute& attribute) {
    char piece[96];
    const std::size_t length = std::char_traits<char>::length(attribute.name);
    if (length > sizeof piece - 32) return false;
    piece[0] = ' ';
    std::char_traits<char>::copy(piece + 1, attribute.name, length);
    char* p = piece + 1 + length;
    *p++ = '=';
    *p++ = '"';
    p = std::to_chars(p, piece + sizeof piece - 1, attribute.value).ptr;
    *p++ = '"';
    out.append(piece, p);
    return true;
}

}  // namespace

bool appendPlainRecord(std::string& out, int depth, const char* name,
                       std::initializer_list<NumberAttribute> attributes,
                       const ActualProperties& values) {
    static thread_local RecordShape shape;
    if (!shape.fits(depth, name, values)) shape.shape(depth, name, values);
    const std::size_t from = out.size();
    out += shape.head;
    for (const NumberAttribute& attribute : attributes) {
        if (!appendNumberAttribute(out, attribute)) {
            out.resize(from);
            return false;
        }
    }
    if (values.size() == 0) {
        out += " />";
        return true;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        out += shape.before[i];
        if (!appendValueText(out, values.at(i), shape.texts[i])) {
            out.resize(from);
            return false;
        }
    }
    out += shape.after;
    return true;
}

bool XmlRecordPrinter::plainRecord(int depth, const char* name,
                                   std::initializer_list<NumberAttribute> attributes,
                                   const ActualProperties& values) {
    if (!appendPlainRecord(pending_, depth, name, attributes, values)) return false;
    if (pending_.size() >= kPendingBytes) flush();
    return true;
}

bool XmlRecordPrinter::plainEntry(int depth, const char* name, std::int64_t id,
                                  const ActualProperties& values, std::string_view viewRecord) {
    progressStep();
    const std::size_t from = pending_.size();
    appendBreak(pending_, depth);
    pending_ += '<';
    pending_ += name;
    appendNumberAttribute(pending_, {"Id", id});
    pending_ += '>';
    if (!appendPlainRecord(pending_, depth + 1, "Properties",
                           {{"PropertyCount", static_cast<int>(values.size())}}, values)) {
        pending_.resize(from);
        return false;
    }
    pending_ += viewRecord;
    appendBreak(pending_, depth);
    pending_ += "</";
    pending_ += name;
    pending_ += '>';
    if (pending_.size() >= kPendingBytes) flush();
    return true;
}

std::string printedChild(const TiXmlNode& node, int depth) {
    char* bytes = nullptr;
    std::size_t size = 0;
    std::FILE* memory = open_memstream(&bytes, &size);
    if (!memory) throw std::bad_alloc();
    if (!node.ToText()) std::fputs("\n", memory);
    node.Print(memory, depth);
    std::fclose(memory);
    std::string text(bytes, size);
    std::free(bytes);
    return text;
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
