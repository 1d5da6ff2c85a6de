// Token, count, label and value handling shared by every stream record.
#include "persistence/stream_fields.h"

#include <charconv>
#include <stdexcept>
#include <typeinfo>

#include "persistence/document_format.h"
#include "persistence/text_check.h"
#include "properties/actual_properties.h"
#include "properties/error_texts.h"
#include "properties/list_separator.h"
#include "properties/string_property.h"
#include "properties/text_io.h"

namespace nx::persistence {

namespace {

std::string dropCr(std::string token) {
    if (!token.empty() && token.back() == '\r') token.pop_back();
    return token;
}

}  // namespace

std::string readField(std::istream& in, char terminator) {
    std::string token = text::readToken(in, terminator, 49);
    return terminator == '\n' ? dropCr(std::move(token)) : token;
}

namespace {

constexpr std::size_t kFieldLimit = 49;

// What readField reads, into a buffer without a string: answers the length.
std::size_t readFieldInto(std::istream& in, char terminator, char (&field)[kFieldLimit]) {
    std::streambuf* buf = in.rdbuf();
    if (!buf) return 0;
    using traits = std::char_traits<char>;
    std::size_t length = 0;
    bool ended = false;
    while (length < kFieldLimit) {
        const int c = buf->sbumpc();
        if (c == traits::eof()) {
            in.setstate(std::ios::eofbit);
            ended = true;
            break;
        }
        if (static_cast<char>(c) == terminator) {
            ended = true;
            break;
        }
        field[length++] = static_cast<char>(c);
    }
    if (!ended) {
        // The limit was reached: take the terminator too when it comes next.
        const int c = buf->sgetc();
        if (c != traits::eof() && static_cast<char>(c) == terminator) buf->sbumpc();
    }
    if (terminator == '\n' && length > 0 && field[length - 1] == '\r') --length;
    return length;
}

// A field of 1 to maxDigits decimal digits alone (what nearly every field is), which
// cannot overflow; false for anything else, which the general parsers then take.
bool plainDigits(const char* field, std::size_t length, std::size_t maxDigits,
                 std::uint64_t& value) {
    if (length == 0 || length > maxDigits) return false;
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned digit = static_cast<unsigned>(field[i] - '0');
        if (digit > 9) return false;
        v = v * 10 + digit;
    }
    value = v;
    return true;
}

}  // namespace

std::uint64_t readUInt64(std::istream& in, char terminator, const char* error) {
    char field[kFieldLimit];
    const std::size_t length = readFieldInto(in, terminator, field);
    std::uint64_t value = 0;
    if (plainDigits(field, length, 19, value)) return value;
    if (!text::parseUInt64(text::stripQuotes(std::string(field, length)), value))
        throw std::runtime_error(error);
    return value;
}

std::int32_t readInt32(std::istream& in, char terminator, const char* error) {
    char field[kFieldLimit];
    const std::size_t length = readFieldInto(in, terminator, field);
    std::uint64_t digits = 0;
    if (plainDigits(field, length, 9, digits)) return static_cast<std::int32_t>(digits);
    std::int32_t value = 0;
    if (!text::parseInt32(text::stripQuotes(std::string(field, length)), value))
        throw std::runtime_error(error);
    return value;
}

std::string readLine(std::istream& in) {
    return dropCr(text::readToken(in, '\n', 255));
}

bool isHeader(const std::string& line) {
    return line.compare(0, kHeaderWord.size(), kHeaderWord) == 0;
}

void expectLabel(std::istream& in, const std::string& label) {
    if (text::readToken(in, listSeparator(), 254) != label)
        throw std::runtime_error("Failed to read \"" + label + "\" from input stream");
}

void expectEndMark(std::istream& in) {
    char field[254];
    std::size_t length = text::readTokenInto(in, '\n', field, sizeof field);
    if (length > 0 && field[length - 1] == '\r') --length;
    if (length != 1 || field[0] != '#')
        throw std::runtime_error(nx::error_texts::kFailedToReadEndMark);
}

void readValues(std::istream& in, ActualProperties& values, std::uint64_t count) {
    const char sep = listSeparator();
    for (std::uint64_t j = 0; j < count; ++j) values.at(j).read(in, sep);
}

void writeNumber(std::ostream& out, std::uint64_t value) {
    char digits[20];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.write(digits, end - digits);
}

void writeValues(std::ostream& out, const ActualProperties& values) {
    std::string& line = lineBuffer();
    line.clear();
    appendValues(line, values);
    writeLine(out, line);
}

namespace {

// Whether the value is a text. A document holds one or two text classes: the last one
// found is recognised by its type alone, which spares a cast per element.
bool isText(const Property& value) {
    thread_local const std::type_info* lastText = nullptr;
    const std::type_info& type = typeid(value);
    if (lastText && type == *lastText) return true;
    if (!dynamic_cast<const String*>(&value)) return false;
    lastText = &type;
    return true;
}

}  // namespace

void appendValues(std::string& line, const ActualProperties& values) {
    const char sep = listSeparator();
    appendNumber(line, values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const Property& value = values.at(i);
        line.push_back(sep);
        // Only the text classes have no value type name: the cheap test spares most casts.
        if (!value.valueTypeName().empty() || !isText(value)) {
            value.appendText(line);
            continue;
        }
        // The reader strips one pair of enclosing quotes, so a text that begins and
        // ends with a quote gets one more pair and comes back unchanged.
        // Converting fails on a broken text as the check before saving does; the length
        // is checked here, where the bytes are at hand (see Space::saveStream).
        const std::size_t from = line.size();
        value.appendText(line);
        if (line.size() > from && line[from] == '"' && line.back() == '"') {
            line.insert(from, 1, '"');
            line.push_back('"');
        }
        checkStreamTextBytes(line.size() - from);
    }
    line.push_back(sep);
    line.push_back('#');
}

void appendNumber(std::string& line, std::uint64_t value) {
    if (value < 10) {  // counts, flags and zeros: most numbers in a file
        line.push_back(static_cast<char>('0' + value));
        return;
    }
    char digits[20];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    // By length: the iterator-pair overload goes through a temporary string.
    line.append(digits, static_cast<std::size_t>(end - digits));
}

std::string& lineBuffer() {
    static thread_local std::string line;
    return line;
}

void writeHeader(std::ostream& out) {
    out << kHeaderWord << kVersion;
    endLine(out);
}

}  // namespace nx::persistence
