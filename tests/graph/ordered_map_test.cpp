// The ordered map's address index against a reference map through long runs of edits.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

#include "graph/ordered_map.h"

namespace {

// Inserts, erases and looks up keys drawn from a small range (so that probe runs collide
// and erasures shift them), then compares contents and insertion order with a reference.
TEST(OrderedMap, MatchesReferenceThroughInsertsAndErasures) {
    std::vector<int> objects(3000);
    std::mt19937 random(7);
    for (const std::size_t range : {std::size_t{20}, std::size_t{3000}}) {
        nx::OrderedMap<int*, int> map;
        std::map<int*, int> reference;
        std::vector<int*> order;  // reference insertion order
        for (int step = 0; step < 40000; ++step) {
            int* key = &objects[random() % range];
            if (random() % 3 == 0) {
                const bool erased = map.erase(key);
                ASSERT_EQ(erased, reference.erase(key) == 1);
                if (erased) std::erase(order, key);
            } else {
                const auto [value, inserted] = map.insert(key, step);
                const auto [at, refInserted] = reference.try_emplace(key, step);
                ASSERT_EQ(inserted, refInserted);
                ASSERT_EQ(*value, at->second);
                if (inserted) order.push_back(key);
            }
            int* probe = &objects[random() % range];
            const int* found = map.find(probe);
            const auto ref = reference.find(probe);
            ASSERT_EQ(found != nullptr, ref != reference.end());
            if (found) {
                ASSERT_EQ(*found, ref->second);
            }
        }
        ASSERT_EQ(map.size(), reference.size());
        std::vector<int*> walked;
        for (const auto& [key, value] : map) walked.push_back(key);
        EXPECT_EQ(walked, order);
    }
}

}  // namespace
