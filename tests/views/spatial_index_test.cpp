// The grid index answers every item whose box meets an area, also after boxes moved, were
// added or freed one at a time, across the rebuilds that many moves bring.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "views/spatial_index.h"

namespace nx {
namespace {

constexpr Rect kFree{1, 1, 0, 0};

bool meets(const Rect& b, const Rect& a) {
    return b.left <= b.right && b.top <= b.bottom && b.left <= a.right && a.left <= b.right &&
           b.top <= a.bottom && a.top <= b.bottom;
}

TEST(SpatialIndex, AnswersEveryMeetingItemThroughUpdates) {
    std::mt19937 random(20261210);
    auto uniform = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    auto randomBox = [&] {
        if (uniform(0, 15) == 0) return kFree;
        const int x = uniform(-2000, 20000), y = uniform(-2000, 12000);
        // Mostly dots, some long edges.
        const int w = uniform(0, 9) == 0 ? uniform(0, 15000) : uniform(0, 40);
        const int h = uniform(0, 9) == 0 ? uniform(0, 9000) : uniform(0, 30);
        return Rect{x, y, x + w, y + h};
    };
    std::vector<Rect> boxes(3000);
    for (Rect& b : boxes) b = randomBox();
    SpatialIndex index;
    index.build(boxes);
    std::vector<std::uint32_t> found;
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        // Moves, far and near, then a few items added past the end.
        for (int k = uniform(0, 200); k > 0; --k) {
            const auto at = static_cast<std::uint32_t>(uniform(0, int(boxes.size()) - 1));
            boxes[at] = randomBox();
            index.update(at, boxes[at]);
        }
        for (int k = uniform(0, 3); k > 0; --k) {
            boxes.push_back(randomBox());
            index.update(static_cast<std::uint32_t>(boxes.size() - 1), boxes.back());
        }
        ASSERT_EQ(index.size(), boxes.size());
        for (int q = 0; q < 10; ++q) {
            const int x = uniform(-3000, 21000), y = uniform(-3000, 13000);
            const Rect area{x, y, x + uniform(0, 3000), y + uniform(0, 2000)};
            index.query(area, found);
            ASSERT_TRUE(std::is_sorted(found.begin(), found.end()));
            ASSERT_EQ(std::adjacent_find(found.begin(), found.end()), found.end());
            std::vector<bool> answered(boxes.size());
            for (std::uint32_t k : found) answered[k] = true;
            for (std::uint32_t k = 0; k < boxes.size(); ++k) {
                if (meets(boxes[k], area)) {
                    ASSERT_TRUE(answered[k]) << k;
                }
            }
        }
    }
}

}  // namespace
}  // namespace nx
