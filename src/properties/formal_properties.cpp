// Schemas: lookup by exact class, type-name construction and both text forms.
#include "properties/formal_properties.h"

#include <tinyxml.h>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <typeinfo>

#include "properties/error_texts.h"
#include "properties/list_separator.h"
#include "properties/properties.h"
#include "properties/text_io.h"

namespace nx {

FormalProperties::~FormalProperties() = default;

void FormalProperties::clear() {
    properties_.clear();
}

void FormalProperties::add(const Property& prototype) {
    properties_.emplace_back(prototype.clone());
}

void FormalProperties::missing() {
    throw std::logic_error(nx::error_texts::kPropertyDoesNotExist);
}

std::size_t FormalProperties::find(const Property& prototype) const {
    const std::type_info& wanted = typeid(prototype);
    for (std::size_t i = 0; i < properties_.size(); ++i)
        if (typeid(*properties_[i]) == wanted) return i;
    return kNoIndex;
}

Property& FormalProperties::findByType(const Property& prototype) {
    const std::size_t index = find(prototype);
    if (index == kNoIndex) throw std::logic_error(nx::error_texts::kPropertyDoesNotExist);
    return *properties_[index];
}

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
            properties_.emplace_back(entry.make());
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
    if (p) properties_.emplace_back(std::move(p));  // other Primitive(...) names are ignored
}

void FormalProperties::writeStream(std::ostream& out) const {
    const char sep = listSeparator();
    out << properties_.size();
    for (const auto& p : properties_) out << sep << '"' << p->typeName() << '"';
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
    element.SetAttribute("Count", std::to_string(properties_.size()));
    for (const auto& p : properties_) element.LinkEndChild(new TiXmlElement(p->typeName()));
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
