// The eight label positions around a vertex's box, shared by the dot and icon views.
#pragma once

#include <optional>

#include "views/geometry.h"

namespace nx {

// A box centred on (x, y) and the gaps a label keeps from it: above (N, NE), beside
// (NE..SE, SW..NW) and below (SE..SW; NW keeps this one above too, as drawings always
// have). Labels centred on an axis reach one pen unit further right or down.
struct LabelFrame {
    int x = 0, y = 0;
    int halfWidth = 0, halfHeight = 0;
    int penUnit = 1;
    int gapAbove = 0, gapBeside = 0, gapBelow = 0;
};

// The rectangle of a text of the given size at position 0..7 (N, NE, E, SE, S, SW, W, NW,
// clockwise from the top); nothing for any other position.
std::optional<Rect> outerLabelRectangle(const LabelFrame& frame, const Size& text, int position);

}  // namespace nx
