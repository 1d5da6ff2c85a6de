// Size-classed pools: per-thread free lists over shared slabs, batches moved under one lock.
#include "properties/small_object_pool.h"

#include <sys/mman.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <mutex>
#include <vector>

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

void poolSweep() noexcept {}

#else

namespace {

constexpr std::size_t kGrain = 8;
constexpr std::size_t kClasses = kPooledBytesLimit / kGrain;
// Slabs are aligned to their size, so that a free object finds its slab's header.
constexpr std::size_t kSlabBytes = 256 * 1024;
constexpr std::size_t kHeaderBytes = alignof(std::max_align_t);
constexpr std::size_t kGrainsPerSlab = kSlabBytes / kGrain;
constexpr std::size_t kWordsPerSlab = kGrainsPerSlab / 64;
// Objects a thread takes from or hands back to the shared lists at a time.
constexpr std::uint32_t kBatch = 64;
// A thread's list longer than this hands a batch back, so memory freed on one thread
// serves allocations on another.
constexpr std::uint32_t kKeep = 4 * kBatch;
// Less free memory than this is not worth a sweep.
constexpr std::size_t kSweepFloor = 1024 * 1024;

struct FreeNode {
    FreeNode* next;
};

std::size_t classOf(std::size_t bytes) {
    return (bytes + kGrain - 1) / kGrain - 1;
}

// The first bytes of every slab: where the depot keeps its record.
struct SlabHeader {
    std::size_t index;
};

SlabHeader& headerOf(const void* memory) {
    return *reinterpret_cast<SlabHeader*>(reinterpret_cast<std::uintptr_t>(memory) &
                                          ~(std::uintptr_t{kSlabBytes} - 1));
}

// Slabs are cut in turn from regions mapped straight from the system, so that a slab given
// back leaves the process. A region is aligned to the system's large pages and asks for them:
// a million-element document otherwise spends a fifth of its loading time in page faults.
constexpr std::size_t kLargePageBytes = 2 * 1024 * 1024;
constexpr std::size_t kFirstRegionBytes = kLargePageBytes;
constexpr std::size_t kLargestRegionBytes = 64 * 1024 * 1024;

struct Regions {
    char* next = nullptr;  // the next slab to cut
    char* end = nullptr;
    std::size_t size = kFirstRegionBytes / 2;

    // kSlabBytes at an address that is a multiple of kSlabBytes (and of a large page at the
    // start of each region).
    char* mapSlab() {
        if (next == end) mapRegion();
        char* slab = next;
        next += kSlabBytes;
        return slab;
    }

    void mapRegion() {
        const std::size_t wanted = std::min(size * 2, kLargestRegionBytes);
        const std::size_t span = wanted + kLargePageBytes;
        void* mapped =
            mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapped == MAP_FAILED) throw std::bad_alloc();
        const auto at = reinterpret_cast<std::uintptr_t>(mapped);
        const std::uintptr_t aligned =
            (at + kLargePageBytes - 1) & ~(std::uintptr_t{kLargePageBytes} - 1);
        if (aligned > at) munmap(mapped, aligned - at);
        if (aligned + wanted < at + span)
            munmap(reinterpret_cast<void*>(aligned + wanted), at + span - aligned - wanted);
#ifdef MADV_HUGEPAGE
        // Only advice: without large pages the region works the same.
        madvise(reinterpret_cast<void*>(aligned), wanted, MADV_HUGEPAGE);
#endif
        size = wanted;
        next = reinterpret_cast<char*>(aligned);
        end = next + wanted;
    }
};
static_assert(kLargePageBytes % kSlabBytes == 0);

// Shared by every thread. Objects of all sizes share the slabs in the order they were made,
// so one element's parts sit together; a sweep after a document is freed gives wholly free
// slabs back and relinks the rest in address order.
struct Depot {
    std::mutex mutex;
    std::array<FreeNode*, kClasses> lists{};
    std::size_t freeBytes = 0;  // on the lists above
    char* bump = nullptr;
    char* bumpEnd = nullptr;
    struct Slab {
        char* start;
        std::size_t used;  // bytes handed out from its start, header included
    };
    std::vector<Slab> slabs;  // the last one is the slab being bumped
    Regions regions;

    // A batch of class c onto the thread's empty list, in address order; answers how many.
    std::uint32_t refill(std::size_t c, FreeNode*& head) {
        std::lock_guard<std::mutex> lock(mutex);
        const std::size_t size = (c + 1) * kGrain;
        std::uint32_t moved = 0;
        FreeNode** tail = &head;
        if (FreeNode* first = lists[c]) {
            FreeNode* last = first;
            for (moved = 1; moved < kBatch && last->next; ++moved) last = last->next;
            lists[c] = last->next;
            freeBytes -= moved * size;
            *tail = first;
            tail = &last->next;
        }
        for (; moved < kBatch; ++moved) {
            if (static_cast<std::size_t>(bumpEnd - bump) < size) newSlab();
            auto* node = reinterpret_cast<FreeNode*>(bump);
            bump += size;
            *tail = node;
            tail = &node->next;
        }
        *tail = nullptr;
        return moved;
    }

