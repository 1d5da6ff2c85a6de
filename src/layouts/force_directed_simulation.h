// nx::ForceDirectedSimulation: the force-directed iterations on plain coordinate arrays.
#pragma once

#include <cstdint>
#include <vector>

#include "layouts/random15.h"

namespace nx {

// Single-precision repulsion within a cut-off, attraction along edges, a bounded step per
// iteration. Repulsion pairs come from a uniform grid whose cells are as wide as the
// cut-off; each vertex meets its neighbours in ascending order, as the plain loop over all
// later vertices would, so every floating-point operation and every random draw happens in
// the same order and the coordinates are bit-identical to that loop.
class ForceDirectedSimulation {
public:
    explicit ForceDirectedSimulation(int separation, std::uint32_t seed = 1);

    // Out-edges per vertex (source position to target positions), in incidence order.
    void setEdges(std::vector<std::uint32_t> first, std::vector<std::uint32_t> targets);
    // Runs at least one and at most maxIterations iterations; answers how many ran.
    int run(int maxIterations);
    // One iteration; answers the sum of the step lengths.
    float iterate();

    // Whether the last iteration found its pairs with the grid.
    bool gridUsed() const { return gridUsed_; }

    std::vector<float> x, y;
    // False: every later vertex is tested for repulsion, as in the plain loop.
    bool useGrid = true;

    const float k, k2, cutoff, cutoff2, jitterScale, jitterOffset, step, maxStep;

private:
    void repel(std::uint32_t i, std::uint32_t j);
    void repelPairs(std::uint32_t i);
    // Asks for the cache lines of vertex i's partner list and edge targets.
    void prefetchList(std::uint32_t i) const;
    void prefetchPartners(std::uint32_t i) const;
    void attract(std::uint32_t i);
    void jitter(float& ux, float& uy, float& q);
    // Fills the grid; false when the coordinates are too spread out for one.
    bool buildGrid();
    void repelAllPairs(std::uint32_t i);
    // Every vertex's repulsion partners: the later vertices within reach, ascending.
    void findPairs();

    struct Pair {
        float x, y;
    };
    struct Body {
        Pair at, force;
    };
    std::vector<Body> body_;
    std::vector<std::uint32_t> first_, targets_;
    Random15 random_;
    bool gridUsed_ = false;

    // Grid: cell of each vertex, and the vertices of each cell in ascending order.
    double cell_ = 1.0;
    std::int64_t columns_ = 0, rows_ = 0;
    std::vector<std::uint32_t> cellOf_, cellStart_, cellVertices_, candidates_;
    std::vector<float> cellX_, cellY_;  // coordinates in cell order, for the scan
    std::vector<std::uint32_t> pairs_, pairCount_;  // partners per vertex, in cell order
    std::vector<std::size_t> pairStart_;
};

}  // namespace nx
