// ValueChange: one property value put on an element or the graph, kept as the value it
// does not have now.
#pragma once

#include <memory>

#include "engine/undo_command.h"

namespace nx {
class GraphView;
class Property;
}  // namespace nx

namespace ramulo {

class ValueChange : public UndoCommand {
public:
    // `before` is a clone of target's value before the put; the view, when given, redraws
    // and re-reads its selection after each swap.
    ValueChange(nx::Property& target, std::unique_ptr<nx::Property> before, nx::GraphView* view);
    ~ValueChange() override;

    void undo() override { swapWithTarget(); }
    void redo() override { swapWithTarget(); }
    std::size_t bytes() const override;

private:
    void swapWithTarget();

    nx::Property& target_;
    std::unique_ptr<nx::Property> other_;
    nx::GraphView* view_;
};

}  // namespace ramulo
