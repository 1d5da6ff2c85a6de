// Text form of nx::Color.
#include "properties/color_property.h"

#include "properties/primitive.h"
#include "properties/text_io.h"

namespace nx {

namespace {
constexpr const char* kColorNames[] = {"Black", "Gray", "White"};
}

Property& Color::assign(const Property& other) {
    if (auto* p = dynamic_cast<const Color*>(&other); p && p != this) value = p->value;
    return *this;
}

void Color::write(std::ostream& out) const {
    if (value >= 0 && value <= 2) out << kColorNames[value];
}

void Color::read(std::istream& in, char delimiter) {
    const std::string token = text::readToken(in, delimiter, PropertyTemplate::kTokenLimit);
    for (std::int32_t i = 0; i < 3; ++i)
        if (token == kColorNames[i]) value = i;
}

const std::string& Color::typeName() const {
    static const std::string name("Color");
    return name;
}

}  // namespace nx
