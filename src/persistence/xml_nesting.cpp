// Element nesting depth and attribute counts of an XML text, measured without building a tree.
#include "persistence/xml_nesting.h"

#include <strings.h>
#include <cctype>
#include <stdexcept>

namespace nx::persistence {

namespace {

bool startsAt(std::string_view text, std::size_t i, const char* word, bool ignoreCase = false) {
    const std::size_t n = std::char_traits<char>::length(word);
    if (text.size() - i < n) return false;
    return ignoreCase ? strncasecmp(text.data() + i, word, n) == 0 : text.compare(i, n, word) == 0;
}

// Element names start with a letter, '_' or any byte of a multi-byte UTF-8 sequence.
bool startsName(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u >= 0x80 || std::isalpha(u) || c == '_';
}

}  // namespace

void checkXmlNesting(std::string_view text, std::size_t maxDepth) {
    checkXmlStructure(text, maxDepth, std::string::npos);
}

void checkXmlStructure(std::string_view text, std::size_t maxDepth, std::size_t maxAttributes) {
    constexpr std::size_t npos = std::string::npos;
    std::size_t depth = 0;
    std::size_t i = 0;
    while ((i = text.find('<', i)) != npos) {
        std::size_t end = npos;
        if (startsAt(text, i, "<!--")) {
            end = text.find("-->", i + 4);
            if (end != npos) end += 2;
        } else if (startsAt(text, i, "<![CDATA[")) {
            end = text.find("]]>", i + 9);
            if (end != npos) end += 2;
        } else if (i + 1 < text.size() && text[i + 1] == '?' && startsAt(text, i, "<?xml", true)) {
            end = text.find("?>", i + 5);
            if (end != npos) end += 1;
        } else if (i + 1 < text.size() && text[i + 1] == '/') {
            if (depth > 0) --depth;
            end = text.find('>', i + 2);
        } else if (i + 1 < text.size() && startsName(text[i + 1])) {
            std::size_t j = i + 1;
            std::size_t attributes = 0;
            while (j < text.size() && text[j] != '>') {
                if (text[j] == '"' || text[j] == '\'') {
                    j = text.find(text[j], j + 1);
                    if (j == npos) return;  // unterminated: the parser stops here too
                } else if (text[j] == '=' && ++attributes > maxAttributes) {
                    // Each attribute the library reads takes one '=' outside quotes.
                    throw std::runtime_error("XML element with more than " +
                                             std::to_string(maxAttributes) + " attributes");
                }
                ++j;
            }
            if (j >= text.size()) return;
            if (text[j - 1] != '/' && ++depth > maxDepth)
                throw std::runtime_error("XML elements nested deeper than " +
                                         std::to_string(maxDepth) + " levels");
            end = j;
        } else {
            end = text.find('>', i + 1);  // anything else is skipped to its '>'
        }
        if (end == npos) return;
        i = end + 1;
    }
}

}  // namespace nx::persistence
