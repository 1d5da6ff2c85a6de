// nx::QtDeviceContext: binding to a painter the caller has begun, and the surface's metrics.
#include "platform/qt/qt_device_context.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace nx {

QtDeviceContext::QtDeviceContext(QPainter* activePainter, QPoint viewportOrigin, bool printing)
    : viewportOrigin_(viewportOrigin), printing_(printing) {
    if (activePainter && activePainter->isActive()) {
        painter_ = activePainter;
        device_ = activePainter->device();
    }
}

Size QtDeviceContext::pixelSize() const {
    if (!device_) return {};
    // An image drawn for a high-density screen holds ratio x ratio pixels per unit; the
    // drawing measures in units.
    const qreal ratio = devicePixelRatio();
    const auto units = [ratio](int pixels) {
        return static_cast<std::uint64_t>(std::ceil(std::max(pixels, 0) / ratio));
    };
    if (ratio != 1.0) return {units(device_->width()), units(device_->height())};
    return {static_cast<std::uint64_t>(std::max(device_->width(), 0)),
            static_cast<std::uint64_t>(std::max(device_->height(), 0))};
}

qreal QtDeviceContext::devicePixelRatio() const {
    if (!device_) return 1.0;
    switch (device_->devType()) {
        case QInternal::Image:
        case QInternal::Pixmap:
            return device_->devicePixelRatioF();
        default:
            // Widgets and printers already measure in units.
            return 1.0;
    }
}

Size QtDeviceContext::millimetreSize() const {
    if (!device_) return {};
    return {static_cast<std::uint64_t>(std::max(device_->widthMM(), 0)),
            static_cast<std::uint64_t>(std::max(device_->heightMM(), 0))};
}

Rect QtDeviceContext::deviceToLogical(const Rect& r) const {
    const int dx = viewportOrigin_.x(), dy = viewportOrigin_.y();
    return {r.left - dx, r.top - dy, r.right - dx, r.bottom - dy};
}

Rect QtDeviceContext::logicalToDevice(const Rect& r) const {
    const int dx = viewportOrigin_.x(), dy = viewportOrigin_.y();
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

}  // namespace nx
