// nx::WindowGraphView: background, copy to the screen and repainting the host window.
#include "engine/window_graph_view.h"

#include <cstdlib>

#include "engine/headless_drawing_tools.h"
#include "engine/host_window.h"

namespace nx {

WindowGraphView::WindowGraphView(FormalProperties* vertexFormals, FormalProperties* edgeFormals,
                                 std::unique_ptr<DrawingTools> tools,
                                 std::unique_ptr<CursorTools> cursors)
    : GraphView(vertexFormals, edgeFormals),
      tools_(tools ? std::move(tools) : std::make_unique<HeadlessDrawingTools>()),
      cursors_(cursors ? std::move(cursors) : std::make_unique<HeadlessCursorTools>()) {}

WindowGraphView::~WindowGraphView() = default;

void WindowGraphView::update() {
    synchronize();
    if (host_) host_->invalidate(true);
}

void WindowGraphView::selectionChanged() {
    if (host_) host_->selectionChanged();
}

void WindowGraphView::recordVisibleArea(const Rect& n) {
    setVisibleArea(
        {n.left, n.top},
        static_cast<std::uint64_t>(std::llabs(static_cast<long long>(n.right) - n.left)),
        static_cast<std::uint64_t>(std::llabs(static_cast<long long>(n.bottom) - n.top)));
}

void WindowGraphView::eraseBackground(const Rect& r) {
    const Rect n = r.normalized();
    recordVisibleArea(n);
    tools_->setBrushColor(tools_->getBackgroundColor());
    tools_->fillRectangle(n);
}

void WindowGraphView::copyToScreen(const Rect& r) {
    const Rect n = r.normalized();
    tools_->copyFromMemoryToScreen({n.left, n.top}, {n.left, n.top},
                                   {static_cast<std::uint64_t>(n.right - n.left),
                                    static_cast<std::uint64_t>(n.bottom - n.top)});
}

}  // namespace nx
