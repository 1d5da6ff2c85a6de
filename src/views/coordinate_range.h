// The device coordinate range that stored vertex positions keep to.
#pragma once

#include <algorithm>
#include <cstdint>

namespace nx {

class GraphView;
class Property;

// Any sum or difference of two coordinates in this range still fits a 32-bit int, and
// sizes and margins added to one have room to spare.
inline constexpr std::int32_t kCoordinateLimit = 1'000'000'000;

constexpr bool inCoordinateRange(std::int64_t value) {
    return value >= -kCoordinateLimit && value <= kCoordinateLimit;
}

constexpr std::int32_t clampCoordinate(std::int64_t value) {
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(value, -kCoordinateLimit, kCoordinateLimit));
}

// A coordinate times a device scale (a printer's is about 12), truncated, and kept in the
// range: a position far out on the screen must not leave the int range on paper.
inline std::int32_t scaledCoordinate(std::int32_t value, float scale) {
    const double scaled = value * double(scale);
    if (!(scaled >= -kCoordinateLimit)) return -kCoordinateLimit;
    if (scaled > kCoordinateLimit) return kCoordinateLimit;
    return static_cast<std::int32_t>(scaled);
}

// Clamps the value when the property is an X or a Y; other properties are left alone.
void clampIfCoordinate(Property& property);

// Brings every vertex position the view draws (its X and Y, at whichever level the view
// reads them) into the coordinate range. File readers call it: a position from a file
// may be anything a 32-bit int holds.
void clampVertexCoordinates(GraphView& view);

}  // namespace nx
