// nx::QtDeviceContext: binding to a painter that the caller has already begun.
#include "platform/qt/qt_device_context.h"

#include <QPainter>

namespace nx {

QtDeviceContext::QtDeviceContext(QPainter* activePainter, QPoint viewportOrigin, bool printing)
    : viewportOrigin_(viewportOrigin), printing_(printing) {
    if (activePainter && activePainter->isActive()) {
        painter_ = activePainter;
        device_ = activePainter->device();
    }
}

}  // namespace nx
