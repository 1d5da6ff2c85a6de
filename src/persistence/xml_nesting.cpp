// Element nesting depth and attribute counts of an XML text, measured without building a tree.
#include "persistence/xml_nesting.h"

#include <strings.h>
#include <array>
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

bool checkXmlStructure(std::string_view text, std::size_t maxDepth, std::size_t maxAttributes,
                       std::vector<ElementEnd>* ends) {
    constexpr std::size_t npos = std::string::npos;
    std::size_t depth = 0;
    std::vector<std::size_t> open;  // starts of the open elements, kept only for ends
    bool stray = false;             // an end tag came with no element open
    std::size_t i = 0;
    // Bytes that stop the walk through a start tag.
    static constexpr std::array<bool, 256> kStops = [] {
        std::array<bool, 256> stops{};
        for (unsigned char c : {'"', '\'', '=', '>'}) stops[c] = true;
        return stops;
    }();
    const std::size_t size = text.size();
    while ((i = text.find('<', i)) != npos) {
        std::size_t end = npos;
        const bool bang = i + 1 < size && text[i + 1] == '!';
        if (bang && startsAt(text, i, "<!--")) {
            end = text.find("-->", i + 4);
            if (end != npos) end += 2;
        } else if (bang && startsAt(text, i, "<![CDATA[")) {
            end = text.find("]]>", i + 9);
            if (end != npos) end += 2;
        } else if (i + 1 < text.size() && text[i + 1] == '?' && startsAt(text, i, "<?xml", true)) {
            end = text.find("?>", i + 5);
            if (end != npos) end += 1;
        } else if (i + 1 < text.size() && text[i + 1] == '/') {
            if (depth > 0) --depth;
            end = text.find('>', i + 2);
            if (ends && end != npos) {
                if (open.empty()) {
                    stray = true;
                } else {
                    if (end + 1 - open.back() >= kLargeXmlElementBytes)
                        ends->push_back({open.back(), i, end + 1});
                    open.pop_back();
                }
            }
        } else if (i + 1 < text.size() && startsName(text[i + 1])) {
            std::size_t j = i + 1;
            std::size_t attributes = 0;
            while (j < size) {
                const char c = text[j];
                if (!kStops[static_cast<unsigned char>(c)]) {
                    ++j;
                    continue;
                }
                if (c == '>') break;
                if (c == '=') {
                    // Each attribute the library reads takes one '=' outside quotes.
                    if (++attributes > maxAttributes)
                        throw std::runtime_error("XML element with more than " +
                                                 std::to_string(maxAttributes) + " attributes");
                    ++j;
                    continue;
                }
                // A quoted value, short: walked here rather than by a memchr call.
                std::size_t k = j + 1;
                while (k < size && text[k] != c) ++k;
                if (k >= size) return false;  // unterminated: the parser stops here too
                j = k + 1;
            }
            if (j >= text.size()) return false;
            if (text[j - 1] != '/') {
                if (++depth > maxDepth)
                    throw std::runtime_error("XML elements nested deeper than " +
                                             std::to_string(maxDepth) + " levels");
                if (ends) open.push_back(i);
            }
            end = j;
        } else {
            end = text.find('>', i + 1);  // anything else is skipped to its '>'
        }
        if (end == npos) return false;
        i = end + 1;
    }
    return open.empty() && !stray;
}

}  // namespace nx::persistence
