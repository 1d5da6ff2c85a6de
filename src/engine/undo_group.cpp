// UndoGroup: the grouped changes in reverse order for undo and in order for redo.
#include "engine/undo_group.h"

namespace ramulo {

void UndoGroup::append(std::unique_ptr<UndoCommand> command) {
    commands_.push_back(std::move(command));
}

std::unique_ptr<UndoCommand> UndoGroup::release() {
    std::unique_ptr<UndoCommand> last = std::move(commands_.back());
    commands_.pop_back();
    return last;
}

void UndoGroup::undo() {
    for (auto it = commands_.rbegin(); it != commands_.rend(); ++it) (*it)->undo();
}

void UndoGroup::redo() {
    for (auto& command : commands_) command->redo();
}

std::size_t UndoGroup::bytes() const {
    std::size_t total = sizeof(*this) + commands_.capacity() * sizeof(commands_[0]);
    for (const auto& command : commands_) total += command->bytes();
    return total;
}

bool UndoGroup::remembersSlots() const {
    for (const auto& command : commands_)
        if (command->remembersSlots()) return true;
    return false;
}

}  // namespace ramulo
