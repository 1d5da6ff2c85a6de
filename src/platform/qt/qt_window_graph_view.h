// nx::QtWindowGraphView: a window's graph view drawing through the Qt drawing tools.
#pragma once

#include <memory>

#include "engine/window_graph_view.h"
#include "platform/qt/qt_drawing_tools.h"

class QWidget;

namespace nx {

// A paint scrolls the memory buffer with the context's viewport origin, and closes the
// tools' painters at its end so the surface can be shown.
class QtWindowGraphView : public WindowGraphView {
public:
    // The cursor widget, when given, is where the view's cursors show.
    QtWindowGraphView(FormalProperties* vertexFormals, FormalProperties* edgeFormals,
                      QWidget* cursorWidget = nullptr);

    void beginPaint() override;
    void endPaint() override;

    QtDrawingTools& qtDrawingTools() { return *qtTools_; }

private:
    QtDrawingTools* qtTools_;  // owned by the base
};

}  // namespace nx
