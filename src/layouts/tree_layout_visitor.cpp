// The tree layout's walks: preliminary x and modifiers, and placement.
#include "layouts/tree_layout_visitor.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "graph/graph.h"
#include "layouts/layout_range.h"
#include "layouts/tree_layout.h"
#include "properties/large_pages.h"
#include "properties/named_properties.h"
#include "views/graph_view.h"
#include "views/view.h"

namespace nx {

namespace {

constexpr int kUnknownWidth = std::numeric_limits<int>::min();
// Labels reach no further than this; twice it and any coordinate still fit an int.
constexpr int kLongestLabel = 1 << 24;

// Every stored value is computed in 64 bits and checked: prelims, modifiers and sums of
// modifiers are offsets within the drawing, so none of them exceeds a drawing that fits.
std::int32_t fit(std::int64_t value) {
    return fitCoordinate(value, "TreeLayout", "smaller separations may fit");
}

// Integer halves as the layout takes them: truncated towards zero.
std::int32_t half(std::int64_t a, std::int64_t b) {
    return static_cast<std::int32_t>((a + b) / 2);
}

// How wide the vertex's shape is drawn; 0 without an appearance.
int shapeWidth(const VertexViewEntry& e, GraphView& view) {
    if (!e.view) return 0;
    const Rect r = e.view->getBoundingRectangle(e.vertex, view, e.properties);
    return std::abs(r.right - r.left);
}

}  // namespace

TreeLayoutVisitor::TreeLayoutVisitor(Graph& graph, TreeLayout& layout)
    : PassVisitor(graph, {&TreeLayoutVisitor::firstWalk, &TreeLayoutVisitor::separationWalk,
                          &TreeLayoutVisitor::placementWalk}),
      layout(&layout),
      table_(graph, positions_, true) {
    const std::uint32_t n = table_.size();
    GraphView& view = *layout.view;
    std::vector<VertexViewEntry> copy;
    const VertexViewData* inOrder = viewEntries(view, copy);
    resizeInLargePages(flagSlots_, n);
    resizeInLargePages(prelimSlots_, n);
    resizeInLargePages(modSlots_, n);
    resizeInLargePages(xSlots_, n);
    resizeInLargePages(ySlots_, n);
    // The flags, prelims and modifiers start over in the first pass; X and Y are read.
    resizeInLargePages(visited_, n);
    resizeInLargePages(prelim_, n);
    resizeInLargePages(mod_, n);
    resizeInLargePages(x_, n);
    resizeInLargePages(y_, n);
    // Shapes keep their widths during the run: measured once, in the order they lie in.
    assignInLargePages(widths_, n, kUnknownWidth);
    // Slots in graph order (k), values in walking order (i).
    const PositionWriter& positions = layout.positions();
    for (std::uint32_t k = 0; k < n; ++k) {
        const std::uint32_t i = table_.atGraphIndex(k);
        ActualProperties& values = table_.valuesAtGraphIndex(k);
        flagSlots_[k] = &static_cast<AuxFlag1&>(values.at(layout.v1Index)).value;
        prelimSlots_[k] = &static_cast<AuxInt1&>(values.at(layout.i1Index)).value;
        modSlots_[k] = &static_cast<AuxInt2&>(values.at(layout.i2Index)).value;
        // A member the view does not show takes the writer's lookup, which names the fault.
        const VertexViewEntry e = inOrder ? inOrder[k].borrow() : copy[k];
        const PositionWriter::Slots xy = e.vertex ? positions.slots(e.properties, values)
                                                  : positions.slots(table_.vertexAtGraphIndex(k));
        xSlots_[k] = xy.x;
        ySlots_[k] = xy.y;
        x_[i] = *xy.x;
        y_[i] = *xy.y;
        if (e.vertex) widths_[i] = shapeWidth(e, view);
    }
    if (layout.labelExtent) {
        labelled_ = true;
        resizeInLargePages(labelLeft_, n);
        resizeInLargePages(labelRight_, n);
        for (std::uint32_t k = 0; k < n; ++k) {
            const LabelExtent e = layout.labelExtent(table_.vertexAtGraphIndex(k));
            const std::uint32_t i = table_.atGraphIndex(k);
            labelLeft_[i] = std::clamp(e.left, 0, kLongestLabel);
            labelRight_[i] = std::clamp(e.right, 0, kLongestLabel);
        }
    }
    resizeInLargePages(shift_, n);
    resizeInLargePages(outline_, n);
    resizeInLargePages(parent_, n);
}

const VertexViewData* TreeLayoutVisitor::viewEntries(const GraphView& view,
                                                     std::vector<VertexViewEntry>& copy) const {
    const std::uint32_t n = table_.size();
    const auto& sequence = view.vertexSequence();
    // The drawing order nearly always is the graph's: then the k-th entry is the k-th
    // member's, found without a lookup.
    bool inGraphOrder = sequence.size() == n;
    for (std::uint32_t k = 0; inGraphOrder && k < n; ++k)
        inGraphOrder = sequence[k].vertex == &table_.vertexAtGraphIndex(k);
    if (inGraphOrder) return sequence.data();
    assignInLargePages(copy, n, VertexViewEntry{});
    std::vector<std::uint32_t> graphIndex(n);
    for (std::uint32_t k = 0; k < n; ++k) graphIndex[table_.atGraphIndex(k)] = k;
    for (const VertexViewEntry e : sequence) {
        const std::uint32_t i = e.vertex ? table_.position(*e.vertex) : VertexTable::kNone;
        if (i != VertexTable::kNone) copy[graphIndex[i]] = e;
    }
    return nullptr;
}

void TreeLayoutVisitor::commit() {
    for (std::uint32_t k = 0; k < table_.size(); ++k) {
        const std::uint32_t i = table_.atGraphIndex(k);
        *flagSlots_[k] = visited_[i] != 0;
        *prelimSlots_[k] = prelim_[i];
        *modSlots_[k] = mod_[i];
        *xSlots_[k] = x_[i];
        *ySlots_[k] = y_[i];
    }
}

void TreeLayoutVisitor::setPass(int p) {
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

void TreeLayoutVisitor::children(std::uint32_t v, bool ordered, std::vector<std::uint32_t>& out) {
    out.clear();
    for (std::uint32_t n : table_.neighbours(v))
        if (!visited_[n]) out.push_back(n);
    if (!ordered || out.size() < 2) return;
    auto byX = [this](std::uint32_t a, std::uint32_t b) { return x_[a] < x_[b]; };
    // Siblings are nearly always in order already; checking first saves the sort.
    if (!std::is_sorted(out.begin(), out.end(), byX)) std::stable_sort(out.begin(), out.end(), byX);
}

int TreeLayoutVisitor::width(std::uint32_t v) {
    // Measured up front for every vertex the view shows; the view names any other.
    if (widths_[v] == kUnknownWidth) {
        Vertex& vertex = table_.vertex(v);
        GraphView& view = *layout->view;
        const VertexViewData* entry = view.findVertexEntry(&vertex);
        if (!entry) view.vertexView(&vertex);  // throws the view's error
        widths_[v] = entry ? shapeWidth(entry->borrow(), view) : 0;
    }
    return widths_[v];
}

std::int64_t TreeLayoutVisitor::step(std::uint32_t left, std::uint32_t v) {
    // With labels counted the facing sides decide; otherwise half of each shape. The
    // widths are looked up either way: a vertex the view does not show fails the same.
    const int shapes = half(width(left), width(v));
    return labelled_ ? std::int64_t{labelRight_[left]} + labelLeft_[v] : shapes;
}

// First walk: post-order; the flags stay set until the next pass.

void TreeLayoutVisitor::firstWalk(std::uint32_t root) {
    if (visited_[root]) return;
    visited_[root] = true;
    std::vector<Frame>& stack = frames_;
    stack.clear();
    enterFirst(root, 0, stack);
    while (!stack.empty()) {
        progressStep();
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
bool TreeLayoutVisitor::enterFirst(std::uint32_t v, std::uint32_t place,
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

void TreeLayoutVisitor::placeLeaf(std::uint32_t v, std::uint32_t place) {
    if (depth <= 0 || place == 0) {
        prelim_[v] = 0;
    } else {
        const std::uint32_t left = levels[depth - 1][place - 1];
        prelim_[v] = fit(std::int64_t{prelim_[left]} + layout->SiblingSeparation + step(left, v));
    }
    mod_[v] = 0;
}

void TreeLayoutVisitor::placeParent(std::uint32_t v, std::uint32_t place) {
    const std::vector<std::uint32_t>& kids = levels[depth];
    const int mid = half(prelim_[kids.front()], prelim_[kids.back()]);
    if (depth == 0) {
        prelim_[v] = mid;
        mod_[v] = 0;
        return;
    }
    if (place > 0) {
        const std::uint32_t left = levels[depth - 1][place - 1];
        prelim_[v] = fit(std::int64_t{prelim_[left]} + layout->SiblingSeparation + step(left, v));
    } else {
        prelim_[v] = mid;
    }
    mod_[v] = fit(std::int64_t{prelim_[v]} - mid);
}

// Placement walk: preorder with path marking; X from the ancestors' modifiers.

void TreeLayoutVisitor::placementWalk(std::uint32_t root) {
    if (visited_[root]) return;
    std::vector<Frame>& stack = frames_;
    stack.clear();
    enterPlacement(root, stack);
    while (!stack.empty()) {
        progressStep();
        Frame& top = stack.back();
        const auto neighbours = table_.neighbours(top.vertex);
        if (top.next < neighbours.size()) {
            const std::uint32_t n = neighbours[top.next++];
            if (!visited_[n]) enterPlacement(n, stack);
        } else {
            const std::uint32_t v = top.vertex;
            stack.pop_back();
            --depth;
            modSum = fit(std::int64_t{modSum} - mod_[v]);
            visited_[v] = false;
        }
    }
}

void TreeLayoutVisitor::enterPlacement(std::uint32_t v, std::vector<Frame>& stack) {
    visited_[v] = true;
    const std::int64_t start = layout->startX;
    const int x = fit(depth == 0 ? start + prelim_[v] : start + modSum + prelim_[v]);
    const int y = fit(std::int64_t{depth} * layout->LayerSeparation + layout->startY);
    x_[v] = x;
    y_[v] = y;
    minX = static_cast<int>(std::min<std::int64_t>(minX, std::int64_t{x} - labelLeft(v)));
    maxX = fit(std::max<std::int64_t>(maxX, std::int64_t{x} + labelRight(v)));
    modSum = depth == 0 ? mod_[v] : fit(std::int64_t{modSum} + mod_[v]);
    ++depth;
    stack.push_back({v, 0, 0, 0, 0});
}

}  // namespace nx
