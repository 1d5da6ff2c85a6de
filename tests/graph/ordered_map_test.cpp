// The ordered map's address index against a reference map through long runs of edits.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>
#include <vector>

#include "graph/ordered_map.h"

namespace {

// Inserts, erases and looks up keys drawn from a small range (so that probe runs collide
// and erasures shift them), then compares contents and insertion order with a reference;
// from an empty map and from maps reserved to index lengths that are not powers of two,
// whose probe runs wrap around at other places.
TEST(OrderedMap, MatchesReferenceThroughInsertsAndErasures) {
    std::vector<int> objects(3000);
    std::mt19937 random(7);
    const std::pair<std::size_t, std::size_t> cases[] = {
        {20, 0}, {3000, 0}, {20, 13}, {3000, 1000}, {3000, 2999}};
    for (const auto& [range, reserved] : cases) {
        SCOPED_TRACE(testing::Message() << "range " << range << ", reserved " << reserved);
        nx::OrderedMap<int*, int> map;
        map.reserve(reserved);
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

// Owning values: a refused restore leaves the value with the caller, erasing frees it, and
// a const map is searched by pointers to const.
TEST(OrderedMap, MoveOnlyValuesStayWithTheCallerWhenARestoreIsRefused) {
    int a = 0, b = 0;
    nx::OrderedMap<int*, std::unique_ptr<int>> map;
    map.insert(&a, std::make_unique<int>(1));
    map.keepSlots(true);
    const std::size_t slot = map.slotOf(&a);
    std::unique_ptr<int> taken = std::move(*map.find(&a));
    ASSERT_TRUE(map.erase(&a));
    map.insert(&b, std::make_unique<int>(2));
    EXPECT_FALSE(map.restoreAt(map.slotOf(&b), &a, std::move(taken)));  // slot held by b
    ASSERT_NE(taken, nullptr);
    EXPECT_TRUE(map.restoreAt(slot, &a, std::move(taken)));
    EXPECT_EQ(taken, nullptr);
    const auto& readOnly = map;
    const int* key = &a;
    ASSERT_NE(readOnly.find(key), nullptr);
    EXPECT_EQ(**readOnly.find(key), 1);
    EXPECT_TRUE(readOnly.contains(static_cast<const int*>(&b)));
}

// Members taken out while slots are kept go back where they were; once slots may be
// reclaimed, compaction renumbers every live entry and lookups still find each one.
TEST(OrderedMap, RestoresIntoKeptSlotsAndCompactsAfterwards) {
    std::vector<int> objects(200);
    nx::OrderedMap<int*, int> map;
    for (int i = 0; i < 200; ++i) map.insert(&objects[i], i);
    map.keepSlots(true);
    std::vector<std::pair<int*, std::size_t>> taken;
    for (int i = 0; i < 200; i += 3) {
        taken.emplace_back(&objects[i], map.slotOf(&objects[i]));
        ASSERT_TRUE(map.erase(&objects[i]));
    }
    for (auto it = taken.rbegin(); it != taken.rend(); ++it)
        ASSERT_TRUE(
            map.restoreAt(it->second, it->first, static_cast<int>(it->first - &objects[0])));
    EXPECT_FALSE(map.restoreAt(taken[0].second, taken[0].first, 0));  // present again
    int expected = 0;
    for (const auto& [key, value] : map) {
        ASSERT_EQ(key, &objects[expected]);
        ASSERT_EQ(value, expected++);
    }
    map.keepSlots(false);
    for (int i = 0; i < 200; ++i) {
        if (i % 4 != 0) {
            ASSERT_TRUE(map.erase(&objects[i]));
        }
    }
    std::vector<int> walked;
    for (const auto& [key, value] : map) walked.push_back(value);
    std::vector<int> left;
    for (int i = 0; i < 200; i += 4) left.push_back(i);
    EXPECT_EQ(walked, left);
    for (int i = 0; i < 200; ++i) {
        const int* found = map.find(&objects[i]);
        ASSERT_EQ(found != nullptr, i % 4 == 0) << i;
        if (found) {
            EXPECT_EQ(*found, i);
        }
    }
    EXPECT_LT(map.slotCount(), 200u);  // erased slots were reclaimed
}

// A map built from another's keys shares nothing with it afterwards: each finds, inserts
// and erases on its own, in the other's order; a source with erased slots is refused.
TEST(OrderedMap, TakesTheKeysOfAnotherMapInItsOrder) {
    std::vector<int> objects(500);
    nx::OrderedMap<int*, std::unique_ptr<int>> source;
    source.reserve(300);
    for (int i = 0; i < 300; ++i) source.insert(&objects[(i * 7) % 500], std::make_unique<int>(i));
    nx::OrderedMap<int*, std::size_t> copy;
    copy.insert(&objects[499], 1);  // replaced
    ASSERT_TRUE(copy.assignKeysOf(source, [&](int* key, std::size_t slot) {
        EXPECT_EQ(**source.find(key), static_cast<int>(slot));
        return slot * 10;
    }));
    ASSERT_EQ(copy.size(), 300u);
    std::size_t at = 0;
    for (const auto& [key, value] : copy) {
        ASSERT_EQ(key, &objects[(at * 7) % 500]);
        ASSERT_EQ(value, at++ * 10);
    }
    EXPECT_FALSE(copy.contains(&objects[499]));  // not among the source's keys
    std::vector<bool> kept(500, false);          // keys of odd i stay in the copy
    for (int i = 0; i < 300; ++i) {
        if (i % 2 == 0)
            ASSERT_TRUE(copy.erase(&objects[(i * 7) % 500]));
        else
            kept[(i * 7) % 500] = true;
    }
    for (int k = 0; k < 500; ++k) ASSERT_EQ(copy.insert(&objects[k], 1).second, !kept[k]) << k;
    for (int i = 0; i < 300; ++i) {
        const int* key = &objects[(i * 7) % 500];
        ASSERT_NE(source.find(key), nullptr);
        EXPECT_EQ(**source.find(key), i);
    }
    EXPECT_EQ(copy.size(), 500u);

    ASSERT_TRUE(source.erase(&objects[0]));
    EXPECT_FALSE(copy.assignKeysOf(source, [](int*, std::size_t) { return std::size_t{0}; }));
    EXPECT_EQ(copy.size(), 500u);  // left as it was
}

}  // namespace
