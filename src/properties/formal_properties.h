// nx::FormalProperties: a schema of ordered prototype properties.
#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "properties/property.h"
#include "properties/property_list.h"
#include "properties/small_object_pool.h"

namespace nx {

// The index that means "the schema has no such property".
inline constexpr std::size_t kNoIndex = 0xFFFFFFFF;

class FormalProperties {
public:
    FormalProperties() = default;
    virtual ~FormalProperties();
    // Every element holds one or two value lists: they and their slots come from the pools.
    NX_POOLED_OBJECT
    FormalProperties(const FormalProperties&) = delete;
    FormalProperties& operator=(const FormalProperties&) = delete;

    virtual void clear();
    // Appends the schema read from the stream form; earlier prototypes stay.
    virtual void readStream(std::istream& in);
    // Appends the schema read from an XML element's "Count" and children.
    virtual void loadXml(const TiXmlElement& element);
    virtual void writeStream(std::ostream& out) const;
    virtual void saveXml(TiXmlElement& element) const;
    // Appends a default-valued prototype chosen by its type name.
    virtual void addByTypeName(const std::string& typeName);

    // Appends a clone of the prototype.
    void add(const Property& prototype);
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

    // Typed access after the caller knows the slot's class.
    template <typename P>
    P& get(std::size_t index) {
        return static_cast<P&>(at(index));
    }

protected:
    detail::PropertyList properties_;

private:
    // Out of line: at() is read per drawn element and stays small enough to inline.
    [[noreturn]] static void missing();
};

}  // namespace nx
