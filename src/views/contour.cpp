// The box rule of nx::RectContour.
#include "views/contour.h"

#include <cstdlib>

namespace nx {

void RectContour::getContourPoint(const Point& d, Point& point, Point& companion, double scaleX,
                                  double scaleY) const {
    int halfWidth = static_cast<int>(width_ / 2);
    int halfHeight = static_cast<int>(height_ / 2);
    if (scaleX != 1.0 || scaleY != 1.0) {
        halfWidth = static_cast<int>(static_cast<double>(width_) * scaleX * 0.5);
        halfHeight = static_cast<int>(static_cast<double>(height_) * scaleY * 0.5);
    }
    // The line ends one pixel outside the box so it does not cover the shape's edge.
    const int hw = halfWidth + 1;
    const int hh = halfHeight + 1;
    if (d.x == 0 && d.y == 0) {
        point = companion = {hw, hh};
        return;
    }
    if (std::abs(d.y) < std::abs(d.x)) {
        const int px = d.x <= 0 ? -hw : hw;
        const int py = static_cast<int>(static_cast<long long>(d.y) * px / d.x);
        point = {px, py};
        companion = {px, py + 1};
        return;
    }
    const int py = d.y <= 0 ? -hh : hh;
    const int px = static_cast<int>(static_cast<long long>(d.x) * py / d.y);
    const bool right = d.x == 0 || (d.x < 0 && d.y > 0) || (d.x > 0 && d.y <= 0);
    point = {px, py};
    companion = {right ? px + 1 : px - 1, py};
}

}  // namespace nx
