// nx::ActualProperties: one element's values, cloned from a schema into one pooled block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <ostream>

#include "properties/formal_properties.h"
#include "properties/property.h"
#include "properties/property_values.h"

namespace nx {

// Not a schema: it holds values in a schema's order and writes them, but it reads no type
// names and gains no values after it is made. A document holds millions of these (one or
// two per element and member), so the list and its values share one block from the pools:
// a count, each value's offset, then the values themselves, with no pointer per value.
class ActualProperties final {
public:
    // One clone of each of the schema's prototypes, in its order.
    static std::unique_ptr<ActualProperties> make(const FormalProperties& schema);
    // A list without values.
    static std::unique_ptr<ActualProperties> make();

    ~ActualProperties();
    ActualProperties(const ActualProperties&) = delete;
    ActualProperties& operator=(const ActualProperties&) = delete;
    // Destroys the values and gives the whole block back.
    static void operator delete(ActualProperties* list, std::destroying_delete_t) noexcept;

    // Writes the values: count, each value after the separator, then "#".
    void writeStream(std::ostream& out) const;
    // Writes "PropertyCount" and one child per value, named by its type.
    void saveXml(TiXmlElement& element) const;

    std::size_t size() const { return header_ & kCountMask; }
    // Fails with the logic error "Property does not exist" past the end.
    Property& at(std::size_t index) {
        if (index >= size()) missing();
        return *valueAt(index);
    }
    const Property& at(std::size_t index) const {
        if (index >= size()) missing();
        return *valueAt(index);
    }
    // Index of the first value of exactly the prototype's class, or kNoIndex.
    std::size_t find(const Property& prototype) const;
    // First value of exactly the prototype's class, or "Property does not exist".
    Property& findByType(const Property& prototype);
    const Property& findByType(const Property& prototype) const;
    template <typename P>
    P& get(std::size_t index) {
        return static_cast<P&>(at(index));
    }
    template <typename P>
    const P& get(std::size_t index) const {
        return static_cast<const P&>(at(index));
    }

private:
    // The top bit of the header: offsets take 32 bits (the values pass 64 KiB).
    static constexpr std::uint32_t kWideOffsets = 0x80000000u;
    static constexpr std::uint32_t kCountMask = ~kWideOffsets;

    explicit ActualProperties(std::uint32_t header) noexcept : header_(header) {}

    bool wide() const { return (header_ & kWideOffsets) != 0; }
    const unsigned char* offsets() const {
        return reinterpret_cast<const unsigned char*>(this) + sizeof(header_);
    }
    std::size_t offsetOf(std::size_t index) const {
        return wide() ? reinterpret_cast<const std::uint32_t*>(offsets())[index]
                      : reinterpret_cast<const std::uint16_t*>(offsets())[index];
    }
    Property* valueAt(std::size_t index) const {
        auto* bytes = reinterpret_cast<unsigned char*>(const_cast<ActualProperties*>(this));
        return std::launder(reinterpret_cast<Property*>(bytes + offsetOf(index)));
    }
    // The block's size, as make allocated it.
    std::size_t blockBytes() const;
    [[noreturn]] static void missing();

    std::uint32_t header_;  // the count, and kWideOffsets
    // Followed in the block by the offsets (16 or 32 bits each) and the values, 8-aligned.
};

}  // namespace nx
