// nx::SubtreeOutlines: leftmost and rightmost X per depth of finished subtrees.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

namespace nx {

// A parent's outline is its tallest child's, with the other children merged in and its own
// depth added: building every outline of a tree then costs the sum of the heights of the
// children that are not the tallest, which is at most the number of vertices. Values are
// kept relative to offsets, so shifting a whole subtree costs one addition.
class SubtreeOutlines {
public:
    using Id = std::uint32_t;

    struct Outline {
        // Depths deepest first, so that the parent adds its own depth at the back.
        std::vector<std::int64_t> left, right;
        // leftBelow[j]: the least of left[0..j], the leftmost X at that depth or deeper.
        std::vector<std::int64_t> leftBelow;
        std::int64_t leftOffset = 0, rightOffset = 0;
        std::int64_t rightmost = 0;  // over all depths, relative to rightOffset

        std::uint32_t height() const { return static_cast<std::uint32_t>(left.size()); }
        std::int64_t leftAt(std::uint32_t depth) const {
            return left[left.size() - 1 - depth] + leftOffset;
        }
        std::int64_t leftmostFrom(std::uint32_t depth) const {
            return leftBelow[left.size() - 1 - depth] + leftOffset;
        }
        std::int64_t leftmost() const { return leftBelow.back() + leftOffset; }
        std::int64_t mostRight() const { return rightmost + rightOffset; }
        void shift(std::int64_t d) {
            leftOffset += d;
            rightOffset += d;
        }
    };

    // A one-vertex outline at x, or reaching from left to right.
    Id leaf(std::int64_t x) { return leaf(x, x); }
    Id leaf(std::int64_t left, std::int64_t right);
    Outline& operator[](Id id) { return outlines_[id]; }
    void release(Id id) { free_.push_back(id); }

    // dst[depth] = max(dst[depth], src[depth]) over src's depths, both stored deepest first
    // with dst at least as deep; values relative to their offsets.
    static void mergeRight(std::vector<std::int64_t>& dst, std::int64_t dstOffset,
                           const std::vector<std::int64_t>& src, std::int64_t srcOffset);
    // The same for left sides (least), keeping leftBelow current.
    static void mergeLeft(Outline& dst, const Outline& src);
    // The same for a one-vertex outline at x.
    static void mergeRight(std::vector<std::int64_t>& dst, std::int64_t dstOffset, std::int64_t x);
    static void mergeLeft(Outline& dst, std::int64_t x);

private:
    std::deque<Outline> outlines_;  // a deque: references stay valid as outlines are added
    std::vector<Id> free_;
};

}  // namespace nx
