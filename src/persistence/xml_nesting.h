// Pre-parse bounds on element nesting and attributes, so that the XML library can neither
// exhaust the stack by recursion nor spend quadratic time on one element's attributes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace nx::persistence {

// Far deeper than any document file; shallow enough for a recursive parser on a small stack.
inline constexpr std::size_t kMaxXmlNesting = 256;

// Far more than any element of a document file carries (seven at most); few enough that
// the library's check of each attribute against all earlier ones of its element stays cheap.
inline constexpr std::size_t kMaxXmlAttributes = 64;

// Elements at least this large are worth remembering where they end (see ElementEnd).
inline constexpr std::size_t kLargeXmlElementBytes = 64 * 1024;

// A large element met by the check: where it starts, where its end tag starts, and its end.
struct ElementEnd {
    std::size_t start, endTag, end;
};

// Fails with a runtime error when elements in the text nest deeper than maxDepth or a
// start tag carries more than maxAttributes attributes (counted by their '=' signs).
// Counts as the XML library parses: comments, CDATA, declarations and quoted
// attribute values hide their contents; "</" closes, "/>" closes its own tag only.
// With ends, also pairs each end tag with the latest open element and appends every
// pair spanning kLargeXmlElementBytes or more; answers whether the whole text read
// cleanly (every construct terminated, every end tag with an open element, none left
// open): only then are the pairs those a scan of the elements would find.
bool checkXmlStructure(std::string_view text, std::size_t maxDepth = kMaxXmlNesting,
                       std::size_t maxAttributes = kMaxXmlAttributes,
                       std::vector<ElementEnd>* ends = nullptr);

// The nesting bound alone.
void checkXmlNesting(std::string_view text, std::size_t maxDepth = kMaxXmlNesting);

}  // namespace nx::persistence
