// Size-classed pools for the many small objects of a document (values, value lists, elements).
#pragma once

#include <cstddef>
#include <new>

namespace nx::detail {

// The largest object the pools serve; larger requests go to the global allocator.
inline constexpr std::size_t kPooledBytesLimit = 128;

// Memory for one object of the given size. Objects of up to kPooledBytesLimit bytes share
// slabs without a per-object header (the general-purpose allocator adds one and rounds up
// to 16 bytes, which doubles the cost of a 16-byte value); freed memory is kept for reuse
// until poolSweep gives it back.
// Under a sanitizer every request goes to the global allocator so that its checks see them.
void* poolAllocate(std::size_t bytes);
// Gives back memory from poolAllocate with the same size.
void poolFree(void* memory, std::size_t bytes) noexcept;

// After a document is freed: gives the system back the slabs that hold nothing any more and
// relinks the rest of the free memory in address order, so that the next document's walks
// go forward through memory. Hands the calling thread's lists in first; other threads keep
// theirs. Does nothing when little memory is free.
void poolSweep() noexcept;

// Class-level operators that route a class and its derived classes through the pools; the
// size passed to delete is the dynamic type's, as the base has a virtual destructor.
#define NX_POOLED_OBJECT                                                    \
    static void* operator new(std::size_t bytes) {                          \
        return ::nx::detail::poolAllocate(bytes);                           \
    }                                                                       \
    static void operator delete(void* memory, std::size_t bytes) noexcept { \
        ::nx::detail::poolFree(memory, bytes);                              \
    }

// A standard allocator over the pools, for small vectors held by many elements.
template <typename T>
struct PoolAllocator {
    using value_type = T;
    PoolAllocator() = default;
    template <typename U>
    PoolAllocator(const PoolAllocator<U>&) noexcept {}
    T* allocate(std::size_t n) { return static_cast<T*>(poolAllocate(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { poolFree(p, n * sizeof(T)); }
    template <typename U>
    bool operator==(const PoolAllocator<U>&) const noexcept {
        return true;
    }
};

}  // namespace nx::detail
