// ControlEngine: the layered layout command on the current graph.
#include <exception>

#include "engine/control_engine.h"
#include "engine/edit_recording.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"
#include "graph/progress.h"
#include "layouts/layered_layout.h"

bool ControlEngine::LayeredLayout() {
    if (!space || !graph || !view) return false;
    PositionRecording recording(*this);
    nx::ProgressScope reporting(progress, "Arranging", graph->order() + graph->edgeCount());
    nx::LayeredLayout layout(*view, static_cast<int>(layerSeparation),
                             static_cast<int>(siblingSeparation));
    layout.VertexLimit = layeredLayoutLimit;
    try {
        graph->updateIncidence();
        layout.arrange();
    } catch (const nx::OperationCancelled&) {
        recording.restore();
        throw;
    } catch (const std::exception& e) {
        showLayoutError(e.what());
        return false;
    }
    return true;
}
