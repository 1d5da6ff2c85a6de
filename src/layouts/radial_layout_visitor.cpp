// The radial layout's three walks over a spanning tree from its centre.
#include "layouts/radial_layout_visitor.h"

#include <algorithm>
#include <numbers>

#include "graph/graph.h"
#include "layouts/radial_layout.h"
#include "properties/named_properties.h"

namespace nx {

RadialLayoutVisitor::RadialLayoutVisitor(Graph& tree, RadialLayout& layout,
                                         std::vector<std::uint32_t>& positions)
    : PassVisitor(tree, {&RadialLayoutVisitor::countLeaves, &RadialLayoutVisitor::assignWedges,
                         &RadialLayoutVisitor::assignAngles}),
      layout(&layout),
      table_(tree, positions, true) {
    const std::uint32_t n = table_.size();
    visited_.resize(n);
    leaves_.resize(n);
    depths_.resize(n);
    wedges_.resize(n);
    angles_.resize(n);
    // Values in the tree's vertex order (k), as they lie in memory; arrays in walking order (i).
    for (std::uint32_t k = 0; k < n; ++k) {
        const std::uint32_t i = table_.atGraphIndex(k);
        ActualProperties& values = table_.valuesAtGraphIndex(k);
        visited_[i] = static_cast<AuxFlag1&>(values.at(layout.v1Index)).value;
        leaves_[i] = static_cast<AuxInt1&>(values.at(layout.i1Index)).value;
        depths_[i] = static_cast<AuxInt2&>(values.at(layout.i2Index)).value;
        wedges_[i] = static_cast<AuxReal1&>(values.at(layout.r1Index)).value;
        angles_[i] = static_cast<AuxReal2&>(values.at(layout.r2Index)).value;
    }
}

void RadialLayoutVisitor::setPass(int p) {
    pass = p;
    depth = 0;
    cursor = 0.0;
    std::fill(visited_.begin(), visited_.end(), 0);
}

// Depth first; each vertex's _I1 becomes its number of leaves (a leaf counts 1).
void RadialLayoutVisitor::countLeaves(std::uint32_t root) {
    if (visited_[root]) return;
    auto enter = [this](std::uint32_t v) {
        visited_[v] = true;
        depths_[v] = depth++;
        stack_.push_back({v, 0, 0});
    };
    stack_.clear();
    enter(root);
    for (;;) {
        Frame& top = stack_.back();
        const auto neighbours = table_.neighbours(top.vertex);
        if (top.next < neighbours.size()) {
            const std::uint32_t n = neighbours[top.next++];
            if (!visited_[n]) enter(n);
        } else {
            --depth;
            const int count = top.sum > 0 ? top.sum : 1;
            leaves_[top.vertex] = count;
            stack_.pop_back();
            if (stack_.empty()) return;
            stack_.back().sum += count;
        }
    }
}

// A vertex's wedge is its parent's, shared in proportion to the leaf counts.
void RadialLayoutVisitor::assignWedges(std::uint32_t root) {
    if (visited_[root]) return;
    visited_[root] = true;
    wedges_[root] = 2 * std::numbers::pi;
    stack_.clear();
    stack_.push_back({root, 0, 0});
    while (!stack_.empty()) {
        progressStep();
        Frame& top = stack_.back();
        const std::uint32_t v = top.vertex;
        const auto neighbours = table_.neighbours(v);
        if (top.next == neighbours.size()) {
            stack_.pop_back();
            continue;
        }
        const std::uint32_t w = neighbours[top.next++];
        if (visited_[w]) continue;
        visited_[w] = true;
        const int parentLeaves = leaves_[v];
        wedges_[w] =
            parentLeaves != 0 ? leaves_[w] * wedges_[v] / parentLeaves : 2 * std::numbers::pi;
        stack_.push_back({w, 0, 0});
    }
}

// Children take consecutive parts of the parent's wedge in incidence order; each angle
// is the middle of its part.
void RadialLayoutVisitor::assignAngles(std::uint32_t root) {
    if (visited_[root]) return;
    auto enter = [this](std::uint32_t v, bool isRoot) {
        visited_[v] = true;
        cursor = isRoot ? 0.0 : angles_[v] - wedges_[v] * 0.5;
        for (std::uint32_t w : table_.neighbours(v)) {
            if (visited_[w]) continue;
            angles_[w] = cursor + wedges_[w] * 0.5;
            cursor += wedges_[w];
        }
        stack_.push_back({v, 0, 0});
    };
    stack_.clear();
    enter(root, true);
    while (!stack_.empty()) {
        progressStep();
        Frame& top = stack_.back();
        const auto neighbours = table_.neighbours(top.vertex);
        if (top.next == neighbours.size()) {
            stack_.pop_back();
            continue;
        }
        const std::uint32_t w = neighbours[top.next++];
        if (!visited_[w]) enter(w, false);
    }
}

}  // namespace nx
