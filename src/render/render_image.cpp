// Drawing a control's document into an image and into a PNG file.
#include <QFile>
#include <QPainter>
#include <cmath>
#include <stdexcept>
#include <string>

#include "control/qt/ramulo_print.h"
#include "control/ramulo_control.h"
#include "platform/qt/qt_device_context.h"
#include "ramulo/render.h"
#include "render/drawing_output.h"
#include "render/render_bands.h"
#include "render/render_scale.h"

using namespace nx;

namespace ramulo {

namespace {

std::string tooLargeText(QSize pixels, std::uint64_t limit) {
    const std::uint64_t w = static_cast<std::uint64_t>(pixels.width());
    const std::uint64_t h = static_cast<std::uint64_t>(pixels.height());
    return "the drawing is " + std::to_string(w) + " x " + std::to_string(h) + " pixels (" +
           std::to_string(w * h) + "), more than the limit of " + std::to_string(limit) +
           " pixels for an image";
}

}  // namespace

ImageTooLarge::ImageTooLarge(QSize pixels, std::uint64_t limit)
    : std::runtime_error(tooLargeText(pixels, limit)), pixels_(pixels), limit_(limit) {}

QImage renderImage(RamuloControl& control, const ImageOptions& options) {
    const QSize pixels = imageSize(control, options);
    if (pixels.isEmpty()) throw std::runtime_error("There is no document to draw");
    // Both sides fit in an int, so the product fits in 64 bits.
    if (std::uint64_t(pixels.width()) * std::uint64_t(pixels.height()) > options.maxPixels)
        throw ImageTooLarge(pixels, options.maxPixels);
    const QSize drawing = drawingSize(control);
    const double ratio = effectiveScale(drawing, options) * options.devicePixelRatio;
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull()) throw std::runtime_error("The drawing is too large for an image");
    const Rect area{0, 0, drawing.width(), drawing.height()};
    if (ratio == 1.0) {
        QtDeviceContext context(&image);
        control.OnDraw(&context, area, area);
    } else {
        {
            // The painter scales drawing units to pixels; the tools draw straight onto it,
            // as a buffer of the view's would be copied at its own size.
            QPainter painter(&image);
            painter.scale(ratio, ratio);
            ramulo::SurfaceScope scope(ramulo::engineOf(control));
            QtDeviceContext context(&painter);
            control.OnDraw(&context, area, area);
        }
        // A drawing unit keeps its printed size, so a larger image is a finer one.
        image.setDotsPerMeterX(int(std::lround(image.dotsPerMeterX() * ratio)));
        image.setDotsPerMeterY(int(std::lround(image.dotsPerMeterY() * ratio)));
    }
    image.setDevicePixelRatio(options.devicePixelRatio);
    return image;
}

void renderPng(RamuloControl& control, const QString& path, const ImageOptions& options) {
    // A large image is never made whole: it is drawn and compressed a band at a time.
    const QSize pixels = imageSize(control, options);
    if (std::uint64_t(pixels.width()) * std::uint64_t(pixels.height()) > kBandThresholdPixels)
        return renderPngInBands(control, path, options, kBandPixels);
    const QImage image = renderImage(control, options);
    DrawingOutput out(QFile::encodeName(path).toStdString());
    image.save(out.scratchPath(), "PNG");  // a failed write shows as a file cut short
    out.commit(kPngEnding);
}

}  // namespace ramulo
