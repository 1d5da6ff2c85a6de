// nx::ActualProperties: one element's values, cloned from a schema.
#pragma once

#include <cstddef>
#include <ostream>

#include "properties/formal_properties.h"
#include "properties/property.h"
#include "properties/property_values.h"
#include "properties/small_object_pool.h"

namespace nx {

// Not a schema: it holds values in a schema's order and writes them, but it reads no type
// names and gains no prototypes after its construction.
class ActualProperties final {
public:
    ActualProperties() = default;
    // One clone of each of the schema's prototypes, in its order.
    explicit ActualProperties(const FormalProperties& schema);
    // Every element holds one or two value lists: they and their slots come from the pools.
    NX_POOLED_OBJECT
    ActualProperties(const ActualProperties&) = delete;
    ActualProperties& operator=(const ActualProperties&) = delete;

    // Writes the values: count, each value after the separator, then "#".
    void writeStream(std::ostream& out) const;
    // Writes "PropertyCount" and one child per value, named by its type.
    void saveXml(TiXmlElement& element) const;

    // The values, for readers that take a schema and values alike.
    const PropertyValues& values() const { return values_; }
    std::size_t size() const { return values_.size(); }
    Property& at(std::size_t index) { return values_.at(index); }
    const Property& at(std::size_t index) const { return values_.at(index); }
    std::size_t find(const Property& prototype) const { return values_.find(prototype); }
    Property& findByType(const Property& prototype) { return values_.findByType(prototype); }
    const Property& findByType(const Property& prototype) const {
        return values_.findByType(prototype);
    }
    template <typename P>
    P& get(std::size_t index) {
        return values_.get<P>(index);
    }
    template <typename P>
    const P& get(std::size_t index) const {
        return values_.get<P>(index);
    }

private:
    PropertyValues values_;
};

}  // namespace nx
