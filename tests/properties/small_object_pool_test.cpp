// Pooled memory freed by a thread that has ended serves the other threads; a sweep gives
// free slabs back and hands the rest out in address order.
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <random>
#include <set>
#include <thread>
#include <vector>

#include "properties/small_object_pool.h"

namespace {

TEST(SmallObjectPool, MemoryOfAnEndedThreadIsReused) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "sanitizer builds use the global allocator";
#endif
    for (const std::size_t bytes : {std::size_t{8}, std::size_t{40}, std::size_t{128}}) {
        std::set<void*> freed;
        std::thread([&] {
            std::vector<void*> blocks;
            for (int i = 0; i < 64; ++i) blocks.push_back(nx::detail::poolAllocate(bytes));
            for (void* p : blocks) {
                freed.insert(p);
                nx::detail::poolFree(p, bytes);
            }
        }).join();
        // A fresh thread, whose own lists are empty, so that it draws from the shared ones.
        int reused = 0;
        std::thread([&] {
            std::vector<void*> again;
            for (int i = 0; i < 64; ++i) again.push_back(nx::detail::poolAllocate(bytes));
            for (void* p : again) {
                reused += static_cast<int>(freed.count(p));
                nx::detail::poolFree(p, bytes);
            }
        }).join();
        EXPECT_EQ(reused, 64) << bytes << " bytes";
    }
}

// Whether the page holding address is still mapped into the process.
bool mapped(const void* address) {
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    unsigned char resident = 0;
    void* start = reinterpret_cast<void*>(reinterpret_cast<std::uintptr_t>(address) & ~(page - 1));
    return mincore(start, page, &resident) == 0 || errno != ENOMEM;
}

TEST(SmallObjectPool, SweepReturnsFreeSlabsAndKeepsLiveObjects) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "sanitizer builds use the global allocator";
#endif
    constexpr std::size_t kCount = 200'000;
    for (const std::size_t bytes : {std::size_t{8}, std::size_t{24}, std::size_t{128}}) {
        std::vector<void*> blocks(kCount);
        for (void*& p : blocks) p = nx::detail::poolAllocate(bytes);
        // Every 1000th of the first half stays live with a pattern; the rest is freed in
        // scattered order, as a document's values are.
        std::vector<void*> live, freed;
        for (std::size_t i = 0; i < kCount; ++i) {
            if (i < kCount / 2 && i % 1000 == 0) {
                std::memset(blocks[i], static_cast<int>(i / 1000 % 251), bytes);
                live.push_back(blocks[i]);
            } else {
                freed.push_back(blocks[i]);
            }
        }
        const void* lateBlock = blocks[kCount * 3 / 4];
        std::shuffle(freed.begin(), freed.end(), std::mt19937(7));
        for (void* p : freed) nx::detail::poolFree(p, bytes);
        nx::detail::poolSweep();

        EXPECT_FALSE(mapped(lateBlock)) << bytes << " bytes: a wholly free slab was kept";
        for (std::size_t k = 0; k < live.size(); ++k) {
            const auto* data = static_cast<const unsigned char*>(live[k]);
            EXPECT_EQ(std::count(data, data + bytes, static_cast<unsigned char>(k % 251)),
                      static_cast<std::ptrdiff_t>(bytes))
                << bytes << " bytes: live object " << k << " changed";
        }
        // The free memory comes back in address order: a step back only between slabs.
        std::vector<void*> again(kCount);
        for (void*& p : again) p = nx::detail::poolAllocate(bytes);
        std::size_t stepsBack = 0;
        for (std::size_t i = 1; i < kCount; ++i) stepsBack += again[i] < again[i - 1];
        EXPECT_LE(stepsBack, kCount * bytes / (256 * 1024) + 8) << bytes << " bytes";
        for (void* p : again) nx::detail::poolFree(p, bytes);
        for (void* p : live) nx::detail::poolFree(p, bytes);
        nx::detail::poolSweep();
    }
}

}  // namespace
