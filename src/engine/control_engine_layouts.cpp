// ControlEngine: the three layout commands on the current graph with the stored parameters.
#include <utf8.h>
#include <exception>
#include <iostream>
#include <vector>

#include "engine/control_engine.h"
#include "engine/edit_recording.h"
#include "engine/host_window.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"
#include "graph/progress.h"
#include "layouts/force_directed_layout.h"
#include "layouts/radial_layout.h"
#include "layouts/tree_layout.h"
#include "traversal/graph_walks.h"

namespace ramulo {

namespace {

// Items each layout reports per vertex (its walks over the tree), for the sink's total.
constexpr std::uint64_t kTreeSteps = 12;
constexpr std::uint64_t kRadialSteps = 7;

}  // namespace

void ControlEngine::showLayoutError(const std::string& text) {
    std::u16string wide;
    try {
        wide = utf8::utf8to16(text);
    } catch (const std::exception&) {
        wide.assign(text.begin(), text.end());  // not UTF-8: show the bytes as they are
    }
    if (hostWindow_)
        hostWindow_->messageBox(wide, u"RamuloCtrl Error", MessageButtons::Ok,
                                MessageIcon::Warning);
    else
        std::cerr << "RamuloCtrl Error: " << text << '\n';
}

nx::LabelMeasure ControlEngine::labelMeasure() {
    if (!labelAwareSpacing_ || !view_) return {};
    return nx::drawnLabels(*view_);
}

bool ControlEngine::arrangeShowingFailure(PositionRecording& recording,
                                          const std::function<void()>& arrange) {
    try {
        arrange();
    } catch (const nx::OperationCancelled&) {
        recording.restore();
        throw;
    } catch (const std::exception& e) {
        showLayoutError(e.what());
        return false;
    } catch (...) {
        showLayoutError("Unknown exception");
        return false;
    }
    return true;
}

bool ControlEngine::HierarchicalLayout() {
    if (!space_ || !graph_ || !view_) return false;
    PositionRecording recording(*this);
    nx::ProgressScope reporting(progress_, "Arranging", kTreeSteps * graph_->order());
    nx::TreeLayout layout(*view_, static_cast<int>(layerSeparation_),
                          static_cast<int>(siblingSeparation_),
                          static_cast<int>(subtreeSeparation_));
    layout.labelExtent = labelMeasure();
    return arrangeShowingFailure(recording, [&] {
        graph_->updateIncidence();
        layout.arrange();
    });
}

bool ControlEngine::RadialLayout() {
    if (!space_ || !graph_ || !view_) return false;
    PositionRecording recording(*this);
    nx::ProgressScope reporting(progress_, "Arranging", kRadialSteps * graph_->order());
    nx::RadialLayout layout(*view_, static_cast<int>(radialSeparation_), dampingCoefficient_);
    layout.labelExtent = labelMeasure();
    return arrangeShowingFailure(recording, [&] {
        std::vector<nx::Vertex*> roots;
        nx::findRoots(*graph_, roots);
        if (!roots.empty()) layout.centres = roots;
        layout.arrange();
    });
}

bool ControlEngine::CenterOfRadialLayout() {
    if (!graph_ || !view_ || !currentVertex_) return false;
    PositionRecording recording(*this);
    nx::ProgressScope reporting(progress_, "Arranging", kRadialSteps * graph_->order());
    nx::RadialLayout layout(*view_, static_cast<int>(radialSeparation_), dampingCoefficient_);
    layout.labelExtent = labelMeasure();
    layout.centres = {currentVertex_};
    try {
        layout.arrange();
    } catch (const nx::OperationCancelled&) {
        recording.restore();
        throw;
    }
    return true;
}

bool ControlEngine::ForceDirectedLayout() {
    if (!space_ || !graph_ || !view_) return false;
    PositionRecording recording(*this);
    nx::ProgressScope reporting(progress_, "Arranging",
                                std::uint64_t{maxIterations_} * graph_->order());
    nx::ForceDirectedLayout layout(*view_);
    layout.Separation = static_cast<int>(forceDirectedSeparation_);
    layout.MaxIterations = static_cast<int>(maxIterations_);
    return arrangeShowingFailure(recording, [&] {
        graph_->updateIncidence();
        layout.arrange();
    });
}

}  // namespace ramulo
