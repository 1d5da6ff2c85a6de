// nx::detail::PropertyList: the owned values of a schema or value list, in one pooled array.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <stdexcept>
#include <utility>

#include "properties/error_texts.h"
#include "properties/owned.h"
#include "properties/property.h"
#include "properties/small_object_pool.h"

namespace nx::detail {

// What a vector of owned pointers does for a list, in 16 bytes instead of 24: every element
// and membership holds one or two lists, so the difference is counted per element. A const
// list hands out only const values.
class PropertyList {
public:
    using Slot = Owned<Property>;

    PropertyList() = default;
    ~PropertyList() {
        clear();
        release();
    }
    PropertyList(const PropertyList&) = delete;
    PropertyList& operator=(const PropertyList&) = delete;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    Slot& operator[](std::size_t i) { return data_[i]; }
    const Slot& operator[](std::size_t i) const { return data_[i]; }
    Slot* begin() { return data_; }
    Slot* end() { return data_ + size_; }
    const Slot* begin() const { return data_; }
    const Slot* end() const { return data_ + size_; }

    // Room for n values without moving them.
    void reserve(std::size_t n) {
        if (n <= capacity_) return;
        if (n > UINT32_MAX) throw std::length_error(nx::error_texts::kTooManyProperties);
        auto* grown = static_cast<Slot*>(poolAllocate(n * sizeof(Slot)));
        for (std::uint32_t i = 0; i < size_; ++i) {
            new (&grown[i]) Slot(std::move(data_[i]));
            data_[i].~Slot();
        }
        release();
        data_ = grown;
        capacity_ = static_cast<std::uint32_t>(n);
    }
    // Keeps the value (deleted also when growing fails).
    void emplace_back(Slot owned) {
        if (size_ == capacity_) reserve(capacity_ == 0 ? 1 : 2 * std::size_t{capacity_});
        new (&data_[size_]) Slot(std::move(owned));
        ++size_;
    }
    // Deletes the values; the array stays for the next ones.
    void clear() {
        for (std::uint32_t i = size_; i > 0; --i) data_[i - 1].~Slot();
        size_ = 0;
    }

private:
    void release() {
        if (data_) poolFree(data_, capacity_ * sizeof(Slot));
        data_ = nullptr;
        capacity_ = 0;
    }

    Slot* data_ = nullptr;
    std::uint32_t size_ = 0;
    std::uint32_t capacity_ = 0;
};

}  // namespace nx::detail
