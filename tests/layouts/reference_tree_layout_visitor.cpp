// The tree layout's walks as first written: the oracle for the faster separation walk.
#include "layouts/reference_tree_layout_visitor.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "graph/graph.h"
#include "layouts/layout_range.h"
#include "layouts/reference_tree_layout.h"
#include "properties/named_properties.h"
#include "views/graph_view.h"
#include "views/view.h"

namespace nx::test {

namespace {

constexpr int kUnknownWidth = std::numeric_limits<int>::min();

// Every stored value is computed in 64 bits and checked: prelims, modifiers and sums of
// modifiers are offsets within the drawing, so none of them exceeds a drawing that fits.
std::int32_t fit32(std::int64_t value) {
    return fitCoordinate(value, "TreeLayout", "smaller separations may fit");
}

// Integer halves as the layout takes them: truncated towards zero.
std::int32_t half(std::int64_t a, std::int64_t b) {
    return static_cast<std::int32_t>((a + b) / 2);
}

}  // namespace

ReferenceTreeLayoutVisitor::ReferenceTreeLayoutVisitor(Graph& graph, ReferenceTreeLayout& layout)
    : graph(&graph), layout(&layout), table_(graph, positions_, true) {
    const std::uint32_t n = table_.size();
    flagSlots_.resize(n);
    prelimSlots_.resize(n);
    modSlots_.resize(n);
    xSlots_.resize(n);
    ySlots_.resize(n);
    visited_.resize(n);
    prelim_.resize(n);
    mod_.resize(n);
    x_.resize(n);
    y_.resize(n);
    // Slots in graph order (k), values in walking order (i).
    for (std::uint32_t k = 0; k < n; ++k) {
        const std::uint32_t i = table_.atGraphIndex(k);
        ActualProperties& values = table_.valuesAtGraphIndex(k);
        flagSlots_[k] = &static_cast<AuxFlag1&>(values.at(layout.v1Index)).value;
        prelimSlots_[k] = &static_cast<AuxInt1&>(values.at(layout.i1Index)).value;
        modSlots_[k] = &static_cast<AuxInt2&>(values.at(layout.i2Index)).value;
        layout.slots(table_.vertex(i), xSlots_[k], ySlots_[k]);
        visited_[i] = *flagSlots_[k];
        prelim_[i] = *prelimSlots_[k];
        mod_[i] = *modSlots_[k];
        x_[i] = *xSlots_[k];
        y_[i] = *ySlots_[k];
    }
    widths_.assign(n, kUnknownWidth);
}

void ReferenceTreeLayoutVisitor::commit() {
    for (std::uint32_t k = 0; k < table_.size(); ++k) {
        const std::uint32_t i = table_.atGraphIndex(k);
        *flagSlots_[k] = visited_[i] != 0;
        *prelimSlots_[k] = prelim_[i];
        *modSlots_[k] = mod_[i];
        *xSlots_[k] = x_[i];
        *ySlots_[k] = y_[i];
    }
}

void ReferenceTreeLayoutVisitor::visit(Graph&) {}

void ReferenceTreeLayoutVisitor::visit(Edge& edge) {
    graph->visitEndpoints(*this, edge);
}

void ReferenceTreeLayoutVisitor::visit(Vertex& vertex) {
    const std::uint32_t v = table_.position(vertex);
    if (v == VertexTable::kNone) return;
    switch (pass) {
        case 1:
            firstWalk(v);
            break;
        case 2:
            separationWalk(v);
            break;
        case 3:
            placementWalk(v);
            break;
        default:
            break;
    }
}

void ReferenceTreeLayoutVisitor::setPass(int p) {
    pass = p;
    minX = INT_MAX;
    maxX = INT_MIN;
    depth = 0;
    std::fill(visited_.begin(), visited_.end(), 0);
    if (p == 1) {
        std::fill(prelim_.begin(), prelim_.end(), 0);
        std::fill(mod_.begin(), mod_.end(), 0);
    }
}

void ReferenceTreeLayoutVisitor::children(std::uint32_t v, bool ordered, std::vector<std::uint32_t>& out) {
    out.clear();
    for (std::uint32_t n : table_.neighbours(v))
        if (!visited_[n]) out.push_back(n);
    if (!ordered || out.size() < 2) return;
    auto byX = [this](std::uint32_t a, std::uint32_t b) { return x_[a] < x_[b]; };
    // Siblings are nearly always in order already; checking first saves the sort.
    if (!std::is_sorted(out.begin(), out.end(), byX)) std::stable_sort(out.begin(), out.end(), byX);
}

int ReferenceTreeLayoutVisitor::width(std::uint32_t v) {
    if (widths_[v] == kUnknownWidth) {
        Vertex& vertex = table_.vertex(v);
        GraphView& view = *layout->view;
        const VertexViewData* entry = view.findVertexEntry(&vertex);
        if (!entry) view.vertexView(&vertex);  // throws the view's error
        int w = 0;
        if (entry && entry->view) {
            const Rect r =
                entry->view->getBoundingRectangle(&vertex, view, entry->properties.get());
            w = std::abs(r.right - r.left);
        }
        widths_[v] = w;
    }
    return widths_[v];
}

// First walk: post-order; the flags stay set until the next pass.

void ReferenceTreeLayoutVisitor::firstWalk(std::uint32_t root) {
    if (visited_[root]) return;
    visited_[root] = true;
    std::vector<Frame>& stack = frames_;
    stack.clear();
    enterFirst(root, 0, stack);
    while (!stack.empty()) {
        Frame& top = stack.back();
        const std::vector<std::uint32_t>& siblings = levels[depth - 1];
        if (top.next < siblings.size()) {
            const std::uint32_t place = top.next++;
            const std::uint32_t c = siblings[place];
            if (visited_[c]) continue;
            visited_[c] = true;
            enterFirst(c, place, stack);
        } else {
            const Frame done = top;
            stack.pop_back();
            --depth;
            placeParent(done.vertex, done.k);
        }
    }
}

// The vertex at the current depth, at `place` among its siblings: a leaf is placed at
// once, a parent stores its children as the next depth's sibling list and is entered.
bool ReferenceTreeLayoutVisitor::enterFirst(std::uint32_t v, std::uint32_t place,
                                   std::vector<Frame>& stack) {
    if (levels.size() <= static_cast<std::size_t>(depth)) levels.emplace_back();
    children(v, true, scratch_);
    if (scratch_.empty()) {
        placeLeaf(v, place);
        return false;
    }
    levels[depth].assign(scratch_.begin(), scratch_.end());
    ++depth;
    stack.push_back({v, 0, 0, 0, static_cast<int>(place)});
    return true;
}

void ReferenceTreeLayoutVisitor::placeLeaf(std::uint32_t v, std::uint32_t place) {
    if (depth <= 0 || place == 0) {
        prelim_[v] = 0;
    } else {
        const std::uint32_t left = levels[depth - 1][place - 1];
        prelim_[v] = fit32(std::int64_t{prelim_[left]} + layout->SiblingSeparation +
                         half(width(left), width(v)));
    }
    mod_[v] = 0;
}

void ReferenceTreeLayoutVisitor::placeParent(std::uint32_t v, std::uint32_t place) {
    const std::vector<std::uint32_t>& kids = levels[depth];
    const int mid = half(prelim_[kids.front()], prelim_[kids.back()]);
    if (depth == 0) {
        prelim_[v] = mid;
        mod_[v] = 0;
        return;
    }
    if (place > 0) {
        const std::uint32_t left = levels[depth - 1][place - 1];
        prelim_[v] = fit32(std::int64_t{prelim_[left]} + layout->SiblingSeparation +
                         half(width(left), width(v)));
    } else {
        prelim_[v] = mid;
    }
    mod_[v] = fit32(std::int64_t{prelim_[v]} - mid);
}

// Placement walk: preorder with path marking; X from the ancestors' modifiers.

void ReferenceTreeLayoutVisitor::placementWalk(std::uint32_t root) {
    if (visited_[root]) return;
    std::vector<Frame>& stack = frames_;
    stack.clear();
    enterPlacement(root, stack);
    while (!stack.empty()) {
        Frame& top = stack.back();
        const auto neighbours = table_.neighbours(top.vertex);
        if (top.next < neighbours.size()) {
            const std::uint32_t n = neighbours[top.next++];
            if (!visited_[n]) enterPlacement(n, stack);
        } else {
            const std::uint32_t v = top.vertex;
            stack.pop_back();
            --depth;
            modSum = fit32(std::int64_t{modSum} - mod_[v]);
            visited_[v] = false;
        }
    }
}

void ReferenceTreeLayoutVisitor::enterPlacement(std::uint32_t v, std::vector<Frame>& stack) {
    visited_[v] = true;
    const std::int64_t start = layout->startX;
    const int x = fit32(depth == 0 ? start + prelim_[v] : start + modSum + prelim_[v]);
    const int y = fit32(std::int64_t{depth} * layout->LayerSeparation + layout->startY);
    x_[v] = x;
    y_[v] = y;
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    modSum = depth == 0 ? mod_[v] : fit32(std::int64_t{modSum} + mod_[v]);
    ++depth;
    stack.push_back({v, 0, 0, 0, 0});
}

// Separation walk: post-order with path marking; answers the subtree's height.

int ReferenceTreeLayoutVisitor::separationWalk(std::uint32_t root) {
    std::vector<Frame>& stack = frames_;
    stack.clear();
    kids_.clear();
    heights_.clear();
    if (const int h = enterSeparation(root); h != 0) return h;
    for (;;) {
        Frame& top = stack.back();
        if (top.next < top.end) {
            const std::uint32_t i = top.next++;
            if (const int h = enterSeparation(kids_[i]); h != 0) heights_[i] = h;
        } else {
            const Frame done = top;
            stack.pop_back();
            --depth;
            const int h = finishSeparation(done);
            kids_.resize(done.begin);
            heights_.resize(done.begin);
            if (stack.empty()) return h;
            heights_[stack.back().next - 1] = h;
        }
    }
}

// Answers the height of a vertex finished at once (-1 visited, 1 leaf), or 0 when the
// vertex was entered and its children are to be walked.
int ReferenceTreeLayoutVisitor::enterSeparation(std::uint32_t v) {
    if (visited_[v]) return -1;
    visited_[v] = true;
    children(v, true, scratch_);
    if (scratch_.empty()) {
        visited_[v] = false;
        return 1;
    }
    const auto begin = static_cast<std::uint32_t>(kids_.size());
    kids_.insert(kids_.end(), scratch_.begin(), scratch_.end());
    heights_.resize(kids_.size(), 0);
    ++depth;
    frames_.push_back({v, begin, static_cast<std::uint32_t>(kids_.size()), begin, 0});
    return 0;
}

int ReferenceTreeLayoutVisitor::finishSeparation(const Frame& frame) {
    const std::uint32_t v = frame.vertex;
    int height = 1;
    for (std::uint32_t i = frame.begin; i < frame.end; ++i) height = std::max(height, heights_[i]);
    if (frame.end - frame.begin >= 2 && height > 1)
        separateChildren(frame.begin, frame.end, height);
    const int mid = half(prelim_[kids_[frame.begin]], prelim_[kids_[frame.end - 1]]);
    if (depth == 0) {
        prelim_[v] = mid;
        mod_[v] = 0;
    } else {
        const int old = mod_[v];
        mod_[v] = fit32(std::int64_t{prelim_[v]} - mid);
        // A shift by nothing would only widen maxX, which the next placement resets.
        if (const std::int64_t d = std::int64_t{mod_[v]} - old; d != 0)
            for (std::uint32_t i = frame.begin; i < frame.end; ++i) shiftSubtree(kids_[i], d);
    }
    visited_[v] = false;
    return height + 1;
}

template <typename Visit>
void ReferenceTreeLayoutVisitor::walkSubtree(std::uint32_t c, int limit, bool ordered, Visit&& visit) {
    std::vector<Frame>& stack = walkFrames_;
    auto enter = [&](std::uint32_t v, int k) {
        if (visited_[v] || k >= limit) return;
        visited_[v] = true;
        visit(v, k);
        const auto begin = static_cast<std::uint32_t>(walkKids_.size());
        children(v, ordered, scratch_);
        walkKids_.insert(walkKids_.end(), scratch_.begin(), scratch_.end());
        stack.push_back({v, begin, static_cast<std::uint32_t>(walkKids_.size()), begin, k});
    };
    stack.clear();
    walkKids_.clear();
    enter(c, 0);
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next < top.end) {
            const std::uint32_t n = walkKids_[top.next++];
            enter(n, top.k + 1);
        } else {
            visited_[top.vertex] = false;
            walkKids_.resize(top.begin);
            stack.pop_back();
        }
    }
}

