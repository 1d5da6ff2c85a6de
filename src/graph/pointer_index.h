// An open-addressing table from element addresses to slot numbers, for nx::OrderedMap.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

#include "graph/error_texts.h"
#include "properties/large_pages.h"

namespace nx::detail {

// Linear probing over a table of (slot, hash tag) pairs; erasing shifts the following run
// back, so there are no tombstones. The table's length need not be a power of two (the tag
// scaled to the length places an entry), so a table reserved for a known count is no
// larger than its load limit asks. The keys themselves live in the map's
// slots: an entry holds the slot number and the high half of the key's hash, which both
// places the entry and rules out nearly every other key before its slot is read. Eight
// bytes an entry, at most twice over, where a node-based map costs a heap node and a
// bucket per entry. Every call takes keyAt(slot), the key the map holds in that slot.
template <typename K>
class PointerIndex {
public:
    using Slot = std::uint32_t;
    // Slots are numbered below this.
    static constexpr Slot kSlotLimit = UINT32_MAX;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // Lookups take the key as a pointer to const: finding an element never changes it.
    using ConstKey = const std::remove_pointer_t<K>*;

    // The slot stored for key, or nullptr.
    template <typename KeyAt>
    const Slot* find(ConstKey key, const KeyAt& keyAt) const {
        const std::size_t at = locate(key, keyAt);
        return at == kNowhere ? nullptr : &table_[at].slot;
    }
    template <typename KeyAt>
    Slot* find(ConstKey key, const KeyAt& keyAt) {
        const std::size_t at = locate(key, keyAt);
        return at == kNowhere ? nullptr : &table_[at].slot;
    }

    // Asks for the memory where a lookup of key starts (loops that know their next keys
    // overlap the misses this way).
    void prefetch(ConstKey key) const {
        if (!table_.empty()) __builtin_prefetch(&table_[home(tagOf(key))]);
    }

    // Stores slot for key unless key is present; answers the stored slot and whether it
    // was inserted. A new slot is not read, so it may be filled after the call.
    template <typename KeyAt>
    std::pair<Slot*, bool> tryInsert(K key, std::size_t slot, const KeyAt& keyAt) {
        if (slot >= kSlotLimit) throw std::length_error(nx::error_texts::kTooManyMembers);
        if ((size_ + 1) * 8 > table_.size() * 7) grow();
        const Slot tag = tagOf(key);
        for (std::size_t i = home(tag);; i = next(i)) {
            Entry& e = table_[i];
            if (e.slot == kEmpty) {
                e = Entry{static_cast<Slot>(slot), tag};
                ++size_;
                return {&e.slot, true};
            }
            if (e.tag == tag && keyAt(e.slot) == key) return {&e.slot, false};
        }
    }

    // Removes key; answers whether it was present.
    template <typename KeyAt>
    bool erase(ConstKey key, const KeyAt& keyAt) {
        std::size_t i = locate(key, keyAt);
        if (i == kNowhere) return false;
        // Backward shift: move each later entry of the run into the hole when the hole
        // lies on its probe path.
        for (std::size_t j = next(i); table_[j].slot != kEmpty; j = next(j)) {
            const std::size_t h = home(table_[j].tag);
            if (distance(h, j) >= distance(i, j)) {
                table_[i] = table_[j];
                i = j;
            }
        }
        table_[i] = Entry{};
        --size_;
        return true;
    }

    void clear() {
        table_.clear();
        size_ = 0;
    }

    // Becomes a copy of other.
    void assign(const PointerIndex& other) {
        reserveInLargePages(table_, other.table_.size());
        table_ = other.table_;
        size_ = other.size_;
    }

    // Room for n entries without growing, filled to three quarters: short probe runs
    // for what is then looked up, without the up to twice as long table that doubling
    // gives.
    void reserve(std::size_t n) {
        const std::size_t capacity = std::max<std::size_t>(16, n + n / 3 + 1);
        if (capacity > table_.size()) rehash(capacity);
    }

private:
    static constexpr Slot kEmpty = UINT32_MAX;
    static constexpr std::size_t kNowhere = static_cast<std::size_t>(-1);
    struct Entry {
        Slot slot = kEmpty;
        Slot tag = 0;
    };

    // The table position holding key, or kNowhere.
    template <typename KeyAt>
    std::size_t locate(ConstKey key, const KeyAt& keyAt) const {
        if (size_ == 0) return kNowhere;
        const Slot tag = tagOf(key);
        for (std::size_t i = home(tag);; i = next(i)) {
            const Entry& e = table_[i];
            if (e.slot == kEmpty) return kNowhere;
            if (e.tag == tag && keyAt(e.slot) == key) return i;
        }
    }

    static Slot tagOf(ConstKey key) {
        // Fibonacci hashing: addresses are aligned, so their low bits say little. The high
        // half of the product is both the tag and, scaled to the table, the home position.
        const auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(key));
        return static_cast<Slot>((bits * 0x9E3779B97F4A7C15ull) >> 32);
    }
    // The tag scaled to the table's length: below it, in the tags' order.
    std::size_t home(Slot tag) const {
        return static_cast<std::size_t>((std::uint64_t{tag} * table_.size()) >> 32);
    }
    std::size_t next(std::size_t i) const { return i + 1 == table_.size() ? 0 : i + 1; }
    // Steps from position from forward (wrapping) to position to.
    std::size_t distance(std::size_t from, std::size_t to) const {
        return to >= from ? to - from : to + table_.size() - from;
    }

    void grow() { rehash(table_.empty() ? 16 : table_.size() * 2); }

    void rehash(std::size_t capacity) {
        if (capacity > (std::size_t{1} << 32))
            throw std::length_error(nx::error_texts::kTooManyMembers);
        std::vector<Entry> old;
        resizeInLargePages(old, capacity);
        old.swap(table_);
        for (const Entry& e : old) {
            if (e.slot == kEmpty) continue;
            std::size_t i = home(e.tag);
            while (table_[i].slot != kEmpty) i = next(i);
            table_[i] = e;
        }
    }

    std::vector<Entry> table_;
    std::size_t size_ = 0;
};

}  // namespace nx::detail
