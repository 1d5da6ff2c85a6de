// nx::StraightEdgeView: a two-tone straight edge with an arrowhead, bent apart from parallels.
#pragma once

#include <array>
#include <atomic>
#include <istream>
#include <string>
#include <vector>

#include "views/element_fields.h"
#include "views/label_properties.h"
#include "views/view.h"

namespace nx {

class DrawingTools;

// A short polyline of at most four points; edges never need more.
struct PointList {
    std::array<Point, 4> points{};
    int count = 0;

    void push(const Point& p) { points[count++] = p; }
    const Point& front() const { return points[0]; }
    const Point& back() const { return points[count - 1]; }
    const Point& operator[](int i) const { return points[i]; }
};

// Everything drawing, bounds and hit testing derive from.
struct EdgeGeometry {
    PointList main, companion, mainArrow, companionArrow;
    bool loop = false;
    bool bent = false;
    Point bend;    // with bent
    Point q0, q1;  // with loop
};

class StraightEdgeView : public EdgeView {
public:
    static constexpr double kBendStep = 0.3141592653589793;
    static constexpr int kLabelOffset = 4;

    // Throws for a colour code outside 0..4.
    explicit StraightEdgeView(int color);

    // Exact, case-sensitive; unknown names throw.
    static int colorFromName(const std::string& name);
    // The colour field of a stream record and its end mark.
    static int readStream(std::istream& in, bool byName);
    static int readXml(const records::ElementFields& element);

    const std::vector<ParameterDescriptor>& getParameterDescriptors() const override;
    void resetPropertyIndices() override;
    void draw(Edge* edge, GraphView& view, ActualProperties* viewProperties, const Point& source,
              const Point& target, std::vector<Point>* points) override;
    Rect getUpdateRectangle(Edge* edge, GraphView& view, ActualProperties* viewProperties,
                            const Point& source, const Point& target) override;
    Rect getUpdateRectangle(Edge* edge, GraphView& view, ActualProperties* viewProperties) override;
    bool hitTest(Edge* edge, GraphView& view, ActualProperties* viewProperties, const Point& source,
                 const Point& target, const Point& p) override;
    bool isNearStart(Edge* edge, GraphView& view, ActualProperties* viewProperties,
                     const Point& source, const Point& target, const Point& p) override;
    bool isNearEnd(Edge* edge, GraphView& view, ActualProperties* viewProperties,
                   const Point& source, const Point& target, const Point& p) override;
    int getClassId() const override { return 1; }
    void saveToStream(std::ostream& out) const override;
    void saveToXml(TiXmlElement& element) const override;

    // The point lists for the edge between the two device positions; bounds and hit
    // tests leave the arrowheads out.
    EdgeGeometry geometry(Edge* edge, GraphView& view, ActualProperties* viewProperties,
                          const Point& source, const Point& target, bool withArrows = true);
    // Label rectangle beside the line through start, bend (start when straight) and end;
    // side -1 for the name, +1 for the weight; the gap to the line grows with the scale.
    Rect getTextRectangle(const Point& start, const Point& bend, const Point& end, const Size& text,
                          int side, double scaleX = 1.0, double scaleY = 1.0) const;
    // The view-level parallel index, 0 when there is none.
    int parallelIndex(const ActualProperties* viewProperties);

    int color() const { return color_; }

private:
    void drawLabels(DrawingTools& tools, Edge* edge, GraphView& view,
                    ActualProperties* viewProperties, const EdgeGeometry& g);

    PropertyIndexCache nameIndices_;
    PropertyIndexCache weightIndices_;
    double bendStep_ = kBendStep;
    int color_;
    RgbColor darkTone_, lightTone_;
    std::atomic<std::size_t> parallelIndexPosition_{kNoIndex};
};

}  // namespace nx
