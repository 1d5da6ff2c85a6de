// PositionChange: the vertex coordinates a layout, transform or drag changed, kept as the
// values they do not have now (all of them densely, or the few that moved with their places),
// with the graph's working values (visited flags, layout numbers) that changed along.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/undo_command.h"
#include "engine/value_columns.h"

namespace nx {
class ActualProperties;
class GraphView;
}

namespace ramulo {

// The graph-level value sets of the view's vertices (drawing order) and of its graph's
// edges (graph order; none when the graph's edge schema is empty).
std::vector<nx::ActualProperties*> graphVertexValues(const nx::GraphView& view);
std::vector<nx::ActualProperties*> graphEdgeValues(const nx::GraphView& view);

// Every vertex's X and Y in drawing order, taken before a change.
class PositionSnapshot {
public:
    explicit PositionSnapshot(const nx::GraphView& view);
    const nx::GraphView& view() const { return *view_; }
    std::size_t count() const { return coordinates_.size() / 2; }
    std::vector<std::int32_t>& coordinates() { return coordinates_; }
    ValueColumns& vertexValues() { return vertexValues_; }
    ValueColumns& edgeValues() { return edgeValues_; }

private:
    const nx::GraphView* view_;
    std::vector<std::int32_t> coordinates_;  // x0, y0, x1, y1, ...
    ValueColumns vertexValues_, edgeValues_;
};

class PositionChange : public UndoCommand {
public:
    // The change since the snapshot was taken of the same view; null when nothing moved or
    // the drawing order no longer matches the snapshot.
    static std::unique_ptr<PositionChange> since(PositionSnapshot&& before, nx::GraphView& view);

    void undo() override { swapWithView(); }
    void redo() override { swapWithView(); }
    std::size_t bytes() const override;
    // Whether every vertex is kept (a layout) rather than the few that moved.
    bool dense() const { return places_.empty(); }

private:
    PositionChange(nx::GraphView& view, std::vector<std::uint32_t> places,
                   std::vector<std::int32_t> coordinates);
    void swapWithView();

    nx::GraphView& view_;
    ValueColumns vertexValues_, edgeValues_;
    std::vector<std::uint32_t> places_;      // drawing-order positions; empty: all of them
    std::vector<std::int32_t> coordinates_;  // x, y per kept vertex
};

}  // namespace ramulo
