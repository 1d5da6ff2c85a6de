// The tree layout's separation walk: pushes neighbouring subtrees apart by their outlines.
#include <algorithm>
#include <climits>

#include "layouts/layout_range.h"
#include "layouts/tree_layout.h"
#include "layouts/tree_layout_visitor.h"

namespace nx {

namespace {

std::int32_t fit(std::int64_t value) {
    return fitCoordinate(value, "TreeLayout", "smaller separations may fit");
}

}  // namespace

// Post-order with path marking, until the root's height is known. During the walk X of a
// vertex is its X at the start plus the shifts noted at it and its ancestors.
void TreeLayoutVisitor::separationWalk(std::uint32_t root) {
    std::vector<Frame>& stack = frames_;
    stack.clear();
    kids_.clear();
    heights_.clear();
    walked_.clear();
    int result = enterSeparation(root, VertexTable::kNone);
    while (result == 0) {
        progressStep();
        Frame& top = stack.back();
        if (top.next < top.end) {
            const std::uint32_t i = top.next++;
            if (const int h = enterSeparation(kids_[i], top.vertex); h != 0) heights_[i] = h;
        } else {
            const Frame done = top;
            stack.pop_back();
            --depth;
            const int h = finishSeparation(done);
            kids_.resize(done.begin);
            heights_.resize(done.begin);
            if (stack.empty()) {
                result = h;
                break;
            }
            heights_[stack.back().next - 1] = h;
        }
    }
    commitSeparation();
}

// Answers the height of a vertex finished at once (-1 visited, 1 leaf), or 0 when the
// vertex was entered and its children are to be walked.
int TreeLayoutVisitor::enterSeparation(std::uint32_t v, std::uint32_t parent) {
    if (visited_[v]) return -1;
    visited_[v] = true;
    shift_[v] = 0;
    parent_[v] = parent;
    walked_.push_back(v);
    children(v, true, scratch_);
    if (scratch_.empty()) {
        visited_[v] = false;
        outline_[v] = kLeafOutline;
        return 1;
    }
    const auto begin = static_cast<std::uint32_t>(kids_.size());
    kids_.insert(kids_.end(), scratch_.begin(), scratch_.end());
    heights_.resize(kids_.size(), 0);
    ++depth;
    frames_.push_back({v, begin, static_cast<std::uint32_t>(kids_.size()), begin, 0});
    return 0;
}

// Every shift of the walk has been checked against the coordinate range as it was made;
// X takes the sum of the shifts on its path.
void TreeLayoutVisitor::commitSeparation() {
    for (const std::uint32_t v : walked_) {
        if (parent_[v] != VertexTable::kNone) shift_[v] += shift_[parent_[v]];
        x_[v] = static_cast<std::int32_t>(x_[v] + shift_[v]);
    }
}

int TreeLayoutVisitor::finishSeparation(const Frame& frame) {
    const std::uint32_t v = frame.vertex;
    int height = 1;
    for (std::uint32_t i = frame.begin; i < frame.end; ++i) height = std::max(height, heights_[i]);
    const bool separated = frame.end - frame.begin >= 2 && height > 1;
    if (separated) separateChildren(frame.begin, frame.end);
    const auto mid =
        static_cast<std::int32_t>((std::int64_t{prelim_[kids_[frame.begin]]} + prelim_[kids_[frame.end - 1]]) / 2);
    if (depth == 0) {
        prelim_[v] = mid;
        mod_[v] = 0;
        for (std::uint32_t i = frame.begin; i < frame.end; ++i)
            if (outline_[kids_[i]] != kLeafOutline) outlines_.release(outline_[kids_[i]]);
    } else {
        const int old = mod_[v];
        mod_[v] = fit(std::int64_t{prelim_[v]} - mid);
        if (const std::int64_t d = std::int64_t{mod_[v]} - old; d != 0) {
            for (std::uint32_t i = frame.begin; i < frame.end; ++i) moveSubtree(kids_[i], d, false);
            frontOffset_ += d;
        }
        buildOutline(frame, separated);
    }
    visited_[v] = false;
    return height + 1;
}

void TreeLayoutVisitor::moveSubtree(std::uint32_t c, std::int64_t d, bool working) {
    if (working) {
        prelim_[c] = fit(prelim_[c] + d);
        mod_[c] = fit(mod_[c] + d);
    }
    if (outline_[c] == kLeafOutline) {
        fit(leafX(c) + d);
    } else {
        SubtreeOutlines::Outline& o = outlines_[outline_[c]];
        fit(o.leftmost() + d);
        fit(o.mostRight() + d);
        o.shift(d);
    }
    shift_[c] += d;
}

std::int64_t TreeLayoutVisitor::frontAt(std::uint32_t depth) const {
    const auto reach = static_cast<std::uint32_t>(front_.size());
    return depth < reach ? std::max<std::int64_t>(0, front_[reach - 1 - depth] + frontOffset_) : 0;
}

void TreeLayoutVisitor::addToFront(std::uint32_t c) {
    if (outline_[c] == kLeafOutline) {
        if (front_.empty()) frontOffset_ = 0;
        SubtreeOutlines::mergeRight(front_, frontOffset_, rightEdge(c));
        return;
    }
    SubtreeOutlines::Outline& o = outlines_[outline_[c]];
    if (o.height() > front_.size()) {
        // The deeper outline becomes the front; the child's own right side is not needed
        // again unless the child moves, and a child that moves later is never the deepest.
        front_.swap(o.right);
        SubtreeOutlines::mergeRight(front_, o.rightOffset, o.right, frontOffset_);
        frontOffset_ = o.rightOffset;
        o.right.clear();
    } else {
        SubtreeOutlines::mergeRight(front_, frontOffset_, o.right, o.rightOffset);
    }
}

int TreeLayoutVisitor::highEnough(std::uint32_t begin, std::uint32_t c, int depth) const {
    int k = static_cast<int>(c) - 1;
    while (k >= 0 && heights_[begin + k] < depth) --k;
    return k;
}

// The gap at each depth is X less the front there. The least gap lies at the depths where
// the child's left outline minus the front is least; depths below the front's reach count
// the front as 0, so the least X from there down answers for all of them.
std::int64_t TreeLayoutVisitor::closestApproach(std::uint32_t begin, std::uint32_t c, int& depth) {
    const std::int64_t separation = layout->SubtreeSeparation;
    const std::uint32_t kid = kids_[begin + c];
    if (outline_[kid] == kLeafOutline) {
        // The front holds the child before at least, so it reaches depth 0.
        const std::int64_t gap = std::min(separation, leftEdge(kid) - frontAt(0));
        depth = gap < separation ? 0 : -1;
        return gap;
    }
    const SubtreeOutlines::Outline& o = outlines_[outline_[kid]];
    const auto reach = static_cast<std::uint32_t>(front_.size());
    const std::uint32_t shared = std::min(o.height(), reach);
    std::int64_t gap = separation;
    candidates_.clear();
    auto consider = [&](std::int64_t g, int k) {
        if (g < gap) {
            gap = g;
            candidates_.assign(1, k);
        } else if (g == gap && !candidates_.empty()) {
            candidates_.push_back(k);
        }
    };
    for (std::uint32_t k = 0; k < shared; ++k) consider(o.leftAt(k) - frontAt(k), static_cast<int>(k));
    // Below the front every depth gives the same nearest sibling (none), so one stands
    // for all of them.
    if (o.height() > reach) consider(o.leftAt(reach), static_cast<int>(reach));
    if (o.height() > reach + 1) consider(o.leftmostFrom(reach + 1), static_cast<int>(reach) + 1);
    depth = candidates_.empty() ? -1 : candidates_.front();
    if (candidates_.size() < 2 || c < 2) return gap;
    // Several depths show the gap: the preorder walk would stop at the first vertex that
    // does. When the candidate depths all lead to the same spreading, any of them will do.
    // Deeper candidates find nearer siblings no higher, so one downward scan serves all.
    auto spreading = [&](int k) { return k < 0 || k >= static_cast<int>(c) - 1 ? -1 : k; };
    int k = static_cast<int>(c) - 1;
    int agreed = INT_MIN;
    for (const int d : candidates_) {
        while (k >= 0 && heights_[begin + k] < d) --k;
        if (agreed == INT_MIN) agreed = spreading(k);
        if (spreading(k) != agreed) return depth = firstAtGap(kids_[begin + c], gap), gap;
    }
    return gap;
}

// The depth of the first vertex in c's subtree, in preorder with children by X, whose gap
// to the front is gap.
int TreeLayoutVisitor::firstAtGap(std::uint32_t c, std::int64_t gap) {
    std::vector<Frame>& stack = walkFrames_;
    std::vector<std::int64_t> shifts;  // the path's shift sum per stack entry
    stack.clear();
    walkKids_.clear();
    int found = -1;
    auto enter = [&](std::uint32_t v, int k, std::int64_t above) {
        const std::int64_t s = above + shift_[v];
        if (x_[v] + s - labelLeft(v) - frontAt(static_cast<std::uint32_t>(k)) == gap) {
            found = k;
            return;
        }
        visited_[v] = true;
        const auto from = static_cast<std::uint32_t>(walkKids_.size());
        scratch_.clear();
        for (std::uint32_t n : table_.neighbours(v))
            if (!visited_[n]) scratch_.push_back(n);
        std::stable_sort(scratch_.begin(), scratch_.end(), [this](std::uint32_t a, std::uint32_t b) {
            return x_[a] + shift_[a] < x_[b] + shift_[b];
        });
        walkKids_.insert(walkKids_.end(), scratch_.begin(), scratch_.end());
        stack.push_back({v, from, static_cast<std::uint32_t>(walkKids_.size()), from, k});
        shifts.push_back(s);
    };
    enter(c, 0, 0);
    while (found < 0 && !stack.empty()) {
        Frame& top = stack.back();
        if (top.next < top.end) {
            const std::uint32_t n = walkKids_[top.next++];
            enter(n, top.k + 1, shifts.back());
        } else {
            visited_[top.vertex] = false;
            walkKids_.resize(top.begin);
            stack.pop_back();
            shifts.pop_back();
        }
    }
    for (const Frame& f : stack) visited_[f.vertex] = false;
    return found;
}

// Each child in turn is set SubtreeSeparation right of the front of those before it, and the
// lower ones between it and the nearest one as deep as the closest approach are spread
// evenly. A push moves every later child too: that is noted once and applied to each child
// as its turn comes (pushes only move right, so checking the sum checks every step).
void TreeLayoutVisitor::separateChildren(std::uint32_t begin, std::uint32_t end) {
    const std::int64_t separation = layout->SubtreeSeparation;
    const std::uint32_t n = end - begin;
    auto child = [&](std::uint32_t i) { return kids_[begin + i]; };
    front_.clear();
    frontOffset_ = 0;
    spread_.assign(n, 0);
    std::int64_t pending = 0;
    for (std::uint32_t c = 1; c < n; ++c) {
        addToFront(child(c - 1));
        if (pending != 0) moveSubtree(child(c), pending, true);
        int gapDepth = 0;
        const std::int64_t gap = closestApproach(begin, c, gapDepth);
        if (gap >= separation) continue;
        const std::int64_t d = separation - gap;
        moveSubtree(child(c), d, true);
        pending += d;
        // Spreading would bring children nearer to those on their right than their labels
        // allow.
        if (c < 2 || labelled_) continue;
        const int k = highEnough(begin, c, gapDepth);
        if (k < 0 || k >= static_cast<int>(c) - 1) continue;
        const std::int64_t e = prelim_[child(k)];
        const std::int64_t step = (prelim_[child(c)] - e) / (static_cast<std::int64_t>(c) - k);
        for (std::uint32_t l = k + 1; l < c; ++l) {
            const std::int64_t target = e + (static_cast<std::int64_t>(l) - k) * step;
            const std::uint32_t cl = child(l);
            if (target > prelim_[cl]) {
                const std::int64_t o = target - prelim_[cl];
                prelim_[cl] = fit(target);
                mod_[cl] = fit(mod_[cl] + o);
                moveSubtree(cl, o, false);
                spread_[l] = 1;
            }
        }
    }
}

// The parent's outline: the tallest child's with the others merged and the parent's own
// depth added. After separation the front already holds the right side of every child but
// the last as it joined; the last and the children spread since are merged on top (they
// only moved right, so their present X dominates what the front noted).
void TreeLayoutVisitor::buildOutline(const Frame& frame, bool separated) {
    const std::uint32_t n = frame.end - frame.begin;
    auto child = [&](std::uint32_t i) { return kids_[frame.begin + i]; };
    auto isLeaf = [&](std::uint32_t i) { return outline_[child(i)] == kLeafOutline; };
    std::uint32_t tallest = 0;
    for (std::uint32_t i = 1; i < n; ++i)
        if (heights_[frame.begin + i] > heights_[frame.begin + tallest]) tallest = i;
    // Leaves have no outline of their own: over leaves only, the parent starts a new one.
    const SubtreeOutlines::Id id =
        isLeaf(tallest) ? outlines_.leaf(leftEdge(child(tallest)), rightEdge(child(tallest)))
                        : outline_[child(tallest)];
    SubtreeOutlines::Outline& base = outlines_[id];
    auto mergeRightOf = [&](std::uint32_t i) {
        if (isLeaf(i)) {
            SubtreeOutlines::mergeRight(base.right, base.rightOffset, rightEdge(child(i)));
        } else {
            const SubtreeOutlines::Outline& o = outlines_[outline_[child(i)]];
            SubtreeOutlines::mergeRight(base.right, base.rightOffset, o.right, o.rightOffset);
        }
    };
    const std::int64_t x = x_[frame.vertex];
    std::int64_t most = x + labelRight(frame.vertex);
    for (std::uint32_t i = 0; i < n; ++i) {
        if (isLeaf(i)) {
            most = std::max(most, rightEdge(child(i)));
            if (i != tallest) SubtreeOutlines::mergeLeft(base, leftEdge(child(i)));
            continue;
        }
        const SubtreeOutlines::Outline& o = outlines_[outline_[child(i)]];
        most = std::max(most, o.mostRight());
        if (i != tallest) SubtreeOutlines::mergeLeft(base, o);
    }
    if (separated) {
        // The front reaches depth 0 at least, as deep as a leaf last child.
        if (!isLeaf(n - 1) && outlines_[outline_[child(n - 1)]].height() > front_.size()) {
            SubtreeOutlines::Outline& last = outlines_[outline_[child(n - 1)]];
            SubtreeOutlines::mergeRight(last.right, last.rightOffset, front_, frontOffset_);
            if (&last != &base) {
                base.right.swap(last.right);
                base.rightOffset = last.rightOffset;
            }
        } else {
            base.right.swap(front_);
            std::swap(base.rightOffset, frontOffset_);
            mergeRightOf(n - 1);
        }
        for (std::uint32_t l = 0; l + 1 < n; ++l)
            if (spread_[l]) mergeRightOf(l);
    } else {
        for (std::uint32_t i = 0; i < n; ++i)
            if (i != tallest) mergeRightOf(i);
    }
    base.left.push_back(x - labelLeft(frame.vertex) - base.leftOffset);
    base.leftBelow.push_back(std::min(base.leftBelow.back(), base.left.back()));
    base.right.push_back(x + labelRight(frame.vertex) - base.rightOffset);
    base.rightmost = most - base.rightOffset;
    for (std::uint32_t i = 0; i < n; ++i)
        if (i != tallest && !isLeaf(i)) outlines_.release(outline_[child(i)]);
    outline_[frame.vertex] = id;
}

}  // namespace nx
