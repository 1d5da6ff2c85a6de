// CliHostWindow: answers of a host without a user, and views with Qt drawing tools.
#include "cli_host_window.h"

#include <QString>
#include <cstdio>

#include "engine/window_graph_view.h"
#include "platform/qt/qt_window_graph_view.h"

std::uint32_t CliHostWindow::showPopupMenu(const MenuModel&, int, int) {
    return 0;
}

MessageAnswer CliHostWindow::messageBox(const std::u16string& text, const std::u16string& caption,
                                        MessageButtons buttons, MessageIcon) {
    std::fprintf(stderr, "ramulo: %s: %s\n",
                 QString::fromStdU16String(caption).toUtf8().constData(),
                 QString::fromStdU16String(text).toUtf8().constData());
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
}

FileDialogResult CliHostWindow::fileDialog(const FileDialogRequest&) {
    return {};
}

std::unique_ptr<nx::WindowGraphView> CliHostWindow::createGraphView(
    nx::FormalProperties* vertexFormals, nx::FormalProperties* edgeFormals) {
    return std::make_unique<nx::QtWindowGraphView>(vertexFormals, edgeFormals);
}
