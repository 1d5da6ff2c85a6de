// Device-unit value types the control's interface uses: points, sizes, rectangles, colours.
#pragma once

/// @file
/// nx::Point, nx::Size, nx::Rect and nx::RgbColor: positions and sizes in device units
/// (pixels of the control's drawing at zoom 1) and 8-bit RGB colours, as HostWindow,
/// ControlSite and RamuloControl pass them. A Rect's right and bottom are exclusive.

#include <cstdint>
#include <ostream>
#include <utility>

namespace nx {

/// A point in drawing units (or device pixels where a seam says so).
struct Point {
    std::int32_t x = 0;  ///< Horizontal, growing to the right.
    std::int32_t y = 0;  ///< Vertical, growing downwards.

    /// Equal when every field is.
    friend bool operator==(const Point&, const Point&) = default;
};

/// A width and height in drawing units.
struct Size {
    std::uint64_t cx = 0;  ///< The width.
    std::uint64_t cy = 0;  ///< The height.

    /// Equal when every field is.
    friend bool operator==(const Size&, const Size&) = default;
};

/// Right and bottom are exclusive.
struct Rect {
    std::int32_t left = 0;    ///< The left edge.
    std::int32_t top = 0;     ///< The top edge.
    std::int32_t right = 0;   ///< One past the right edge.
    std::int32_t bottom = 0;  ///< One past the bottom edge.

    /// Equal when every field is.
    friend bool operator==(const Rect&, const Rect&) = default;

    /// right - left.
    std::int32_t width() const { return right - left; }
    /// bottom - top.
    std::int32_t height() const { return bottom - top; }
    /// True when it holds no pixel.
    bool isEmpty() const { return right <= left || bottom <= top; }

    /// Swaps edges so that left <= right and top <= bottom.
    Rect normalized() const {
        Rect r = *this;
        if (r.left > r.right) std::swap(r.left, r.right);
        if (r.top > r.bottom) std::swap(r.top, r.bottom);
        return r;
    }
    /// True when the two rectangles share at least one pixel; empty ones share none.
    bool intersects(const Rect& o) const {
        if (isEmpty() || o.isEmpty()) return false;
        return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
    }
    /// Edges count as inside.
    bool containsInclusive(const Point& p) const {
        return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
    }
};

/// A colour by its red, green and blue channels (0 to 255).
struct RgbColor {
    std::uint8_t red = 0;    ///< Red, 0 to 255.
    std::uint8_t green = 0;  ///< Green, 0 to 255.
    std::uint8_t blue = 0;   ///< Blue, 0 to 255.

    /// Equal when every field is.
    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

/// Text form: the three channels in decimal, separated by commas.
inline std::ostream& operator<<(std::ostream& out, const RgbColor& c) {
    return out << unsigned(c.red) << ',' << unsigned(c.green) << ',' << unsigned(c.blue);
}

/// Text form: "(x, y)".
inline std::ostream& operator<<(std::ostream& out, const Point& p) {
    return out << '(' << p.x << ", " << p.y << ')';
}

/// Text form: "(cx, cy)".
inline std::ostream& operator<<(std::ostream& out, const Size& s) {
    return out << '(' << s.cx << ", " << s.cy << ')';
}

/// Text form: "(left, top, right, bottom)".
inline std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << '(' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ')';
}

}  // namespace nx
