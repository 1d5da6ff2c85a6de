// PositionChange: snapshots, the difference they leave, and swapping values with the view.
#include "engine/position_change.h"

#include "graph/graph.h"
#include "properties/formal_properties.h"
#include "views/graph_view.h"

namespace ramulo {

std::vector<nx::ActualProperties*> graphVertexValues(const nx::GraphView& view) {
    std::vector<nx::ActualProperties*> sets;
    nx::Graph* graph = view.graph();  // the view's graph, not a part of the view
    if (!graph) return sets;
    sets.reserve(view.vertexSequence().size());
    const auto members = graph->vertexMembers();
    auto member = members.begin();
    for (const nx::VertexViewEntry e : view.vertexSequence()) {
        // The drawing order mostly is the graph's: the next member is then this entry's.
        const bool next = member != members.end() && (*member).key == e.vertex;
        nx::VertexEntry* entry = next ? &(*member).value : members.find(e.vertex);
        sets.push_back(entry ? entry->properties.get() : nullptr);
        if (member != members.end()) ++member;
    }
    return sets;
}

std::vector<nx::ActualProperties*> graphEdgeValues(const nx::GraphView& view) {
    std::vector<nx::ActualProperties*> sets;
    nx::Graph* graph = view.graph();  // the view's graph, not a part of the view
    // Sets follow the schema: with none, no edge has a value to keep, and walking a
    // million edges for nothing is most of what a layout's snapshot costs.
    if (!graph || !graph->edgeSchema() || graph->edgeSchema()->size() == 0) return sets;
    sets.reserve(graph->edgeCount());
    for (const auto& [edge, values] : graph->edgeMembers()) sets.push_back(values.get());
    return sets;
}

PositionSnapshot::PositionSnapshot(const nx::GraphView& view) : view_(&view) {
    vertexValues_.capture(graphVertexValues(view));
    edgeValues_.capture(graphEdgeValues(view));
    const auto& sequence = view.vertexSequence();
    coordinates_.resize(sequence.size() * 2);
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        coordinates_[2 * i] = view.getX(sequence[i].vertex, sequence[i].properties.get());
        coordinates_[2 * i + 1] = view.getY(sequence[i].vertex, sequence[i].properties.get());
    }
}

PositionChange::PositionChange(nx::GraphView& view, std::vector<std::uint32_t> places,
                               std::vector<std::int32_t> coordinates)
    : view_(view), places_(std::move(places)), coordinates_(std::move(coordinates)) {}

std::unique_ptr<PositionChange> PositionChange::since(PositionSnapshot&& before,
                                                     nx::GraphView& view) {
    const auto& sequence = view.vertexSequence();
    if (&before.view() != &view || before.count() != sequence.size()) return nullptr;
    std::vector<std::int32_t>& old = before.coordinates();
    std::vector<std::uint32_t> places;
    for (std::size_t i = 0; i < sequence.size(); ++i) {
        if (view.getX(sequence[i].vertex, sequence[i].properties.get()) != old[2 * i] ||
            view.getY(sequence[i].vertex, sequence[i].properties.get()) != old[2 * i + 1])
            places.push_back(static_cast<std::uint32_t>(i));
    }
    const bool vertexValuesChanged = before.vertexValues().keepChanged(graphVertexValues(view));
    const bool edgeValuesChanged = before.edgeValues().keepChanged(graphEdgeValues(view));
    if (places.empty() && !vertexValuesChanged && !edgeValuesChanged) return nullptr;
    std::unique_ptr<PositionChange> change;
    // A place costs 4 bytes more than a dense entry: keep all once a third of them moved.
    if (places.size() * 3 >= sequence.size()) {
        old.shrink_to_fit();
        change.reset(new PositionChange(view, {}, std::move(old)));
    } else {
        std::vector<std::int32_t> kept;
        kept.reserve(places.size() * 2);
        for (std::uint32_t i : places) {
            kept.push_back(old[2 * i]);
            kept.push_back(old[2 * i + 1]);
        }
        // No place at all keeps no coordinate (an empty list would mean all of them).
        if (places.empty()) places.push_back(static_cast<std::uint32_t>(sequence.size()));
        change.reset(new PositionChange(view, std::move(places), std::move(kept)));
    }
    change->vertexValues_ = std::move(before.vertexValues());
    change->edgeValues_ = std::move(before.edgeValues());
    return change;
}

void PositionChange::swapWithView() {
    const auto& sequence = view_.vertexSequence();
    const std::size_t count = coordinates_.size() / 2;
    for (std::size_t k = 0; k < count; ++k) {
        const std::size_t i = places_.empty() ? k : places_[k];
        if (i >= sequence.size()) continue;
        const nx::VertexViewEntry e = sequence[i];
        const int x = view_.getX(e.vertex, e.properties);
        const int y = view_.getY(e.vertex, e.properties);
        view_.setX(e.vertex, e.properties, coordinates_[2 * k]);
        view_.setY(e.vertex, e.properties, coordinates_[2 * k + 1]);
        coordinates_[2 * k] = x;
        coordinates_[2 * k + 1] = y;
    }
    view_.writeValues([&] {  // the graph-level values are swapped wholesale
        vertexValues_.swapWith(graphVertexValues(view_));
        edgeValues_.swapWith(graphEdgeValues(view_));
    });
}

std::size_t PositionChange::bytes() const {
    return sizeof(*this) + places_.capacity() * sizeof(std::uint32_t) +
           coordinates_.capacity() * sizeof(std::int32_t) + vertexValues_.bytes() +
           edgeValues_.bytes();
}

}  // namespace ramulo
