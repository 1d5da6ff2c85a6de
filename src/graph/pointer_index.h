// An open-addressing table from element addresses to slot numbers, for nx::OrderedMap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace nx::detail {

// Linear probing over a power-of-two table of (key, slot) pairs, null meaning empty;
// erasing shifts the following run back, so there are no tombstones. Two words an entry
// at most twice over, where a node-based map costs a heap node and a bucket per entry.
template <typename K>
class PointerIndex {
public:
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    // The slot stored for key, or nullptr.
    const std::size_t* find(K key) const {
        if (size_ == 0) return nullptr;
        for (std::size_t i = home(key);; i = (i + 1) & mask_) {
            const Entry& e = table_[i];
            if (e.key == key) return &e.slot;
            if (e.key == K()) return nullptr;
        }
    }
    std::size_t* find(K key) {
        return const_cast<std::size_t*>(static_cast<const PointerIndex&>(*this).find(key));
    }

    // Stores slot for key unless key is present; answers the stored slot and whether it
    // was inserted.
    std::pair<std::size_t*, bool> tryInsert(K key, std::size_t slot) {
        if ((size_ + 1) * 8 > table_.size() * 7) grow();
        for (std::size_t i = home(key);; i = (i + 1) & mask_) {
            Entry& e = table_[i];
            if (e.key == key) return {&e.slot, false};
            if (e.key == K()) {
                e = Entry{key, slot};
                ++size_;
                return {&e.slot, true};
            }
        }
    }

    // Removes key; answers whether it was present.
    bool erase(K key) {
        if (size_ == 0) return false;
        std::size_t i = home(key);
        while (table_[i].key != key) {
            if (table_[i].key == K()) return false;
            i = (i + 1) & mask_;
        }
        // Backward shift: move each later entry of the run into the hole when the hole
        // lies on its probe path.
        for (std::size_t j = (i + 1) & mask_; table_[j].key != K(); j = (j + 1) & mask_) {
            const std::size_t h = home(table_[j].key);
            if (((j - h) & mask_) >= ((j - i) & mask_)) {
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
        mask_ = 0;
        shift_ = 64;
        size_ = 0;
    }

    // Room for n entries without growing.
    void reserve(std::size_t n) {
        std::size_t capacity = 16;
        while (capacity * 7 < n * 8) capacity *= 2;
        if (capacity > table_.size()) rehash(capacity);
    }

private:
    struct Entry {
        K key = K();
        std::size_t slot = 0;
    };

    std::size_t home(K key) const {
        // Fibonacci hashing: addresses are aligned, so their low bits say little.
        const auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(key));
        return static_cast<std::size_t>((bits * 0x9E3779B97F4A7C15ull) >> shift_);
    }

    void grow() { rehash(table_.empty() ? 16 : table_.size() * 2); }

    void rehash(std::size_t capacity) {
        std::vector<Entry> old(capacity);
        old.swap(table_);
        mask_ = capacity - 1;
        shift_ = 64;
        for (std::size_t c = capacity; c > 1; c >>= 1) --shift_;
        for (const Entry& e : old) {
            if (e.key == K()) continue;
            std::size_t i = home(e.key);
            while (table_[i].key != K()) i = (i + 1) & mask_;
            table_[i] = e;
        }
    }

    std::vector<Entry> table_;
    std::size_t mask_ = 0;
    int shift_ = 64;
    std::size_t size_ = 0;
};

}  // namespace nx::detail
