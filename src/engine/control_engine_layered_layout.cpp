// ControlEngine: the layered layout command on the current graph.
#include "engine/control_engine.h"
#include "engine/edit_recording.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"
#include "graph/progress.h"
#include "layouts/layered_layout.h"

namespace ramulo {

bool ControlEngine::LayeredLayout() {
    if (!space_ || !graph_ || !view_) return false;
    PositionRecording recording(*this);
    nx::ProgressScope reporting(progress_, "Arranging", graph_->order() + graph_->edgeCount());
    nx::LayeredLayout layout(*view_, static_cast<int>(layerSeparation_),
                             static_cast<int>(siblingSeparation_));
    layout.VertexLimit = layeredLayoutLimit_;
    return arrangeShowingFailure(recording, [&] {
        graph_->updateIncidence();
        layout.arrange();
    });
}

}  // namespace ramulo
