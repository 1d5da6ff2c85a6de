// A map keyed by element address with constant-time lookup and insertion-order iteration.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "graph/pointer_index.h"
#include "properties/large_pages.h"

namespace nx {

// Insertion order keeps files and drawings independent of addresses; erased slots
// are tombstones until they outnumber the live ones, so erase stays O(1) amortised.
template <typename K, typename V>
class OrderedMap {
public:
    using value_type = std::pair<K, V>;
    // Lookups take a pointer to const, so const callers need no cast to find an element.
    using ConstKey = typename detail::PointerIndex<K>::ConstKey;

    template <typename Slot>
    class Iter {
    public:
        Iter(Slot* at, Slot* end) : at_(at), end_(end) { skip(); }
        Slot& operator*() const { return *at_; }
        Slot* operator->() const { return at_; }
        Iter& operator++() {
            ++at_;
            skip();
            return *this;
        }
        bool operator==(const Iter& o) const { return at_ == o.at_; }
        bool operator!=(const Iter& o) const { return at_ != o.at_; }

    private:
        void skip() {
            while (at_ != end_ && at_->first == K()) ++at_;
        }
        Slot* at_;
        Slot* end_;
    };
    using iterator = Iter<value_type>;
    using const_iterator = Iter<const value_type>;

    std::size_t size() const { return index_.size(); }
    bool empty() const { return index_.empty(); }
    bool contains(ConstKey key) const { return index_.find(key, keyAt()) != nullptr; }

    // Asks for the memory a lookup of key reads first (see PointerIndex::prefetch).
    void prefetch(ConstKey key) const { index_.prefetch(key); }

    V* find(ConstKey key) {
        const auto* at = index_.find(key, keyAt());
        return at ? &slots_[*at].second : nullptr;
    }
    const V* find(ConstKey key) const {
        const auto* at = index_.find(key, keyAt());
        return at ? &slots_[*at].second : nullptr;
    }

    // Inserts unless present; answers the stored value and whether it was inserted.
    std::pair<V*, bool> insert(K key, V value) {
        auto [at, inserted] = index_.tryInsert(key, slots_.size(), keyAt());
        if (!inserted) return {&slots_[*at].second, false};
        slots_.emplace_back(key, std::move(value));
        return {&slots_.back().second, true};
    }

    // Inserts unless present with one probe of the index; answers the stored value, its slot
    // and whether it was inserted.
    struct Placed {
        V* value;
        std::size_t slot;
        bool inserted;
    };
    Placed place(K key, V value) {
        auto [at, inserted] = index_.tryInsert(key, slots_.size(), keyAt());
        if (!inserted) return {&slots_[*at].second, *at, false};
        slots_.emplace_back(key, std::move(value));
        return {&slots_.back().second, slots_.size() - 1, true};
    }

    // Live and erased slots together: one more than the last slot.
    std::size_t slotCount() const { return slots_.size(); }
    // The value in a live slot (as place or slotOf answered it).
    V& atSlot(std::size_t slot) { return slots_[slot].second; }
    const V& atSlot(std::size_t slot) const { return slots_[slot].second; }

    // Removes the key; answers whether it was present. Invalidates iterators.
    bool erase(ConstKey key) {
        const auto* at = index_.find(key, keyAt());
        if (!at) return false;
        value_type& slot = slots_[*at];
        index_.erase(key, keyAt());
        slot.first = K();
        slot.second = V();
        if (!keepSlots_ && slots_.size() > 32 && slots_.size() > 2 * index_.size()) compactSlots();
        return true;
    }

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);
    // The key's slot: its place in iteration order among live and erased entries.
    std::size_t slotOf(ConstKey key) const {
        const auto* at = index_.find(key, keyAt());
        return at ? *at : npos;
    }
    // Puts an absent key back into the slot it held, so that it iterates where it did;
    // a slot past the end extends the map. False (nothing done, value not moved from) when
    // the key is present or the slot holds another key.
    bool restoreAt(std::size_t slot, K key, V&& value) {
        if (index_.find(key, keyAt())) return false;
        if (slot >= slots_.size()) {
            slots_.resize(slot + 1);
        } else if (slots_[slot].first != K()) {
            return false;
        }
        slots_[slot] = {key, std::move(value)};
        index_.tryInsert(key, slot, keyAt());
        return true;
    }
    // While on, erased slots are never reclaimed, so a slot answered by slotOf stays valid
    // for restoreAt; turning it off lets the next erase reclaim them.
    void keepSlots(bool keep) { keepSlots_ = keep; }

    void clear() {
        slots_.clear();
        index_.clear();
    }

    void reserve(std::size_t n) {
        reserveInLargePages(slots_, n);
        index_.reserve(n);
    }

    // Becomes a map of other's keys in other's order, each with the value make(key, slot),
    // when other has no erased slots: the index then holds the same entries and is copied
    // rather than rebuilt key by key. False (nothing done) otherwise.
    template <typename V2, typename Make>
    bool assignKeysOf(const OrderedMap<K, V2>& other, Make&& make) {
        if (other.slotCount() != other.size()) return false;
        clear();
        try {
            reserveInLargePages(slots_, other.size());
            for (const auto& slot : other)
                slots_.emplace_back(slot.first, make(slot.first, slots_.size()));
            index_.assign(other.index_);
        } catch (...) {
            clear();
            throw;
        }
        return true;
    }

    iterator begin() { return iterator(slots_.data(), slots_.data() + slots_.size()); }
    iterator end() {
        return iterator(slots_.data() + slots_.size(), slots_.data() + slots_.size());
    }
    const_iterator begin() const {
        return const_iterator(slots_.data(), slots_.data() + slots_.size());
    }
    const_iterator end() const {
        return const_iterator(slots_.data() + slots_.size(), slots_.data() + slots_.size());
    }

private:
    template <typename, typename>
    friend class OrderedMap;

    void compactSlots() {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            if (slots_[i].first == K()) continue;
            if (kept != i) {
                // Renumbered before the move: the index reads keys from the slots.
                *index_.find(slots_[i].first, keyAt()) =
                    static_cast<typename detail::PointerIndex<K>::Slot>(kept);
                slots_[kept] = std::move(slots_[i]);
                slots_[i].first = K();
            }
            ++kept;
        }
        slots_.resize(kept);
    }

    auto keyAt() const {
        return [this](std::size_t slot) { return slots_[slot].first; };
    }

    std::vector<value_type> slots_;
    detail::PointerIndex<K> index_;
    bool keepSlots_ = false;
};

}  // namespace nx
