// nx::QtBitmap: resource lookup and monochrome bitmaps.
#include "platform/qt/qt_bitmap.h"

#include <limits>

#include <QString>

namespace nx {

void QtBitmap::loadFromResource(unsigned id) {
    const QString base = QStringLiteral(":/bitmaps/") + QString::number(id);
    for (const QString& path :
         {base, base + QStringLiteral(".png"), base + QStringLiteral(".bmp")}) {
        QImage loaded(path);
        if (!loaded.isNull()) {
            image_ = std::move(loaded);
            return;
        }
    }
}

void QtBitmap::createMonochrome(const Size& size) {
    constexpr std::uint64_t kMax = std::numeric_limits<int>::max();
    if (size.cx == 0 || size.cy == 0 || size.cx > kMax || size.cy > kMax) {
        image_ = QImage();
        return;
    }
    QImage mono(static_cast<int>(size.cx), static_cast<int>(size.cy), QImage::Format_Mono);
    if (!mono.isNull()) {
        mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        mono.fill(0);
    }
    image_ = std::move(mono);
}

void QtBitmap::releaseBitmap() {
    image_ = QImage();
    selected_ = false;
}

}  // namespace nx
