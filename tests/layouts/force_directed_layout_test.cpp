// Force-directed layout: limits, the first step, the final shift, jitter, and the grid
// against a plain all-pairs loop.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <set>
#include <stdexcept>

#include "layouts/error_texts.h"
#include "layouts/force_directed_layout.h"
#include "layouts/force_directed_simulation.h"
#include "layouts/layout_fixture.h"
#include "layouts/random15.h"

namespace nx::test {
namespace {

int runForce(LayoutDocument& d, int separation = 80, int maxIterations = 100) {
    d.graph().updateIncidence();
    ForceDirectedLayout layout(*d.view);
    layout.Separation = separation;
    layout.MaxIterations = maxIterations;
    layout.arrange();
    return layout.iterations;
}

TEST(ForceDirectedLayoutTest, SeparationLimitComesFirst) {
    struct Case {
        int separation;
        std::size_t vertices;
        bool fails;
    };
    for (const Case c :
         {Case{15000, 2, false}, Case{15001, 0, true}, Case{15001, 2, true}, Case{80, 0, false}}) {
        LayoutDocument d(c.vertices);
        if (c.vertices) d.edges({{0, 1}});
        if (c.fails) {
            try {
                runForce(d, c.separation);
                ADD_FAILURE() << "no error";
            } catch (const std::runtime_error& e) {
                EXPECT_STREQ(e.what(), nx::error_texts::kSeparationTooBig);
            }
        } else {
            EXPECT_NO_THROW(runForce(d, c.separation)) << c.separation;
        }
    }
    LayoutDocument missing(2, Level::None);
    try {
        runForce(missing);
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), nx::error_texts::kForceDirectedRequirements);
    }
}

// Two ends at the natural length k = 60: push 60, pull 0, step 0.08: each moves 4.8 away.
TEST(ForceDirectedLayoutTest, FirstStepOfTwoJoinedVertices) {
    ForceDirectedSimulation simulation(80);
    simulation.x = {100, 160};
    simulation.y = {100, 100};
    simulation.setEdges({0, 1, 1}, {1});
    simulation.iterate();
    EXPECT_NEAR(simulation.x[0], 95.2f, 1e-4);
    EXPECT_NEAR(simulation.x[1], 164.8f, 1e-4);
    EXPECT_EQ(simulation.y[0], 100.0f);

    LayoutDocument d(2, Level::Graph);
    d.edges({{0, 1}});
    d.place(0, 100, 100);
    d.place(1, 160, 100);
    EXPECT_EQ(runForce(d, 80, 1), 1);
    EXPECT_EQ(d.at(0), Position(50, 50));
    EXPECT_EQ(d.at(1), Position(50 + int(164.8f - 95.2f), 50));  // 119
}

TEST(ForceDirectedLayoutTest, IterationsStopAtTheLimit) {
    for (int limit : {1, 3}) {
        LayoutDocument d(3);
        d.edges({{0, 1}, {1, 2}});
        d.place(0, 0, 0);
        d.place(1, 1000, 0);
        d.place(2, 2000, 900);
        EXPECT_EQ(runForce(d, 80, limit), limit);
    }
}

// Coincident vertices are pushed apart by random offsets; the drawing ends at (50, 50).
TEST(ForceDirectedLayoutTest, CoincidentVerticesSeparateAndDrawingEndsAtTheStart) {
    LayoutDocument d(6);
    d.edges({{0, 1}, {1, 2}});
    for (std::size_t i = 0; i < 6; ++i) d.place(i, 400, -300);
    runForce(d);
    std::set<Position> distinct;
    int minX = INT_MAX, minY = INT_MAX;
    for (std::size_t i = 0; i < 6; ++i) {
        distinct.insert(d.at(i));
        minX = std::min(minX, d.at(i).first);
        minY = std::min(minY, d.at(i).second);
    }
    EXPECT_EQ(distinct.size(), 6u);
    EXPECT_EQ(minX, 50);
    EXPECT_EQ(minY, 50);
}

// The plain loop: every later vertex for repulsion, then the vertex's out-edges.
struct AllPairsReference {
    std::vector<float> x, y;
    std::vector<std::vector<std::uint32_t>> out;
    int separation;
    Random15 random{1};

