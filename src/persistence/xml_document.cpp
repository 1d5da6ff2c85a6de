// XML files read whole as text; pieces of it parsed by the XML library.
#include "persistence/xml_document.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "persistence/xml_nesting.h"

namespace nx::persistence {

std::string readXmlText(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::in | std::ios::binary);
    if (!in) throw std::runtime_error("Failed to open file");
    const std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
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
    checkXmlNesting(text);
    return text;
}

std::unique_ptr<TiXmlDocument> parseXml(std::string_view text, TiXmlEncoding encoding) {
    auto doc = std::make_unique<TiXmlDocument>();
    const std::string piece(text);  // the library wants a terminated string
    doc->Parse(piece.c_str(), nullptr, encoding);
    if (doc->Error()) throw std::runtime_error(doc->ErrorDesc());
    return doc;
}

}  // namespace nx::persistence
