// Force-directed iterations: grid-found repulsion pairs, edge attraction, clamped steps.
#include "layouts/force_directed_simulation.h"

#include <algorithm>
#include <cmath>

#include "graph/progress.h"
#include "properties/large_pages.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace nx {

namespace {

// Beyond this magnitude, or for values that are not finite, the grid is not used.
constexpr float kGridCoordinateLimit = 1e9f;
// Cells as wide as the reach: 3 × 3 of them cover more area than 5 × 5 half-reach cells
// (9 reach² against 6.25), but a tree's neighbourhoods are sparse, and three row runs per
// vertex cost less than five (measured on the layout bench).
constexpr std::int64_t kCellsPerReach = 1;
// How many vertices ahead the partners are fetched: a vertex has about five partners, each
// a likely cache miss, so the fetches need several vertices of work to arrive.
constexpr std::uint32_t kAhead = 8;

// Up to this many partners are ranked by counting; more go through std::sort.
constexpr std::size_t kMostRanked = 32;

// Writes the distinct values to out in ascending order; values has room for three more, and
// out for one more after count.
// A vertex has a handful of partners, in a few ascending runs (one per cell) whose
// interleaving no branch predictor guesses: each value's place is the count of smaller
// ones, found without branches.
void sortInto(std::uint32_t* values, std::size_t count, std::uint32_t* out) {
    if (count > kMostRanked) {
        std::sort(values, values + count);
        std::copy(values, values + count, out);
        return;
    }
#if defined(__SSE2__)
    // Ranks four values at once against each value in turn: no horizontal sum is needed.
    // The padding up to a whole group of four is the largest value, which no vertex
    // exceeds: it ranks last, at count, where out has room for it. Unsigned order through
    // the signed comparison: flip the top bits.
    for (std::size_t b = count; b % 4 != 0; ++b) values[b] = UINT32_MAX;
    const __m128i flip = _mm_set1_epi32(INT32_MIN);
    alignas(16) std::int32_t rank[4];
    for (std::size_t a = 0; a < count; a += 4) {
        const __m128i own =
            _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(values + a)), flip);
        __m128i smaller = _mm_setzero_si128();
        for (std::size_t b = 0; b < count; ++b) {
            const __m128i w =
                _mm_xor_si128(_mm_set1_epi32(static_cast<std::int32_t>(values[b])), flip);
            smaller = _mm_sub_epi32(smaller, _mm_cmpgt_epi32(own, w));
        }
        _mm_store_si128(reinterpret_cast<__m128i*>(rank), smaller);
        out[rank[0]] = values[a];
        out[rank[1]] = values[a + 1];
        out[rank[2]] = values[a + 2];
        out[rank[3]] = values[a + 3];
    }
#else
    for (std::size_t a = 0; a < count; ++a) {
        const std::uint32_t v = values[a];
        std::size_t rank = 0;
        for (std::size_t b = 0; b < count; ++b) rank += static_cast<std::size_t>(values[b] < v);
        out[rank] = v;
    }
#endif
}

