// XML text in and out through the XML library: whole files, single records, verbatim white space.
#pragma once

#include <tinyxml.h>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/xml_nesting.h"

namespace nx::persistence {

// The file's bytes with CR LF and lone CR turned into LF (as the library's own loader
// does); fails with the library's "Failed to open file" or the structure errors.
std::string readXmlText(const std::string& fileName);

// The same text, NUL-terminated, without clearing or copying a large file: a regular file
// is read straight into a buffer that is never zero-filled first. Read, not mapped, so that a
// file cut short by another program while it is read gives a parse error, not a crash.
class XmlFileText {
public:
    explicit XmlFileText(const std::string& fileName);

    std::string_view view() const { return text_; }
    // Terminated: a NUL follows the last byte.
    const char* c_str() const { return text_.data(); }

    // The large elements' ends, found by the structure check; null when the text did not
    // read cleanly (a scan then finds them, and reports what is wrong).
    const std::vector<ElementEnd>* largeElementEnds() const { return clean_ ? &ends_ : nullptr; }

private:
    std::vector<ElementEnd> ends_;
    bool clean_ = false;
    std::unique_ptr<char[]> buffer_;
    std::string copy_;
    std::string_view text_;
};

// Parses a piece of XML text as a document of its own with the given encoding; fails with
// a runtime error carrying the library's description.
std::unique_ptr<TiXmlDocument> parseXml(std::string_view text, TiXmlEncoding encoding);

// Parses the one element that starts at start (a terminated text may follow it); the
// document holds it as its root, *end (when given) is set past it. Fails like parseXml.
std::unique_ptr<TiXmlDocument> parseElement(const char* start, TiXmlEncoding encoding,
                                            const char** end = nullptr);

// The library trims and collapses white space in text by default, which would change
// string values; the setting is global, so it is restored when the last guard goes.
// Guards on several threads share one setting: it stays off while any of them lives.
class KeepWhiteSpace {
public:
    KeepWhiteSpace();
    ~KeepWhiteSpace();
    KeepWhiteSpace(const KeepWhiteSpace&) = delete;
    KeepWhiteSpace& operator=(const KeepWhiteSpace&) = delete;
};

}  // namespace nx::persistence
