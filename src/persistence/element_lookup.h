// Elements by ID for readers that hold a factory's lock over a whole section.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace nx::persistence {

// The element with the ID in a factory's list (vertices() or edges()), or nullptr. The
// caller holds the factory's mutex: one lock per section rather than one per record.
template <typename T>
T* elementAt(const std::vector<std::unique_ptr<T>>& list, std::uint64_t id) {
    return id < list.size() ? list[id].get() : nullptr;
}

}  // namespace nx::persistence
