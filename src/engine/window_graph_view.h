// nx::WindowGraphView: the graph view of a document shown in a host window, which it repaints.
#pragma once

#include <memory>

#include "views/cursor_tools.h"
#include "views/drawing_tools.h"
#include "views/graph_view.h"

namespace ramulo {

class HostWindow;

}  // namespace ramulo

namespace nx {

// Owns its drawing and cursor tools. When the observed graph reports a change it follows
// the graph and asks the host window to repaint; without a window nothing is repainted.
class WindowGraphView : public GraphView {
public:
    // Headless tools unless the binding gives its own.
    WindowGraphView(FormalProperties* vertexFormals, FormalProperties* edgeFormals,
                    std::unique_ptr<DrawingTools> tools = nullptr,
                    std::unique_ptr<CursorTools> cursors = nullptr);
    ~WindowGraphView() override;

    void update() override;
    void eraseBackground(const Rect& r) override;
    void copyToScreen(const Rect& r) override;
    DrawingTools* drawingTools() override { return tools_.get(); }
    CursorTools* cursorTools() override { return cursors_.get(); }
    Bitmap* bitmap() override { return nullptr; }

    // Around one paint of the window, after the tools were given the context: a binding
    // may align its buffer with the context here, and let go of the surface afterwards.
    virtual void beginPaint() {}
    virtual void endPaint() {}
    // The host window hears of every change of the selection.
    void selectionChanged() override;

    ramulo::HostWindow* hostWindow() const { return host_; }
    void setHostWindow(ramulo::HostWindow* host) { host_ = host; }

private:
    void recordVisibleArea(const Rect& normalized);

    std::unique_ptr<DrawingTools> tools_;
    std::unique_ptr<CursorTools> cursors_;
    ramulo::HostWindow* host_ = nullptr;
};

}  // namespace nx
