// The four dot shapes: square, circle, diamond and triangle (drawn as a bevelled box).
#pragma once

#include "views/dot_view.h"

namespace nx {

class SquareDotView : public DotView {
public:
    using DotView::DotView;
    int getClassId() const override { return 1; }

protected:
    const char* className() const override { return "SquareDotView"; }
    void drawShape(DrawingTools& tools, const DotGeometry& g, int x, int y) const override;
    void drawFill(DrawingTools& tools, const DotGeometry& g, int x, int y) const override;
};

class CircleDotView : public DotView {
public:
    using DotView::DotView;
    int getClassId() const override { return 2; }

protected:
    const char* className() const override { return "CircleDotView"; }
    void drawShape(DrawingTools& tools, const DotGeometry& g, int x, int y) const override;
    void drawFill(DrawingTools& tools, const DotGeometry& g, int x, int y) const override;
};

class DiamondDotView : public DotView {
public:
    using DotView::DotView;
    int getClassId() const override { return 3; }
    Point getContourPoint(const Point& direction, GraphView& view, Point& companion) override;

protected:
    const char* className() const override { return "DiamondDotView"; }
    void drawShape(DrawingTools& tools, const DotGeometry& g, int x, int y) const override;
    void drawFill(DrawingTools& tools, const DotGeometry& g, int x, int y) const override;
    Rect shapeBounds(const DotGeometry& g, int x, int y) const override;
};

class TriangleDotView : public DotView {
public:
    using DotView::DotView;
    int getClassId() const override { return 4; }

protected:
    const char* className() const override { return "TriangleDotView"; }
    void drawShape(DrawingTools& tools, const DotGeometry& g, int x, int y) const override;
    void drawFill(DrawingTools& tools, const DotGeometry& g, int x, int y) const override;
};

}  // namespace nx
