// The grids behind the graph view's culling: the finest has about one cell per item.
#include "views/spatial_index.h"

#include <algorithm>
#include <cmath>

namespace nx {

int SpatialIndex::Level::column(std::int64_t x, std::int64_t left) const {
    return static_cast<int>(std::clamp<std::int64_t>((x - left) / cellWidth, 0, columns - 1));
}

int SpatialIndex::Level::row(std::int64_t y, std::int64_t top) const {
    return static_cast<int>(std::clamp<std::int64_t>((y - top) / cellHeight, 0, rows - 1));
}

namespace {

bool absent(const Rect& b) {
    return b.left > b.right || b.top > b.bottom;
}

bool meets(const Rect& b, const Rect& area) {
    return b.left <= area.right && area.left <= b.right && b.top <= area.bottom &&
           area.top <= b.bottom;
}

}  // namespace

void SpatialIndex::clear() {
    levels_.clear();
    seen_.clear();
    boxes_.clear();
    moved_.clear();
    isMoved_.clear();
}

void SpatialIndex::build(std::vector<Rect> boxes) {
    clear();
    boxes_ = std::move(boxes);
    buildGrids();
}

void SpatialIndex::update(std::uint32_t k, const Rect& box) {
    if (k >= boxes_.size()) {
        boxes_.resize(k + 1, Rect{1, 1, 0, 0});
        isMoved_.resize(k + 1, 0);
        seen_.resize(k + 1, 0);
    }
    boxes_[k] = box;
    if (!isMoved_[k]) {
        isMoved_[k] = 1;
        moved_.push_back(k);
    }
    // Testing the moved items one by one costs as much as a rebuild once they are many.
    if (moved_.size() > 64 + boxes_.size() / 8) {
        levels_.clear();
        moved_.clear();
        buildGrids();
    }
}

void SpatialIndex::buildGrids() {
    const std::vector<Rect>& boxes = boxes_;
    isMoved_.assign(boxes.size(), 0);
    seen_.assign(boxes.size(), 0);
    queryNumber_ = 0;
    std::size_t first = 0;
    while (first < boxes.size() && absent(boxes[first])) ++first;
    if (first == boxes.size()) return;
    std::size_t present = 0;
    for (const Rect& b : boxes) present += absent(b) ? 0 : 1;
    std::int64_t right = boxes[first].right, bottom = boxes[first].bottom;
    left_ = boxes[first].left;
    top_ = boxes[first].top;
    for (const Rect& b : boxes) {
        if (absent(b)) continue;
        left_ = std::min<std::int64_t>(left_, b.left);
        top_ = std::min<std::int64_t>(top_, b.top);
        right = std::max<std::int64_t>(right, b.right);
        bottom = std::max<std::int64_t>(bottom, b.bottom);
    }
    right_ = right;
    bottom_ = bottom;
    const std::int64_t width = right - left_ + 1, height = bottom - top_ + 1;
    // The finest level: about one square cell per item over the covered area.
    const double side = std::max(1.0, std::sqrt(double(width) * double(height) / double(present)));
    std::int64_t cellWidth = std::max<std::int64_t>(1, std::int64_t(side));
    std::int64_t cellHeight = cellWidth;
    for (;;) {
        Level level;
        level.cellWidth = cellWidth;
        level.cellHeight = cellHeight;
        level.columns = int(std::min<std::int64_t>((width + cellWidth - 1) / cellWidth, 1 << 20));
        level.rows = int(std::min<std::int64_t>((height + cellHeight - 1) / cellHeight, 1 << 20));
        if (std::int64_t(level.columns) * level.rows > std::int64_t(4 * present + 64)) {
            // Very thin areas: fewer, wider cells along the long side.
            cellWidth *= 8;
            cellHeight *= 8;
            continue;
        }
        const bool top = level.columns == 1 && level.rows == 1;
        level.cellStart.assign(std::size_t(level.columns) * level.rows + 1, 0);
        levels_.push_back(std::move(level));
        if (top) break;
        cellWidth *= 8;
        cellHeight *= 8;
    }

    // Each item's level; the top level has a single cell, so every item finds one.
    std::vector<std::uint8_t> levelOf(boxes.size());
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        const Rect& b = boxes[k];
        if (absent(b)) continue;
        std::size_t l = 0;
        for (;; ++l) {
            const Level& level = levels_[l];
            const std::int64_t cells =
                std::int64_t(level.column(b.right, left_) - level.column(b.left, left_) + 1) *
                (level.row(b.bottom, top_) - level.row(b.top, top_) + 1);
            if (cells <= kMaxCellsPerItem || l + 1 == levels_.size()) break;
        }
        levelOf[k] = std::uint8_t(l);
    }
    auto forCells = [&](const Level& level, const Rect& b, auto&& visit) {
        const int c0 = level.column(b.left, left_), c1 = level.column(b.right, left_);
        const int r0 = level.row(b.top, top_), r1 = level.row(b.bottom, top_);
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) visit(std::size_t(r) * level.columns + c);
    };
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        if (absent(boxes[k])) continue;
        Level& level = levels_[levelOf[k]];
        forCells(level, boxes[k], [&](std::size_t cell) { ++level.cellStart[cell + 1]; });
    }
    for (Level& level : levels_) {
        for (std::size_t c = 0; c + 1 < level.cellStart.size(); ++c)
            level.cellStart[c + 1] += level.cellStart[c];
        level.cellItems.resize(level.cellStart.back());
    }
    std::vector<std::vector<std::uint32_t>> fill;
    for (const Level& level : levels_)
        fill.emplace_back(level.cellStart.begin(), level.cellStart.end() - 1);
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        if (absent(boxes[k])) continue;
        Level& level = levels_[levelOf[k]];
        std::vector<std::uint32_t>& next = fill[levelOf[k]];
        forCells(level, boxes[k],
                 [&](std::size_t cell) { level.cellItems[next[cell]++] = std::uint32_t(k); });
    }
}

