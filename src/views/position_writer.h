// nx::PositionWriter: the bulk path for writing many vertices' X and Y into a scene.
#pragma once

#include <cstddef>
#include <cstdint>

#include "properties/formal_properties.h"

namespace nx {

class ActualProperties;
class Graph;
class GraphScene;
class Vertex;

// Layouts write millions of coordinates: a writer settles once which level holds them and
// hands out the vertices' X and Y slots to be written directly. It tells the scene that
// everything changed when it is made and again when it goes, so a draw in between (a
// progress callback repainting) never leaves a written slot unnoticed.
//
// The level is the view's when its schema has both X and Y, else the graph's when that has
// both, else none: slots are then null, writes do nothing and reads answer 0. (The scene's
// own setX/setY pick a level per coordinate, for single edits.)
class PositionWriter {
public:
    struct Slots {
        std::int32_t* x = nullptr;
        std::int32_t* y = nullptr;
    };

    explicit PositionWriter(GraphScene& scene);
    ~PositionWriter();
    PositionWriter(const PositionWriter&) = delete;
    PositionWriter& operator=(const PositionWriter&) = delete;

    // True when X and Y are both at view level or both at graph level.
    bool usable() const { return level_ != Level::None; }
    // The vertex's X and Y at the chosen level, with one lookup; both null without a level.
    // Throws std::runtime_error for a vertex without an entry at that level.
    Slots slots(Vertex& vertex) const;
    // The same from the vertex's values at hand, its view entry's (null: none) and its
    // graph-level ones, without a lookup; at view level a missing entry answers null slots.
    Slots slots(ActualProperties* viewValues, ActualProperties& graphValues) const;
    void set(Vertex& vertex, int x, int y);
    int x(Vertex& vertex) const;

private:
    enum class Level { None, View, Graph };
    Slots slotsIn(ActualProperties* values) const;

    GraphScene& scene_;
    Graph* graph_;
    Level level_ = Level::None;
    std::size_t xIndex_ = kNoIndex;
    std::size_t yIndex_ = kNoIndex;
};

}  // namespace nx
