// nx::QtView: the graph view drawn through the Qt drawing tools, cursors and bitmap it owns.
#pragma once

#include <memory>

#include "platform/qt/qt_bitmap.h"
#include "platform/qt/qt_cursor_tools.h"
#include "platform/qt/qt_drawing_tools.h"
#include "views/graph_view.h"

class QWidget;

namespace nx {

// Each paint: init the drawing tools on the surface, eraseBackground, then draw. With a
// memory buffer the drawing goes to the buffer and draw copies the painted rectangle to
// the surface; draw always ends the tools' painters, so the surface can be shown.
class QtView : public GraphView {
public:
    // The cursor widget, when given, is where the view's cursors show.
    QtView(FormalProperties* vertexFormals, FormalProperties* edgeFormals,
           QWidget* cursorWidget = nullptr);
    ~QtView() override;

    // Records the rectangle as the visible area and fills it with the tools' background.
    void eraseBackground(const Rect& r) override;
    void draw(const Rect& r) override;
    // Copies the rectangle from the memory buffer to the same place on the surface.
    void copyToScreen(const Rect& r) override;
    DrawingTools* drawingTools() override { return tools_.get(); }
    CursorTools* cursorTools() override { return &cursors_; }
    Bitmap* bitmap() override { return &bitmap_; }

    virtual void setVisibleSize(const Size& size);

    QtDrawingTools& qtDrawingTools() { return *tools_; }
    QtCursorTools& qtCursorTools() { return cursors_; }

private:
    void recordVisibleArea(const Rect& normalized);

    std::unique_ptr<QtDrawingTools> tools_;
    QtCursorTools cursors_;
    QtBitmap bitmap_;
};

}  // namespace nx
