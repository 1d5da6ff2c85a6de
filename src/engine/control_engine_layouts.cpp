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
#include "layouts/force_directed_layout.h"
#include "layouts/radial_layout.h"
#include "layouts/tree_layout.h"

void ControlEngine::showLayoutError(const std::string& text) {
    std::u16string wide;
    try {
        wide = utf8::utf8to16(text);
    } catch (const std::exception&) {
        wide.assign(text.begin(), text.end());  // not UTF-8: show the bytes as they are
    }
    if (hostWindow)
        hostWindow->messageBox(wide, u"RamuloCtrl Error", MessageButtons::Ok, MessageIcon::Warning);
    else
        std::cerr << "RamuloCtrl Error: " << text << '\n';
}

nx::LabelMeasure ControlEngine::labelMeasure() {
    if (!labelAwareSpacing || !view) return {};
    return nx::drawnLabels(*view);
}

template <typename Arrange>
bool ControlEngine::arrangeShowingFailure(Arrange&& arrange) {
    try {
        arrange();
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
    if (!space || !graph || !view) return false;
    PositionRecording recording(*this);
    nx::TreeLayout layout(*view, static_cast<int>(layerSeparation),
                          static_cast<int>(siblingSeparation), static_cast<int>(subtreeSeparation));
    layout.labelExtent = labelMeasure();
    return arrangeShowingFailure([&] {
        graph->updateIncidence();
        layout.arrange();
    });
}

bool ControlEngine::RadialLayout() {
    if (!space || !graph || !view) return false;
    PositionRecording recording(*this);
    nx::RadialLayout layout(*view, static_cast<int>(radialSeparation), dampingCoefficient);
    layout.labelExtent = labelMeasure();
    return arrangeShowingFailure([&] {
        std::vector<nx::Vertex*> roots;
        graph->findRoots(roots);
        if (!roots.empty()) layout.centres = roots;
        layout.arrange();
    });
}

bool ControlEngine::CenterOfRadialLayout() {
    if (!graph || !view || !currentVertex) return false;
    PositionRecording recording(*this);
    nx::RadialLayout layout(*view, static_cast<int>(radialSeparation), dampingCoefficient);
    layout.labelExtent = labelMeasure();
    layout.centres = {currentVertex};
    layout.arrange();
    return true;
}

bool ControlEngine::ForceDirectedLayout() {
    if (!space || !graph || !view) return false;
    PositionRecording recording(*this);
    nx::ForceDirectedLayout layout(*view);
    layout.Separation = static_cast<int>(forceDirectedSeparation);
    layout.MaxIterations = static_cast<int>(maxIterations);
    return arrangeShowingFailure([&] {
        graph->updateIncidence();
        layout.arrange();
    });
}
