// The radial layout's run: centres, spanning trees, ring radii and components side by side.
#include "layouts/radial_layout.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <deque>
#include <stdexcept>
#include <string>
#include <utility>

#include "graph/error_texts.h"
#include "graph/graph.h"
#include "graph/subgraph.h"
#include "layouts/error_texts.h"
#include "layouts/is_leaf.h"
#include "layouts/layout_range.h"
#include "layouts/radial_label_rings.h"
#include "layouts/radial_layout_visitor.h"
#include "layouts/vertex_table.h"
#include "properties/named_properties.h"
#include "traversal/graph_walks.h"

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
      v1Index(graphIndex(graph, AuxFlag1())),
      i1Index(graphIndex(graph, AuxInt1())),
      i2Index(graphIndex(graph, AuxInt2())),
      r1Index(graphIndex(graph, AuxReal1())),
      r2Index(graphIndex(graph, AuxReal2())) {}

bool RadialLayout::requirementsMet() {
    return Layout::requirementsMet() && v1Index != kNoIndex && i1Index != kNoIndex &&
           i2Index != kNoIndex && r1Index != kNoIndex && r2Index != kNoIndex;
}

namespace {

constexpr const char* kLayoutName = "RadialLayout";
constexpr const char* kAdvice = "a smaller Separation or DampingCoefficient may fit";
// Labels reach no further than this, so that positions and label edges stay in 64 bits.
constexpr int kLongestLabel = 1 << 24;

// Ring radii, grown as deeper rings are asked for. Distances are kept as the whole
// numbers the int arithmetic of the rings gives, but in double, so that a ring beyond the
// coordinate range is found before anything is converted to int.
class Rings {
public:
    Rings(int separation, double damping) : distance_(separation), damping_(damping) {}

    int radius(int depth) {
        if (depth <= 0) return 0;
        while (radii_.size() <= static_cast<std::size_t>(depth)) {
            const double r = radii_.back() + distance_;
            if (!std::isfinite(r) || std::fabs(r) > kCoordinateLimit)
                failBeyondRange(kLayoutName, "ring " + std::to_string(radii_.size()), kAdvice);
            radii_.push_back(static_cast<int>(r));
            distance_ = std::trunc(distance_ * damping_);
        }
        return radii_[depth];
    }

private:
    std::vector<int> radii_{0};
    double distance_;
    double damping_;
};

// One vertex laid out but not yet stored: its working values, where they go, and its
// position, already moved to its tree's place.
struct Placed {
    ActualProperties* values;  // graph level
    PositionWriter::Slots xy;  // null when neither level has coordinates
    double wedge, angle;
    std::int32_t leaves, depth, px, py;
    bool visited;
};

// The vertices' _I1 labels and _V1 flags, which labelling the components and building the
// spanning trees overwrite before the positions are known; put back when a run fails, so
// that a refused layout changes nothing.
class SavedMarks {
public:
    SavedMarks(Graph& graph, std::size_t i1Index, std::size_t v1Index) {
        marks_.reserve(graph.order());
        for (const auto& [vertex, entry] : graph.vertexMembers()) {
            std::int32_t* label = &static_cast<AuxInt1&>(entry.properties->at(i1Index)).value;
            bool* flag = &static_cast<AuxFlag1&>(entry.properties->at(v1Index)).value;
            marks_.push_back({label, *label, flag, *flag});
        }
    }
    void restore() const {
        for (const Mark& m : marks_) {
            *m.label = m.labelValue;
            *m.flag = m.flagValue;
        }
    }

private:
    struct Mark {
        std::int32_t* label;
        std::int32_t labelValue;
        bool* flag;
        bool flagValue;
    };
    std::vector<Mark> marks_;
};

}  // namespace

int RadialLayout::ringRadius(int d) const {
    return Rings(Separation, DampingCoefficient).radius(d);
}

