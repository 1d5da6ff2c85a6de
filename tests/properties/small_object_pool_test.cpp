// Pooled memory freed by a thread that has ended serves the other threads.
#include <gtest/gtest.h>

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

}  // namespace