    void giveBack(std::size_t c, FreeNode* first, FreeNode* last, std::size_t count) {
        std::lock_guard<std::mutex> lock(mutex);
        last->next = lists[c];
        lists[c] = first;
        freeBytes += count * (c + 1) * kGrain;
    }

    void newSlab() {
        char* slab = regions.mapSlab();
        if (!slabs.empty()) slabs.back().used = static_cast<std::size_t>(bump - slabs.back().start);
        try {
            slabs.push_back({slab, kHeaderBytes});
        } catch (...) {
            munmap(slab, kSlabBytes);
            throw;
        }
        headerOf(slab).index = slabs.size() - 1;
        bump = slab + kHeaderBytes;
        bumpEnd = slab + kSlabBytes;
    }

    // Linear in the free objects and the slabs. Every object on the lists is free and owned
    // by the depot alone, so a slab whose free bytes equal its handed-out bytes holds nothing
    // live and nothing a thread keeps.
    void sweep() {
        std::lock_guard<std::mutex> lock(mutex);
        if (freeBytes < kSweepFloor || slabs.empty()) return;
        slabs.back().used = static_cast<std::size_t>(bump - slabs.back().start);
        std::vector<std::uint64_t> marks;
        std::vector<std::size_t> freed, order;
        std::vector<Slab> kept;
        try {
            marks.assign(slabs.size() * kWordsPerSlab, 0);
            freed.assign(slabs.size(), 0);
            order.resize(slabs.size());
            kept.reserve(slabs.size());
        } catch (const std::bad_alloc&) {
            return;  // the lists stay as they are
        }
        // Mark every free object; its first word keeps its class while the lists are apart.
        for (std::size_t c = 0; c < kClasses; ++c) {
            for (FreeNode* node = lists[c]; node;) {
                FreeNode* next = node->next;
                const std::size_t slab = headerOf(node).index;
                const std::size_t grain =
                    static_cast<std::size_t>(reinterpret_cast<char*>(node) - slabs[slab].start) /
                    kGrain;
                marks[slab * kWordsPerSlab + grain / 64] |= std::uint64_t{1} << (grain % 64);
                freed[slab] += (c + 1) * kGrain;
                node->next = reinterpret_cast<FreeNode*>(c);
                node = next;
            }
            lists[c] = nullptr;
        }
        // Relink slab by slab in address order; free slabs (but the bumped one) go back.
        for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
        std::sort(order.begin(), order.end(),
                  [&](std::size_t a, std::size_t b) { return slabs[a].start < slabs[b].start; });
        std::array<FreeNode**, kClasses> tails;
        for (std::size_t c = 0; c < kClasses; ++c) tails[c] = &lists[c];
        const std::size_t bumped = slabs.size() - 1;
        freeBytes = 0;
        for (const std::size_t i : order) {
            const Slab& slab = slabs[i];
            if (i != bumped && freed[i] + kHeaderBytes == slab.used) {
                munmap(slab.start, kSlabBytes);
                continue;
            }
            const std::uint64_t* words = &marks[i * kWordsPerSlab];
            for (std::size_t w = 0; w < kWordsPerSlab; ++w) {
                for (std::uint64_t bits = words[w]; bits; bits &= bits - 1) {
                    auto* node = reinterpret_cast<FreeNode*>(
                        slab.start + (w * 64 + static_cast<std::size_t>(std::countr_zero(bits))) *
                                         kGrain);
                    const auto c = reinterpret_cast<std::uintptr_t>(node->next);
                    *tails[c] = node;
                    tails[c] = &node->next;
                }
            }
            freeBytes += freed[i];
            if (i != bumped) kept.push_back(slab);
        }
        for (std::size_t c = 0; c < kClasses; ++c) *tails[c] = nullptr;
        kept.push_back(slabs[bumped]);
        slabs.swap(kept);
        for (std::size_t i = 0; i < slabs.size(); ++i) headerOf(slabs[i].start).index = i;
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
        std::size_t count = 1;
        for (; last->next; ++count) last = last->next;
        depot().giveBack(c, first, last, count);
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
        depot().giveBack(c, node, node, 1);
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
    depot().giveBack(c, node, last, kBatch);
}

void poolSweep() noexcept {
    if (!t_lists.flushed) flushAll();
    depot().sweep();
}

#endif

}  // namespace nx::detail
