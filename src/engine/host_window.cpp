// HostWindow: the defaults every host gets unless it supplies its own: a headless graph
// view and the usual desktop system colours.
#include "engine/host_window.h"

#include "engine/window_graph_view.h"

namespace ramulo {

std::unique_ptr<nx::WindowGraphView> HostWindow::createGraphView(
    nx::FormalProperties* vertexFormals, nx::FormalProperties* edgeFormals) {
    return std::make_unique<nx::WindowGraphView>(vertexFormals, edgeFormals);
}

nx::RgbColor defaultSystemColor(int index) {
    static const nx::RgbColor kColors[] = {
        {200, 200, 200}, {0, 0, 0},       {153, 180, 209}, {191, 205, 219}, {240, 240, 240},
        {255, 255, 255}, {100, 100, 100}, {0, 0, 0},       {0, 0, 0},       {0, 0, 0},
        {180, 180, 180}, {244, 247, 252}, {171, 171, 171}, {0, 120, 215},   {255, 255, 255},
        {240, 240, 240}, {160, 160, 160}, {109, 109, 109}, {0, 0, 0},       {0, 0, 0},
        {255, 255, 255}, {105, 105, 105}, {227, 227, 227}, {0, 0, 0},       {255, 255, 225},
        {0, 0, 0},       {0, 102, 204},   {185, 209, 234}, {215, 228, 242}, {51, 153, 255},
        {240, 240, 240},
    };
    constexpr int kCount = static_cast<int>(sizeof kColors / sizeof kColors[0]);
    return index >= 0 && index < kCount ? kColors[index] : nx::RgbColor{0, 0, 0};
}

nx::RgbColor HostWindow::systemColor(int index) {
    return defaultSystemColor(index);
}

}  // namespace ramulo
