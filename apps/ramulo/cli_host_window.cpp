// CliHostWindow: the answers that let a run go on, and views with Qt drawing tools.
#include "cli_host_window.h"

#include "engine/window_graph_view.h"
#include "platform/qt/qt_window_graph_view.h"

ramulo::MessageAnswer CliHostWindow::unattendedAnswer(ramulo::MessageButtons buttons) const {
    return ramulo::proceedingAnswer(buttons);
}

std::unique_ptr<nx::WindowGraphView> CliHostWindow::createGraphView(
    nx::FormalProperties* vertexFormals, nx::FormalProperties* edgeFormals) {
    return std::make_unique<nx::QtWindowGraphView>(vertexFormals, edgeFormals);
}
