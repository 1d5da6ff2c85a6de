// The largest drawing surface a window can need, read from the screens Qt knows.
#include "platform/qt/qt_screen_metrics.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>

namespace nx {

Size maximumTrackingSize() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return kNoScreenTrackingSize;
    Size largest;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QSize size = screen->availableVirtualSize();
        largest.cx = std::max<std::uint64_t>(largest.cx, std::max(size.width(), 0));
        largest.cy = std::max<std::uint64_t>(largest.cy, std::max(size.height(), 0));
    }
    if (largest.cx == 0 || largest.cy == 0) return kNoScreenTrackingSize;
    return largest;
}

}  // namespace nx
