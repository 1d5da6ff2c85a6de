// nx::Color: a three-valued enumeration (Black, Gray, White).
#pragma once

#include <cstddef>
#include <cstdint>
#include <new>

#include "properties/property.h"

namespace nx {

class Color : public Property {
public:
    enum Value : std::int32_t { Black = 0, Gray = 1, White = 2 };

    Color() = default;
    explicit Color(std::int32_t v) : value(v) {}

    std::int32_t get() const { return value; }
    void set(std::int32_t v) { value = v; }

    std::unique_ptr<Property> clone() const override { return std::make_unique<Color>(*this); }
    std::size_t objectSize() const override { return sizeof(Color); }
    Property* cloneAt(void* memory) const override { return ::new (memory) Color(*this); }
    Property& assign(const Property& other) override;
    void write(std::ostream& out) const override;
    // An unknown token leaves the value unchanged without error.
    void read(std::istream& in, char delimiter) override;
    const std::string& typeName() const override;

    std::int32_t value = Black;
};

}  // namespace nx