void ReferenceTreeLayoutVisitor::shiftSubtree(std::uint32_t c, std::int64_t d) {
    walkSubtree(c, INT_MAX, false, [this, d](std::uint32_t v, int) {
        x_[v] = fit32(x_[v] + d);
        maxX = std::max(maxX, x_[v]);
    });
}

void ReferenceTreeLayoutVisitor::shiftFrom(std::uint32_t begin, std::uint32_t end, std::uint32_t from,
                                  std::int64_t gap) {
    const std::int64_t d = layout->SubtreeSeparation - gap;
    for (std::uint32_t i = begin + from; i < end; ++i) {
        const std::uint32_t c = kids_[i];
        prelim_[c] = fit32(prelim_[c] + d);
        mod_[c] = fit32(mod_[c] + d);
        shiftSubtree(c, d);
    }
}

void ReferenceTreeLayoutVisitor::separateChildren(std::uint32_t begin, std::uint32_t end, int height) {
    const int separation = layout->SubtreeSeparation;
    const std::uint32_t n = end - begin;
    auto child = [&](std::uint32_t i) { return kids_[begin + i]; };
    auto heightOf = [&](std::uint32_t i) { return heights_[begin + i]; };
    contour_.assign(height, 0);
    auto addContour = [this](std::uint32_t c) {
        walkSubtree(c, INT_MAX, false, [this](std::uint32_t v, int k) {
            if (k < static_cast<int>(contour_.size())) contour_[k] = std::max(contour_[k], x_[v]);
        });
    };
    auto findGap = [this, height](std::uint32_t c) {
        walkSubtree(c, height, true, [this](std::uint32_t v, int k) {
            const std::int64_t g = std::int64_t{x_[v]} - contour_[k];
            if (g < minGap_) {
                minGap_ = g;
                gapDepth_ = k;
            }
        });
    };

    minGap_ = separation;
    gapDepth_ = -1;
    addContour(child(0));
    findGap(child(1));
    if (minGap_ < separation) shiftFrom(begin, end, 1, minGap_);

    for (std::uint32_t c = 2; c < n; ++c) {
        addContour(child(c - 1));
        minGap_ = separation;
        gapDepth_ = 0;
        findGap(child(c));
        if (minGap_ >= separation) continue;
        shiftFrom(begin, end, c, minGap_);
        // Spread the smaller subtrees between the pushed one and the nearest one as deep
        // as the closest approach; they only ever move right.
        int k = static_cast<int>(c) - 1;
        while (k >= 0 && heightOf(k) < gapDepth_) --k;
        if (k < 0 || k >= static_cast<int>(c) - 1) continue;
        const std::int64_t e = prelim_[child(k)];
        const std::int64_t step = (prelim_[child(c)] - e) / (static_cast<std::int64_t>(c) - k);
        for (std::uint32_t l = k + 1; l < c; ++l) {
            const std::int64_t target = e + (static_cast<std::int64_t>(l) - k) * step;
            const std::uint32_t cl = child(l);
            if (target > prelim_[cl]) {
                const std::int64_t o = target - prelim_[cl];
                prelim_[cl] = fit32(target);
                mod_[cl] = fit32(mod_[cl] + o);
                shiftSubtree(cl, o);
            }
        }
    }
}

}  // namespace nx::test
