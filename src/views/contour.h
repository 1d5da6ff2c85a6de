// nx::Contour and nx::RectContour: the outline of a vertex shape where edges end.
#pragma once

#include <cstddef>

#include "views/geometry.h"

namespace nx {

class Contour {
public:
    Contour() = default;
    Contour(const Contour&) = delete;
    Contour& operator=(const Contour&) = delete;

    virtual ~Contour() = default;
    // Offset from the centre where a line in the given direction leaves the outline at
    // the given scale; companion receives the neighbouring pixel.
    virtual void getContourPoint(const Point& direction, Point& point, Point& companion,
                                 double scaleX, double scaleY) const = 0;
};

// An axis-aligned box of width x height pixels at scale 1, centred on the vertex.
class RectContour : public Contour {
public:
    RectContour(std::size_t width, std::size_t height) : width_(width), height_(height) {}

    void getContourPoint(const Point& direction, Point& point, Point& companion, double scaleX,
                         double scaleY) const override;

    std::size_t width() const { return width_; }
    std::size_t height() const { return height_; }

private:
    std::size_t width_;
    std::size_t height_;
};

}  // namespace nx
