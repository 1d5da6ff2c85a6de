// Field-level helpers shared by the view records and the view factories.
#include "views/view_records.h"

#include <cstdlib>
#include <stdexcept>

#include <tinyxml.h>

#include "properties/error_texts.h"
#include "properties/list_separator.h"
#include "properties/text_io.h"

namespace nx::records {

namespace {
constexpr std::size_t kFieldLimit = 255;
}

char separator() {
    return listSeparator();
}

std::string readField(std::istream& in) {
    return text::readToken(in, separator(), kFieldLimit);
}

std::int32_t readIntField(std::istream& in) {
    std::int32_t value = 0;
    if (!text::parseInt32(readField(in), value))
        throw std::runtime_error(nx::error_texts::kFailedToReadInt);
    return value;
}

void readEndMark(std::istream& in) {
    std::string mark = text::readToken(in, '\n', kFieldLimit);
    if (!mark.empty() && mark.back() == '\r') mark.pop_back();
    if (mark != "#") throw std::runtime_error(nx::error_texts::kFailedToReadEndMark);
}

void appendTextChild(TiXmlElement& element, const char* name, const std::string& text) {
    TiXmlElement child(name);
    child.InsertEndChild(TiXmlText(text.c_str()));
    element.InsertEndChild(child);
}

std::size_t nextTextChild(const ElementFields& parent, std::size_t previous, const char* name,
                          std::string& text, bool emptyWhenNone) {
    const std::size_t child = parent.nextChildNamed(previous, name);
    const bool found = child != ElementFields::npos;
    if (found && parent.childText(child, text)) return child;
    if (!found || !emptyWhenNone)
        throw std::runtime_error(std::string("Failed to read \"") + name + "\" from XML element");
    text.clear();
    return child;
}

std::int32_t leadingInt(const std::string& text) {
    return static_cast<std::int32_t>(std::strtol(text.c_str(), nullptr, 10));
}

}  // namespace nx::records
