// RamuloControl: undo, redo and undo groups through the engine's history, the modified flag
// following it.
#include "control/automation_error.h"
#include "control/error_texts.h"
#include "control/member_guard.h"
#include "control/member_rules.h"
#include "control/ramulo_control.h"

namespace ramulo {

using control_detail::applyRules;
namespace rules = member_rules;

void RamuloControl::afterHistoryStep() {
    modified_ = !engine_.history().isClean();
    Update();
}

void RamuloControl::Undo() {
    if (applyRules(rules::HistoryStep, modified_, [&] { return engine_.Undo(); }))
        afterHistoryStep();
}

void RamuloControl::Redo() {
    if (applyRules(rules::HistoryStep, modified_, [&] { return engine_.Redo(); }))
        afterHistoryStep();
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
    if (!engine_.EndUndoGroup()) throw AutomationError(0x80004005, error_texts::kNoOpenUndoGroup);
}

}  // namespace ramulo
