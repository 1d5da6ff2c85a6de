// nx::PropertyTemplate::Primitive<T> and the Bool, Int, Real and Pointer families.
#pragma once

#include <cstddef>
#include <new>
#include <stdexcept>
#include <string>
#include <type_traits>

#include "properties/property.h"
#include "properties/value_traits.h"

namespace nx::PropertyTemplate {

// Maximum bytes of one value token in every text form except strings.
inline constexpr std::size_t kTokenLimit = 255;

template <typename T>
class Primitive : public Property {
public:
    using value_type = T;

    Primitive() : value() {}
    explicit Primitive(T v) : value(v) {}

    T get() const { return value; }
    void set(T v) { value = v; }

    // Used directly only for the four unnamed instantiations, which accept themselves.
    std::unique_ptr<Property> clone() const override {
        return std::make_unique<Primitive>(*this);
    }
    std::size_t objectSize() const override { return sizeof(Primitive); }
    Property* cloneAt(void* memory) const override { return ::new (memory) Primitive(*this); }
    Property& assign(const Property& other) override {
        if (auto* p = dynamic_cast<const Primitive*>(&other); p && p != this) value = p->value;
        return *this;
    }
    void write(std::ostream& out) const override { ValueTraits<T>::write(out, value); }
    void appendText(std::string& text) const override { ValueTraits<T>::append(text, value); }
    void read(std::istream& in, char delimiter) override {
        char field[kTokenLimit];
        const std::size_t length = text::readTokenInto(in, delimiter, field, kTokenLimit);
        if (readPlain(field, length)) return;
        const std::string token = text::stripQuotes(std::string(field, length));
        if (!ValueTraits<T>::parse(token, value)) throw std::runtime_error(ValueTraits<T>::error);
    }
    const std::string& typeName() const override {
        // Built by appending: GCC 12 warns falsely (-Warray-bounds) on the concatenation when
        // this header comes after a precompiled one.
        static const std::string name = [] {
            std::string text("Primitive(");
            text += ValueTraits<T>::name;
            text += ')';
            return text;
        }();
        return name;
    }
    const std::string& valueTypeName() const override {
        static const std::string name(ValueTraits<T>::name);
        return name;
    }
    const std::string& className() const override {
        static const std::string name = [] {
            std::string text("nx::PropertyTemplate::Primitive<");
            text += ValueTraits<T>::name;
            text += '>';
            return text;
        }();
        return name;
    }

    T value;

private:
    // A short plain decimal, read without a string; the value is what parse would give
    // (9 digits fit an int, 15 convert to a double exactly). False for anything else.
    bool readPlain(const char* field, std::size_t length) {
        if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, std::int32_t> ||
                      std::is_same_v<T, double>) {
            constexpr std::size_t maxDigits = std::is_same_v<T, double> ? 15 : 9;
            std::uint64_t magnitude = 0;
            bool negative = false;
            if (!text::plainDecimal(field, length, maxDigits, magnitude, negative)) return false;
            if constexpr (std::is_same_v<T, bool>) {
                value = magnitude != 0;
            } else if constexpr (std::is_same_v<T, double>) {
                const double v = static_cast<double>(magnitude);
                value = negative ? -v : v;
            } else {
                const auto v = static_cast<std::int32_t>(magnitude);
                value = negative ? -v : v;
            }
            return true;
        } else {
            (void)field;
            (void)length;
            return false;
        }
    }
};

// A family base (Bool, Int, Real, Pointer): accepts any property of its Primitive.
template <typename Self, typename T, const char* TypeName>
class Family : public Primitive<T> {
public:
    using Primitive<T>::Primitive;
    std::unique_ptr<Property> clone() const override {
        return std::make_unique<Self>(static_cast<const Self&>(*this));
    }
    std::size_t objectSize() const override { return sizeof(Self); }
    Property* cloneAt(void* memory) const override {
        return ::new (memory) Self(static_cast<const Self&>(*this));
    }
    const std::string& typeName() const override {
        static const std::string name(TypeName);
        return name;
    }
};

// A named class over a family or another named class: accepts only its own class
// and classes derived from it.
template <typename Self, typename Base, const char* TypeName, bool Auxiliary = false>
class Named : public Base {
public:
    using Base::Base;
    std::unique_ptr<Property> clone() const override {
        return std::make_unique<Self>(static_cast<const Self&>(*this));
    }
    std::size_t objectSize() const override { return sizeof(Self); }
    Property* cloneAt(void* memory) const override {
        return ::new (memory) Self(static_cast<const Self&>(*this));
    }
    Property& assign(const Property& other) override {
        if (auto* p = dynamic_cast<const Self*>(&other); p && p != this) this->value = p->value;
        return *this;
    }
    const std::string& typeName() const override {
        static const std::string name(TypeName);
        return name;
    }
    bool isAuxiliary() const override { return Auxiliary; }
};

namespace names {
inline constexpr char Bool[] = "Bool";
inline constexpr char Int[] = "Int";
inline constexpr char Real[] = "Real";
inline constexpr char Pointer[] = "Pointer";
}  // namespace names

class Bool : public Family<Bool, bool, names::Bool> {
public:
    using Family::Family;
};
class Int : public Family<Int, std::int32_t, names::Int> {
public:
    using Family::Family;
};
class Real : public Family<Real, double, names::Real> {
public:
    using Family::Family;
};
class Pointer : public Family<Pointer, void*, names::Pointer> {
public:
    using Family::Family;
};

// The unnamed instantiations that files may carry.
using UInt32 = Primitive<std::uint32_t>;
using Int64 = Primitive<std::int64_t>;
using UInt64 = Primitive<std::uint64_t>;
using Char = Primitive<std::int8_t>;

}  // namespace nx::PropertyTemplate