    int run(int maxIterations) {
        const float s = float(separation), k = 0.75f * s, k2 = k * k, cutoff = 3.0f * s,
                    cutoff2 = cutoff * cutoff, jitterScale = s / 32767.0f,
                    jitterOffset = 0.5f * s + 0.1f, step = s / 1000.0f,
                    maxStep = float(int(0.5f * s));
        const std::size_t n = x.size();
        auto jitter = [&](float& ux, float& uy, float& q) {
            ux = float(random.next()) * jitterScale - jitterOffset;
            uy = float(random.next()) * jitterScale - jitterOffset;
            q = ux * ux + uy * uy;
            if (q == 0.0f) q = 1.0f;
        };
        int iterations = 0;
        float sum = 0;
        do {
            std::vector<float> dx(n, 0.0f), dy(n, 0.0f);
            for (std::size_t i = 0; i < n; ++i) {
                for (std::size_t j = i + 1; j < n; ++j) {
                    float ux = x[j] - x[i], uy = y[j] - y[i], q = ux * ux + uy * uy;
                    if (q < 1.0f) jitter(ux, uy, q);
                    if (q < cutoff2) {
                        const float f = k2 / q;
                        dx[i] -= f * ux;
                        dy[i] -= f * uy;
                        dx[j] += f * ux;
                        dy[j] += f * uy;
                    }
                }
                for (std::uint32_t j : out[i]) {
                    float ux = x[j] - x[i], uy = y[j] - y[i], q = ux * ux + uy * uy;
                    if (q < 1.0f) jitter(ux, uy, q);
                    const float capped = q > cutoff2 ? cutoff2 : q;
                    const float length = q > cutoff2 ? cutoff : std::sqrt(q);
                    const float t = ((capped - k2) / k) / length;
                    dx[i] += t * ux;
                    dy[i] += t * uy;
                    dx[j] -= t * ux;
                    dy[j] -= t * uy;
                }
            }
            sum = 0.0f;
            for (std::size_t i = 0; i < n; ++i) {
                float mx = step * dx[i], my = step * dy[i];
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
            ++iterations;
        } while (sum / float(n) > 0.5f && iterations < maxIterations);
        return iterations;
    }
};

// Random graphs of a few hundred vertices, spread out or crowded, wide and flat or tall and
// narrow (grids of mostly empty cells, as a tree's drawing gives), with and without
// coincident vertices, and with repeated, opposite and looping edges: the grid gives the
// plain loop's floats bit for bit.
TEST(ForceDirectedLayoutTest, GridMatchesAllPairsBitForBit) {
    struct Case {
        std::uint32_t n;
        float spread;
        bool coincident;
        int separation;
        bool multigraph = false;
        float height = 0;  // of the drawing when not spread (square)
    };
    std::mt19937 random(20261210);
    for (const Case c : {Case{300, 3000, false, 80}, Case{400, 600, true, 80},
                         Case{250, 100, true, 35}, Case{300, 20000, true, 200},
                         Case{300, 600, true, 80, true}, Case{300, 60000, true, 80, false, 400},
                         Case{300, 300, false, 80, true, 60000}}) {
        AllPairsReference reference{
            {}, {}, std::vector<std::vector<std::uint32_t>>(c.n), c.separation};
        std::uniform_real_distribution<float> place(0, c.spread);
        std::uniform_real_distribution<float> placeY(0, c.height > 0 ? c.height : c.spread);
        for (std::uint32_t i = 0; i < c.n; ++i) {
            if (c.coincident && i > 0 && random() % 4 == 0) {
                const std::uint32_t twin = random() % i;
                reference.x.push_back(reference.x[twin]);
                reference.y.push_back(reference.y[twin]);
            } else {
                reference.x.push_back(std::round(place(random)));
                reference.y.push_back(std::round(placeY(random)));
            }
            if (i > 0) reference.out[random() % i].push_back(i);
            if (i > 1 && random() % 5 == 0) reference.out[i].push_back(random() % i);
            if (c.multigraph && i > 1 && random() % 7 == 0) {
                const std::uint32_t j = random() % i;
                reference.out[i].push_back(j);
                reference.out[j].push_back(i);
                reference.out[i].push_back(j);
            }
            if (c.multigraph && random() % 11 == 0) reference.out[i].push_back(i);
        }
        std::vector<std::uint32_t> first{0}, targets;
        for (const auto& list : reference.out) {
            targets.insert(targets.end(), list.begin(), list.end());
            first.push_back(std::uint32_t(targets.size()));
        }
        for (bool grid : {true, false}) {
            ForceDirectedSimulation simulation(c.separation);
            simulation.useGrid = grid;
            simulation.x = reference.x;
            simulation.y = reference.y;
            simulation.setEdges(first, targets);
            const int ran = simulation.run(40);
            EXPECT_EQ(simulation.gridUsed(), grid);
            AllPairsReference plain = reference;
            EXPECT_EQ(ran, plain.run(40));
            EXPECT_EQ(0, std::memcmp(simulation.x.data(), plain.x.data(), c.n * sizeof(float)))
                << c.n << " grid " << grid;
            EXPECT_EQ(0, std::memcmp(simulation.y.data(), plain.y.data(), c.n * sizeof(float)));
        }
    }
}

}  // namespace
}  // namespace nx::test
