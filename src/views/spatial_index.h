// nx::SpatialIndex: grids over item boxes that answer which items may meet an area.
#pragma once

#include <cstdint>
#include <vector>

#include "views/geometry.h"

namespace nx {

// Levels of uniform grids, each with cells eight times wider and taller than the one below;
// an item lives in the finest level where it covers only a few cells, so long edges cost
// as little as dots.
class SpatialIndex {
public:
    // Item k is boxes[k]; boxes are inclusive on every side.
    void build(const std::vector<Rect>& boxes);
    void clear();
    // Every item whose box meets the inclusive area, ascending and without repeats, plus
    // possibly a few that do not: callers test the candidates exactly.
    void query(const Rect& area, std::vector<std::uint32_t>& out) const;

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

    std::int64_t left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;  // inclusive bounds
    std::vector<Level> levels_;
    mutable std::vector<std::uint32_t> seen_;  // query number that last returned the item
    mutable std::uint32_t queryNumber_ = 0;
};

}  // namespace nx
