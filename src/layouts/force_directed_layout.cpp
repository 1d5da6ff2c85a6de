// The force-directed layout's run: read coordinates, iterate, move to (50, 50), write back.
#include "layouts/force_directed_layout.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "graph/graph.h"
#include "layouts/error_texts.h"
#include "layouts/force_directed_simulation.h"
#include "layouts/layout_range.h"
#include "layouts/vertex_table.h"

namespace nx {

namespace {

// Positions are stored only when every one is a number inside the coordinate range.
void checkPositions(const std::vector<float>& values) {
    constexpr auto limit = static_cast<float>(kCoordinateLimit);
    for (const float v : values) {
        if (std::isnan(v)) throw std::runtime_error(nx::error_texts::kForceDirectedNotNumbers);
        if (!(v >= -limit && v <= limit))
            failBeyondRange("ForceDirectedLayout", "vertices",
                            "vertices nearer to each other may fit");
    }
}

}  // namespace

ForceDirectedLayout::ForceDirectedLayout(GraphView& view) : Layout(view) {}

void ForceDirectedLayout::arrange() {
    if (Separation > 15000) throw std::runtime_error(nx::error_texts::kSeparationTooBig);
    if (!graph || graph->order() == 0) return;
    if (!requirementsMet()) throw std::runtime_error(nx::error_texts::kForceDirectedRequirements);

    ForceDirectedSimulation simulation(Separation, seed);
    k = simulation.k;
    k2 = simulation.k2;
    cutoff = simulation.cutoff;
    cutoff2 = simulation.cutoff2;
    jitterScale = simulation.jitterScale;
    jitterOffset = simulation.jitterOffset;
    simulation.useGrid = useGrid;

    graph->updateIncidence();
    std::vector<std::uint32_t> places;
    const VertexTable table(*graph, places);
    const std::uint32_t n = table.size();
    std::vector<PositionWriter::Slots> slots(n);
    simulation.x.resize(n);
    simulation.y.resize(n);
    std::vector<std::uint32_t> first{0}, targets;
    first.reserve(n + 1);
    for (std::uint32_t i = 0; i < n; ++i) {
        Vertex& vertex = table.vertex(i);
        slots[i] = positions().slots(vertex);
        simulation.x[i] = static_cast<float>(*slots[i].x);
        simulation.y[i] = static_cast<float>(*slots[i].y);
        // Each edge acts once, from its source.
        for (const Edge* edge : graph->incidentEdges(vertex)) {
            if (edge->isLoop() || edge->source->id != vertex.id) continue;
            const std::uint32_t j = table.position(*edge->target);
            if (j == VertexTable::kNone)
                throw std::logic_error(nx::error_texts::kForceDirectedArrange);
            targets.push_back(j);
        }
        first.push_back(static_cast<std::uint32_t>(targets.size()));
    }
    simulation.setEdges(std::move(first), std::move(targets));
    iterations = simulation.run(MaxIterations);

    const float minX = *std::min_element(simulation.x.begin(), simulation.x.end());
    const float minY = *std::min_element(simulation.y.begin(), simulation.y.end());
    const float sx = static_cast<float>(startX) - minX;
    const float sy = static_cast<float>(startY) - minY;
    if (std::fabs(sx) >= 1.0f)
        for (float& value : simulation.x) value += sx;
    if (std::fabs(sy) >= 1.0f)
        for (float& value : simulation.y) value += sy;
    checkPositions(simulation.x);
    checkPositions(simulation.y);
    for (std::uint32_t i = 0; i < n; ++i) {
        *slots[i].x = static_cast<std::int32_t>(simulation.x[i]);
        *slots[i].y = static_cast<std::int32_t>(simulation.y[i]);
    }
}

}  // namespace nx
