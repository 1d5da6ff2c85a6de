// nx::GraphView flips and rotation.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

#include "views/coordinate_range.h"
#include "views/graph_view.h"

namespace nx {

bool GraphView::coordinateRange(bool horizontal, int& low, int& high) const {
    if (sequence_.empty()) return false;
    low = INT_MAX;
    high = INT_MIN;
    for (const VertexViewEntry e : sequence_) {
        const int v = horizontal ? getX(e.vertex, e.properties) : getY(e.vertex, e.properties);
        low = std::min(low, v);
        high = std::max(high, v);
    }
    return true;
}

// Results are computed in 64 bits and kept inside the coordinate range: a position set
// by a host may lie anywhere a 32-bit int reaches.
bool GraphView::flipHorizontal() {
    int low, high;
    if (!coordinateRange(true, low, high) || low >= high) return false;
    for (const VertexViewEntry e : sequence_) {
        const std::int64_t x = std::int64_t{low} + high - getX(e.vertex, e.properties);
        setX(e.vertex, e.properties, clampCoordinate(x));
    }
    return true;
}

bool GraphView::flipVertical() {
    int low, high;
    if (!coordinateRange(false, low, high) || low >= high) return false;
    for (const VertexViewEntry e : sequence_) {
        const std::int64_t y = std::int64_t{low} + high - getY(e.vertex, e.properties);
        setY(e.vertex, e.properties, clampCoordinate(y));
    }
    return true;
}

namespace {

// The shift that keeps a turned drawing's near edge where it was, reduced where its far
// edge would pass the coordinate limit (a turned drawing may be wider than it was high).
std::int64_t keepingEdge(std::int64_t oldMin, std::int64_t newMin, std::int64_t newMax) {
    std::int64_t shift = oldMin - newMin;
    if (newMax + shift > kCoordinateLimit) shift = kCoordinateLimit - newMax;
    return shift;
}

}  // namespace

bool GraphView::rotate(float radians) {
    int minX, maxX, minY, maxY;
    if (!coordinateRange(true, minX, maxX) || !coordinateRange(false, minY, maxY)) return false;
    if (!(minX < maxX) && !(minY < maxY)) return false;
    const auto cx = static_cast<std::int64_t>((double(minX) + maxX) * 0.5);
    const auto cy = static_cast<std::int64_t>((double(minY) + maxY) * 0.5);
    // Single precision throughout, so results match the established drawings.
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    const float fx = static_cast<float>(cx);
    const float fy = static_cast<float>(cy);
    struct Turned {
        std::int64_t x, y;
    };
    std::vector<Turned> turned;
    turned.reserve(sequence_.size());
    std::int64_t newMinX = INT64_MAX, newMinY = INT64_MAX;
    std::int64_t newMaxX = INT64_MIN, newMaxY = INT64_MIN;
    for (const VertexViewEntry e : sequence_) {
        const float dx = static_cast<float>(getX(e.vertex, e.properties) - cx);
        const float dy = static_cast<float>(getY(e.vertex, e.properties) - cy);
        const Turned p{static_cast<std::int64_t>(fx + dx * c - dy * s + 0.5f),
                       static_cast<std::int64_t>(fy + dx * s + dy * c + 0.5f)};
        newMinX = std::min(newMinX, p.x);
        newMinY = std::min(newMinY, p.y);
        newMaxX = std::max(newMaxX, p.x);
        newMaxY = std::max(newMaxY, p.y);
        turned.push_back(p);
    }
    const std::int64_t shiftX = keepingEdge(minX, newMinX, newMaxX);
    const std::int64_t shiftY = keepingEdge(minY, newMinY, newMaxY);
    for (std::size_t i = 0; i < sequence_.size(); ++i) {
        const VertexViewEntry e = sequence_[i];
        setX(e.vertex, e.properties, clampCoordinate(turned[i].x + shiftX));
        setY(e.vertex, e.properties, clampCoordinate(turned[i].y + shiftY));
    }
    return true;
}

}  // namespace nx
