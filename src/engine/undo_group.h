// UndoGroup: several recorded changes taken back and made again as one step.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "engine/undo_command.h"

namespace ramulo {

class UndoGroup : public UndoCommand {
public:
    void append(std::unique_ptr<UndoCommand> command);
    // Takes the only change out again (a group of one is kept as that change).
    std::unique_ptr<UndoCommand> release();
    bool empty() const { return commands_.empty(); }
    std::size_t size() const { return commands_.size(); }
    // The last change first, so that each runs in the state it was recorded after.
    void undo() override;
    void redo() override;
    std::size_t bytes() const override;
    bool remembersSlots() const override;

private:
    std::vector<std::unique_ptr<UndoCommand>> commands_;
};

}  // namespace ramulo
