// ControlEngine::Draw: the document on a window (scrolled, background erased) or a printer.
#include <algorithm>

#include "engine/control_engine.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"
#include "views/device_context.h"
#include "views/drawing_tools.h"

namespace ramulo {

namespace {

// Ends the view's paint however the drawing ends.
class PaintScope {
public:
    explicit PaintScope(nx::WindowGraphView& view) : view_(view) { view_.beginPaint(); }
    ~PaintScope() { view_.endPaint(); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

private:
    nx::WindowGraphView& view_;
};

nx::Size sizeOf(const nx::Rect& r) {
    const nx::Rect n = r.normalized();
    return {static_cast<std::uint64_t>(n.right - n.left),
            static_cast<std::uint64_t>(n.bottom - n.top)};
}

float ratio(std::uint64_t pixels, std::uint64_t millimetres) {
    return static_cast<float>(pixels) / static_cast<float>(millimetres);
}

}  // namespace

void ControlEngine::Draw(nx::DeviceContext* dc, const nx::Rect&, const nx::Rect& invalid) {
    if (!graph_ || !view_) return;
    nx::DrawingTools* tools = view_->drawingTools();
    if (!tools) return;
    const bool printing = dc && dc->isPrinting();
    view_->setPrinting(printing);
    tools->fadingLevel = 0;
    tools->fadingRatio = 0.0;
    tools->labelContrast = labelContrast_;

    if (!printing) {
        view_->setScaleX(1.0f);
        view_->setScaleY(1.0f);
        // A buffer sized by the screen is enough for a window; a larger surface (an image
        // of the whole drawing) gets a buffer of its own size, or the drawing is cut.
        const nx::Size wanted = sizeOf(invalid);
        const bool tooSmall = tools->memoryBufferEnabled &&
                              (wanted.cx > tools->bufferWidth || wanted.cy > tools->bufferHeight);
        tools->init(dc, tooSmall ? wanted : nx::Size{0, 0});
        view_->setGraph(graph_);
        graph_->attach(view_.get());
        const nx::Rect area = dc ? dc->deviceToLogical(invalid) : invalid;
        PaintScope paint(*view_);
        view_->eraseBackground(area);
        view_->draw(area);
        // The buffer holds the picture; the window shows it.
        if (tools->isDrawingToMemory()) view_->copyToScreen(area);
        return;
    }

    const nx::Size pixels = dc->pixelSize();
    const nx::Size millimetres = dc->millimetreSize();
    if (millimetres.cy) view_->setScaleY(ratio(pixels.cy, millimetres.cy) / screenScaleY_);
    if (millimetres.cx) view_->setScaleX(ratio(pixels.cx, millimetres.cx) / screenScaleX_);
    nx::Rect area = dc->logicalToDevice(invalid).normalized();
    area.left -= 1;
    area.top -= 1;
    area.right += 1;
    area.bottom += 1;
    tools->init(dc, sizeOf(area));
    const bool wasToMemory = tools->isDrawingToMemory();
    if (wasToMemory) tools->drawToScreen();
    view_->setGraph(graph_);
    graph_->attach(view_.get());
    {
        PaintScope paint(*view_);
        try {
            view_->draw(area);
        } catch (...) {
            if (wasToMemory) tools->drawToMemory();
            throw;
        }
    }
    if (wasToMemory) tools->drawToMemory();
}

}  // namespace ramulo
