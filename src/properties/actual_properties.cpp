// Element values: laid out in one block, cloned from a schema, written in both file forms.
#include "properties/actual_properties.h"

#include <tinyxml.h>

#include <cstring>
#include <stdexcept>
#include <typeinfo>

#include "properties/error_texts.h"
#include "properties/list_separator.h"
#include "properties/small_object_pool.h"

namespace nx {

namespace {

// Values sit at 8-byte boundaries, as the pools hand out single objects.
constexpr std::size_t kValueAlign = 8;

std::size_t aligned(std::size_t bytes) {
    return (bytes + kValueAlign - 1) & ~(kValueAlign - 1);
}

// Where the first value goes after the header and n offsets of the given width.
std::size_t firstValue(std::size_t n, std::size_t offsetBytes) {
    return aligned(sizeof(std::uint32_t) + n * offsetBytes);
}

}  // namespace

std::unique_ptr<ActualProperties> ActualProperties::make(const FormalProperties& schema) {
    const std::size_t n = schema.size();
    if (n > kCountMask) throw std::length_error(nx::error_texts::kTooManyProperties);
    // Narrow offsets unless the values end past what 16 bits reach.
    std::size_t values = 0;
    for (std::size_t i = 0; i < n; ++i) values += aligned(schema.at(i).objectSize());
    const bool wide = firstValue(n, sizeof(std::uint16_t)) + values > 0xFFFF;
    const std::size_t offsetBytes = wide ? sizeof(std::uint32_t) : sizeof(std::uint16_t);
    const std::size_t bytes = firstValue(n, offsetBytes) + values;

    void* memory = detail::poolAllocate(bytes);
    auto* list = ::new (memory) ActualProperties(wide ? kWideOffsets : 0);
    auto* base = static_cast<unsigned char*>(memory);
    std::size_t at = firstValue(n, offsetBytes);
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char* slot = base + sizeof(std::uint32_t) + i * offsetBytes;
        const auto wideOffset = static_cast<std::uint32_t>(at);
        const auto narrowOffset = static_cast<std::uint16_t>(at);
        std::memcpy(slot, wide ? static_cast<const void*>(&wideOffset) : &narrowOffset,
                    offsetBytes);
        at += aligned(schema.at(i).objectSize());
    }
    // Counted as they are made, so that a failed clone destroys only the made ones.
    try {
        for (std::size_t i = 0; i < n; ++i) {
            schema.at(i).cloneAt(base + list->offsetOf(i));
            ++list->header_;
        }
    } catch (...) {
        list->~ActualProperties();
        detail::poolFree(memory, bytes);
        throw;
    }
    return std::unique_ptr<ActualProperties>(list);
}

std::unique_ptr<ActualProperties> ActualProperties::make() {
    return make(FormalProperties());
}

ActualProperties::~ActualProperties() {
    for (std::size_t i = size(); i > 0; --i) valueAt(i - 1)->~Property();
}

std::size_t ActualProperties::blockBytes() const {
    const std::size_t n = size();
    const std::size_t start = firstValue(n, wide() ? sizeof(std::uint32_t) : sizeof(std::uint16_t));
    if (n == 0) return start;
    return offsetOf(n - 1) + aligned(valueAt(n - 1)->objectSize());
}

void ActualProperties::operator delete(ActualProperties* list, std::destroying_delete_t) noexcept {
    const std::size_t bytes = list->blockBytes();
    list->~ActualProperties();
    detail::poolFree(list, bytes);
}

void ActualProperties::missing() {
    throw std::logic_error(nx::error_texts::kPropertyDoesNotExist);
}

std::size_t ActualProperties::find(const Property& prototype) const {
    const std::type_info& wanted = typeid(prototype);
    for (std::size_t i = 0; i < size(); ++i)
        if (typeid(*valueAt(i)) == wanted) return i;
    return kNoIndex;
}

Property& ActualProperties::findByType(const Property& prototype) {
    const std::size_t index = find(prototype);
    if (index == kNoIndex) missing();
    return *valueAt(index);
}

const Property& ActualProperties::findByType(const Property& prototype) const {
    const std::size_t index = find(prototype);
    if (index == kNoIndex) missing();
    return *valueAt(index);
}

void ActualProperties::writeStream(std::ostream& out) const {
    const char sep = listSeparator();
    out << size();
    for (std::size_t i = 0; i < size(); ++i) {
        out << sep;
        valueAt(i)->write(out);
    }
    out << sep << '#';
}

void ActualProperties::saveXml(TiXmlElement& element) const {
    element.SetAttribute("PropertyCount", std::to_string(size()));
    for (std::size_t i = 0; i < size(); ++i) {
        const Property& value = *valueAt(i);
        auto* child = new TiXmlElement(value.typeName());
        value.saveXml(*child);
        element.LinkEndChild(child);
    }
}

}  // namespace nx
