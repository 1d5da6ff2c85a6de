// nx::GraphView drawing order, flips and rotation.
#include <algorithm>
#include <climits>
#include <cmath>

#include "views/graph_view.h"

namespace nx {

void GraphView::swapEntries(std::size_t a, std::size_t b) {
    invalidateSpatialIndex();
    std::swap(sequence_[a], sequence_[b]);
    *vertexMap_.find(sequence_[a].vertex) = a;
    *vertexMap_.find(sequence_[b].vertex) = b;
}

void GraphView::bringForward(Vertex* vertex) {
    const std::size_t at = positionOf(vertex);
    if (sequence_.size() < 2 || at + 1 >= sequence_.size()) return;
    swapEntries(at, at + 1);
}

void GraphView::sendBackward(Vertex* vertex) {
    const std::size_t at = positionOf(vertex);
    if (sequence_.size() < 2 || at == 0 || at >= sequence_.size()) return;
    swapEntries(at, at - 1);
}

void GraphView::bringToFront(Vertex* vertex) {
    const std::size_t at = positionOf(vertex);
    if (sequence_.size() < 2 || at + 1 >= sequence_.size()) return;
    swapEntries(at, sequence_.size() - 1);
}

void GraphView::sendToBack(Vertex* vertex) {
    const std::size_t at = positionOf(vertex);
    if (sequence_.size() < 2 || at == 0 || at >= sequence_.size()) return;
    swapEntries(at, 0);
}

bool GraphView::placeInSequence(Vertex* vertex, std::size_t position) {
    invalidateSpatialIndex();
    const std::size_t at = positionOf(vertex);
    if (at >= sequence_.size() || position >= sequence_.size()) return false;
    if (at != position) swapEntries(at, position);
    return true;
}

bool GraphView::coordinateRange(bool horizontal, int& low, int& high) const {
    if (sequence_.empty()) return false;
    low = INT_MAX;
    high = INT_MIN;
    for (const VertexViewEntry& e : sequence_) {
        const int v = horizontal ? getX(e.vertex, e.properties) : getY(e.vertex, e.properties);
        low = std::min(low, v);
        high = std::max(high, v);
    }
    return true;
}

bool GraphView::flipHorizontal() {
    int low, high;
    if (!coordinateRange(true, low, high) || low >= high) return false;
    for (const VertexViewEntry& e : sequence_)
        setX(e.vertex, e.properties, low + high - getX(e.vertex, e.properties));
    return true;
}

bool GraphView::flipVertical() {
    int low, high;
    if (!coordinateRange(false, low, high) || low >= high) return false;
    for (const VertexViewEntry& e : sequence_)
        setY(e.vertex, e.properties, low + high - getY(e.vertex, e.properties));
    return true;
}

bool GraphView::rotate(float radians) {
    int minX, maxX, minY, maxY;
    if (!coordinateRange(true, minX, maxX) || !coordinateRange(false, minY, maxY)) return false;
    if (!(minX < maxX) && !(minY < maxY)) return false;
    const int cx = static_cast<int>((double(minX) + maxX) * 0.5);
    const int cy = static_cast<int>((double(minY) + maxY) * 0.5);
    // Single precision throughout, so results match the established drawings.
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    const float fx = static_cast<float>(cx);
    const float fy = static_cast<float>(cy);
    std::vector<Point> turned;
    turned.reserve(sequence_.size());
    int newMinX = INT_MAX, newMinY = INT_MAX;
    for (const VertexViewEntry& e : sequence_) {
        const float dx = static_cast<float>(getX(e.vertex, e.properties) - cx);
        const float dy = static_cast<float>(getY(e.vertex, e.properties) - cy);
        const Point p{static_cast<int>(fx + dx * c - dy * s + 0.5f),
                      static_cast<int>(fy + dx * s + dy * c + 0.5f)};
        newMinX = std::min(newMinX, p.x);
        newMinY = std::min(newMinY, p.y);
        turned.push_back(p);
    }
    for (std::size_t i = 0; i < sequence_.size(); ++i) {
        const VertexViewEntry& e = sequence_[i];
        setX(e.vertex, e.properties, turned[i].x + (minX - newMinX));
        setY(e.vertex, e.properties, turned[i].y + (minY - newMinY));
    }
    return true;
}

}  // namespace nx
