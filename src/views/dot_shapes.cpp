// Outlines, fills and the diamond's bounds and contour of the four dot shapes.
#include "views/dot_shapes.h"

#include <cmath>
#include <cstdlib>

#include "views/drawing_tools.h"
#include "views/graph_view.h"

namespace nx {

namespace {

constexpr double kSqrt2 = 1.414213562373;

void pen(DrawingTools& tools, const RgbColor& colour) {
    tools.setPenColor(colour);
    tools.selectPen();
}

void brush(DrawingTools& tools, const RgbColor& colour) {
    tools.setBrushColor(colour);
}

Size half(int cx, int cy) {
    return {static_cast<std::uint64_t>(cx), static_cast<std::uint64_t>(cy)};
}

}  // namespace

// --- square

void SquareDotView::drawShape(DrawingTools& t, int x, int y) {
    const int hw = halfWidth_, hh = halfHeight_, pu = penUnit_;
    t.penWidth = b(1).x;
    pen(t, outerDark_);
    t.drawRectangleWithSelectedPen({x + pu - hw, y + pu - hh, x + pu + hw, y + pu + hh});
    t.penWidth = pu;
    pen(t, outerLight_);
    t.drawRectangleWithSelectedPen({x - hw, y - hh, x + hw, y + hh});
}

void SquareDotView::drawFill(DrawingTools& t, int x, int y) {
    const int hw = halfWidth_, hh = halfHeight_;
    if (parameters_.size < 7) {
        brush(t, innerMedium_);
        t.fillRectangle({x + o(3).x - hw, y + o(3).y - hh, x + hw - b(1).x, y + hh - b(1).y});
        return;
    }
    pen(t, innerDark_);
    t.drawRectangleWithSelectedPen(
        {x + o(4).x - hw, y + o(4).y - hh, x + hw - b(2).x, y + hh - b(2).y});
    pen(t, innerLight_);
    t.drawRectangleWithSelectedPen(
        {x + o(5).x - hw, y + o(5).y - hh, x + hw - b(3).x, y + hh - b(3).y});
    brush(t, innerMedium_);
    t.fillRectangle({x + o(6).x - hw, y + o(6).y - hh, x + hw - b(4).x, y + hh - b(4).y});
}

// --- circle

void CircleDotView::drawShape(DrawingTools& t, int x, int y) {
    const int hw = halfWidth_, hh = halfHeight_, pu = penUnit_;
    t.penWidth = 2 * pu;
    pen(t, outerDark_);
    t.drawEllipseWithSelectedPen({x + pu - hw, y + pu - hh, x + pu + hw, y + pu + hh});
    pen(t, outerLight_);
    t.drawEllipseWithSelectedPen({x - hw, y - hh, x + hw, y + hh});
    t.penWidth = pu;
}

void CircleDotView::drawFill(DrawingTools& t, int x, int y) {
    const int hw = halfWidth_, hh = halfHeight_;
    brush(t, innerMedium_);
    if (parameters_.size < 7) {
        t.fillEllipse({x + o(3).x - hw, y + o(3).y - hh, x + hw - o(2).x, y + hh - o(2).y});
        return;
    }
    t.fillEllipse({x + o(5).x - hw, y + o(5).y - hh, x + hw - o(3).x, y + hh - o(3).y});
    pen(t, innerLight_);
    t.drawEllipseWithSelectedPen(
        {x + o(5).x - hw, y + o(5).y - hh, x + hw - o(4).x, y + hh - o(4).y});
    pen(t, innerDark_);
    t.drawEllipseWithSelectedPen(
        {x + o(4).x - hw, y + o(4).y - hh, x + hw - o(3).x, y + hh - o(3).y});
}

// --- diamond

Rect DiamondDotView::shapeBounds(int x, int y) const {
    const int dw = static_cast<int>(halfWidth_ * kSqrt2);
    const int dh = static_cast<int>(halfHeight_ * kSqrt2);
    return {x - dw, y - dh, x + dw, y + dh};
}

void DiamondDotView::drawShape(DrawingTools& t, int x, int y) {
    const int dw = static_cast<int>(halfWidth_ * kSqrt2);
    const int dh = static_cast<int>(halfHeight_ * kSqrt2);
    const int pu = penUnit_;
    const Size diagonals = half(dw, dh);
    t.penWidth = o(2).x;
    pen(t, outerDark_);
    t.drawDiamondWithSelectedPen({x, y}, diagonals);
    t.penWidth = pu;
    pen(t, innerMedium_);
    t.drawDiamondWithSelectedPen({x, y + pu}, diagonals);
    pen(t, outerLight_);
    t.drawDiamondWithSelectedPen({x, y - pu}, diagonals);
    t.drawLineWithSelectedPen({x - dw - pu, y}, {x - dw - o(2).x, y});
    t.drawLineWithSelectedPen({x + dw + pu, y}, {x + dw + o(2).x, y});
}

void DiamondDotView::drawFill(DrawingTools& t, int x, int y) {
    const int hw = halfWidth_, hh = halfHeight_;
    const Size inner2 = half(hw - o(2).x, hh - o(2).y);
    brush(t, innerMedium_);
    if (parameters_.size < 7) {
        t.fillDiamond({x, y}, inner2);
        pen(t, innerMedium_);
        t.drawDiamondWithSelectedPen({x, y}, inner2);
        return;
    }
    const Size inner3 = half(hw - o(3).x, hh - o(3).y);
    t.fillDiamond({x, y}, inner3);
    pen(t, innerLight_);
    t.drawDiamondWithSelectedPen({x, y}, inner3);
    pen(t, innerDark_);
    t.drawDiamondWithSelectedPen({x, y}, inner2);
}

Point DiamondDotView::getContourPoint(const Point& d, GraphView& view, Point& companion) {
    updateGeometry(view);
    const int c = static_cast<int>(parameters_.size * kSqrt2 * double(view.scaleY));
    const int dd = static_cast<int>(parameters_.size * kSqrt2 * double(view.scaleX));
    if (d.x == 0) {
        const Point p{0, d.y < 0 ? -(c + 1) : d.y > 0 ? c + 1 : 0};
        companion = {1, p.y};
        return p;
    }
    if (d.y == 0) {
        const Point p{d.x < 0 ? -(dd + 1) : dd + 1, 0};
        companion = {p.x, 1};
        return p;
    }
    const bool steep = std::abs(d.y) >= std::abs(d.x);
    int px, py;
    if (steep) {
        const double t = std::fabs(double(d.x) / d.y) / 2;
        px = static_cast<int>(t * dd);
        py = static_cast<int>((1 - t) * c);
    } else {
        const double t = std::fabs(double(d.y) / d.x) / 2;
        px = static_cast<int>((1 - t) * dd);
        py = static_cast<int>(t * c);
    }
    const Point p{d.x < 1 ? -(px + 1) : px + 1, d.y <= 0 ? -(py + 1) : py + 1};
    if (steep) {
        const int shift = d.x < 0 ? (d.y > 0 ? 1 : -1) : (d.y <= 0 ? 1 : -1);
        companion = {p.x + shift, p.y};
    } else {
        companion = {p.x, p.y + 1};
    }
    return p;
}

// --- triangle

void TriangleDotView::drawShape(DrawingTools& t, int x, int y) {
    const int hw = halfWidth_, hh = halfHeight_, pu = penUnit_;
    t.penWidth = pu;
    pen(t, outerDark_);
    t.drawRectangleWithSelectedPen({x - hw, y - hh, x + hw + 1, y + hh + 1});
    t.drawRectangleWithSelectedPen({x + pu - hw, y + pu - hh, x + hw - pu + 1, y + hh - pu + 1});
    pen(t, outerLight_);
    t.drawRectangleWithSelectedPen({x - hw, y - hh, x + hw - pu + 1, y + hh - pu + 1});
}

void TriangleDotView::drawFill(DrawingTools& t, int x, int y) {
    const int hw = halfWidth_, hh = halfHeight_;
    if (parameters_.size < 7) {
        brush(t, innerMedium_);
        t.fillRectangle({x + o(3).x - hw, y + o(3).y - hh, x + hw - o(2).x, y + hh - o(2).y});
        return;
    }
    pen(t, innerDark_);
    t.drawRectangleWithSelectedPen(
        {x + o(4).x - hw, y + o(4).y - hh, x + hw - o(3).x, y + hh - o(3).y});
    t.setPenColor(innerLight_);
    t.drawRectangle({x + o(5).x - hw, y + o(5).y - hh, x + hw - o(4).x, y + hh - o(4).y});
    brush(t, innerMedium_);
    t.fillRectangle({x + o(6).x - hw, y + o(6).y - hh, x + hw - o(5).x, y + hh - o(5).y});
}

}  // namespace nx
