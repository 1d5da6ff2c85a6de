// The radial layout's run: centres, spanning trees, ring radii and components side by side.
#include "layouts/radial_layout.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <deque>
#include <stdexcept>

#include "graph/graph.h"
#include "graph/subgraph.h"
#include "layouts/is_leaf.h"
#include "layouts/radial_layout_visitor.h"
#include "layouts/vertex_table.h"
#include "properties/named_properties.h"

namespace nx {

namespace {

std::size_t graphIndex(Graph* graph, const Property& prototype) {
    return graph && graph->vertexSchema() ? graph->vertexSchema()->find(prototype) : kNoIndex;
}

}  // namespace

RadialLayout::RadialLayout(GraphView& view, int Separation, double DampingCoefficient)
    : Layout(view),
      Separation(Separation),
      DampingCoefficient(DampingCoefficient),
      v1Index(graphIndex(graph, _V1())),
      i1Index(graphIndex(graph, _I1())),
      i2Index(graphIndex(graph, _I2())),
      r1Index(graphIndex(graph, _R1())),
      r2Index(graphIndex(graph, _R2())) {}

bool RadialLayout::requirementsMet() {
    return Layout::requirementsMet() && v1Index != kNoIndex && i1Index != kNoIndex &&
           i2Index != kNoIndex && r1Index != kNoIndex && r2Index != kNoIndex;
}

int RadialLayout::ringRadius(int d) const {
    int r = 0;
    int distance = Separation;
    for (int i = 0; i < d; ++i) {
        r += distance;
        distance = static_cast<int>(distance * DampingCoefficient);
    }
    return r;
}

void RadialLayout::arrange() {
    if (!graph || graph->order() == 0) return;
    if (!requirementsMet())
        throw std::runtime_error(
            "RadialLayout requires that vertices have the following properties:\n"
            "\tX and Y at view or graph level,\n"
            "\t_I1, _I2, _R1, _R2 and _V1 system properties at graph level");
    completeCentres();
    graph->buildSpanningTrees(centres);

    int x0 = startX;
    const int y0 = startY;
    std::vector<int> radii;
    int ringDistance = Separation;
    std::vector<int> xs, ys;
    const auto& trees = graph->spanningTrees();
    for (std::size_t i = 0; i < trees.size() && i < centres.size(); ++i) {
        SpanningTree& tree = *trees[i];
        tree.updateIncidence();
        RadialLayoutVisitor visitor(tree, *this, positions_);
        for (int pass = 1; pass <= 3; ++pass) {
            visitor.setPass(pass);
            visitor.visit(*centres[i]);
        }
        visitor.commit();

        const VertexTable& table = visitor.table();
        const std::uint32_t n = table.size();
        if (n == 0) continue;
        xs.resize(n);
        ys.resize(n);
        int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX;
        for (std::uint32_t v = 0; v < n; ++v) {
            const int d = visitor.depthOf(v);
            while (radii.size() <= static_cast<std::size_t>(std::max(d, 0))) {
                // Ring k + 1 lies one ring distance beyond ring k.
                if (radii.empty()) {
                    radii.push_back(0);
                    ringDistance = Separation;
                } else {
                    radii.push_back(radii.back() + ringDistance);
                    ringDistance = static_cast<int>(ringDistance * DampingCoefficient);
                }
            }
            const int r = d > 0 ? radii[d] : 0;
            xs[v] = static_cast<int>(std::cos(visitor.angleOf(v)) * r);
            ys[v] = static_cast<int>(std::sin(visitor.angleOf(v)) * r);
            minX = std::min(minX, xs[v]);
            maxX = std::max(maxX, xs[v]);
            minY = std::min(minY, ys[v]);
        }
        // Written once, already moved so that the tree's box of positions starts at (x0, y0).
        for (std::uint32_t k = 0; k < n; ++k) {
            const std::uint32_t v = table.atGraphIndex(k);
            std::int32_t *x = nullptr, *y = nullptr;
            coordinateSlots(table.vertex(v), x, y);
            if (!x) continue;
            *x = xs[v] + (x0 - minX);
            *y = ys[v] + (y0 - minY);
        }
        x0 = (maxX + x0 - minX) + 2 * startX;
    }
}

void RadialLayout::labelComponent(std::uint32_t start, int n, const VertexTable& table) {
    // What a depth-first search with SetI1 does: any walk of the component gives every
    // member the same label; a stamp per walk keeps each labelling proportional to the
    // component instead of the graph.
    ++stamp_;
    stack_.clear();
    stack_.push_back(start);
    stamps_[start] = stamp_;
    while (!stack_.empty()) {
        const std::uint32_t v = stack_.back();
        stack_.pop_back();
        *labels_[v] = n;
        for (std::uint32_t w : table.neighbours(v))
            if (stamps_[w] != stamp_) {
                stamps_[w] = stamp_;
                stack_.push_back(w);
            }
    }
}

void RadialLayout::completeCentres() {
    graph->updateIncidence();
    VertexTable table(*graph, positions_);
    const std::uint32_t n = table.size();
    labels_ = table.slots<_I1>(i1Index);
    const auto& labels = labels_;
    for (std::int32_t* label : labels) *label = 0;
    stamps_.assign(n, 0);
    stamp_ = 0;

    for (std::size_t j = 0; j < centres.size(); ++j) {
        const std::uint32_t c = centres[j] ? table.position(*centres[j]) : VertexTable::kNone;
        if (c == VertexTable::kNone) throw std::runtime_error("Vertex not found");
        labelComponent(c, static_cast<int>(j + 1), table);
    }

    // Components still unlabelled get centres in the order of their first vertex.
    const int given = static_cast<int>(centres.size());
    for (std::uint32_t u = 0; u < n; ++u) {
        if (*labels[u] != 0) continue;
        labelComponent(u, static_cast<int>(centres.size() + 1), table);
        centres.push_back(&table.vertex(u));
    }
    if (static_cast<int>(centres.size()) == given) return;

    // Distance of every vertex of those components to its nearest leaf: one breadth-first
    // search from all leaves at once gives what a search from each vertex would.
    std::vector<int> distance(n, -1);
    std::deque<std::uint32_t> queue;
    for (std::uint32_t v = 0; v < n; ++v)
        if (*labels[v] > given && IsLeaf::holds(*graph, table.vertex(v))) {
            distance[v] = 0;
            queue.push_back(v);
        }
    while (!queue.empty()) {
        const std::uint32_t v = queue.front();
        queue.pop_front();
        for (std::uint32_t w : table.neighbours(v))
            if (distance[w] < 0) {
                distance[w] = distance[v] + 1;
                queue.push_back(w);
            }
    }
    // The first vertex with the largest distance; a component without a leaf keeps the
    // first vertex found unlabelled.
    std::vector<int> best(centres.size() - given, -1);
    for (std::uint32_t v = 0; v < n; ++v) {
        const int label = *labels[v];
        if (label <= given) continue;
        const std::size_t k = static_cast<std::size_t>(label - given - 1);
        if (distance[v] > best[k]) {
            best[k] = distance[v];
            centres[given + k] = &table.vertex(v);
        }
    }
}

}  // namespace nx
