// AppearanceChange: the view object one vertex or edge, or the view's default for new ones,
// was drawn with, kept as the one it does not have now.
#pragma once

#include "engine/undo_command.h"
#include "views/view.h"
#include "views/view_ref.h"

namespace nx {
class Edge;
class GraphView;
class Vertex;
}  // namespace nx

namespace ramulo {

class AppearanceChange : public UndoCommand {
public:
    // What the appearance belongs to: a vertex, an edge, or (both null) a default.
    struct Target {
        nx::GraphView* view = nullptr;
        nx::Vertex* vertex = nullptr;
        nx::Edge* edge = nullptr;
        bool edges = false;  // a default: the edges' rather than the vertices'
    };
    // The view object the target has now, null for a default not made yet.
    static nx::View* current(const Target& target);

    // `before` may be null (a default not made yet).
    AppearanceChange(const Target& target, nx::ViewRef<nx::View> before);
    ~AppearanceChange() override;
    AppearanceChange(const AppearanceChange&) = delete;
    AppearanceChange& operator=(const AppearanceChange&) = delete;

    void undo() override { swapWithTarget(); }
    void redo() override { swapWithTarget(); }
    std::size_t bytes() const override { return sizeof(*this) + 64; }

private:
    void swapWithTarget();

    Target target_;
    nx::ViewRef<nx::View> other_;
};

}  // namespace ramulo
