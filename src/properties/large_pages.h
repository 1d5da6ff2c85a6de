// Asks the system to back large arrays with large pages before they are first written.
#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace nx {

// Arrays of a million entries otherwise take one page fault per 4 KiB when first written,
// a fifth of loading and laying out such a document. Only advice: the bytes, and what a
// system without large pages does, stay the same. Smaller ranges are left alone.
inline void adviseLargePages(const void* data, std::size_t bytes) noexcept {
#ifdef MADV_HUGEPAGE
    constexpr std::uintptr_t kLargePage = 2 * 1024 * 1024;
    if (bytes < 2 * kLargePage) return;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t last = (start + bytes) & ~(kLargePage - 1);
    if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

// reserve(n) on a vector whose new memory then takes large pages.
template <typename T, typename A>
void reserveInLargePages(std::vector<T, A>& v, std::size_t n) {
    if (n <= v.capacity()) return;
    v.reserve(n);
    adviseLargePages(v.data(), v.capacity() * sizeof(T));
}

// resize(n), resize(n, value) or assign(n, value) into memory that takes large pages.
template <typename T, typename A>
void resizeInLargePages(std::vector<T, A>& v, std::size_t n) {
    reserveInLargePages(v, n);
    v.resize(n);
}
template <typename T, typename A>
void resizeInLargePages(std::vector<T, A>& v, std::size_t n, const T& value) {
    reserveInLargePages(v, n);
    v.resize(n, value);
}
template <typename T, typename A>
void assignInLargePages(std::vector<T, A>& v, std::size_t n, const T& value) {
    reserveInLargePages(v, n);
    v.assign(n, value);
}

}  // namespace nx
