// nx::String and nx::Name: UTF-16 text values, UTF-8 in their text forms.
#pragma once

#include <cstddef>
#include <new>
#include <string>

#include "properties/property.h"

namespace nx {

class String : public Property {
public:
    String() = default;
    explicit String(std::u16string v) : value(std::move(v)) {}

    const std::u16string& get() const { return value; }
    void set(std::u16string v) { value = std::move(v); }

    std::unique_ptr<Property> clone() const override { return std::make_unique<String>(*this); }
    std::size_t objectSize() const override { return sizeof(String); }
    Property* cloneAt(void* memory) const override { return ::new (memory) String(*this); }
    Property& assign(const Property& other) override;
    void write(std::ostream& out) const override;
    // Without a string stream: saving calls it for every name.
    std::string toText() const override;
    void appendText(std::string& text) const override;
    void read(std::istream& in, char delimiter) override;
    const std::string& typeName() const override;

    std::u16string value;
};

class Name : public String {
public:
    using String::String;
    std::unique_ptr<Property> clone() const override { return std::make_unique<Name>(*this); }
    std::size_t objectSize() const override { return sizeof(Name); }
    Property* cloneAt(void* memory) const override { return ::new (memory) Name(*this); }
    Property& assign(const Property& other) override;
    const std::string& typeName() const override;
};

// Maximum bytes of one string token in every text form.
inline constexpr std::size_t kStringTokenLimit = 1023;

}  // namespace nx
