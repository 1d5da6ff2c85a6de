// XML files in and out: line-end normalisation, nesting bound, verbatim white space.
#include "persistence/xml_document.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <tinyxml.h>

#include "persistence/xml_nesting.h"

namespace nx::persistence {

namespace {

// The library trims and collapses white space in text by default, which would
// change string values; the setting is global, so it is restored afterwards.
class KeepWhiteSpace {
public:
    KeepWhiteSpace() : previous_(TiXmlBase::IsWhiteSpaceCondensed()) {
        TiXmlBase::SetCondenseWhiteSpace(false);
    }
    ~KeepWhiteSpace() { TiXmlBase::SetCondenseWhiteSpace(previous_); }
    KeepWhiteSpace(const KeepWhiteSpace&) = delete;
    KeepWhiteSpace& operator=(const KeepWhiteSpace&) = delete;

private:
    bool previous_;
};

// CR LF and lone CR become LF, as the library's own file loader does.
std::string normalizeLineEnds(const std::string& raw) {
    std::string text;
    text.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r') {
            text.push_back('\n');
            if (i + 1 < raw.size() && raw[i + 1] == '\n') ++i;
        } else {
            text.push_back(raw[i]);
        }
    }
    return text;
}

}  // namespace

void parseXmlFile(TiXmlDocument& doc, const std::string& fileName) {
    std::ifstream in(fileName, std::ios::in | std::ios::binary);
    if (!in) throw std::runtime_error("Failed to open file");
    const std::string text = normalizeLineEnds(
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    checkXmlNesting(text);
    KeepWhiteSpace keep;
    doc.SetValue(fileName);
    doc.Parse(text.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
    if (doc.Error()) throw std::runtime_error(doc.ErrorDesc());
}

bool printXmlFile(const TiXmlDocument& doc, const std::string& fileName) {
    std::FILE* file = std::fopen(fileName.c_str(), "w");
    if (!file) return false;
    doc.Print(file);
    std::fclose(file);
    return true;
}

}  // namespace nx::persistence
