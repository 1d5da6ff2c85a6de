// The platform-neutral part of nx::DrawingTools: fading, the selection protocol, placeholders.
#include "views/drawing_tools.h"
#include "views/error_texts.h"

#include <algorithm>
#include <stdexcept>

namespace nx {

void DrawingTools::enableMemoryBuffer() {
    if (initialized) throw std::logic_error(nx::error_texts::kMemoryBufferAfterInit);
    memoryBufferEnabled = true;
}

RgbColor DrawingTools::blend(const RgbColor& base, const RgbColor& target, double ratio) {
    // Clamped, so a ratio outside 0..1 cannot wrap a channel around.
    auto channel = [ratio](std::uint8_t from, std::uint8_t to) {
        const int delta = int(to) - int(from);
        const int value = int(from) + static_cast<int>(delta * ratio);
        return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
    };
    return {channel(base.red, target.red), channel(base.green, target.green),
            channel(base.blue, target.blue)};
}

RgbColor DrawingTools::effectiveColor(const RgbColor& stored) const {
    // The switch is the level, the factor is the ratio; callers keep them together.
    if (fadingLevel == 0) return stored;
    return blend(stored, backgroundColor_, fadingRatio);
}

void DrawingTools::drawMissingIcon(const Point& p, const Size& size) {
    penWidth = 1;
    setPenColor({80, 80, 80});
    const auto cx = static_cast<std::int32_t>(size.cx);
    const auto cy = static_cast<std::int32_t>(size.cy);
    drawRectangle({p.x, p.y, p.x + cx, p.y + cy});
    const int pointSize = 3 * cy;
    const Size text = getTextSize(u"Icon", u"Tahoma", pointSize);
    const std::int32_t mx = p.x + cx / 2;
    const std::int32_t my = p.y + cy / 2;
    const auto hw = static_cast<std::int32_t>(text.cx / 2);
    const auto hh = static_cast<std::int32_t>(text.cy / 2);
    drawText(u"Icon", u"Tahoma", pointSize, {mx - hw, my - hh, mx + hw, my + hh});
}

void DrawingTools::selectPen() {
    selectedPen_ = PenDescription{effectivePenColor(), penWidth};
}

void DrawingTools::releasePen() {
    selectedPen_.reset();
}

void DrawingTools::selectFont(const std::u16string& faceName, int pointSize) {
    selectedFont_ = FontDescription{faceName, pointSize, false};
}

void DrawingTools::releaseFont() {
    selectedFont_.reset();
}

void DrawingTools::selectCachedFont(const std::u16string& faceName, int pointSize) {
    selectedFont_ = FontDescription{faceName, pointSize, true};
}

// The cache holds platform fonts, so only a back end has anything to remove.
void DrawingTools::removeCachedFont(const std::u16string&, int) {}

void DrawingTools::releaseCachedFont() {
    selectedFont_.reset();
}

}  // namespace nx
