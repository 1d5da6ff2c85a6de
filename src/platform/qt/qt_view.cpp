// nx::QtView: background, buffered drawing and the copy to the surface.
#include "platform/qt/qt_view.h"

#include <cstdlib>

namespace nx {

QtView::QtView(FormalProperties* vertexFormals, FormalProperties* edgeFormals,
               QWidget* cursorWidget)
    : GraphView(vertexFormals, edgeFormals),
      tools_(std::make_unique<QtDrawingTools>()),
      cursors_(cursorWidget) {}

QtView::~QtView() = default;

void QtView::recordVisibleArea(const Rect& n) {
    setVisibleArea(
        {n.left, n.top},
        static_cast<std::uint64_t>(std::llabs(static_cast<long long>(n.right) - n.left)),
        static_cast<std::uint64_t>(std::llabs(static_cast<long long>(n.bottom) - n.top)));
}

void QtView::eraseBackground(const Rect& r) {
    const Rect n = r.normalized();
    recordVisibleArea(n);
    tools_->setBrushColor(tools_->getBackgroundColor());
    if (tools_->isDrawingToMemory()) tools_->syncMemoryViewportOrigin();
    tools_->fillRectangle(n);
}

void QtView::draw(const Rect& r) {
    const Rect n = r.normalized();
    recordVisibleArea(n);
    const bool buffered = tools_->isDrawingToMemory();
    if (buffered) tools_->syncMemoryViewportOrigin();
    try {
        GraphView::draw(n);
        if (buffered) copyToScreen(n);
    } catch (...) {
        tools_->endPainting();
        throw;
    }
    tools_->endPainting();
}

void QtView::copyToScreen(const Rect& r) {
    const Rect n = r.normalized();
    tools_->copyFromMemoryToScreen({n.left, n.top}, {n.left, n.top},
                                   {static_cast<std::uint64_t>(n.right - n.left),
                                    static_cast<std::uint64_t>(n.bottom - n.top)});
}

void QtView::setVisibleSize(const Size& size) {
    setVisibleArea(origin(), size.cx, size.cy);
}

}  // namespace nx