// Appends to found, from count on, the vertices of slots [begin, end) that the plain loop
// would act on from vertex i at (xi, yi): later ones, coincident or within the cut-off,
// tested with its own arithmetic. Without branches: which slots pass is unpredictable.
// Answers the new count. found has room for one entry per slot and three more; the slot
// arrays carry three slots of padding after their last.
std::size_t keepPartners(const std::uint32_t* vertices, const float* xs, const float* ys,
                         std::size_t begin, std::size_t end, std::uint32_t i, float xi, float yi,
                         float cutoff2, std::uint32_t* found, std::size_t count) {
    std::size_t slot = begin;
#if defined(__SSE2__)
    // Four slots at once; the same single-precision operations, lane by lane.
    const __m128 x4 = _mm_set1_ps(xi), y4 = _mm_set1_ps(yi);
    const __m128 one = _mm_set1_ps(1.0f), reach = _mm_set1_ps(cutoff2);
    // Unsigned order through the signed comparison: flip the top bits.
    const __m128i flip = _mm_set1_epi32(INT32_MIN);
    const __m128i own = _mm_xor_si128(_mm_set1_epi32(static_cast<std::int32_t>(i)), flip);
    // The last group may run past end, into the padding that the slot arrays carry: its
    // extra lanes are masked off.
    const __m128i lane = _mm_set_epi32(3, 2, 1, 0);
    for (; slot < end; slot += 4) {
        const __m128 ux = _mm_sub_ps(_mm_loadu_ps(xs + slot), x4);
        const __m128 uy = _mm_sub_ps(_mm_loadu_ps(ys + slot), y4);
        const __m128 q = _mm_add_ps(_mm_mul_ps(ux, ux), _mm_mul_ps(uy, uy));
        const __m128i j = _mm_loadu_si128(reinterpret_cast<const __m128i*>(vertices + slot));
        const __m128 near = _mm_or_ps(_mm_cmplt_ps(q, one), _mm_cmplt_ps(q, reach));
        const __m128 later = _mm_castsi128_ps(_mm_cmpgt_epi32(_mm_xor_si128(j, flip), own));
        const __m128 inside = _mm_castsi128_ps(
            _mm_cmpgt_epi32(_mm_set1_epi32(static_cast<std::int32_t>(end - slot)), lane));
        const auto keep = static_cast<unsigned>(
            _mm_movemask_ps(_mm_and_ps(_mm_and_ps(near, later), inside)));
        found[count] = vertices[slot];
        count += keep & 1u;
        found[count] = vertices[slot + 1];
        count += (keep >> 1) & 1u;
        found[count] = vertices[slot + 2];
        count += (keep >> 2) & 1u;
        found[count] = vertices[slot + 3];
        count += keep >> 3;
    }
#endif
    for (; slot < end; ++slot) {
        const std::uint32_t j = vertices[slot];
        const float ux = xs[slot] - xi;
        const float uy = ys[slot] - yi;
        const float q = ux * ux + uy * uy;
        found[count] = j;
        count += static_cast<std::size_t>((j > i) & ((q < 1.0f) | (q < cutoff2)));
    }
    return count;
}

}  // namespace

ForceDirectedSimulation::ForceDirectedSimulation(int separation, std::uint32_t seed)
    : k(0.75f * static_cast<float>(separation)),
      k2(k * k),
      cutoff(3.0f * static_cast<float>(separation)),
      cutoff2(cutoff * cutoff),
      jitterScale(static_cast<float>(separation) / 32767.0f),
      jitterOffset(0.5f * static_cast<float>(separation) + 0.1f),
      step(static_cast<float>(separation) / 1000.0f),
      maxStep(static_cast<float>(static_cast<int>(0.5f * static_cast<float>(separation)))),
      random_(seed) {}

void ForceDirectedSimulation::setEdges(std::vector<std::uint32_t> first,
                                       std::vector<std::uint32_t> targets) {
    first_ = std::move(first);
    targets_ = std::move(targets);
}

int ForceDirectedSimulation::run(int maxIterations) {
    const auto n = static_cast<float>(x.size());
    int iterations = 0;
    float sum = 0;
    do {
        sum = iterate();
        ++iterations;
    } while (sum / n > 0.5f && iterations < maxIterations);
    return iterations;
}

