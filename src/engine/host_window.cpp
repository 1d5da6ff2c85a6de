// HostWindow: the headless graph view every host gets unless it supplies its own.
#include "engine/host_window.h"

#include "engine/window_graph_view.h"

std::unique_ptr<nx::WindowGraphView> HostWindow::createGraphView(
    nx::FormalProperties* vertexFormals, nx::FormalProperties* edgeFormals) {
    return std::make_unique<nx::WindowGraphView>(vertexFormals, edgeFormals);
}
