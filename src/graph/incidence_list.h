// nx::IncidenceList: a member vertex's incident edges in one pooled array.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "graph/error_texts.h"
#include "properties/small_object_pool.h"

namespace nx {

class Edge;

// What a vector of edge pointers does for an incidence list, in 16 bytes instead of 24 and
// with its array from the small-object pools: most vertices have one to three edges, which
// the general-purpose allocator would round up to 32 bytes with its header.
class IncidenceList {
public:
    IncidenceList() = default;
    ~IncidenceList() { release(); }
    IncidenceList(IncidenceList&& other) noexcept
        : data_(std::exchange(other.data_, nullptr)),
          size_(std::exchange(other.size_, 0)),
          capacity_(std::exchange(other.capacity_, 0)) {}
    IncidenceList& operator=(IncidenceList&& other) noexcept {
        if (this != &other) {
            release();
            data_ = std::exchange(other.data_, nullptr);
            size_ = std::exchange(other.size_, 0);
            capacity_ = std::exchange(other.capacity_, 0);
        }
        return *this;
    }
    IncidenceList(const IncidenceList&) = delete;
    IncidenceList& operator=(const IncidenceList&) = delete;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    std::size_t capacity() const { return capacity_; }
    Edge* operator[](std::size_t i) const { return data_[i]; }
    Edge** begin() { return data_; }
    Edge** end() { return data_ + size_; }
    Edge* const* begin() const { return data_; }
    Edge* const* end() const { return data_ + size_; }

    // Room for n edges without moving them.
    void reserve(std::size_t n) {
        if (n <= capacity_) return;
        if (n > UINT32_MAX) throw std::length_error(nx::error_texts::kTooManyMembers);
        auto* grown = static_cast<Edge**>(detail::poolAllocate(n * sizeof(Edge*)));
        if (size_) std::memcpy(grown, data_, size_ * sizeof(Edge*));
        release();
        data_ = grown;
        capacity_ = static_cast<std::uint32_t>(n);
    }
    void push_back(Edge* edge) {
        if (size_ == capacity_) reserve(capacity_ == 0 ? 1 : 2 * std::size_t{capacity_});
        data_[size_++] = edge;
    }
    // Empties the list; the array stays for the next edges.
    void clear() { size_ = 0; }
    // Empties the list and gives its array back.
    void reset() {
        release();
        size_ = 0;
    }

private:
    void release() {
        if (data_) detail::poolFree(data_, capacity_ * sizeof(Edge*));
        data_ = nullptr;
        capacity_ = 0;
    }

    Edge** data_ = nullptr;
    std::uint32_t size_ = 0;
    std::uint32_t capacity_ = 0;
};

}  // namespace nx
