// UndoCommand: one recorded change of the document that can be taken back and made again.
#pragma once

#include <cstddef>

namespace ramulo {

class UndoCommand {
public:
    virtual ~UndoCommand() = default;
    // Each runs only in the state the other left (the stack sees to it).
    virtual void undo() = 0;
    virtual void redo() = 0;
    // Roughly what the command keeps alive, for the stack's memory limit.
    virtual std::size_t bytes() const = 0;
    // True while the command remembers slots of the graph's or view's maps, which must
    // then not be reclaimed.
    virtual bool remembersSlots() const { return false; }
};

}  // namespace ramulo
