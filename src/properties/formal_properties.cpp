// Schemas: type-name construction and both text forms.
#include "properties/formal_properties.h"

#include <tinyxml.h>
#include <cstdlib>
#include <functional>
#include <stdexcept>

#include "properties/error_texts.h"
#include "properties/list_separator.h"
#include "properties/properties.h"
#include "properties/text_io.h"

namespace nx {

namespace {

using Factory = std::unique_ptr<Property> (*)();

template <typename P>
std::unique_ptr<Property> make() {
    return std::make_unique<P>();
}

struct NamedFactory {
    const char* name;
    Factory make;
};

// The names addByTypeName knows, in the order it compares them.
const NamedFactory kByName[] = {
    {"Int", make<PropertyTemplate::Int>},
    {"Real", make<PropertyTemplate::Real>},
    {"Bool", make<PropertyTemplate::Bool>},
    {"String", make<String>},
    {"Pointer", make<PropertyTemplate::Pointer>},
    {"Visited", make<Visited>},
    {"Color", make<Color>},
    {"Name", make<Name>},
    {"Weight", make<Weight>},
    {"X", make<X>},
    {"Y", make<Y>},
    {"Z", make<Z>},
    {"Selected", make<Selected>},
    {"Primitive(__int64)", make<PropertyTemplate::Int64>},
    {"Primitive(unsigned __int64)", make<PropertyTemplate::UInt64>},
    {"_I1", make<AuxInt1>},
    {"_I2", make<AuxInt2>},
    {"_I3", make<AuxInt3>},
    {"_R1", make<AuxReal1>},
    {"_R2", make<AuxReal2>},
    {"_R3", make<AuxReal3>},
    {"_V1", make<AuxFlag1>},
    {"Fading", make<Fading>},
    {"Unfaded", make<Unfaded>},
};

bool startsWith(const std::string& text, std::size_t from, const char* prefix) {
    return text.compare(from, std::char_traits<char>::length(prefix), prefix) == 0;
}

}  // namespace

void FormalProperties::addByTypeName(const std::string& typeName) {
    for (const auto& entry : kByName) {
        if (typeName == entry.name) {
            prototypes_.add(entry.make());
            return;
        }
    }
    static const std::string primitive("Primitive(");
    if (typeName.compare(0, primitive.size(), primitive) != 0)
        throw std::runtime_error("Unknown property " + typeName);
    const std::size_t from = primitive.size();
    std::unique_ptr<Property> p;
    if (startsWith(typeName, from, "char"))
        p = make<PropertyTemplate::Char>();
    else if (startsWith(typeName, from, "unsigned int"))
        p = make<PropertyTemplate::UInt32>();
    else if (startsWith(typeName, from, "__int64"))
        p = make<PropertyTemplate::Int64>();
    else if (startsWith(typeName, from, "unsigned __int64"))
        p = make<PropertyTemplate::UInt64>();
    if (p) prototypes_.add(std::move(p));  // other Primitive(...) names are ignored
}

void FormalProperties::writeStream(std::ostream& out) const {
    const char sep = listSeparator();
    out << prototypes_.size();
    for (std::size_t i = 0; i < prototypes_.size(); ++i)
        out << sep << '"' << prototypes_.at(i).typeName() << '"';
    out << sep << '#';
}

void FormalProperties::readStream(std::istream& in) {
    const char sep = listSeparator();
    std::uint64_t count = 0;
    if (!text::parseUInt64(text::stripQuotes(text::readToken(in, sep, 49)), count))
        throw std::runtime_error(nx::error_texts::kFailedToReadFormalCount);
    for (std::uint64_t i = 0; i < count; ++i) {
        // An absurd count runs out of input long before it runs out of memory:
        // each missing entry fails on its empty name.
        in.rdbuf()->sbumpc();  // the opening quote
        const std::string name = text::readToken(in, '"', 254);
        text::readToken(in, sep, 255);
        addByTypeName(name);
    }
    std::string end = text::readToken(in, '\n', 254);
    if (!end.empty() && end.back() == '\r') end.pop_back();  // tolerate CR LF files
    if (end != "#") throw std::runtime_error(nx::error_texts::kFailedToReadEndMark);
}

void FormalProperties::saveXml(TiXmlElement& element) const {
    element.SetAttribute("Count", std::to_string(prototypes_.size()));
    for (std::size_t i = 0; i < prototypes_.size(); ++i)
        element.LinkEndChild(new TiXmlElement(prototypes_.at(i).typeName()));
}

void FormalProperties::loadXml(const TiXmlElement& element) {
    const char* countText = element.Attribute("Count");
    if (!countText) return;
    const long count = std::strtol(countText, nullptr, 10);
    if (count < 1) return;
    // Only element children name types; comments and text between them are skipped.
    const TiXmlElement* child = nullptr;
    for (long i = 0; i < count; ++i) {
        child = i == 0 ? element.FirstChildElement() : child->NextSiblingElement();
        if (!child) throw std::runtime_error(nx::error_texts::kErrorReadingFormalProperties);
        addByTypeName(child->ValueStr());
    }
}

}  // namespace nx
