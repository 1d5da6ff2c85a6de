// renderPngInBands: each band drawn as a scrolled window draws, then compressed into the file.
#include "render/render_bands.h"

#include <QFile>
#include <QPainter>
#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "control/qt/ramulo_print.h"
#include "control/ramulo_control.h"
#include "platform/qt/qt_device_context.h"
#include "ramulo/render.h"
#include "render/drawing_output.h"
#include "render/png_band_writer.h"
#include "render/render_scale.h"

using namespace nx;

namespace ramulo {

namespace {

// Rows top .. top + band.height() of the drawing at `ratio` image pixels per unit, drawn as
// renderImage draws the whole: at ratio 1 through the view's buffer, with the band as a
// window scrolled down to it; otherwise straight onto a scaled painter.
void drawBand(RamuloControl& control, QImage& band, int top, QSize drawing, double ratio) {
    const Rect area{0, 0, drawing.width(), drawing.height()};
    if (ratio == 1.0) {
        QtDeviceContext context(&band, QPoint(0, -top));
        control.OnDraw(&context, area, Rect{0, 0, band.width(), band.height()});
        return;
    }
    QPainter painter(&band);
    painter.translate(0, -top);
    painter.scale(ratio, ratio);
    ramulo::SurfaceScope scope(ramulo::engineOf(control));
    QtDeviceContext context(&painter);
    control.OnDraw(&context, area, area);
}

}  // namespace

void renderPngInBands(RamuloControl& control, const QString& path, const ImageOptions& options,
                      std::uint64_t bandPixels) {
    const QSize pixels = imageSize(control, options);
    if (pixels.isEmpty()) throw std::runtime_error("There is no document to draw");
    const int w = pixels.width();
    const int h = pixels.height();
    if (std::uint64_t(w) * std::uint64_t(h) > options.maxPixels)
        throw ImageTooLarge(pixels, options.maxPixels);
    const QSize drawing = drawingSize(control);
    const double ratio = effectiveScale(drawing, options) * options.devicePixelRatio;
    const int rows = static_cast<int>(std::clamp<std::uint64_t>(bandPixels / w, 1, h));

    const std::string target = QFile::encodeName(path).toStdString();
    DrawingOutput out(target);
    std::ofstream file(QFile::encodeName(out.scratchPath()).toStdString(),
                       std::ios::binary | std::ios::trunc);
    if (!file) throw std::runtime_error("Failed to write " + target);
    PngBandWriter png(file, w, h);
    for (int top = 0; top < h; top += rows) {
        QImage band(w, std::min(rows, h - top), QImage::Format_RGB32);
        if (band.isNull()) throw std::runtime_error("The drawing is too large for an image");
        drawBand(control, band, top, drawing, ratio);
        png.addRows(band);
    }
    png.finish();
    file.close();  // a failed write shows as a file cut short
    out.commit(kPngEnding);
}

}  // namespace ramulo
