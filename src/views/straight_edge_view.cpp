// Geometry, drawing, labels, hit tests and records of the straight edge view.
#include "views/straight_edge_view.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <stdexcept>

#include <tinyxml.h>

#include "graph/element.h"
#include "properties/actual_properties.h"
#include "properties/named_properties.h"
#include "properties/string_property.h"
#include "views/dot_view.h"
#include "views/drawing_tools.h"
#include "views/error_texts.h"
#include "views/graph_view.h"
#include "views/property_cast.h"
#include "views/view_records.h"

namespace nx {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kMaxBend = 1.0471975511965976;    // pi/3
constexpr double kLoopStart = 0.5235987755982988;  // pi/6
constexpr double kArrowHalfAngle = kPi / 10;
constexpr int kArrowLength = 14;
constexpr int kLabelPointSize = 75;
const std::u16string kLabelFace = u"Tahoma";

struct Tones {
    RgbColor dark, light;
};
constexpr Tones kTones[] = {
    {{82, 82, 255}, {184, 184, 255}},   {{212, 82, 64}, {255, 184, 148}},
    {{24, 128, 12}, {128, 224, 72}},    {{208, 148, 36}, {255, 228, 130}},
    {{142, 142, 142}, {224, 224, 224}},
};

Point operator+(const Point& a, const Point& b) {
    return {a.x + b.x, a.y + b.y};
}
Point operator-(const Point& a, const Point& b) {
    return {a.x - b.x, a.y - b.y};
}

// atan(dy / dx) with the vertical cases spelled out; coincident points give 0.
double direction(double dy, double dx) {
    if (dx == 0) return dy > 0 ? kPi / 2 : dy < 0 ? -kPi / 2 : 0.0;
    return std::atan(dy / dx);
}

Point polar(double angle, double length) {
    return {static_cast<int>(std::cos(angle) * length), static_cast<int>(std::sin(angle) * length)};
}

// Where a line from centre towards other leaves the vertex's shape, and its companion.
Point contour(VertexView* view, GraphView& graphView, const Point& towards, Point& companion) {
    if (!view) {
        companion = {0, 0};
        return {0, 0};
    }
    return view->getContourPoint(towards, graphView, companion);
}

void arrowheads(EdgeGeometry& g, const Point& e1, const Point& c1, double angle, double length,
                bool backwards) {
    Point a1 = polar(angle - kArrowHalfAngle, length);
    Point a2 = polar(angle + kArrowHalfAngle, length);
    if (!backwards) {
        a1 = {-a1.x, -a1.y};
        a2 = {-a2.x, -a2.y};
    }
    g.mainArrow.push(e1 + a1);
    g.mainArrow.push(e1);
    g.mainArrow.push(e1 + a2);
    g.companionArrow.push(c1 + a1);
    g.companionArrow.push(c1);
    g.companionArrow.push(c1 + a2);
}

double squaredDistance(const Point& p, const Point& a, const Point& b) {
    const double vx = b.x - a.x, vy = b.y - a.y;
    const double wx = p.x - a.x, wy = p.y - a.y;
    const double length2 = vx * vx + vy * vy;
    const double ux = p.x - b.x, uy = p.y - b.y;
    if (length2 == 0) return wx * wx + wy * wy;
    const double t = (wx * vx + wy * vy) / length2;
    if (t < 0) return wx * wx + wy * wy;
    if (t > 1) return ux * ux + uy * uy;
    const double cross = wx * vy - wy * vx;
    return cross * cross / length2;
}

}  // namespace

StraightEdgeView::StraightEdgeView(int color) : color_(color) {
    if (color < 0 || color > 4)
        throw std::runtime_error(nx::error_texts::kStraightEdgeIncorrectColor);
    darkTone_ = kTones[color].dark;
    lightTone_ = kTones[color].light;
    parameterValues_ = {DotView::kColorNames[color]};
    getParameterDescriptors();
}

int StraightEdgeView::colorFromName(const std::string& name) {
    for (int i = 0; DotView::kColorNames[i]; ++i)
        if (name == DotView::kColorNames[i]) return i;
    throw std::runtime_error(nx::error_texts::kUnknownStraightEdgeView);
}

int StraightEdgeView::readStream(std::istream& in, bool byName) {
    const int color = byName ? colorFromName(records::readField(in)) : records::readIntField(in);
    records::readEndMark(in);
    return color;
}

int StraightEdgeView::readXml(const records::ElementFields& element) {
    std::string text;
    records::nextTextChild(element, records::ElementFields::npos, "Color", text);
    return colorFromName(text);
}

