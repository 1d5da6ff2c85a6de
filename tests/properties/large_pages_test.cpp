// Vectors sized through the large-page helpers hold what plain resize and assign give.
#include "properties/large_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

namespace {

// Sizes below, at and above the least that is advised, and one that is not a whole number
// of large pages; each vector starts with a prefix that must survive the growth.
TEST(LargePages, GrowingKeepsThePrefixAndFillsTheRest) {
    constexpr std::size_t kLeast = 4 * 1024 * 1024 / sizeof(std::uint32_t);
    for (const std::size_t n :
         {std::size_t{0}, std::size_t{5}, kLeast - 1, kLeast, 3 * kLeast + 12345}) {
        std::vector<std::uint32_t> grown(3);
        std::iota(grown.begin(), grown.end(), 7u);
        nx::reserveInLargePages(grown, n);
        EXPECT_GE(grown.capacity(), n) << n;
        EXPECT_EQ(grown, (std::vector<std::uint32_t>{7, 8, 9})) << n;
        nx::resizeInLargePages(grown, n + 3);
        ASSERT_EQ(grown.size(), n + 3) << n;
        EXPECT_EQ(grown[2], 9u) << n;
        EXPECT_EQ(grown.back(), n == 0 ? 9u : 0u) << n;

        std::vector<std::uint32_t> filled{1, 2};
        nx::assignInLargePages(filled, n, 0xABCDu);
        ASSERT_EQ(filled.size(), n) << n;
        EXPECT_EQ(std::count(filled.begin(), filled.end(), 0xABCDu), static_cast<std::ptrdiff_t>(n))
            << n;
    }
}

}  // namespace
