// nx::PropertyValues: an ordered list of owned properties, read by index or by exact class.
#pragma once

#include <cstddef>
#include <memory>

#include "properties/property.h"
#include "properties/property_list.h"

namespace nx {

// The index that means "the list has no such property".
inline constexpr std::size_t kNoIndex = 0xFFFFFFFF;

// The part a schema and an element's values share: no virtual functions, so a value list
// costs only its array (an element holds one or two of them).
class PropertyValues {
public:
    PropertyValues() = default;
    PropertyValues(const PropertyValues&) = delete;
    PropertyValues& operator=(const PropertyValues&) = delete;

    std::size_t size() const { return properties_.size(); }
    // Fails with the logic error "Property does not exist" past the end.
    Property& at(std::size_t index) {
        if (index >= properties_.size()) missing();
        return *properties_[index];
    }
    const Property& at(std::size_t index) const {
        if (index >= properties_.size()) missing();
        return *properties_[index];
    }
    // Index of the first property of exactly the prototype's class, or kNoIndex.
    std::size_t find(const Property& prototype) const;
    // First property of exactly the prototype's class, or "Property does not exist".
    Property& findByType(const Property& prototype);
    const Property& findByType(const Property& prototype) const;

    // Typed access after the caller knows the slot's class.
    template <typename P>
    P& get(std::size_t index) {
        return static_cast<P&>(at(index));
    }
    template <typename P>
    const P& get(std::size_t index) const {
        return static_cast<const P&>(at(index));
    }

    // Appends a clone of the prototype.
    void add(const Property& prototype) { properties_.emplace_back(prototype.clone()); }
    void add(std::unique_ptr<Property> owned) { properties_.emplace_back(std::move(owned)); }
    // Room for n properties without moving them.
    void reserve(std::size_t n) { properties_.reserve(n); }
    void clear() { properties_.clear(); }

private:
    // Out of line: at() is read per drawn element and stays small enough to inline.
    [[noreturn]] static void missing();

    detail::PropertyList properties_;
};

}  // namespace nx
