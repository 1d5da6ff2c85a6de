// nx::FormalProperties: a schema of ordered prototype properties.
#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>

#include "properties/property.h"
#include "properties/property_values.h"

namespace nx {

// A schema names the classes of an element kind's values and gives their defaults; the
// values themselves are ActualProperties cloned from it.
class FormalProperties final {
public:
    FormalProperties() = default;
    FormalProperties(const FormalProperties&) = delete;
    FormalProperties& operator=(const FormalProperties&) = delete;

    void clear() { prototypes_.clear(); }
    // Appends the schema read from the stream form; earlier prototypes stay.
    void readStream(std::istream& in);
    // Appends the schema read from an XML element's "Count" and children.
    void loadXml(const TiXmlElement& element);
    // Writes the type names: count, each quoted name after the separator, then "#".
    void writeStream(std::ostream& out) const;
    // Writes "Count" and one empty child per prototype, named by its type.
    void saveXml(TiXmlElement& element) const;
    // Appends a default-valued prototype chosen by its type name.
    void addByTypeName(const std::string& typeName);
    // Appends a clone of the prototype.
    void add(const Property& prototype) { prototypes_.add(prototype); }

    // The prototypes, for readers that take a schema and values alike.
    const PropertyValues& prototypes() const { return prototypes_; }
    std::size_t size() const { return prototypes_.size(); }
    Property& at(std::size_t index) { return prototypes_.at(index); }
    const Property& at(std::size_t index) const { return prototypes_.at(index); }
    std::size_t find(const Property& prototype) const { return prototypes_.find(prototype); }
    Property& findByType(const Property& prototype) { return prototypes_.findByType(prototype); }
    const Property& findByType(const Property& prototype) const {
        return prototypes_.findByType(prototype);
    }
    template <typename P>
    P& get(std::size_t index) {
        return prototypes_.get<P>(index);
    }
    template <typename P>
    const P& get(std::size_t index) const {
        return prototypes_.get<P>(index);
    }

private:
    PropertyValues prototypes_;
};

}  // namespace nx
