// Edge-list reading: a buffered character reader, RFC 4180 records, header detection.
#include "interchange/csv_reader.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "interchange/import_error.h"

namespace nx {

namespace {

// Reads a file in large blocks and counts lines and columns (bytes) for messages.
class CharReader {
public:
    explicit CharReader(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {
        if (!file_) failAt(path, 0, 0, std::string("cannot open the file: ") + std::strerror(errno));
    }
    ~CharReader() {
        if (file_) std::fclose(file_);
    }
    CharReader(const CharReader&) = delete;
    CharReader& operator=(const CharReader&) = delete;

    int peek() {
        if (pos_ == len_ && !fill()) return EOF;
        return static_cast<unsigned char>(buffer_[pos_]);
    }
    int get() {
        const int c = peek();
        if (c == EOF) return EOF;
        ++pos_;
        if (c == '\n') {
            ++line_;
            column_ = 0;
        } else {
            ++column_;
        }
        return c;
    }
    std::size_t line() const { return line_; }
    // The column of the next character.
    std::size_t column() const { return column_ + 1; }

private:
    bool fill() {
        len_ = std::fread(buffer_.get(), 1, kBlock, file_);
        pos_ = 0;
        return len_ > 0;
    }

    static constexpr std::size_t kBlock = 1 << 16;
    std::FILE* file_;
    std::unique_ptr<char[]> buffer_{new char[kBlock]};
    std::size_t pos_ = 0, len_ = 0;
    std::size_t line_ = 1, column_ = 0;
};

class RecordReader {
public:
    RecordReader(const std::string& path, char separator) : in_(path), path_(path), sep_(separator) {
        // A UTF-8 byte-order mark is no part of the first field.
        if (in_.peek() == 0xEF) {
            in_.get();
            if (in_.get() != 0xBB || in_.get() != 0xBF)
                failAt(path_, 1, 1, "the file starts with a broken byte-order mark");
        }
    }

    // The next record's fields; false at the end of the file. Blank lines are skipped.
    bool next(std::vector<std::string>& fields) {
        for (;;) {
            if (in_.peek() == EOF) return false;
            line_ = in_.line();
            std::size_t count = 0;
            bool more = true;
            while (more) {
                if (fields.size() <= count) fields.emplace_back();
                std::string& field = fields[count++];
                field.clear();
                more = readField(field);
            }
            fields.resize(count);
            if (count > 1 || !fields[0].empty() || quotedLast_) return true;
        }
    }

    // The line the last record started on.
    std::size_t line() const { return line_; }

private:
    // Reads one field; answers whether another field of the same record follows.
    bool readField(std::string& field) {
        quotedLast_ = false;
        if (in_.peek() == '"') {
            quotedLast_ = true;
            const std::size_t openLine = in_.line(), openColumn = in_.column();
            in_.get();
            for (;;) {
                const int c = in_.get();
                if (c == EOF)
                    failAt(path_, openLine, openColumn,
                           "the quoted field opened here is not closed before the end of the file");
                if (c == '"') {
                    if (in_.peek() != '"') break;
                    in_.get();
                }
                field.push_back(static_cast<char>(c));
            }
            const int after = in_.peek();
            if (after != sep_ && after != '\r' && after != '\n' && after != EOF)
                failAt(path_, in_.line(), in_.column(),
                       std::string("expected ") + separatorName() +
                           " or the end of the line after a closing quote");
        } else {
            for (int c = in_.peek(); c != sep_ && c != '\r' && c != '\n' && c != EOF;
                 c = in_.peek())
                field.push_back(static_cast<char>(in_.get()));
        }
        const int end = in_.get();
        if (end == sep_) return true;
        if (end == '\r' && in_.peek() == '\n') in_.get();
        return false;
    }

    const char* separatorName() const { return sep_ == '\t' ? "a tab" : "a comma"; }

    CharReader in_;
    const std::string& path_;
    char sep_;
    std::size_t line_ = 1;
    bool quotedLast_ = false;
};

std::string lowered(const std::string& text) {
    std::string out = text;
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    // Header cells are often padded.
    const auto first = out.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return out.substr(first, out.find_last_not_of(" \t") - first + 1);
}

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

struct Columns {
    std::size_t source = 0, target = 1, label = 2;
};

// The columns a header names; source stays kNone when it names no source and target.
Columns columnsOfHeader(const std::vector<std::string>& header) {
    Columns c{kNone, kNone, kNone};
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string cell = lowered(header[i]);
        if (c.source == kNone && (cell == "source" || cell == "from" || cell == "src"))
            c.source = i;
        else if (c.target == kNone && (cell == "target" || cell == "to" || cell == "dst"))
            c.target = i;
        else if (c.label == kNone && (cell == "label" || cell == "name"))
            c.label = i;
    }
    if (c.target == kNone) c.source = kNone;
    return c;
}

}  // namespace

GraphData readEdgeList(const std::string& path, const EdgeListOptions& options) {
    RecordReader records(path, options.separator);
    GraphData data;
    std::vector<std::string> fields;
    Columns columns;
    std::vector<std::string> header;
    if (!records.next(fields)) return data;

    bool firstIsData = true;
    if (options.header != EdgeListOptions::Header::Absent) {
        const Columns named = columnsOfHeader(fields);
        if (named.source != kNone) {
            columns = named;
            header = fields;
            firstIsData = false;
        } else if (options.header == EdgeListOptions::Header::Present) {
            failAt(path, records.line(), 0,
                   "the header names no source and target columns (expected \"source\" and "
                   "\"target\", or \"from\" and \"to\")");
        }
    }
    // Columns that are neither source, target nor label are reported once.
    const auto noteExtra = [&](std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            if (i == columns.source || i == columns.target || i == columns.label) continue;
            if (i < header.size())
                data.ignored.add(IgnoredAttributes::Edge, header[i]);
            else
                data.ignored.add(IgnoredAttributes::Edge, "column " + std::to_string(i + 1));
        }
    };

    std::size_t widest = header.size();
    do {
        if (firstIsData) {
            const std::size_t n = fields.size();
            widest = std::max(widest, n);
            const auto cell = [&](std::size_t i) -> const std::string* {
                return i < n ? &fields[i] : nullptr;
            };
            const std::string* source = cell(columns.source);
            const std::string* target = cell(columns.target);
            const std::string* label = cell(columns.label);
            if (!source || source->empty())
                failAt(path, records.line(), 0,
                       "expected a source vertex id in column " +
                           std::to_string(columns.source + 1));
            const std::size_t s = data.nodeFor(*source);
            if (target && !target->empty()) {
                const std::size_t t = data.nodeFor(*target);
                data.edges.push_back(GraphEdge{s, t, label ? *label : std::string()});
            } else if (label && !label->empty()) {
                failAt(path, records.line(), 0,
                       "expected a target vertex id in column " +
                           std::to_string(columns.target + 1) + " for the label '" + *label + "'");
            }
        }
        firstIsData = true;
    } while (records.next(fields));
    noteExtra(widest);
    return data;
}

}  // namespace nx
