// nx::ForceDirectedLayout: improves the present drawing of any graph by simulated forces.
#pragma once

#include <cstdint>

#include "layouts/layout.h"

namespace nx {

class ForceDirectedLayout : public Layout {
public:
    explicit ForceDirectedLayout(GraphView& view);

    // Moves every vertex; throws std::runtime_error for a separation above 15000, missing
    // coordinates, or positions that are not numbers or lie beyond the coordinate range
    // (then none is stored). The caller brings the incidence lists up to date.
    void arrange() override;

    int Separation = 80;
    int MaxIterations = 100;
    // Derived from the separation at the start of each run.
    float k = 0, k2 = 0, cutoff = 0, cutoff2 = 0, jitterScale = 0, jitterOffset = 0;
    // Seed of the jitter for coincident vertices; every run starts from it.
    std::uint32_t seed = 1;
    // False: every later vertex is tested for repulsion instead of the grid's neighbours.
    bool useGrid = true;
    // Iterations of the last run.
    int iterations = 0;
};

}  // namespace nx
