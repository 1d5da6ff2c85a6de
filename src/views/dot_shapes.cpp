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

void SquareDotView::drawShape(DrawingTools& t, const DotGeometry& g, int x, int y) const {
    const int hw = g.halfWidth, hh = g.halfHeight, pu = g.penUnit;
    t.penWidth = g.b(1).x;
    pen(t, outerDark_);
    t.drawRectangleWithSelectedPen({x + pu - hw, y + pu - hh, x + pu + hw, y + pu + hh});
    t.penWidth = pu;
    pen(t, outerLight_);
    t.drawRectangleWithSelectedPen({x - hw, y - hh, x + hw, y + hh});
}

void SquareDotView::drawFill(DrawingTools& t, const DotGeometry& g, int x, int y) const {
    const int hw = g.halfWidth, hh = g.halfHeight;
    if (parameters_.size < 7) {
        brush(t, innerMedium_);
        t.fillRectangle(
            {x + g.o(3).x - hw, y + g.o(3).y - hh, x + hw - g.b(1).x, y + hh - g.b(1).y});
        return;
    }
    pen(t, innerDark_);
    t.drawRectangleWithSelectedPen(
        {x + g.o(4).x - hw, y + g.o(4).y - hh, x + hw - g.b(2).x, y + hh - g.b(2).y});
    pen(t, innerLight_);
    t.drawRectangleWithSelectedPen(
        {x + g.o(5).x - hw, y + g.o(5).y - hh, x + hw - g.b(3).x, y + hh - g.b(3).y});
    brush(t, innerMedium_);
    t.fillRectangle({x + g.o(6).x - hw, y + g.o(6).y - hh, x + hw - g.b(4).x, y + hh - g.b(4).y});
}

// --- circle

void CircleDotView::drawShape(DrawingTools& t, const DotGeometry& g, int x, int y) const {
    const int hw = g.halfWidth, hh = g.halfHeight, pu = g.penUnit;
    t.penWidth = 2 * pu;
    pen(t, outerDark_);
    t.drawEllipseWithSelectedPen({x + pu - hw, y + pu - hh, x + pu + hw, y + pu + hh});
    pen(t, outerLight_);
    t.drawEllipseWithSelectedPen({x - hw, y - hh, x + hw, y + hh});
    t.penWidth = pu;
}

void CircleDotView::drawFill(DrawingTools& t, const DotGeometry& g, int x, int y) const {
    const int hw = g.halfWidth, hh = g.halfHeight;
    brush(t, innerMedium_);
    if (parameters_.size < 7) {
        t.fillEllipse({x + g.o(3).x - hw, y + g.o(3).y - hh, x + hw - g.o(2).x, y + hh - g.o(2).y});
        return;
    }
    t.fillEllipse({x + g.o(5).x - hw, y + g.o(5).y - hh, x + hw - g.o(3).x, y + hh - g.o(3).y});
    pen(t, innerLight_);
    t.drawEllipseWithSelectedPen(
        {x + g.o(5).x - hw, y + g.o(5).y - hh, x + hw - g.o(4).x, y + hh - g.o(4).y});
    pen(t, innerDark_);
    t.drawEllipseWithSelectedPen(
        {x + g.o(4).x - hw, y + g.o(4).y - hh, x + hw - g.o(3).x, y + hh - g.o(3).y});
}

// --- diamond

Rect DiamondDotView::shapeBounds(const DotGeometry& g, int x, int y) const {
    const int dw = static_cast<int>(g.halfWidth * kSqrt2);
    const int dh = static_cast<int>(g.halfHeight * kSqrt2);
    return {x - dw, y - dh, x + dw, y + dh};
}

void DiamondDotView::drawShape(DrawingTools& t, const DotGeometry& g, int x, int y) const {
    const int dw = static_cast<int>(g.halfWidth * kSqrt2);
    const int dh = static_cast<int>(g.halfHeight * kSqrt2);
    const int pu = g.penUnit;
    const Size diagonals = half(dw, dh);
    t.penWidth = g.o(2).x;
    pen(t, outerDark_);
    t.drawDiamondWithSelectedPen({x, y}, diagonals);
    t.penWidth = pu;
    pen(t, innerMedium_);
    t.drawDiamondWithSelectedPen({x, y + pu}, diagonals);
    pen(t, outerLight_);
    t.drawDiamondWithSelectedPen({x, y - pu}, diagonals);
    t.drawLineWithSelectedPen({x - dw - pu, y}, {x - dw - g.o(2).x, y});
    t.drawLineWithSelectedPen({x + dw + pu, y}, {x + dw + g.o(2).x, y});
}

void DiamondDotView::drawFill(DrawingTools& t, const DotGeometry& g, int x, int y) const {
    const int hw = g.halfWidth, hh = g.halfHeight;
    const Size inner2 = half(hw - g.o(2).x, hh - g.o(2).y);
    brush(t, innerMedium_);
    if (parameters_.size < 7) {
        t.fillDiamond({x, y}, inner2);
        pen(t, innerMedium_);
        t.drawDiamondWithSelectedPen({x, y}, inner2);
        return;
    }
    const Size inner3 = half(hw - g.o(3).x, hh - g.o(3).y);
    t.fillDiamond({x, y}, inner3);
    pen(t, innerLight_);
    t.drawDiamondWithSelectedPen({x, y}, inner3);
    pen(t, innerDark_);
    t.drawDiamondWithSelectedPen({x, y}, inner2);
}

Point DiamondDotView::getContourPoint(const Point& d, GraphView& view, Point& companion) {
    const int c = static_cast<int>(parameters_.size * kSqrt2 * double(view.scaleY()));
    const int dd = static_cast<int>(parameters_.size * kSqrt2 * double(view.scaleX()));
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

void TriangleDotView::drawShape(DrawingTools& t, const DotGeometry& g, int x, int y) const {
    const int hw = g.halfWidth, hh = g.halfHeight, pu = g.penUnit;
    t.penWidth = pu;
    pen(t, outerDark_);
    t.drawRectangleWithSelectedPen({x - hw, y - hh, x + hw + 1, y + hh + 1});
    t.drawRectangleWithSelectedPen({x + pu - hw, y + pu - hh, x + hw - pu + 1, y + hh - pu + 1});
    pen(t, outerLight_);
    t.drawRectangleWithSelectedPen({x - hw, y - hh, x + hw - pu + 1, y + hh - pu + 1});
}

void TriangleDotView::drawFill(DrawingTools& t, const DotGeometry& g, int x, int y) const {
    const int hw = g.halfWidth, hh = g.halfHeight;
    if (parameters_.size < 7) {
        brush(t, innerMedium_);
        t.fillRectangle(
            {x + g.o(3).x - hw, y + g.o(3).y - hh, x + hw - g.o(2).x, y + hh - g.o(2).y});
        return;
    }
    pen(t, innerDark_);
    t.drawRectangleWithSelectedPen(
        {x + g.o(4).x - hw, y + g.o(4).y - hh, x + hw - g.o(3).x, y + hh - g.o(3).y});
    t.setPenColor(innerLight_);
    t.drawRectangle({x + g.o(5).x - hw, y + g.o(5).y - hh, x + hw - g.o(4).x, y + hh - g.o(4).y});
    brush(t, innerMedium_);
    t.fillRectangle({x + g.o(6).x - hw, y + g.o(6).y - hh, x + hw - g.o(5).x, y + hh - g.o(5).y});
}

}  // namespace nx
