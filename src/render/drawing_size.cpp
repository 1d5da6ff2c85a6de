// The drawing's size in drawing units and the image size a scale gives it.
#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "control/ramulo_control.h"
#include "engine/window_graph_view.h"
#include "ramulo/render.h"
#include "render/render_scale.h"

using namespace nx;

namespace ramulo {

QSize drawingSize(RamuloControl& control) {
    ramulo::ControlEngine& engine = ramulo::engineOf(control);
    if (!engine.graph() || !engine.view()) return {};
    const Size extent = engine.GetExtent();
    const Rect bounds = engine.view()->extent();
    // The extent is the drawing's size plus margins, counted from the origin; a drawing
    // that starts further in than the margins would be cut at the right or bottom, so
    // the far side gets at least the near side's space.
    const auto side = [](std::uint64_t extentSide, std::int32_t low, std::int32_t high) {
        const long long mirrored = static_cast<long long>(high) + std::max(low, 0);
        const auto wanted = std::max<std::uint64_t>(
            extentSide, static_cast<std::uint64_t>(std::max(mirrored, 1LL)));
        return static_cast<int>(std::min<std::uint64_t>(wanted, kMaxDrawingSide));
    };
    return {side(extent.cx, bounds.left, bounds.right), side(extent.cy, bounds.top, bounds.bottom)};
}

// Image units per drawing unit: the options' scale, or the one that gives the size asked for.
double effectiveScale(QSize drawing, const ImageOptions& options) {
    const int w = options.size.width();
    const int h = options.size.height();
    if (w <= 0 && h <= 0) {
        if (!(options.scale > 0) || !std::isfinite(options.scale))
            throw std::invalid_argument("The scale must be a number above 0");
        return options.scale;
    }
    const double sx = double(w) / drawing.width();
    const double sy = double(h) / drawing.height();
    if (w > 0 && h > 0) return std::min(sx, sy);
    return w > 0 ? sx : sy;
}

QSize imageSize(RamuloControl& control, const ImageOptions& options) {
    if (!(options.devicePixelRatio > 0) || !std::isfinite(options.devicePixelRatio))
        throw std::invalid_argument("The device-pixel ratio must be a number above 0");
    const QSize drawing = drawingSize(control);
    if (drawing.isEmpty()) return {};
    const double pixelsPerUnit = effectiveScale(drawing, options) * options.devicePixelRatio;
    // At least one pixel a side; a side past Qt's limits is left for the pixel check.
    const auto pixels = [pixelsPerUnit](int units) {
        const double p = std::max(1.0, std::round(units * pixelsPerUnit));
        return static_cast<int>(std::min(p, double(std::numeric_limits<int>::max())));
    };
    return {pixels(drawing.width()), pixels(drawing.height())};
}

}  // namespace ramulo
