// One-pixel lines and plain rectangles written straight into 32-bit images.
#include "platform/qt/qt_line_stepper.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace nx {

bool canStepLinesInto(const QImage& image) {
    const QImage::Format format = image.format();
    return !image.isNull() && (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                               format == QImage::Format_ARGB32_Premultiplied);
}

void stepLineIntoImage(QImage& image, QPoint from, QPoint to, QRgb rgb, bool xorMode) {
    const long long x0 = from.x();
    const long long y0 = from.y();
    const long long dx = 1LL * to.x() - from.x();
    const long long dy = 1LL * to.y() - from.y();
    if (dx == 0 && dy == 0) return;
    // A line whose box misses the image sets nothing: no need to walk along it.
    if (std::max(x0, x0 + dx) < 0 || std::min(x0, x0 + dx) >= image.width() ||
        std::max(y0, y0 + dy) < 0 || std::min(y0, y0 + dy) >= image.height())
        return;

    const bool steep = std::llabs(dy) > std::llabs(dx);
    const long long major0 = steep ? y0 : x0;
    const long long minor0 = steep ? x0 : y0;
    const long long majorDelta = steep ? dy : dx;
    const long long minorDelta = steep ? dx : dy;
    const long long n = std::llabs(majorDelta);
    const long long a = std::llabs(minorDelta);
    const long long majorStep = majorDelta > 0 ? 1 : -1;
    const long long minorStep = minorDelta >= 0 ? 1 : -1;
    const long long majorLimit = steep ? image.height() : image.width();
    const long long minorLimit = steep ? image.width() : image.height();

    long long first = 0;
    long long last = n;  // exclusive
    if (majorStep > 0) {
        first = std::max(first, -major0);
        last = std::min(last, majorLimit - major0);
    } else {
        first = std::max(first, major0 - (majorLimit - 1));
        last = std::min(last, major0 + 1);
    }
    if (first >= last) return;

    const std::uint32_t color = rgb & 0x00ffffffu;
    // Through constBits, so that an image a painter holds is not detached from it.
    uchar* bits = const_cast<uchar*>(image.constBits());
    const qsizetype stride = image.bytesPerLine();
    const long long twoN = 2 * n;
    long long remainder = 2 * first * a + n;
    long long offset = remainder / twoN;
    remainder %= twoN;
    for (long long i = first; i < last; ++i) {
        const long long minor = minor0 + minorStep * offset;
        if (minor >= 0 && minor < minorLimit) {
            const long long major = major0 + majorStep * i;
            const long long x = steep ? minor : major;
            const long long y = steep ? major : minor;
            auto* pixel = reinterpret_cast<std::uint32_t*>(bits + y * stride) + x;
            *pixel = xorMode ? (*pixel ^ color) : (0xff000000u | color);
        }
        remainder += 2 * a;
        if (remainder >= twoN) {
            remainder -= twoN;
            ++offset;
        }
    }
}

void fillRectIntoImage(QImage& image, long long left, long long top, long long right,
                       long long bottom, QRgb rgb) {
    left = std::max(left, 0LL);
    top = std::max(top, 0LL);
    right = std::min(right, static_cast<long long>(image.width()));
    bottom = std::min(bottom, static_cast<long long>(image.height()));
    if (left >= right || top >= bottom) return;
    const std::uint32_t pixel = 0xff000000u | (rgb & 0x00ffffffu);
    uchar* bits = const_cast<uchar*>(image.constBits());
    const qsizetype stride = image.bytesPerLine();
    for (long long y = top; y < bottom; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(bits + y * stride);
        std::fill(row + left, row + right, pixel);
    }
}

}  // namespace nx
