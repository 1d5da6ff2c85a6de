// Field-level reading and writing of the stream file: tokens, counts, labels, end marks, values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>

namespace nx {
class ActualProperties;
}

namespace nx::persistence {

// A token of at most 49 bytes up to the terminator (consumed). A CR before an LF
// terminator is dropped so that CR LF files read like LF files.
std::string readField(std::istream& in, char terminator);

// A token parsed as an unsigned 64-bit number; fails with a runtime error carrying `error`.
std::uint64_t readUInt64(std::istream& in, char terminator, const char* error);
// A token parsed as a signed 32-bit number; fails with a runtime error carrying `error`.
std::int32_t readInt32(std::istream& in, char terminator, const char* error);

// A line of at most 255 bytes (the LF is consumed, a trailing CR dropped).
std::string readLine(std::istream& in);
// True when the line is a group header (only the word is compared, not the version).
bool isHeader(const std::string& line);

// Up to 254 bytes up to the separator must be exactly the label, else
// "Failed to read \"<label>\" from input stream".
void expectLabel(std::istream& in, const std::string& label);
// Up to 254 bytes up to LF must be exactly "#".
void expectEndMark(std::istream& in);

// Reads `count` values into slots 0..count-1 with the separator as delimiter
// ("Property does not exist" past the last slot).
void readValues(std::istream& in, ActualProperties& values, std::uint64_t count);

// The values form: count, each value after the separator, then the separator and "#".
// A text value that would lose its enclosing quotes on reading is quoted once more.
void writeValues(std::ostream& out, const ActualProperties& values);

// The same form appended to a line being built. Both fail as the text check before saving
// does on a text that is broken or too long for the stream file.
void appendValues(std::string& line, const ActualProperties& values);
// An unsigned decimal appended to a line being built.
void appendNumber(std::string& line, std::uint64_t value);
// A line buffer of this thread for the record writers (one record at a time).
std::string& lineBuffer();
// Writes a built line (or record) in one call.
inline void writeLine(std::ostream& out, const std::string& line) {
    out.write(line.data(), static_cast<std::streamsize>(line.size()));
}

// Lines gathered in one text go out some 64 KB at a time, sparing a stream call per line;
// the caller writes what is left at the end.
inline void writeWhenFull(std::ostream& out, std::string& lines) {
    if (lines.size() < (std::size_t{1} << 16)) return;
    writeLine(out, lines);
    lines.clear();
}

// An unsigned decimal, as operator<< writes it in the classic locale, without its cost.
void writeNumber(std::ostream& out, std::uint64_t value);

// Ends a line. The file is flushed once, when it is complete.
inline void endLine(std::ostream& out) {
    out.put('\n');
}

// "Nodalyx1.0.0" and LF.
void writeHeader(std::ostream& out);

}  // namespace nx::persistence
