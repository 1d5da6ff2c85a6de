// Readable label colours: relative luminance, contrast ratio and the nearest readable colour.
#include "views/label_contrast.h"

#include <cmath>

namespace nx {

namespace {

double linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const RgbColor& c) {
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

std::uint8_t mix(std::uint8_t from, std::uint8_t to, int step, int steps) {
    return static_cast<std::uint8_t>(from + (int(to) - int(from)) * step / steps);
}

}  // namespace

double contrastRatio(const RgbColor& a, const RgbColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return la > lb ? (la + 0.05) / (lb + 0.05) : (lb + 0.05) / (la + 0.05);
}

RgbColor readableTextColor(const RgbColor& text, const RgbColor& background) {
    if (contrastRatio(text, background) >= kMinimumLabelContrast) return text;
    // Towards the end that contrasts more with the background; against any background one
    // of black and white reaches a ratio of at least 4.58.
    const RgbColor white{255, 255, 255};
    const RgbColor black{0, 0, 0};
    const RgbColor end =
        contrastRatio(white, background) >= contrastRatio(black, background) ? white : black;
    constexpr int kSteps = 32;
    for (int step = 1; step < kSteps; ++step) {
        const RgbColor c{mix(text.red, end.red, step, kSteps), mix(text.green, end.green, step, kSteps),
                         mix(text.blue, end.blue, step, kSteps)};
        if (contrastRatio(c, background) >= kMinimumLabelContrast) return c;
    }
    return end;
}

}  // namespace nx
