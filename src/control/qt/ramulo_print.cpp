// printDocument: the printing path per page, with the painter placing each page's part.
#include "control/qt/ramulo_print.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "control/ramulo_control.h"
#include "engine/window_graph_view.h"
#include "platform/qt/qt_device_context.h"
#include "platform/qt/qt_drawing_tools.h"

namespace ramulo {

namespace {

int pagesAlong(int drawing, int page, int overlap) {
    if (drawing <= page || page <= overlap) return 1;
    const int step = page - overlap;
    return 1 + (drawing - page + step - 1) / step;
}

// The engine's printing scale on this printer, computed as the engine does.
float printingScale(std::uint64_t pixels, std::uint64_t millimetres) {
    if (!millimetres) return 1.0f;
    return static_cast<float>(pixels) / static_cast<float>(millimetres);
}

// Where the next tiles begin (dashed) and which page this is, so the pieces can be put
// together; drawn in grey outside the engine's drawing.
void drawTileMarks(QPainter& painter, const PrintPlan& plan, int index) {
    const int column = index % plan.columns;
    const int row = index / plan.columns;
    painter.save();
    QPen pen(QColor(128, 128, 128));
    pen.setStyle(Qt::DashLine);
    pen.setWidth(std::max(1, plan.page.width() / 800));
    painter.setPen(pen);
    const int right = plan.page.width() - plan.overlap;
    const int bottom = plan.page.height() - plan.overlap;
    if (column + 1 < plan.columns) painter.drawLine(right, 0, right, plan.page.height());
    if (row + 1 < plan.rows) painter.drawLine(0, bottom, plan.page.width(), bottom);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(8, plan.page.height() / 120));
    painter.setFont(font);
    painter.drawText(QRect(QPoint(0, 0), plan.page).adjusted(4, 2, -4, -2),
                     Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("%1/%2 (row %3, column %4)")
                         .arg(index + 1)
                         .arg(plan.pageCount())
                         .arg(row + 1)
                         .arg(column + 1));
    painter.restore();
}

}  // namespace

SurfaceScope::SurfaceScope(ControlEngine& engine) : engine_(engine) {
    if (engine.view()) tools_ = dynamic_cast<nx::QtDrawingTools*>(engine.view()->drawingTools());
    if (tools_) {
        buffered_ = tools_->memoryBufferEnabled;
        tools_->deinit();
        tools_->memoryBufferEnabled = false;
    }
}

void SurfaceScope::endDrawing() {
    if (tools_) tools_->deinit();
}

SurfaceScope::~SurfaceScope() {
    if (tools_) {
        tools_->deinit();
        tools_->memoryBufferEnabled = buffered_;
    }
    // The screen's scale again, so extents and hit tests are not the printer's.
    if (engine_.view()) {
        engine_.view()->setPrinting(false);
        engine_.view()->setScale(1.0f, 1.0f);
    }
}

QRect PrintPlan::tile(int index) const {
    const int column = index % columns;
    const int row = index / columns;
    const int stepX = page.width() - overlap;
    const int stepY = page.height() - overlap;
    return {column * stepX, row * stepY, page.width(), page.height()};
}

PrintPlan planPrint(QSize drawing, QSize page, PrintLayout layout, int overlap) {
    PrintPlan plan;
    plan.drawing = drawing;
    plan.page = page;
    if (layout == PrintLayout::FitToPage && drawing.width() > 0 && drawing.height() > 0) {
        plan.shrink = std::min({1.0, double(page.width()) / drawing.width(),
                                double(page.height()) / drawing.height()});
    } else if (layout == PrintLayout::Tiled) {
        plan.overlap = std::clamp(overlap, 0, std::min(page.width(), page.height()) / 4);
        plan.columns = pagesAlong(drawing.width(), page.width(), plan.overlap);
        plan.rows = pagesAlong(drawing.height(), page.height(), plan.overlap);
        if (plan.pageCount() == 1) plan.overlap = 0;
    }
    return plan;
}

int printDocument(RamuloControl& control, QPrinter& printer, PrintLayout layout) {
    ControlEngine& engine = engineOf(control);
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("Ramulo Control: the printer could not be started");
    // The page is white: the control's background colour is not printed.
    nx::QtDeviceContext context(&painter, {}, true);
    const nx::Size pixels = context.pixelSize();
    const nx::Size millimetres = context.millimetreSize();
    const float scaleX = printingScale(pixels.cx, millimetres.cx) / engine.screenScaleX();
    const float scaleY = printingScale(pixels.cy, millimetres.cy) / engine.screenScaleY();
    const nx::Size extent = engine.graph() && engine.view() ? engine.GetExtent() : nx::Size{0, 0};
    const QSize drawing(static_cast<int>(std::ceil(double(extent.cx) * scaleX)),
                        static_cast<int>(std::ceil(double(extent.cy) * scaleY)));
    const QSize page(static_cast<int>(pixels.cx), static_cast<int>(pixels.cy));
    const int overlap = static_cast<int>(kTileOverlapMm * scaleX * engine.screenScaleX());
    const PrintPlan plan = planPrint(drawing, page, layout, overlap);

    {
        SurfaceScope scope(engine);
        for (int index = 0; index < plan.pageCount(); ++index) {
            if (index > 0) printer.newPage();
            nx::Rect invalid{0, 0, page.width(), page.height()};
            painter.save();
            if (layout == PrintLayout::FitToPage) {
                painter.scale(plan.shrink, plan.shrink);
                invalid = {0, 0, std::max(drawing.width(), page.width()),
                           std::max(drawing.height(), page.height())};
            } else if (layout == PrintLayout::Tiled) {
                const QRect part = plan.tile(index);
                painter.translate(-part.topLeft());
                invalid = {part.left(), part.top(), part.right() + 1, part.bottom() + 1};
            }
            const nx::Rect bounds{0, 0, page.width(), page.height()};
            try {
                control.OnDraw(&context, bounds, invalid);
            } catch (...) {
                scope.endDrawing();
                painter.restore();
                throw;
            }
            scope.endDrawing();
            painter.restore();
            if (layout == PrintLayout::Tiled && plan.pageCount() > 1) drawTileMarks(painter, plan, index);
        }
    }
    painter.end();
    return plan.pageCount();
}

}  // namespace ramulo