bool SpatialIndex::covers(const Rect& area) const {
    auto holds = [&](std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
        return area.left <= left && area.top <= top && right <= area.right && bottom <= area.bottom;
    };
    if (!levels_.empty() && !holds(left_, top_, right_, bottom_)) return false;
    for (std::uint32_t k : moved_) {
        const Rect& b = boxes_[k];
        if (!absent(b) && !holds(b.left, b.top, b.right, b.bottom)) return false;
    }
    return true;
}

void SpatialIndex::query(const Rect& area, std::vector<std::uint32_t>& out) const {
    out.clear();
    if (++queryNumber_ == 0) {  // wrapped: forget every earlier query
        std::fill(seen_.begin(), seen_.end(), 0);
        queryNumber_ = 1;
    }
    for (std::uint32_t k : moved_) {
        if (absent(boxes_[k]) || !meets(boxes_[k], area)) continue;
        seen_[k] = queryNumber_;
        out.push_back(k);
    }
    const bool outside = levels_.empty() || area.right < left_ || area.left > right_ ||
                         area.bottom < top_ || area.top > bottom_;
    for (std::size_t l = 0, count = outside ? 0 : levels_.size(); l < count; ++l) {
        const Level& level = levels_[l];
        const int c0 = level.column(area.left, left_), c1 = level.column(area.right, left_);
        const int r0 = level.row(area.top, top_), r1 = level.row(area.bottom, top_);
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) {
                const std::size_t cell = std::size_t(r) * level.columns + c;
                for (std::uint32_t i = level.cellStart[cell]; i < level.cellStart[cell + 1]; ++i) {
                    const std::uint32_t k = level.cellItems[i];
                    // A moved item was answered above from its current box.
                    if (seen_[k] == queryNumber_ || isMoved_[k]) continue;
                    seen_[k] = queryNumber_;
                    out.push_back(k);
                }
            }
    }
    std::sort(out.begin(), out.end());
}

}  // namespace nx
