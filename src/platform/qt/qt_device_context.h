// nx::QtDeviceContext: a Qt paint surface with its viewport origin and printing flag.
#pragma once

#include <QPoint>

#include "views/device_context.h"

class QPaintDevice;
class QPainter;

namespace nx {

// What the drawing tools bind to for one paint. A logical point p lands on device
// pixel p + viewportOrigin(), so a window scrolled by s uses the origin -s.
// A surface that Qt lets only one painter open at a time (a printer, a widget
// inside its paint event) is handed over with the caller's active painter; the
// tools then draw through that painter and leave its state as they found it.
class QtDeviceContext : public DeviceContext {
public:
    explicit QtDeviceContext(QPaintDevice* device, QPoint viewportOrigin = {},
                             bool printing = false)
        : device_(device), viewportOrigin_(viewportOrigin), printing_(printing) {}
    // The device is the painter's; a painter that is not active gives an invalid context.
    explicit QtDeviceContext(QPainter* activePainter, QPoint viewportOrigin = {},
                             bool printing = false);

    QPaintDevice* device() const { return device_; }
    QPainter* activePainter() const { return painter_; }
    bool isValid() const { return device_ != nullptr; }

    QPoint viewportOrigin() const { return viewportOrigin_; }
    void setViewportOrigin(QPoint origin) { viewportOrigin_ = origin; }

    bool isPrinting() const override { return printing_; }
    void setPrinting(bool printing) { printing_ = printing; }

    // The paint device's metrics; a logical point p is device pixel p + viewportOrigin().
    Size pixelSize() const override;
    // Device pixels per unit of an image or pixmap surface (1 for every other device).
    qreal devicePixelRatio() const;
    Size millimetreSize() const override;
    Rect deviceToLogical(const Rect& r) const override;
    Rect logicalToDevice(const Rect& r) const override;

private:
    QPaintDevice* device_ = nullptr;
    QPainter* painter_ = nullptr;  // not owned; begun on device_ by the caller
    QPoint viewportOrigin_;
    bool printing_ = false;
};

}  // namespace nx
