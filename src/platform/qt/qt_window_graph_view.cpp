// nx::QtWindowGraphView: Qt tools and cursors, and the buffer kept in step with each paint.
#include "platform/qt/qt_window_graph_view.h"

#include "platform/qt/qt_cursor_tools.h"

namespace nx {

QtWindowGraphView::QtWindowGraphView(FormalProperties* vertexFormals, FormalProperties* edgeFormals,
                                     QWidget* cursorWidget)
    : WindowGraphView(vertexFormals, edgeFormals, std::make_unique<QtDrawingTools>(),
                      std::make_unique<QtCursorTools>(cursorWidget)),
      qtTools_(static_cast<QtDrawingTools*>(drawingTools())) {}

void QtWindowGraphView::beginPaint() {
    if (qtTools_->isDrawingToMemory()) qtTools_->syncMemoryViewportOrigin();
}

void QtWindowGraphView::endPaint() {
    qtTools_->endPainting();
}

}  // namespace nx
