// The force-directed iterations as first written (pairs found per vertex in vertex order),
// kept as the layout bench's baseline.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "layouts/random15.h"

namespace bench {

using nx::Random15;


// Single-precision repulsion within a cut-off, attraction along edges, a bounded step per
// iteration. Repulsion pairs come from a uniform grid whose cells are as wide as the
// cut-off; each vertex meets its neighbours in ascending order, as the plain loop over all
// later vertices would, so every floating-point operation and every random draw happens in
// the same order and the coordinates are bit-identical to that loop.
class FirstForceSimulation {
public:
    explicit FirstForceSimulation(int separation, std::uint32_t seed = 1);

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
    void attract(std::uint32_t i);
    void jitter(float& ux, float& uy, float& q);
    // Fills the grid; false when the coordinates are too spread out for one.
    bool buildGrid();
    void repelAllPairs(std::uint32_t i);
    void repelFromGrid(std::uint32_t i);

    std::vector<float> dx_, dy_;
    std::vector<std::uint32_t> first_, targets_;
    Random15 random_;
    bool gridUsed_ = false;

    // Grid: cell of each vertex, and the vertices of each cell in ascending order.
    double cell_ = 1.0;
    std::int64_t columns_ = 0, rows_ = 0;
    std::vector<std::uint32_t> cellOf_, cellStart_, cellVertices_, candidates_;
    std::vector<float> cellX_, cellY_;  // coordinates in cell order, for the scan
};



namespace first {

// Beyond this magnitude, or for values that are not finite, the grid is not used.
constexpr float kGridCoordinateLimit = 1e9f;
// Smaller cells scan less area around a vertex: 5 × 5 half-reach cells cover 6.25 reach²
// where 3 × 3 whole-reach cells cover 9.
constexpr std::int64_t kCellsPerReach = 2;

}  // namespace first

inline FirstForceSimulation::FirstForceSimulation(int separation, std::uint32_t seed)
    : k(0.75f * static_cast<float>(separation)),
      k2(k * k),
      cutoff(3.0f * static_cast<float>(separation)),
      cutoff2(cutoff * cutoff),
      jitterScale(static_cast<float>(separation) / 32767.0f),
      jitterOffset(0.5f * static_cast<float>(separation) + 0.1f),
      step(static_cast<float>(separation) / 1000.0f),
      maxStep(static_cast<float>(static_cast<int>(0.5f * static_cast<float>(separation)))),
      random_(seed) {}

inline void FirstForceSimulation::setEdges(std::vector<std::uint32_t> first,
                                       std::vector<std::uint32_t> targets) {
    first_ = std::move(first);
    targets_ = std::move(targets);
}

inline int FirstForceSimulation::run(int maxIterations) {
    const auto n = static_cast<float>(x.size());
    int iterations = 0;
    float sum = 0;
    do {
        sum = iterate();
        ++iterations;
    } while (sum / n > 0.5f && iterations < maxIterations);
    return iterations;
}

inline float FirstForceSimulation::iterate() {
    const auto n = static_cast<std::uint32_t>(x.size());
    dx_.assign(n, 0.0f);
    dy_.assign(n, 0.0f);
    const bool grid = useGrid && buildGrid();
    gridUsed_ = grid;
    for (std::uint32_t i = 0; i < n; ++i) {
        if (grid)
            repelFromGrid(i);
        else
            repelAllPairs(i);
        attract(i);
    }
    float sum = 0.0f;
    for (std::uint32_t i = 0; i < n; ++i) {
        float mx = step * dx_[i];
        float my = step * dy_[i];
        if (std::fabs(mx) > maxStep) {
            const float f = maxStep / std::fabs(mx);
            mx *= f;
            my *= f;
        }
        if (std::fabs(my) > maxStep) {
            const float f = maxStep / std::fabs(my);
            mx *= f;
            my *= f;
        }
        x[i] += mx;
        y[i] += my;
        sum += std::sqrt(mx * mx + my * my);
    }
    return sum;
}

inline void FirstForceSimulation::jitter(float& ux, float& uy, float& q) {
    ux = static_cast<float>(random_.next()) * jitterScale - jitterOffset;
    uy = static_cast<float>(random_.next()) * jitterScale - jitterOffset;
    q = ux * ux + uy * uy;
    if (q == 0.0f) q = 1.0f;
}

inline void FirstForceSimulation::repel(std::uint32_t i, std::uint32_t j) {
    float ux = x[j] - x[i];
    float uy = y[j] - y[i];
    float q = ux * ux + uy * uy;
    if (q < 1.0f) jitter(ux, uy, q);
    if (q < cutoff2) {
        const float f = k2 / q;
        dx_[i] -= f * ux;
        dy_[i] -= f * uy;
        dx_[j] += f * ux;
        dy_[j] += f * uy;
    }
}

inline void FirstForceSimulation::attract(std::uint32_t i) {
    if (first_.empty()) return;
    for (std::uint32_t e = first_[i]; e < first_[i + 1]; ++e) {
        const std::uint32_t j = targets_[e];
        float ux = x[j] - x[i];
        float uy = y[j] - y[i];
        float q = ux * ux + uy * uy;
        if (q < 1.0f) jitter(ux, uy, q);
        float capped = q;
        float length = 0.0f;
        if (q > cutoff2) {
            capped = cutoff2;
            length = cutoff;
        } else {
            length = std::sqrt(q);
        }
        const float t = ((capped - k2) / k) / length;
        dx_[i] += t * ux;
        dy_[i] += t * uy;
        dx_[j] -= t * ux;
        dy_[j] -= t * uy;
    }
}

inline void FirstForceSimulation::repelAllPairs(std::uint32_t i) {
    const auto n = static_cast<std::uint32_t>(x.size());
    for (std::uint32_t j = i + 1; j < n; ++j) repel(i, j);
}

inline bool FirstForceSimulation::buildGrid() {
    const auto n = static_cast<std::uint32_t>(x.size());
    if (n == 0) return false;
    float minX = x[0], maxX = x[0], minY = y[0], maxY = y[0];
    for (std::uint32_t i = 0; i < n; ++i) {
        if (!(std::fabs(x[i]) <= first::kGridCoordinateLimit && std::fabs(y[i]) <= first::kGridCoordinateLimit))
            return false;
        minX = std::min(minX, x[i]);
        maxX = std::max(maxX, x[i]);
        minY = std::min(minY, y[i]);
        maxY = std::max(maxY, y[i]);
    }
    // Cells are half the reach wide. A pair more than two cells apart on one axis is at
    // least the reach apart there, so its squared distance is at least both 1 (no jitter)
    // and cutoff² (no push). The margin on the cell size covers the rounding of the cell
    // computation.
    const double reach = std::max(static_cast<double>(std::fabs(cutoff)), 1.0);
    cell_ = reach * 1.001 / first::kCellsPerReach;
    columns_ = static_cast<std::int64_t>((double(maxX) - double(minX)) / cell_) + 1;
    rows_ = static_cast<std::int64_t>((double(maxY) - double(minY)) / cell_) + 1;
    const std::int64_t most = 32 * std::int64_t(n) + 1024;
    if (columns_ > most || rows_ > most || columns_ * rows_ > most) return false;
    const auto cells = static_cast<std::size_t>(columns_ * rows_);
    cellOf_.resize(n);
    cellStart_.assign(cells + 1, 0);
    for (std::uint32_t i = 0; i < n; ++i) {
        const auto col = static_cast<std::int64_t>((double(x[i]) - double(minX)) / cell_);
        const auto row = static_cast<std::int64_t>((double(y[i]) - double(minY)) / cell_);
        cellOf_[i] = static_cast<std::uint32_t>(row * columns_ + col);
        ++cellStart_[cellOf_[i] + 1];
    }
    for (std::size_t c = 0; c < cells; ++c) cellStart_[c + 1] += cellStart_[c];
    cellVertices_.resize(n);
    std::vector<std::uint32_t>& fill = candidates_;
    fill.assign(cellStart_.begin(), cellStart_.end() - 1);
    cellX_.resize(n);
    cellY_.resize(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint32_t at = fill[cellOf_[i]]++;
        cellVertices_[at] = i;
        cellX_[at] = x[i];
        cellY_[at] = y[i];
    }
    return true;
}

inline void FirstForceSimulation::repelFromGrid(std::uint32_t i) {
    const std::int64_t cell = cellOf_[i];
    const std::int64_t row = cell / columns_;
    const std::int64_t col = cell % columns_;
    const std::int64_t left = std::max<std::int64_t>(col - first::kCellsPerReach, 0);
    const std::int64_t right = std::min(col + first::kCellsPerReach, columns_ - 1);
    const float xi = x[i], yi = y[i];
    std::size_t count = 0;
    for (std::int64_t r = std::max<std::int64_t>(row - first::kCellsPerReach, 0);
         r <= std::min(row + first::kCellsPerReach, rows_ - 1); ++r) {
        // The neighbouring cells of a row lie next to each other in cell order.
        const std::size_t begin = cellStart_[static_cast<std::size_t>(r * columns_ + left)];
        const std::size_t end = cellStart_[static_cast<std::size_t>(r * columns_ + right) + 1];
        if (candidates_.size() < count + (end - begin))
            candidates_.resize(2 * (count + end - begin));
        for (std::size_t slot = begin; slot < end; ++slot) {
            // Keep the later vertices the plain loop would act on (coincident, or within
            // the cut-off), tested with its own arithmetic; it passes over the rest.
            // Without branches: which slots pass is unpredictable.
            const std::uint32_t j = cellVertices_[slot];
            const float ux = cellX_[slot] - xi;
            const float uy = cellY_[slot] - yi;
            const float q = ux * ux + uy * uy;
            candidates_[count] = j;
            count += static_cast<std::size_t>((j > i) & ((q < 1.0f) | (q < cutoff2)));
        }
    }
    std::sort(candidates_.begin(), candidates_.begin() + static_cast<std::ptrdiff_t>(count));
    for (std::size_t c = 0; c < count; ++c) repel(i, candidates_[c]);
}

}  // namespace bench
