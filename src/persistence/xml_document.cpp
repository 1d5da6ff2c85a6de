// XML files read whole as text; pieces of it parsed by the XML library.
#include "persistence/xml_document.h"

#include <filesystem>
#include <fstream>
#include <mutex>
#include <stdexcept>

#include "persistence/error_texts.h"
#include "persistence/xml_nesting.h"

namespace nx::persistence {

std::string readXmlText(const std::string& fileName) {
    // A directory opens like a file here but has no size to read.
    std::error_code notADirectory;
    std::ifstream in(fileName, std::ios::in | std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0 || std::filesystem::is_directory(fileName, notADirectory))
        throw std::runtime_error(nx::error_texts::kFailedToOpenFile);
    std::string text(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.find('\r') != std::string::npos) {
        std::size_t out = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r') {
                text[out++] = '\n';
                if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            } else {
                text[out++] = text[i];
            }
        }
        text.resize(out);
    }
    checkXmlStructure(text);
    return text;
}

std::unique_ptr<TiXmlDocument> parseElement(const char* start, TiXmlEncoding encoding,
                                            const char** end) {
    auto doc = std::make_unique<TiXmlDocument>();
    // Parsed as an element of a document so that failures leave their description there.
    TiXmlNode* element = doc->LinkEndChild(new TiXmlElement(""));
    const char* after = element->Parse(start, nullptr, encoding);
    if (doc->Error()) throw std::runtime_error(doc->ErrorDesc());
    if (!after) throw std::runtime_error(nx::error_texts::kErrorParsingElement);
    if (end) *end = after;
    return doc;
}

namespace {

struct WhiteSpaceSetting {
    std::mutex mutex;
    int guards = 0;
    bool previous = true;
};

WhiteSpaceSetting& whiteSpaceSetting() {
    static WhiteSpaceSetting setting;
    return setting;
}

}  // namespace

KeepWhiteSpace::KeepWhiteSpace() {
    WhiteSpaceSetting& s = whiteSpaceSetting();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.guards++ == 0) {
        s.previous = TiXmlBase::IsWhiteSpaceCondensed();
        TiXmlBase::SetCondenseWhiteSpace(false);
    }
}

KeepWhiteSpace::~KeepWhiteSpace() {
    WhiteSpaceSetting& s = whiteSpaceSetting();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (--s.guards == 0) TiXmlBase::SetCondenseWhiteSpace(s.previous);
}

std::unique_ptr<TiXmlDocument> parseXml(std::string_view text, TiXmlEncoding encoding) {
    auto doc = std::make_unique<TiXmlDocument>();
    const std::string piece(text);  // the library wants a terminated string
    doc->Parse(piece.c_str(), nullptr, encoding);
    if (doc->Error()) throw std::runtime_error(doc->ErrorDesc());
    return doc;
}

}  // namespace nx::persistence