const std::vector<ParameterDescriptor>& StraightEdgeView::getParameterDescriptors() const {
    static const std::vector<ParameterDescriptor> table = {
        {ParameterDescriptor::Choice, "Color", DotView::kColorNames, "Gray"},
    };
    return table;
}

void StraightEdgeView::resetPropertyIndices() {
    nameIndices_.reset();
    weightIndices_.reset();
    parallelIndexPosition_.store(kNoIndex, std::memory_order_relaxed);
}

int StraightEdgeView::parallelIndex(const ActualProperties* viewProperties) {
    static const AuxInt1 prototype;
    if (!viewProperties) return 0;
    // Documents on other threads may share this view: one load and one store, never a
    // position read twice.
    std::size_t position = parallelIndexPosition_.load(std::memory_order_relaxed);
    if (position == kNoIndex) {
        position = viewProperties->find(prototype);
        parallelIndexPosition_.store(position, std::memory_order_relaxed);
    }
    if (position >= viewProperties->size()) return 0;
    auto* index = propertyAs<AuxInt1>(&viewProperties->at(position));
    return index ? index->get() : 0;
}

EdgeGeometry StraightEdgeView::geometry(Edge* edge, GraphView& view,
                                        ActualProperties* viewProperties, const Point& s,
                                        const Point& t, bool withArrows) {
    const double sx = view.scaleX();
    const double sy = view.scaleY();
    const int k = parallelIndex(viewProperties);
    const double arrowLength = static_cast<int>(sx * kArrowLength);
    EdgeGeometry g;
    Point companion;
    if (edge->isLoop()) {
        VertexView* vertexView = view.findVertexView(edge->source);
        const double a0 = k * bendStep_ + kLoopStart;
        const double a1 = a0 + bendStep_ / 2;
        const Size size = vertexView ? vertexView->getSize() : Size{};
        const int w = static_cast<int>(double(size.cx) * sx);
        const int h = static_cast<int>(double(size.cy) * sy);
        const double r = 8.0 * std::max(w, h);
        g.loop = true;
        g.q0 = s + polar(a0, r);
        g.q1 = s + polar(a1, r);
        const Point e0 = s + contour(vertexView, view, g.q0 - s, companion);
        const Point c0 = s + companion;
        const Point e1 = s + contour(vertexView, view, g.q1 - s, companion);
        const Point c1 = s + companion;
        const Point shift = e0 - c0;
        g.main.push(e0);
        g.main.push(g.q0);
        g.main.push(g.q1);
        g.main.push(e1);
        g.companion.push(c0);
        g.companion.push(g.q0 - shift);
        g.companion.push(g.q1 - shift);
        g.companion.push(c1);
        if (withArrows)
            arrowheads(g, e1, c1, direction(s.y - g.q1.y, s.x - g.q1.x), arrowLength,
                       g.q1.x < g.q0.x);
        return g;
    }
    const Point e0 = s + contour(view.findVertexView(edge->source), view, t - s, companion);
    const Point c0 = s + companion;
    const Point e1 = t + contour(view.findVertexView(edge->target), view, s - t, companion);
    const Point c1 = t + companion;
    // The direction is needed only for a bend or an arrowhead.
    const double theta = k != 0 || withArrows ? direction(t.y - s.y, t.x - s.x) : 0.0;
    double arrow = theta;
    if (k != 0) {
        // Large indices fold back below the limit; the test is on the magnitude so that
        // negative indices stay bounded as well.
        double phi = k * bendStep_;
        for (int divisor = 3; std::fabs(phi) >= kMaxBend; ++divisor) phi = k * bendStep_ / divisor;
        const double d = std::hypot(double(e1.x - e0.x), double(e1.y - e0.y));
        const double r = std::fabs(d / 2 / std::cos(phi));
        const Point offset = polar(theta + phi, r);
        g.bent = true;
        g.bend = e1.x >= e0.x ? e0 + offset : e0 - offset;
        arrow = theta - phi;
    }
    if (withArrows) arrowheads(g, e1, c1, arrow, arrowLength, t.x < s.x);
    g.main.push(e0);
    g.companion.push(c0);
    if (g.bent) {
        g.main.push(g.bend);
        g.companion.push(g.bend + (c0 - e0));
    }
    g.main.push(e1);
    g.companion.push(c1);
    return g;
}

