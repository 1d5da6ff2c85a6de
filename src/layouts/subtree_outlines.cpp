// Subtree outlines: one-vertex outlines and the merges of a child into its parent's.
#include "layouts/subtree_outlines.h"

#include <algorithm>

namespace nx {

SubtreeOutlines::Id SubtreeOutlines::leaf(std::int64_t left, std::int64_t right) {
    Id id;
    if (free_.empty()) {
        id = static_cast<Id>(outlines_.size());
        outlines_.emplace_back();
    } else {
        id = free_.back();
        free_.pop_back();
    }
    Outline& o = outlines_[id];
    o.left.assign(1, 0);
    o.right.assign(1, right - left);
    o.leftBelow.assign(1, 0);
    o.leftOffset = o.rightOffset = left;
    o.rightmost = right - left;
    return id;
}

void SubtreeOutlines::mergeRight(std::vector<std::int64_t>& dst, std::int64_t dstOffset,
                                 const std::vector<std::int64_t>& src, std::int64_t srcOffset) {
    const std::int64_t shift = srcOffset - dstOffset;
    const std::size_t skip = dst.size() - src.size();
    for (std::size_t j = 0; j < src.size(); ++j)
        dst[skip + j] = std::max(dst[skip + j], src[j] + shift);
}

void SubtreeOutlines::mergeLeft(Outline& dst, const Outline& src) {
    const std::int64_t shift = src.leftOffset - dst.leftOffset;
    const std::size_t skip = dst.left.size() - src.left.size();
    for (std::size_t j = 0; j < src.left.size(); ++j)
        dst.left[skip + j] = std::min(dst.left[skip + j], src.left[j] + shift);
    for (std::size_t j = skip; j < dst.left.size(); ++j)
        dst.leftBelow[j] = j == 0 ? dst.left[0] : std::min(dst.leftBelow[j - 1], dst.left[j]);
}

void SubtreeOutlines::mergeRight(std::vector<std::int64_t>& dst, std::int64_t dstOffset,
                                 std::int64_t x) {
    if (dst.empty())
        dst.push_back(x - dstOffset);
    else
        dst.back() = std::max(dst.back(), x - dstOffset);
}

void SubtreeOutlines::mergeLeft(Outline& dst, std::int64_t x) {
    const std::size_t j = dst.left.size() - 1;
    dst.left[j] = std::min(dst.left[j], x - dst.leftOffset);
    dst.leftBelow[j] = j == 0 ? dst.left[0] : std::min(dst.leftBelow[j - 1], dst.left[j]);
}

}  // namespace nx
