// Locates elements in XML text without building a tree, so that large documents
// can be parsed one record at a time.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "persistence/xml_nesting.h"

namespace nx::persistence {

// An element found in the text: [begin, end) is all of it, [begin, tagEnd) its start tag.
struct XmlSpan {
    std::size_t begin = 0;
    std::size_t tagEnd = 0;
    std::size_t end = 0;
    bool selfClosing = false;
    std::string_view name;
};

class XmlScanner {
public:
    // The text must be followed by a NUL and outlive the scanner.
    explicit XmlScanner(std::string_view text) : text_(text) {}

    // The element whose '<' is at pos. An element that never ends or ends with another
    // name fails with the XML library's text for it ("Error reading end tag." and kin).
    XmlSpan elementAt(std::size_t pos) const;

    // The first element starting in [from, limit), skipping text, comments, CDATA,
    // declarations and processing instructions; nullopt when none starts before limit
    // or an end tag comes first.
    std::optional<XmlSpan> nextElement(std::size_t from, std::size_t limit) const;

    // Where the next element starts from pos on, skipping text, comments and other
    // markup; npos when an end tag or the end of the text comes first.
    std::size_t nextStart(std::size_t pos) const;

    // The first child element of a span, and the one after a child within its parent.
    std::optional<XmlSpan> firstChild(const XmlSpan& parent) const;
    std::optional<XmlSpan> nextSibling(const XmlSpan& parent, const XmlSpan& child) const;

    // The end of the start tag at pos (past its '>'), honouring quoted values; npos if none.
    std::size_t tagEnd(std::size_t pos) const;

    // Takes large elements' ends found by a clean structure check of the same text, so that
    // finding them needs no scan (each is still checked against its end tag's name).
    void knowEnds(const std::vector<ElementEnd>& ends);

    std::string_view slice(std::size_t begin, std::size_t end) const {
        return text_.substr(begin, end - begin);
    }

private:
    // Past a comment, CDATA section, declaration or other markup at pos; fails if unterminated.
    std::size_t skipMarkup(std::size_t pos) const;
    std::string_view nameAt(std::size_t pos) const;

    std::string_view text_;
    // Large elements met inside a scanned element, by start: where their end tag starts and
    // where it ends. Finding a container's end scans all of it; its large children (the
    // sections, a graph's member lists) are then found without scanning them again.
    mutable std::unordered_map<std::size_t, std::pair<std::size_t, std::size_t>> knownEnds_;
};

// True when the byte after '<' starts an element name, as the XML library decides.
bool startsElementName(char c);

}  // namespace nx::persistence
