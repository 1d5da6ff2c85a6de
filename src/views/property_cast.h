// A checked downcast of property values that skips the runtime search for classes seen before.
#pragma once

#include <array>
#include <atomic>
#include <typeinfo>

#include "properties/property.h"

namespace nx {

// Same answer as dynamic_cast<P*>: the drawing walks read a few value classes (X, Y,
// Selected, ...) once per element, so the classes known to convert to P are remembered and
// matched by address; a class not remembered takes the full check. Property is a
// non-virtual base, so for an object whose class converted once, static_cast yields the
// same pointer. Slots are atomics: views on other threads share them.
template <typename P>
bool convertsTo(const Property& property) {
    static std::array<std::atomic<const std::type_info*>, 4> known{};
    static std::atomic<unsigned> next{0};
    const std::type_info* type = &typeid(property);
    for (const auto& slot : known)
        if (slot.load(std::memory_order_relaxed) == type) return true;
    if (!dynamic_cast<const P*>(&property)) return false;
    known[next.fetch_add(1, std::memory_order_relaxed) % known.size()].store(
        type, std::memory_order_relaxed);
    return true;
}

template <typename P>
P* propertyAs(Property* property) {
    return property && convertsTo<P>(*property) ? static_cast<P*>(property) : nullptr;
}

template <typename P>
const P* propertyAs(const Property* property) {
    return property && convertsTo<P>(*property) ? static_cast<const P*>(property) : nullptr;
}

}  // namespace nx
