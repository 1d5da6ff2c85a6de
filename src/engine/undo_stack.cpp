// UndoStack: pushing, trimming to the limits, undoing and redoing.
#include "engine/undo_stack.h"

namespace ramulo {

void UndoStack::dropOldest() {
    bytes_ -= commands_.front()->bytes();
    if (commands_.front()->remembersSlots()) --slotKeepers_;
    commands_.pop_front();
    --done_;
    // The saved state lay before the dropped step: no undo reaches it any more.
    clean_ = clean_ > 0 ? clean_ - 1 : -1;
}

void UndoStack::dropNewest() {
    bytes_ -= commands_.back()->bytes();
    if (commands_.back()->remembersSlots()) --slotKeepers_;
    commands_.pop_back();
    if (clean_ > static_cast<long long>(commands_.size())) clean_ = -1;
}

void UndoStack::trim() {
    while (done_ > 0 && (commands_.size() > depth_ || bytes_ > memoryLimit_)) dropOldest();
}

void UndoStack::push(std::unique_ptr<UndoCommand> command) {
    if (group_ && depth_ > 0) {
        group_->append(std::move(command));
        return;
    }
    append(std::move(command));
}

void UndoStack::append(std::unique_ptr<UndoCommand> command) {
    while (commands_.size() > done_) dropNewest();
    if (clean_ > static_cast<long long>(done_)) clean_ = -1;  // the saved state was undone
    if (depth_ == 0) {
        clean_ = -1;  // a change no undo can take back
        return;
    }
    bytes_ += command->bytes();
    if (command->remembersSlots()) ++slotKeepers_;
    commands_.push_back(std::move(command));
    ++done_;
    trim();
}

void UndoStack::beginGroup() {
    if (groupDepth_++ == 0) group_ = std::make_unique<UndoGroup>();
}

bool UndoStack::endGroup() {
    if (groupDepth_ == 0) return false;
    if (--groupDepth_ > 0) return true;
    std::unique_ptr<UndoGroup> group = std::move(group_);
    if (group->size() == 1 || group->empty()) {
        // One change needs no wrapper; none leaves the history as it was.
        if (!group->empty()) append(group->release());
    } else {
        append(std::move(group));
    }
    return true;
}

void UndoStack::closeGroups() {
    if (groupDepth_ == 0) return;
    groupDepth_ = 1;
    endGroup();
}

bool UndoStack::undo() {
    closeGroups();
    if (!canUndo()) return false;
    UndoCommand& command = *commands_[done_ - 1];
    const std::size_t before = command.bytes();
    command.undo();
    --done_;
    bytes_ = bytes_ - before + command.bytes();
    return true;
}

bool UndoStack::redo() {
    closeGroups();
    if (!canRedo()) return false;
    UndoCommand& command = *commands_[done_];
    const std::size_t before = command.bytes();
    command.redo();
    ++done_;
    bytes_ = bytes_ - before + command.bytes();
    return true;
}

void UndoStack::clear(bool clean) {
    group_.reset();
    groupDepth_ = 0;
    while (!commands_.empty()) dropNewest();
    done_ = 0;
    bytes_ = 0;
    clean_ = clean ? 0 : -1;
}

void UndoStack::setDepth(std::size_t depth) {
    depth_ = depth;
    if (depth_ == 0) {
        const bool clean = isClean();
        clear(clean);
        return;
    }
    trim();
    // Steps that could be redone go too when the limit leaves no room for them.
    while (commands_.size() > depth_) dropNewest();
}

void UndoStack::setMemoryLimit(std::size_t bytes) {
    memoryLimit_ = bytes;
    trim();
    while (bytes_ > memoryLimit_ && commands_.size() > done_) dropNewest();
}

}  // namespace ramulo
