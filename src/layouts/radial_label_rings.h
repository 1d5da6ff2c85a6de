// nx::labelledRingRadii: ring radii of a radial layout wide enough for the labels on each ring.
#pragma once

#include <functional>
#include <vector>

#include "layouts/label_extent.h"

namespace nx {

// One vertex of a component: its ring, its angle and how far its labels reach.
struct RingMember {
    int depth;
    double angle;
    LabelExtent extent;
};

// Radius per depth (index 0 the centre, radius 0): each ring at least baseRadius(d) and at
// least as far beyond the ring inside it as the base rings are apart and as the labels of
// both rings reach (so labels of neighbouring rings never meet), grown until no two
// label rectangles on the ring come nearer than two units (what rounding positions to
// whole units can take away). Fails with std::runtime_error for a ring beyond the
// coordinate range.
std::vector<int> labelledRingRadii(const std::vector<RingMember>& members,
                                   const std::function<int(int)>& baseRadius);

}  // namespace nx
