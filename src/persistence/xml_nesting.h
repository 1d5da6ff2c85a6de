// A pre-parse bound on element nesting, so that a recursive XML parser cannot exhaust the stack.
#pragma once

#include <cstddef>
#include <string>

namespace nx::persistence {

// Far deeper than any document file; shallow enough for a recursive parser on a small stack.
inline constexpr std::size_t kMaxXmlNesting = 256;

// Fails with a runtime error when elements in the text nest deeper than maxDepth.
// Counts as the XML library parses: comments, CDATA, declarations and quoted
// attribute values hide their contents; "</" closes, "/>" closes its own tag only.
void checkXmlNesting(const std::string& text, std::size_t maxDepth = kMaxXmlNesting);

}  // namespace nx::persistence
