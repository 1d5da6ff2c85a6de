// ControlEngine: taking steps of the history back and making them again.
#include "engine/edit_recording.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"

void ControlEngine::afterHistoryChange() {
    const bool keep = history.remembersSlots();
    if (graph) graph->keepSlots(keep);
    if (view) view->keepSlots(keep);
    if (gesture_ && view) gesture_ = std::make_unique<PositionSnapshot>(*view);
}

bool ControlEngine::Undo() {
    if (!history.canUndo()) return false;
    if (view) view->abandonConnect();
    if (!history.undo()) return false;
    forgetStaleCurrentElements();
    afterHistoryChange();
    return true;
}

bool ControlEngine::Redo() {
    if (!history.canRedo()) return false;
    if (view) view->abandonConnect();
    if (!history.redo()) return false;
    forgetStaleCurrentElements();
    afterHistoryChange();
    return true;
}

bool ControlEngine::EndUndoGroup() {
    if (!history.endGroup()) return false;
    afterHistoryChange();
    return true;
}
