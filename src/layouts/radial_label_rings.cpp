// Ring radii for labels: one sweep per ring finds the pairs of labels that would overlap.
#include "layouts/radial_label_rings.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "layouts/layout_range.h"

namespace nx {

namespace {

constexpr double kMargin = 2;
constexpr double kNever = std::numeric_limits<double>::infinity();

// The radius from which two labels at these angles no longer overlap: positions grow
// with the radius while the labels keep their size, so one of the axes separates them
// from some radius on (none when they share the angle).
double apartFrom(const RingMember& a, const RingMember& b) {
    const double dx = std::cos(b.angle) - std::cos(a.angle);
    const double dy = std::sin(b.angle) - std::sin(a.angle);
    double byX = kNever, byY = kNever;
    if (dx > 0) byX = (a.extent.right + b.extent.left + kMargin) / dx;
    if (dx < 0) byX = (b.extent.right + a.extent.left + kMargin) / -dx;
    if (dy > 0) byY = (a.extent.bottom + b.extent.top + kMargin) / dy;
    if (dy < 0) byY = (b.extent.bottom + a.extent.top + kMargin) / -dy;
    return std::min(byX, byY);
}

// The least radius from r on at which no two of the ring's labels overlap. Pairs apart at
// r stay apart at any larger radius, so the pairs that overlap at r decide.
double ringRadius(const std::vector<const RingMember*>& ring, double r) {
    struct Box {
        double left, top, right, bottom;
        const RingMember* member;
    };
    std::vector<Box> boxes;
    boxes.reserve(ring.size());
    for (const RingMember* m : ring) {
        const double x = std::cos(m->angle) * r, y = std::sin(m->angle) * r;
        boxes.push_back({x - m->extent.left, y - m->extent.top, x + m->extent.right,
                         y + m->extent.bottom, m});
    }
    std::sort(boxes.begin(), boxes.end(),
              [](const Box& a, const Box& b) { return a.left < b.left; });
    double needed = r;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size() && boxes[j].left < boxes[i].right + kMargin;
             ++j) {
            const Box &a = boxes[i], &b = boxes[j];
            if (b.top >= a.bottom + kMargin || a.top >= b.bottom + kMargin) continue;
            const double apart = apartFrom(*a.member, *b.member);
            if (std::isfinite(apart)) needed = std::max(needed, apart);
        }
    return std::ceil(needed);
}

// How far a label rectangle reaches from its vertex in any direction.
double reach(const LabelExtent& e) {
    return std::hypot(std::max(e.left, e.right), std::max(e.top, e.bottom));
}

}  // namespace

std::vector<int> labelledRingRadii(const std::vector<RingMember>& members,
                                   const std::function<int(int)>& baseRadius) {
    int deepest = 0;
    for (const RingMember& m : members) deepest = std::max(deepest, m.depth);
    std::vector<std::vector<const RingMember*>> rings(static_cast<std::size_t>(deepest) + 1);
    for (const RingMember& m : members)
        if (m.depth > 0) rings[static_cast<std::size_t>(m.depth)].push_back(&m);
    // Labels of neighbouring rings (the centre's too) lie within their reach of their
    // vertices, and vertices of rings this far apart are at least the difference of the
    // radii apart: rings that far apart cannot make labels meet across them.
    std::vector<double> reaches(rings.size(), 0);
    for (const RingMember& m : members)
        reaches[static_cast<std::size_t>(m.depth)] =
            std::max(reaches[static_cast<std::size_t>(m.depth)], reach(m.extent));
    std::vector<int> radii(rings.size(), 0);
    for (std::size_t d = 1; d < rings.size(); ++d) {
        const int depth = static_cast<int>(d);
        const double gap =
            std::max(0.0, static_cast<double>(baseRadius(depth)) - baseRadius(depth - 1));
        const double clear = radii[d - 1] + reaches[d - 1] + reaches[d] + kMargin;
        const double r = ringRadius(
            rings[d], std::max({static_cast<double>(baseRadius(depth)), radii[d - 1] + gap, clear}));
        if (!(r <= kCoordinateLimit))
            failBeyondRange("RadialLayout", "ring " + std::to_string(d) + " with its labels",
                            "a smaller Separation or shorter labels may fit");
        radii[d] = static_cast<int>(r);
    }
    return radii;
}

}  // namespace nx
