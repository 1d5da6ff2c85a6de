// The label rectangles outside a vertex's box, clockwise from the top.
#include "views/outer_label_position.h"

namespace nx {

std::optional<Rect> outerLabelRectangle(const LabelFrame& f, const Size& text, int position) {
    const int w = static_cast<int>(text.cx);
    const int h = static_cast<int>(text.cy);
    const int x = f.x, y = f.y, hw = f.halfWidth, hh = f.halfHeight, pu = f.penUnit;
    const int above = f.gapAbove, beside = f.gapBeside, below = f.gapBelow;
    switch (position) {
        case 0:  // N
            return Rect{x - w / 2, y - hh - above - h, x + w / 2 + pu, y - hh};
        case 1:  // NE
            return Rect{x + hw + beside, y - hh - above - h, x + hw + beside + w + 1, y - hh};
        case 2:  // E
            return Rect{x + hw + beside, y - h / 2, x + hw + beside + w + 1, y + h / 2 + pu};
        case 3:  // SE
            return Rect{x + hw + beside, y + hh + below, x + hw + beside + w + 1,
                        y + hh + below + h};
        case 4:  // S
            return Rect{x - w / 2, y + hh + below, x + w / 2 + pu, y + hh + below + h};
        case 5:  // SW
            return Rect{x - hw - beside - w, y + hh + below, x - hw - beside, y + hh + below + h};
        case 6:  // W
            return Rect{x - hw - beside - w, y - h / 2, x - hw - beside, y + h / 2 + pu};
        case 7:  // NW
            return Rect{x - hw - beside - w, y - hh - below - h, x - hw - beside, y - hh};
        default:
            return std::nullopt;
    }
}

}  // namespace nx
