// Element boundaries by the XML library's own rules for comments, CDATA, markup and quotes.
#include "persistence/xml_scanner.h"
#include "persistence/error_texts.h"

#include <strings.h>
#include <array>
#include <cctype>
#include <stdexcept>

namespace nx::persistence {

namespace {

constexpr std::size_t npos = std::string::npos;

bool startsAt(std::string_view text, std::size_t i, std::string_view word) {
    return text.size() - i >= word.size() && text.compare(i, word.size(), word) == 0;
}

bool isNameChar(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u >= 0x80 || std::isalnum(u) || c == '_' || c == '-' || c == '.' || c == ':';
}

}  // namespace

bool startsElementName(char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u >= 0x80 || std::isalpha(u) || c == '_';
}

std::size_t XmlScanner::skipMarkup(std::size_t pos) const {
    auto past = [&](std::string_view close, std::size_t from, const char* error) {
        const std::size_t end = text_.find(close, from);
        if (end == npos) throw std::runtime_error(error);
        return end + close.size();
    };
    if (startsAt(text_, pos, "<!--")) return past("-->", pos + 4, "Error parsing Comment.");
    if (startsAt(text_, pos, "<![CDATA[")) return past("]]>", pos + 9, "Error parsing CDATA.");
    if (text_.size() - pos >= 5 && strncasecmp(text_.data() + pos, "<?xml", 5) == 0)
        return past("?>", pos + 5, "Error parsing Declaration.");
    return past(">", pos + 1, "Error parsing Unknown.");
}

std::string_view XmlScanner::nameAt(std::size_t pos) const {
    std::size_t end = pos;
    while (end < text_.size() && isNameChar(text_[end])) ++end;
    return slice(pos, end);
}

std::size_t XmlScanner::tagEnd(std::size_t pos) const {
    // Bytes that stop the walk through a start tag: quotes open a value, '>' ends the tag,
    // NUL may be the end of the text (which a NUL always follows).
    static constexpr std::array<bool, 256> kStops = [] {
        std::array<bool, 256> stops{};
        for (unsigned char c : {'"', '\'', '>', '\0'}) stops[c] = true;
        return stops;
    }();
    const char* const begin = text_.data();
    const char* const end = begin + text_.size();
    for (const char* p = begin + pos + 1;; ++p) {
        while (!kStops[static_cast<unsigned char>(*p)]) ++p;
        if (p >= end) return npos;
        if (*p == '>') return static_cast<std::size_t>(p + 1 - begin);
        if (*p == '\0') continue;  // a NUL inside the text
        // A quoted value: on past its closing quote. Values are short: no memchr call.
        const char quote = *p;
        do {
            ++p;
        } while (p < end && *p != quote);
        if (p >= end) return npos;
    }
}

XmlSpan XmlScanner::elementAt(std::size_t pos) const {
    XmlSpan span;
    span.begin = pos;
    span.name = nameAt(pos + 1);
    span.tagEnd = tagEnd(pos);
    if (span.tagEnd == npos) throw std::runtime_error(nx::error_texts::kErrorParsingElement);
    span.selfClosing = text_[span.tagEnd - 2] == '/';
    if (span.selfClosing) {
        span.end = span.tagEnd;
        return span;
    }
    if (const auto known = knownEnds_.find(pos); known != knownEnds_.end()) {
        // The same end tag a scan from here would reach: nesting pairs each end tag with
        // the latest open element, as counting depth from here does.
        if (nameAt(known->second.first + 2) != span.name)
            throw std::runtime_error(nx::error_texts::kErrorReadingEndTag);
        span.end = known->second.second;
        return span;
    }
    std::vector<std::size_t> open;  // starts of the open elements inside this one
    std::size_t i = span.tagEnd;
    while ((i = text_.find('<', i)) != npos) {
        if (i + 1 < text_.size() && text_[i + 1] == '/') {
            const std::size_t close = text_.find('>', i + 2);
            if (close == npos) break;
            if (open.empty()) {
                if (nameAt(i + 2) != span.name)
                    throw std::runtime_error(nx::error_texts::kErrorReadingEndTag);
                span.end = close + 1;
                return span;
            }
            if (close + 1 - open.back() >= kLargeXmlElementBytes)
                knownEnds_.emplace(open.back(), std::make_pair(i, close + 1));
            open.pop_back();
            i = close + 1;
        } else if (i + 1 < text_.size() && startsElementName(text_[i + 1])) {
            const std::size_t end = tagEnd(i);
            if (end == npos) throw std::runtime_error(nx::error_texts::kErrorParsingElement);
            if (text_[end - 2] != '/') open.push_back(i);
            i = end;
        } else {
            i = skipMarkup(i);
        }
    }
    throw std::runtime_error(nx::error_texts::kErrorReadingEndTag);
}

void XmlScanner::knowEnds(const std::vector<ElementEnd>& ends) {
    for (const ElementEnd& e : ends) knownEnds_.emplace(e.start, std::make_pair(e.endTag, e.end));
}

std::size_t XmlScanner::nextStart(std::size_t pos) const {
    std::size_t i = pos;
    while ((i = text_.find('<', i)) != npos) {
        if (i + 1 < text_.size() && text_[i + 1] == '/') return npos;
        if (i + 1 < text_.size() && startsElementName(text_[i + 1])) return i;
        i = skipMarkup(i);
    }
    return npos;
}

std::optional<XmlSpan> XmlScanner::nextElement(std::size_t from, std::size_t limit) const {
    const std::size_t i = nextStart(from);
    if (i == npos || i >= limit) return std::nullopt;
    return elementAt(i);
}

std::optional<XmlSpan> XmlScanner::firstChild(const XmlSpan& parent) const {
    if (parent.selfClosing) return std::nullopt;
    return nextElement(parent.tagEnd, parent.end);
}

std::optional<XmlSpan> XmlScanner::nextSibling(const XmlSpan& parent, const XmlSpan& child) const {
    return nextElement(child.end, parent.end);
}

}  // namespace nx::persistence
