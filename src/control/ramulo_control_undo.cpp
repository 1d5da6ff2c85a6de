// RamuloControl: undo, redo and undo groups through the engine's history, the modified flag
// following it.
#include <stdexcept>

#include "control/automation_error.h"
#include "control/ramulo_control.h"

namespace {

template <typename Step>
bool takeStep(Step&& step) {
    try {
        return step();
    } catch (const std::exception& e) {
        throw AutomationError(1, u"Ramulo Control: " + toUtf16(e.what()));
    }
}

}  // namespace

void RamuloControl::afterHistoryStep() {
    modified_ = !engine_.history().isClean();
    Update();
}

void RamuloControl::Undo() {
    if (takeStep([&] { return engine_.Undo(); })) afterHistoryStep();
}

void RamuloControl::Redo() {
    if (takeStep([&] { return engine_.Redo(); })) afterHistoryStep();
}

std::uint32_t RamuloControl::GetUndoLimit() const {
    return static_cast<std::uint32_t>(engine_.history().depth());
}

void RamuloControl::SetUndoLimit(std::uint32_t value) {
    engine_.history().setDepth(value);
}

void RamuloControl::BeginUndoGroup() {
    engine_.BeginUndoGroup();
}

void RamuloControl::EndUndoGroup() {
    if (!engine_.EndUndoGroup())
        throw AutomationError(0x80004005, u"Ramulo Control: EndUndoGroup without an open undo group");
}
