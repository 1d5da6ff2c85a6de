// Size-classed pools: per-thread free lists over shared slabs, batches moved under one lock.
#include "properties/small_object_pool.h"

#include <array>
#include <cstdint>
#include <mutex>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define NX_POOL_PASS_THROUGH 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define NX_POOL_PASS_THROUGH 1
#endif
#endif

namespace nx::detail {

#ifdef NX_POOL_PASS_THROUGH

void* poolAllocate(std::size_t bytes) {
    return ::operator new(bytes);
}

void poolFree(void* memory, std::size_t) noexcept {
    ::operator delete(memory);
}

#else

namespace {

constexpr std::size_t kGrain = 8;
constexpr std::size_t kClasses = kPooledBytesLimit / kGrain;
constexpr std::size_t kSlabBytes = 256 * 1024;
// Objects a thread takes from or hands back to the shared lists at a time.
constexpr std::uint32_t kBatch = 64;
// A thread's list longer than this hands a batch back, so memory freed on one thread
// serves allocations on another.
constexpr std::uint32_t kKeep = 4 * kBatch;

struct FreeNode {
    FreeNode* next;
};

std::size_t classOf(std::size_t bytes) {
    return (bytes + kGrain - 1) / kGrain - 1;
}

// Shared by every thread. Slabs are never released: the pools keep what a document once
// needed for the next one, as the general-purpose allocator mostly does too.
struct Depot {
    std::mutex mutex;
    std::array<FreeNode*, kClasses> lists{};
    char* bump = nullptr;
    char* bumpEnd = nullptr;
    FreeNode* slabs = nullptr;  // each slab's first word links the next, so they stay reachable

    // A batch of class c onto the thread's list; answers how many were moved.
    std::uint32_t refill(std::size_t c, FreeNode*& head) {
        std::lock_guard<std::mutex> lock(mutex);
        std::uint32_t moved = 0;
        while (moved < kBatch && lists[c]) {
            FreeNode* node = lists[c];
            lists[c] = node->next;
            node->next = head;
            head = node;
            ++moved;
        }
        const std::size_t size = (c + 1) * kGrain;
        while (moved < kBatch) {
            if (static_cast<std::size_t>(bumpEnd - bump) < size) newSlab();
            auto* node = reinterpret_cast<FreeNode*>(bump);
            bump += size;
            node->next = head;
            head = node;
            ++moved;
        }
        return moved;
    }

    void giveBack(std::size_t c, FreeNode* first, FreeNode* last) {
        std::lock_guard<std::mutex> lock(mutex);
        last->next = lists[c];
        lists[c] = first;
    }

    void newSlab() {
        char* slab = static_cast<char*>(::operator new(kSlabBytes));
        auto* link = reinterpret_cast<FreeNode*>(slab);
        link->next = slabs;
        slabs = link;
        bump = slab + alignof(std::max_align_t);
        bumpEnd = slab + kSlabBytes;
    }
};

Depot& depot() {
    // Never destroyed: objects may be freed by static destructors that run after ours.
    static Depot* shared = new Depot;
    return *shared;
}

// Trivially destructible, so that frees after the thread's flush still find it.
struct ThreadLists {
    std::array<FreeNode*, kClasses> heads;
    std::array<std::uint32_t, kClasses> counts;
    bool registered;
    bool flushed;
};
thread_local ThreadLists t_lists{};

void flushAll() {
    for (std::size_t c = 0; c < kClasses; ++c) {
        FreeNode* first = t_lists.heads[c];
        if (!first) continue;
        FreeNode* last = first;
        while (last->next) last = last->next;
        depot().giveBack(c, first, last);
        t_lists.heads[c] = nullptr;
        t_lists.counts[c] = 0;
    }
}

// Hands a thread's lists back when the thread ends.
struct ThreadFlusher {
    ~ThreadFlusher() {
        flushAll();
        t_lists.flushed = true;
    }
};
thread_local ThreadFlusher t_flusher;

}  // namespace

void* poolAllocate(std::size_t bytes) {
    if (bytes == 0 || bytes > kPooledBytesLimit) return ::operator new(bytes);
    const std::size_t c = classOf(bytes);
    if (!t_lists.registered && !t_lists.flushed) {
        t_lists.registered = true;
        (void)&t_flusher;  // constructs it, so that its destructor runs at thread end
    }
    FreeNode*& head = t_lists.heads[c];
    if (!head) t_lists.counts[c] = depot().refill(c, head);
    FreeNode* node = head;
    head = node->next;
    --t_lists.counts[c];
    return node;
}

void poolFree(void* memory, std::size_t bytes) noexcept {
    if (!memory) return;
    if (bytes == 0 || bytes > kPooledBytesLimit) {
        ::operator delete(memory);
        return;
    }
    const std::size_t c = classOf(bytes);
    auto* node = static_cast<FreeNode*>(memory);
    if (t_lists.flushed) {
        depot().giveBack(c, node, node);
        return;
    }
    node->next = t_lists.heads[c];
    t_lists.heads[c] = node;
    if (++t_lists.counts[c] <= kKeep) return;
    // Hand the newest batch back.
    FreeNode* last = node;
    for (std::uint32_t i = 1; i < kBatch; ++i) last = last->next;
    t_lists.heads[c] = last->next;
    t_lists.counts[c] -= kBatch;
    depot().giveBack(c, node, last);
}

#endif

}  // namespace nx::detail
