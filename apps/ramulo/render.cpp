// Rendering a document: screen path for images and SVG, printing path for PDF.
#include "render.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <QSvgGenerator>
#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "document.h"
#include "drawing_output.h"
#include "engine/control_engine.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"
#include "image_limit.h"
#include "platform/qt/qt_device_context.h"
#include "platform/qt/qt_drawing_tools.h"

namespace {

// The control's draw operation on the rectangle (0, 0, w, h) of the context's surface.
void drawArea(ControlEngine& engine, nx::QtDeviceContext& context, int w, int h) {
    const nx::Rect area{0, 0, w, h};
    engine.Draw(&context, area, area);
}

void renderPng(ControlEngine& engine, const std::string& path, int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull()) throw std::runtime_error("The drawing is too large for an image");
    nx::QtDeviceContext context(&image);
    drawArea(engine, context, w, h);
    DrawingOutput out(path);
    image.save(out.scratchPath(), "PNG");  // a failed write shows as a file cut short
    out.commit(kPngEnding);
}

// A vector surface keeps its shapes only when they are drawn on it directly; the caller's
// RasterGuard switches the memory buffer off for the drawing.
void renderSvg(ControlEngine& engine, const std::string& path, int w, int h) {
    DrawingOutput out(path);
    QSvgGenerator generator;
    generator.setFileName(out.scratchPath());
    generator.setSize(QSize(w, h));
    generator.setViewBox(QRect(0, 0, w, h));
    generator.setTitle(QStringLiteral("Ramulo document"));
    QPainter painter;
    if (!painter.begin(&generator)) throw std::runtime_error("Failed to write " + path);
    nx::QtDeviceContext context(&painter);
    drawArea(engine, context, w, h);
    painter.end();
    out.commit(kSvgEnding);
}

// The printing path: the view scaled by the printer's pixels per millimetre, no background
// erased, the tools drawing straight onto the printer. The page is as many millimetres as
// the extent has pixels, so the whole drawing fits on one page.
void renderPdf(ControlEngine& engine, const std::string& path, int w, int h) {
    DrawingOutput out(path);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.scratchPath());
    printer.setResolution(kPdfResolution);
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(QSizeF(w, h), QPageSize::Millimeter),
                                      QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                      QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&printer)) throw std::runtime_error("Failed to write " + path);
    // The page is white; the control's background colour is not printed.
    nx::QtDeviceContext context(&painter, {}, true);
    nx::WindowGraphView& view = *engine.view;
    try {
        drawArea(engine, context, printer.width(), printer.height());
    } catch (...) {
        view.printing = false;
        view.scaleX = view.scaleY = 1.0f;
        throw;
    }
    painter.end();
    // The screen scale again, so extents computed later are not the printer's.
    view.printing = false;
    view.scaleX = view.scaleY = 1.0f;
    out.commit(kPdfEnding);
}

}  // namespace

nx::Size drawingSize(ControlEngine& engine) {
    const nx::Size extent = engine.GetExtent();
    const nx::Rect bounds = engine.view->extent();
    // The extent is the drawing's size plus margins, counted from the origin; a drawing
    // that starts further in than the margins would be cut at the right or bottom, so
    // the far side gets at least the near side's space.
    const auto side = [](std::uint64_t extentSide, std::int32_t low, std::int32_t high) {
        const long long mirrored = static_cast<long long>(high) + std::max(low, 0);
        const auto wanted = std::max<std::uint64_t>(
            extentSide, static_cast<std::uint64_t>(std::max(mirrored, 1LL)));
        return std::min<std::uint64_t>(wanted, kMaxDrawingSide);
    };
    return {side(extent.cx, bounds.left, bounds.right), side(extent.cy, bounds.top, bounds.bottom)};
}

bool isRenderTarget(const std::string& path) {
    const std::string ext = extensionOf(path);
    return ext == "png" || ext == "svg" || ext == "pdf";
}

void renderDocument(ControlEngine& engine, const std::string& path) {
    if (!engine.graph || !engine.view) throw std::runtime_error("There is no document to draw");
    const nx::Size size = drawingSize(engine);
    const int w = static_cast<int>(size.cx);
    const int h = static_cast<int>(size.cy);
    if (size.cx == kMaxDrawingSide || size.cy == kMaxDrawingSide)
        std::fprintf(stderr, "ramulo: warning: the drawing is cut at %llu pixels\n",
                     static_cast<unsigned long long>(kMaxDrawingSide));
    const std::string ext = extensionOf(path);
    const RasterGuard raster(engine, ext, size.cx, size.cy);
    if (ext == "png")
        renderPng(engine, path, w, h);
    else if (ext == "svg")
        renderSvg(engine, path, w, h);
    else if (ext == "pdf")
        renderPdf(engine, path, w, h);
    else
        throw std::runtime_error("Cannot draw into a ." + ext + " file: use .png, .svg or .pdf");
}
