// Readable label colours: the contrast of two colours and a text colour that keeps enough.
#pragma once

#include "views/geometry.h"

namespace nx {

// The contrast ratio of two colours from their relative luminances (sRGB), 1 to 21.
double contrastRatio(const RgbColor& a, const RgbColor& b);

// Below this ratio a label counts as hard to read (the ratio asked of ordinary text; labels
// are small).
inline constexpr double kMinimumLabelContrast = 4.5;

// The text colour itself when it contrasts enough with the background; else the colour
// moved the least towards white (on dark backgrounds) or black (on light ones) that does,
// so a coloured label keeps its hue as far as it can.
RgbColor readableTextColor(const RgbColor& text, const RgbColor& background);

}  // namespace nx
