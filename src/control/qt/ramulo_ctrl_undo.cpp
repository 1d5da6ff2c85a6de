// CRamuloCtrl: undo and redo as members and as the keys of every editor.
#include <QKeyEvent>
#include <QtGlobal>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <exception>

#include "control/automation_error.h"
#include "control/error_texts.h"
#include "control/qt/ramulo_ctrl.h"

namespace ramulo {

void CRamuloCtrl::Undo() {
    member([&] { control_->Undo(); });
}

void CRamuloCtrl::Redo() {
    member([&] { control_->Redo(); });
}

void CRamuloCtrl::BeginUndoGroup() {
    member([&] { control_->BeginUndoGroup(); });
}

void CRamuloCtrl::EndUndoGroup() {
    member([&] { control_->EndUndoGroup(); });
}

bool CRamuloCtrl::CanUndo() const {
    return control_->CanUndo() != 0;
}

bool CRamuloCtrl::CanRedo() const {
    return control_->CanRedo() != 0;
}

int CRamuloCtrl::undoLimit() const {
    return static_cast<int>(std::min<std::uint32_t>(control_->GetUndoLimit(), INT_MAX));
}

void CRamuloCtrl::setUndoLimit(int limit) {
    member([&] {
        if (limit < 0) throw AutomationError(DISP_E_OVERFLOW, error_texts::kOutOfRange);
        control_->SetUndoLimit(static_cast<std::uint32_t>(limit));
    });
}

bool CRamuloCtrl::undoKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    const bool undo = event->matches(QKeySequence::Undo) ||
                      (mods == Qt::ControlModifier && event->key() == Qt::Key_Z);
    const bool redo =
        event->matches(QKeySequence::Redo) ||
        (mods == (Qt::ControlModifier | Qt::ShiftModifier) && event->key() == Qt::Key_Z) ||
        (mods == Qt::ControlModifier && event->key() == Qt::Key_Y);
    if (!undo && !redo) return false;
    event->accept();
    // The user takes back only where the user may edit; hosts use the members.
    if (!control_->GetEditingEnabled()) return true;
    const bool possible = redo ? CanRedo() : CanUndo();
    if (!possible) return true;
    try {
        if (redo)
            control_->Redo();
        else
            control_->Undo();
    } catch (const std::exception& e) {
        // A key has nobody to hand a failure to.
        qWarning("Ramulo: %s", e.what());
        return true;
    }
    emit DocumentModified();
    viewport()->update();
    return true;
}

}  // namespace ramulo
