// Dense renumbering shared by the vertex and edge factories' compaction.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace nx::detail {

// Deletes the elements whose map entry equals the list length, gives the rest
// IDs 0, 1, ... in their old order (recording each new ID in the map) and answers
// how many were deleted.
template <typename T>
std::size_t compactList(std::vector<std::unique_ptr<T>>& list, std::vector<std::uint64_t>& map) {
    const std::uint64_t n = list.size();
    std::uint64_t k = 0;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (map[i] == n) {
            list[i].reset();
            continue;
        }
        list[i]->id = k;
        map[i] = k++;
        if (kept != i) list[kept] = std::move(list[i]);
        ++kept;
    }
    const std::size_t removed = list.size() - kept;
    list.resize(kept);
    return removed;
}

}  // namespace nx::detail
