// UndoStack: the document's history of changes with depth and memory limits and a clean mark.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>

#include "engine/undo_command.h"
#include "engine/undo_group.h"

namespace ramulo {

class UndoStack {
public:
    static constexpr std::size_t kDefaultDepth = 100;
    static constexpr std::size_t kDefaultMemory = std::size_t{256} << 20;

    // Appends a done change, dropping whatever could be redone; the oldest steps go while
    // the limits are exceeded (a single step above the memory limit is not kept). With a
    // depth of 0 nothing is recorded.
    // While a group is open the change joins the group instead.
    void push(std::unique_ptr<UndoCommand> command);
    // An open group that holds changes counts as the step to undo, and closing it will
    // drop whatever could be redone.
    bool canUndo() const { return done_ > 0 || openChanges(); }
    bool canRedo() const { return done_ < commands_.size() && !openChanges(); }
    // Each answers whether a step was taken back (made again). An open group is closed
    // first, so that what it holds is the step taken back.
    bool undo();
    bool redo();
    // Forgets every step and any open group; the clean mark is kept only when `clean` says
    // the document now is as it was saved.
    void clear(bool clean);

    // Groups nest: the changes pushed until the outermost group ends become one step (none
    // when nothing changed). endGroup() answers false when no group is open.
    void beginGroup();
    bool endGroup();
    // Ends every open group.
    void closeGroups();
    std::size_t groupDepth() const { return groupDepth_; }

    // The document is as saved now (after a save, a load, a new document).
    void markClean() { clean_ = static_cast<long long>(done_); }
    bool isClean() const {
        return clean_ == static_cast<long long>(done_) && (!group_ || group_->empty());
    }
    // A change outside the history: no step leads back to the saved state any more.
    void forgetClean() { clean_ = -1; }

    std::size_t depth() const { return depth_; }
    void setDepth(std::size_t depth);
    std::size_t memoryLimit() const { return memoryLimit_; }
    void setMemoryLimit(std::size_t bytes);

    std::size_t size() const { return commands_.size(); }
    std::size_t undoCount() const { return done_; }
    std::size_t bytes() const { return bytes_; }
    // Whether any kept step remembers map slots.
    bool remembersSlots() const {
        return slotKeepers_ > 0 || (group_ && group_->remembersSlots());
    }

private:
    void dropOldest();
    void dropNewest();
    void trim();
    bool openChanges() const { return group_ && !group_->empty(); }
    void append(std::unique_ptr<UndoCommand> command);

    std::deque<std::unique_ptr<UndoCommand>> commands_;
    std::size_t done_ = 0;  // commands_[0, done_) are done, the rest undone
    long long clean_ = 0;   // done_ when the document was as saved; -1 when out of reach
    std::size_t depth_ = kDefaultDepth;
    std::size_t memoryLimit_ = kDefaultMemory;
    std::size_t bytes_ = 0;
    std::size_t slotKeepers_ = 0;
    std::size_t groupDepth_ = 0;
    std::unique_ptr<UndoGroup> group_;  // the open group's changes so far
};

}  // namespace ramulo