void StraightEdgeView::draw(Edge* edge, GraphView& view, ActualProperties* viewProperties,
                            const Point& source, const Point& target, std::vector<Point>* points) {
    DrawingTools* tools = view.currentTools();
    if (!tools) return;
    const double sx = view.scaleX();
    const int penUnit = sx == 1.0 ? 1 : static_cast<int>(sx);
    const EdgeGeometry g = geometry(edge, view, viewProperties, source, target);
    if (points) points->assign(g.main.points.begin(), g.main.points.begin() + g.main.count);
    if (g.companion.count < 2) return;

    DrawingTools& t = *tools;
    t.penWidth = penUnit;
    auto drawArrow = [&t](const PointList& a) {
        if (a.count != 3) return;
        t.drawLineWithSelectedPen(a[0], a[1]);
        t.drawLineWithSelectedPen(a[2], a[1]);
    };
    t.setPenColor(lightTone_);
    t.selectPen();
    drawArrow(g.companionArrow);
    t.moveTo(g.companion.back());
    for (int i = g.companion.count - 2; i >= 0; --i) t.lineToWithSelectedPen(g.companion[i]);
    t.lineToWithSelectedPen(g.main.front());
    t.setPenColor(darkTone_);
    t.selectPen();
    t.moveTo(g.main.front());
    for (int i = 1; i < g.main.count; ++i) t.lineToWithSelectedPen(g.main[i]);
    t.lineToWithSelectedPen(g.companion.back());
    drawArrow(g.mainArrow);
    t.releasePen();

    drawLabels(t, edge, view, viewProperties, g);
}

void StraightEdgeView::drawLabels(DrawingTools& t, Edge* edge, GraphView& view,
                                  ActualProperties* viewProperties, const EdgeGeometry& g) {
    static const Name namePrototype;
    static const Weight weightPrototype;
    const int pointSize = static_cast<int>(double(view.scaleX()) * kLabelPointSize);
    const Point p0 = g.loop ? g.q0 : g.main.front();
    const Point p1 = g.loop ? g.q0 : g.bent ? g.bend : g.main.front();
    const Point p2 = g.loop ? g.q1 : g.main.back();
    auto label = [&](const std::u16string& text, const RgbColor& colour, int side) {
        const Size size = t.getTextSize(text, kLabelFace, pointSize);
        t.setPenColor(colour);
        t.drawText(text, kLabelFace, pointSize,
                   getTextRectangle(p0, p1, p2, size, side, view.scaleX(), view.scaleY()));
    };
    const Graph* graph = view.graph();
    if (auto* name = static_cast<const Name*>(
            findLabelProperty(namePrototype, nameIndices_, *edge, graph, viewProperties));
        name && !name->get().empty())
        label(name->get(), {64, 64, 64}, -1);
    if (const Property* weight =
            findLabelProperty(weightPrototype, weightIndices_, *edge, graph, viewProperties))
        label(labelText(*weight), {128, 128, 128}, +1);
}

Rect StraightEdgeView::getTextRectangle(const Point& p0, const Point& p1, const Point& p2,
                                        const Size& text, int s, double scaleX,
                                        double scaleY) const {
    const bool bent = !(p1 == p0);
    const Point anchor = bent ? p1
                              : Point{p0.x + static_cast<int>((p2.x - p0.x) * 0.5),
                                      p0.y + static_cast<int>((p2.y - p0.y) * 0.5)};
    const Point dir = bent ? p1 - p0 : p2 - p0;
    const int dx = anchor.x - p0.x;
    const int dy = anchor.y - p0.y;
    const int lx = static_cast<int>(kLabelOffset * scaleX);
    const int ly = static_cast<int>(kLabelOffset * scaleY);
    auto pick = [s](int negative, int zero, int positive) {
        return s < 0 ? negative : s == 0 ? zero : positive;
    };
    int ox = 0, oy = 0, code = 5;
    if (dy == 0 && dx < 0) {
        oy = -ly * s;
        code = pick(2, 5, 8);
    } else if (dy == 0) {
        oy = ly * s;
        code = pick(8, 5, 2);
    } else if (dx == 0 && dy < 0) {
        ox = lx * s;
        code = pick(6, 5, 4);
    } else if (dx == 0) {
        ox = -lx * s;
        code = pick(4, 5, 6);
    } else {
        const double theta = std::atan(double(dir.y) / dir.x);
        const int sinPart = static_cast<int>(std::sin(theta) * lx);
        const int cosPart = static_cast<int>(std::cos(theta) * ly);
        if (dx > 0) {
            ox = -sinPart * s;
            oy = cosPart * s;
            code = dy > 0 ? pick(7, 5, 3) : pick(9, 5, 1);
        } else {
            ox = sinPart * s;
            oy = -cosPart * s;
            code = dy > 0 ? pick(1, 5, 9) : pick(3, 5, 7);
        }
    }
    const int x = anchor.x + ox;
    const int y = anchor.y + oy;
    const int w = static_cast<int>(text.cx);
    const int h = static_cast<int>(text.cy);
    switch (code) {
        case 1:
            return {x, y, x + w, y + h};
        case 2:
            return {x - w / 2 - 1, y, x + w / 2 + 1, y + h};
        case 3:
            return {x - w, y, x, y + h};
        case 4:
            return {x, y - h / 2 - 1, x + w, y + h / 2 + 1};
        case 5:
            return {x - w / 2 - 1, y - h / 2 - 1, x + w / 2 + 1, y + h / 2 + 1};
        case 6:
            return {x - w, y - h / 2 - 1, x, y + h / 2 + 1};
        case 7:
            return {x, y - h, x + w, y};
        case 8:
            return {x - w / 2 - 1, y - h, x + w / 2 + 1, y};
        case 9:
            return {x - w, y - h, x, y};
        default:
            throw std::runtime_error(nx::error_texts::kStraightEdgeTextPosition);
    }
}

