// A graph view with no window: no drawing or cursor tools, nothing erased or copied.
#pragma once

#include "views/graph_view.h"

namespace nx::test {

// For code that reads and writes a view's entries and files but never draws: interaction
// skips its feedback and the layouts read only entries and shapes.
class HeadlessGraphView : public GraphView {
public:
    using GraphView::GraphView;
    void eraseBackground(const Rect&) override {}
    void copyToScreen(const Rect&) override {}
    DrawingTools* drawingTools() override { return nullptr; }
    CursorTools* cursorTools() override { return nullptr; }
    Bitmap* bitmap() override { return nullptr; }
};

}  // namespace nx::test
