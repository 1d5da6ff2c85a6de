// The fixed table between primitive type names and their XML element names.
#include "persistence/xml_names.h"

#include <string_view>
#include <utility>

namespace nx::persistence {

namespace {

constexpr std::pair<std::string_view, std::string_view> kSpellings[] = {
    {"Primitive(unsigned int)", "Primitive-unsigned-int"},
    {"Primitive(__int64)", "Primitive-__int64"},
    {"Primitive(unsigned __int64)", "Primitive-unsigned-__int64"},
    {"Primitive(char)", "Primitive-char"},
};

}  // namespace

std::string elementNameOf(const std::string& typeName) {
    for (const auto& [type, element] : kSpellings)
        if (typeName == type) return std::string(element);
    return typeName;
}

std::string typeNameOf(const std::string& elementName) {
    for (const auto& [type, element] : kSpellings)
        if (elementName == element) return std::string(type);
    return elementName;
}

}  // namespace nx::persistence