Rect StraightEdgeView::getUpdateRectangle(Edge* edge, GraphView& view,
                                          ActualProperties* viewProperties, const Point& source,
                                          const Point& target) {
    static const Name namePrototype;
    static const Weight weightPrototype;
    const EdgeGeometry g = geometry(edge, view, viewProperties, source, target, false);
    Rect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const PointList* list : {&g.main, &g.companion}) {
        for (int i = 0; i < list->count; ++i) {
            const Point& p = (*list)[i];
            r.left = std::min(r.left, p.x);
            r.top = std::min(r.top, p.y);
            r.right = std::max(r.right, p.x + 1);  // right and bottom are exclusive
            r.bottom = std::max(r.bottom, p.y + 1);
        }
    }
    const Graph* graph = view.graph();
    const Property* name =
        findLabelProperty(namePrototype, nameIndices_, *edge, graph, viewProperties);
    const Property* weight =
        findLabelProperty(weightPrototype, weightIndices_, *edge, graph, viewProperties);
    if (name || weight) {
        const int n =
            name ? 40 * static_cast<int>(static_cast<const Name*>(name)->get().size()) : 0;
        const int m = weight ? 40 * static_cast<int>(labelLength(*weight)) : 0;
        const int wide = std::max(n, m);
        r = {r.left - wide, r.top - 140, r.right + wide, r.bottom + 140};
    }
    return r;
}

Rect StraightEdgeView::getUpdateRectangle(Edge* edge, GraphView& view,
                                          ActualProperties* viewProperties) {
    return getUpdateRectangle(edge, view, viewProperties, view.devicePosition(edge->source),
                              view.devicePosition(edge->target));
}

bool StraightEdgeView::hitTest(Edge* edge, GraphView& view, ActualProperties* viewProperties,
                               const Point& source, const Point& target, const Point& p) {
    const EdgeGeometry g = geometry(edge, view, viewProperties, source, target, false);
    for (int i = 0; i + 1 < g.main.count; ++i) {
        const Point& a = g.main[i];
        const Point& b = g.main[i + 1];
        const Rect box{std::min(a.x, b.x) - 1, std::min(a.y, b.y) - 1, std::max(a.x, b.x) + 1,
                       std::max(a.y, b.y) + 1};
        if (box.containsInclusive(p) && squaredDistance(p, a, b) <= 6.5) return true;
    }
    return false;
}

bool StraightEdgeView::isNearStart(Edge* edge, GraphView& view, ActualProperties* viewProperties,
                                   const Point& source, const Point& target, const Point& p) {
    const Point q = geometry(edge, view, viewProperties, source, target, false).main.front();
    return std::abs(p.x - q.x) < 5 && std::abs(p.y - q.y) < 5;
}

bool StraightEdgeView::isNearEnd(Edge* edge, GraphView& view, ActualProperties* viewProperties,
                                 const Point& source, const Point& target, const Point& p) {
    const Point q = geometry(edge, view, viewProperties, source, target, false).main.back();
    return std::abs(p.x - q.x) < 5 && std::abs(p.y - q.y) < 5;
}

void StraightEdgeView::saveToStream(std::ostream& out) const {
    const char sep = records::separator();
    out << getClassId() << sep << color_ << sep << '#';
}

void StraightEdgeView::saveToXml(TiXmlElement& element) const {
    element.SetAttribute("ClassId", getClassId());
    element.SetAttribute("ClassName", "StraightEdgeView");
    records::appendTextChild(element, "Color", DotView::kColorNames[color_]);
}

}  // namespace nx