float ForceDirectedSimulation::iterate() {
    const auto n = static_cast<std::uint32_t>(x.size());
    // Each vertex's position and force side by side: acting on a partner touches one cache
    // line.
    body_.resize(n);
    for (std::uint32_t i = 0; i < n; ++i) body_[i] = {{x[i], y[i]}, {0.0f, 0.0f}};
    const bool grid = useGrid && buildGrid();
    gridUsed_ = grid;
    if (grid) {
        // Finding the pairs reads positions only, so it runs in cell order, where each
        // vertex's neighbourhood is mostly still in the cache from the one before; the forces
        // then act in vertex order, as the plain loop has them act. Two variants that keep
        // the same bits ran slower on a 100,000-vertex tree: each vertex summing its own
        // force in cell order (every pair worked from both ends, each vertex's edges listed
        // in cell order every iteration: about 1.5 times the time), and pushes worked out
        // while finding the pairs (lists three times the size: about 1.3 times). Memory
        // traffic, not arithmetic, bounds this loop: halving the scan's instructions gained
        // nothing measurable.
        findPairs();
        for (std::uint32_t i = 0; i < n; ++i) {
            // The partners are scattered over memory: ask for those of a vertex a little
            // ahead while this one is worked on. Their lists, in cell order, are as
            // scattered: ask for those twice as far ahead.
            if (i + 2 * kAhead < n) prefetchList(i + 2 * kAhead);
            if (i + kAhead < n) prefetchPartners(i + kAhead);
            repelPairs(i);
            attract(i);
        }
    } else {
        for (std::uint32_t i = 0; i < n; ++i) {
            repelAllPairs(i);
            attract(i);
        }
    }
    float sum = 0.0f;
    for (std::uint32_t i = 0; i < n; ++i) {
        progressStep();
        float mx = step * body_[i].force.x;
        float my = step * body_[i].force.y;
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

void ForceDirectedSimulation::jitter(float& ux, float& uy, float& q) {
    ux = static_cast<float>(random_.next()) * jitterScale - jitterOffset;
    uy = static_cast<float>(random_.next()) * jitterScale - jitterOffset;
    q = ux * ux + uy * uy;
    if (q == 0.0f) q = 1.0f;
}

void ForceDirectedSimulation::repel(std::uint32_t i, std::uint32_t j) {
    float ux = body_[j].at.x - body_[i].at.x;
    float uy = body_[j].at.y - body_[i].at.y;
    float q = ux * ux + uy * uy;
    if (q < 1.0f) jitter(ux, uy, q);
    if (q < cutoff2) {
        const float f = k2 / q;
        body_[i].force.x -= f * ux;
        body_[i].force.y -= f * uy;
        body_[j].force.x += f * ux;
        body_[j].force.y += f * uy;
    }
}

void ForceDirectedSimulation::prefetchList(std::uint32_t i) const {
#if defined(__GNUC__)
    __builtin_prefetch(pairs_.data() + pairStart_[i]);
    if (!first_.empty()) __builtin_prefetch(targets_.data() + first_[i]);
#else
    (void)i;
#endif
}

void ForceDirectedSimulation::prefetchPartners(std::uint32_t i) const {
#if defined(__GNUC__)
    const std::uint32_t* pair = pairs_.data() + pairStart_[i];
    for (std::uint32_t c = 0; c < pairCount_[i]; ++c) __builtin_prefetch(&body_[pair[c]], 1);
    if (!first_.empty())
        for (std::uint32_t e = first_[i]; e < first_[i + 1]; ++e)
            __builtin_prefetch(&body_[targets_[e]], 1);
#else
    (void)i;
#endif
}

// repel() for each of i's pairs, with i's own force kept at hand; a pair that draws
// jitter goes through repel() itself.
void ForceDirectedSimulation::repelPairs(std::uint32_t i) {
    const std::uint32_t* pair = pairs_.data() + pairStart_[i];
    const float xi = body_[i].at.x, yi = body_[i].at.y;
    Pair own = body_[i].force;
    for (std::uint32_t c = 0; c < pairCount_[i]; ++c) {
        const std::uint32_t j = pair[c];
        const float ux = body_[j].at.x - xi;
        const float uy = body_[j].at.y - yi;
        const float q = ux * ux + uy * uy;
        if (q < 1.0f) {
            body_[i].force = own;
            repel(i, j);
            own = body_[i].force;
        } else if (q < cutoff2) {
            const float f = k2 / q;
            own.x -= f * ux;
            own.y -= f * uy;
            body_[j].force.x += f * ux;
            body_[j].force.y += f * uy;
        }
    }
    body_[i].force = own;
}

void ForceDirectedSimulation::attract(std::uint32_t i) {
    if (first_.empty()) return;
    for (std::uint32_t e = first_[i]; e < first_[i + 1]; ++e) {
        const std::uint32_t j = targets_[e];
        float ux = body_[j].at.x - body_[i].at.x;
        float uy = body_[j].at.y - body_[i].at.y;
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
        body_[i].force.x += t * ux;
        body_[i].force.y += t * uy;
        body_[j].force.x -= t * ux;
        body_[j].force.y -= t * uy;
    }
}

void ForceDirectedSimulation::repelAllPairs(std::uint32_t i) {
    const auto n = static_cast<std::uint32_t>(x.size());
    for (std::uint32_t j = i + 1; j < n; ++j) repel(i, j);
}

bool ForceDirectedSimulation::buildGrid() {
    const auto n = static_cast<std::uint32_t>(x.size());
    if (n == 0) return false;
    float minX = x[0], maxX = x[0], minY = y[0], maxY = y[0];
    for (std::uint32_t i = 0; i < n; ++i) {
        if (!(std::fabs(x[i]) <= kGridCoordinateLimit && std::fabs(y[i]) <= kGridCoordinateLimit))
            return false;
        minX = std::min(minX, x[i]);
        maxX = std::max(maxX, x[i]);
        minY = std::min(minY, y[i]);
        maxY = std::max(maxY, y[i]);
    }
    // Cells are 1 / kCellsPerReach of the reach wide. A pair more than kCellsPerReach cells
    // apart on one axis is at least the reach apart there, so its squared distance is at
    // least both 1 (no jitter) and cutoff² (no push). The margin on the cell size covers the
    // rounding of the cell computation.
    const double reach = std::max(static_cast<double>(std::fabs(cutoff)), 1.0);
    cell_ = reach * 1.001 / kCellsPerReach;
    // A product rather than a quotient per vertex: the cells move by a rounding at most,
    // which the margin covers, and the extremes still fall in the last column and row.
    const double perCell = 1.0 / cell_;
    columns_ = static_cast<std::int64_t>((double(maxX) - double(minX)) * perCell) + 1;
    rows_ = static_cast<std::int64_t>((double(maxY) - double(minY)) * perCell) + 1;
    const std::int64_t most = 32 * std::int64_t(n) + 1024;
    if (columns_ > most || rows_ > most || columns_ * rows_ > most) return false;
    const auto cells = static_cast<std::size_t>(columns_ * rows_);
    // The cells grow with the drawing from one step to the next: in large pages, memory
    // taken anew costs a fault per 2 MiB rather than per 4 KiB.
    resizeInLargePages(cellOf_, n);
    assignInLargePages(cellStart_, cells + 1, std::uint32_t{0});
    for (std::uint32_t i = 0; i < n; ++i) {
        const auto col = static_cast<std::int64_t>((double(x[i]) - double(minX)) * perCell);
        const auto row = static_cast<std::int64_t>((double(y[i]) - double(minY)) * perCell);
        cellOf_[i] = static_cast<std::uint32_t>(row * columns_ + col);
        ++cellStart_[cellOf_[i] + 1];
    }
    for (std::size_t c = 0; c < cells; ++c) cellStart_[c + 1] += cellStart_[c];
    // Three slots of padding: the pair search reads whole groups of four.
    resizeInLargePages(cellVertices_, n + 3);
    std::vector<std::uint32_t>& fill = candidates_;
    reserveInLargePages(fill, cells);
    fill.assign(cellStart_.begin(), cellStart_.end() - 1);
    resizeInLargePages(cellX_, n + 3);
    resizeInLargePages(cellY_, n + 3);
    resizeInLargePages(pairStart_, n);
    resizeInLargePages(pairCount_, n);
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint32_t at = fill[cellOf_[i]]++;
        cellVertices_[at] = i;
        cellX_[at] = x[i];
        cellY_[at] = y[i];
    }
    return true;
}

void ForceDirectedSimulation::findPairs() {
    std::size_t used = 0;
    for (std::int64_t row = 0; row < rows_; ++row) {
        const std::int64_t top = std::max<std::int64_t>(row - kCellsPerReach, 0);
        const std::int64_t bottom = std::min(row + kCellsPerReach, rows_ - 1);
        for (std::int64_t col = 0; col < columns_; ++col) {
            const auto cell = static_cast<std::size_t>(row * columns_ + col);
            if (cellStart_[cell] == cellStart_[cell + 1]) continue;
            const std::int64_t left = std::max<std::int64_t>(col - kCellsPerReach, 0);
            const std::int64_t right = std::min(col + kCellsPerReach, columns_ - 1);
            // The neighbouring cells of a row lie next to each other in cell order.
            std::size_t begin[2 * kCellsPerReach + 1], end[2 * kCellsPerReach + 1];
            std::size_t reach = 0, rows = 0;
            for (std::int64_t r = top; r <= bottom; ++r, ++rows) {
                begin[rows] = cellStart_[static_cast<std::size_t>(r * columns_ + left)];
                end[rows] = cellStart_[static_cast<std::size_t>(r * columns_ + right) + 1];
                reach += end[rows] - begin[rows];
            }
            for (std::size_t at = cellStart_[cell]; at < cellStart_[cell + 1]; ++at) {
                const std::uint32_t i = cellVertices_[at];
                const float xi = cellX_[at], yi = cellY_[at];
                if (pairs_.size() < used + reach + 1)
                    resizeInLargePages(pairs_, 2 * (used + reach) + 1);
                // Room for the padding to a whole group of four as well.
                if (candidates_.size() < reach + 4) candidates_.resize(2 * reach + 4);
                std::uint32_t* const found = candidates_.data();
                std::size_t count = 0;
                for (std::size_t k = 0; k < rows; ++k)
                    count = keepPartners(cellVertices_.data(), cellX_.data(), cellY_.data(),
                                         begin[k], end[k], i, xi, yi, cutoff2, found, count);
                sortInto(found, count, pairs_.data() + used);
                pairStart_[i] = used;
                pairCount_[i] = static_cast<std::uint32_t>(count);
                used += count;
            }
        }
    }
}

}  // namespace nx