void RadialLayout::arrange() {
    if (!graph || graph->order() == 0) return;
    if (!requirementsMet()) throw std::runtime_error(nx::error_texts::kRadialRequirements);
    if (!std::isfinite(DampingCoefficient))
        throw std::runtime_error(nx::error_texts::kDampingNotFinite);

    // Every tree is placed before anything is stored: a layout that does not fit the
    // coordinate range fails without a change.
    const SavedMarks marks(*graph, i1Index, v1Index);
    std::vector<Placed> placed;
    try {
        completeCentres();
        nx::buildSpanningTrees(*graph, centres);
        placed.reserve(graph->order());
        std::int64_t x0 = startX;
        const std::int64_t y0 = startY;
        Rings rings(Separation, DampingCoefficient);
        std::vector<int> xs, ys;
        std::vector<LabelExtent> extents;
        std::vector<RingMember> members;
        std::vector<int> radii;
        const auto& trees = graph->spanningTrees();
        for (std::size_t i = 0; i < trees.size() && i < centres.size(); ++i) {
            SpanningTree& tree = *trees[i];
            tree.updateIncidence();
            RadialLayoutVisitor visitor(tree, *this, positions_);
            for (int pass = 1; pass <= 3; ++pass) {
                visitor.setPass(pass);
                visitor.visit(*centres[i]);
            }
            const VertexTable& table = visitor.table();
            const std::uint32_t n = table.size();
            if (n == 0) continue;
            xs.resize(n);
            ys.resize(n);
            // Labels counted: the rings grow for them, and the component's box holds them.
            extents.assign(labelExtent ? n : 0, LabelExtent{});
            if (labelExtent) {
                members.clear();
                for (std::uint32_t v = 0; v < n; ++v) {
                    const LabelExtent e = labelExtent(table.vertex(v));
                    extents[v] = {std::clamp(e.left, 0, kLongestLabel),
                                  std::clamp(e.top, 0, kLongestLabel),
                                  std::clamp(e.right, 0, kLongestLabel),
                                  std::clamp(e.bottom, 0, kLongestLabel)};
                    members.push_back({visitor.depthOf(v), visitor.angleOf(v), extents[v]});
                }
                radii = labelledRingRadii(members, [&rings](int d) { return rings.radius(d); });
            }
            std::int64_t minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
            for (std::uint32_t v = 0; v < n; ++v) {
                const int d = visitor.depthOf(v);
                const int r = labelExtent ? radii[static_cast<std::size_t>(d)] : rings.radius(d);
                xs[v] = static_cast<int>(std::cos(visitor.angleOf(v)) * r);
                ys[v] = static_cast<int>(std::sin(visitor.angleOf(v)) * r);
                const LabelExtent e = labelExtent ? extents[v] : LabelExtent{};
                minX = std::min<std::int64_t>(minX, std::int64_t{xs[v]} - e.left);
                maxX = std::max<std::int64_t>(maxX, std::int64_t{xs[v]} + e.right);
                minY = std::min<std::int64_t>(minY, std::int64_t{ys[v]} - e.top);
                maxY = std::max<std::int64_t>(maxY, std::int64_t{ys[v]} + e.bottom);
            }
            // Moved so that the tree's box of positions starts at (x0, y0).
            const std::int64_t right = maxX + x0 - minX;
            if (!inCoordinateRange(x0) || !inCoordinateRange(right) || !inCoordinateRange(y0) ||
                !inCoordinateRange(y0 + maxY - minY))
                failBeyondRange(kLayoutName, std::to_string(i + 1) + " components side by side",
                                kAdvice);
            // In the tree's vertex order, as its values are laid out in memory.
            for (std::uint32_t k = 0; k < n; ++k) {
                progressStep();
                const std::uint32_t v = table.atGraphIndex(k);
                Placed& p = placed.emplace_back();
                p.values = &table.valuesAtGraphIndex(k);
                p.xy = positions().slots(table.vertex(v));
                p.wedge = visitor.wedgeOf(v);
                p.angle = visitor.angleOf(v);
                p.leaves = visitor.leavesOf(v);
                p.depth = visitor.depthOf(v);
                p.px = static_cast<int>(xs[v] + (x0 - minX));
                p.py = static_cast<int>(ys[v] + (y0 - minY));
                p.visited = visitor.visitedOf(v);
            }
            x0 = right + 2 * std::int64_t{startX};
        }
    } catch (...) {
        marks.restore();
        throw;
    }

    for (const Placed& p : placed) {
        ActualProperties& values = *p.values;
        static_cast<AuxFlag1&>(values.at(v1Index)).value = p.visited;
        static_cast<AuxInt1&>(values.at(i1Index)).value = p.leaves;
        static_cast<AuxInt2&>(values.at(i2Index)).value = p.depth;
        static_cast<AuxReal1&>(values.at(r1Index)).value = p.wedge;
        static_cast<AuxReal2&>(values.at(r2Index)).value = p.angle;
        if (!p.xy.x) continue;
        *p.xy.x = p.px;
        *p.xy.y = p.py;
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
    labels_ = table.slots<AuxInt1>(i1Index);
    const auto& labels = labels_;
    for (std::int32_t* label : labels) *label = 0;
    stamps_.assign(n, 0);
    stamp_ = 0;

    for (std::size_t j = 0; j < centres.size(); ++j) {
        const std::uint32_t c = centres[j] ? table.position(*centres[j]) : VertexTable::kNone;
        if (c == VertexTable::kNone) throw std::runtime_error(nx::error_texts::kVertexNotFound);
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
