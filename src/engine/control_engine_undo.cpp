// ControlEngine: taking steps of the history back and making them again.
#include "engine/edit_recording.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"

namespace ramulo {

void ControlEngine::afterHistoryChange() {
    const bool keep = history_.remembersSlots();
    if (graph_) graph_->keepSlots(keep);
    if (view_) view_->keepSlots(keep);
    if (gesture_ && view_) gesture_ = std::make_unique<PositionSnapshot>(*view_);
}

bool ControlEngine::Undo() {
    if (!history_.canUndo()) return false;
    if (view_) view_->abandonConnect();
    if (!history_.undo()) return false;
    forgetStaleCurrentElements();
    afterHistoryChange();
    return true;
}

bool ControlEngine::Redo() {
    if (!history_.canRedo()) return false;
    if (view_) view_->abandonConnect();
    if (!history_.redo()) return false;
    forgetStaleCurrentElements();
    afterHistoryChange();
    return true;
}

bool ControlEngine::EndUndoGroup() {
    if (!history_.endGroup()) return false;
    afterHistoryChange();
    return true;
}

}  // namespace ramulo
