// nx::SpatialIndex: grids over item boxes that answer which items may meet an area.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "views/geometry.h"

namespace nx {

// Levels of uniform grids, each with cells eight times wider and taller than the one below;
// an item lives in the finest level where it covers only a few cells, so long edges cost
// as little as dots. Items whose box changed since the grids were built are kept aside and
// tested one by one until enough of them pile up to be worth a rebuild.
class SpatialIndex {
public:
    // Item k is boxes[k]; boxes are inclusive on every side. A box with left > right or
    // top > bottom holds no item (a free slot).
    void build(std::vector<Rect> boxes);
    void clear();
    // Item k's box is now box; k may be size() to add an item. Amortised constant time.
    void update(std::uint32_t k, const Rect& box);
    std::size_t size() const { return boxes_.size(); }
    const Rect& box(std::uint32_t k) const { return boxes_[k]; }
    // Every item whose box meets the inclusive area, ascending and without repeats, plus
    // possibly a few that do not: callers test the candidates exactly.
    void query(const Rect& area, std::vector<std::uint32_t>& out) const;
    // True when the inclusive area holds every item's box: a query would answer them all.
    bool covers(const Rect& area) const;

private:
    struct Level {
        std::int64_t cellWidth = 1, cellHeight = 1;
        int columns = 1, rows = 1;
        std::vector<std::uint32_t> cellStart;  // cell c holds cellItems[cellStart[c], [c + 1])
        std::vector<std::uint32_t> cellItems;
        int column(std::int64_t x, std::int64_t left) const;
        int row(std::int64_t y, std::int64_t top) const;
    };
    static constexpr std::int64_t kMaxCellsPerItem = 16;
    void buildGrids();

    std::vector<Rect> boxes_;
    // Items whose grid cells no longer match their box, and a mark per item for them.
    std::vector<std::uint32_t> moved_;
    std::vector<std::uint8_t> isMoved_;

    std::int64_t left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;  // inclusive bounds
    std::vector<Level> levels_;
    mutable std::vector<std::uint32_t> seen_;  // query number that last returned the item
    mutable std::uint32_t queryNumber_ = 0;
};

}  // namespace nx
