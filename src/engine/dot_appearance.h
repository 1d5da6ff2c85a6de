// DotAppearance: the look of a dot vertex view as the engine's appearance calls take it.
#pragma once

#include <cstdint>

namespace ramulo {

// The fields in the order the host members take them (size, filled, outer and inner colour
// index, name and weight label position), so a braced list reads like the host call.
struct DotAppearance {
    // The shapes the host can choose; the values are the dot views' class ids.
    enum class Shape { Square = 1, Diamond = 3 };

    Shape shape = Shape::Square;
    std::uint16_t size = 9;
    bool filled = false;
    std::uint16_t outerColor = 4;
    std::uint16_t innerColor = 4;
    std::uint16_t namePos = 1;
    std::uint16_t weightPos = 2;
};

}  // namespace ramulo
