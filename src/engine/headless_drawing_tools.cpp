// Text measurement and buffer sizing of the headless drawing tools.
#include "engine/headless_drawing_tools.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace nx {

namespace {
// Point size in tenths of a point at a fixed 96 dpi, as the window binding does.
int pixelsOfPointSize(int pointSize) {
    return static_cast<int>(std::lround(96.0 * pointSize / 720.0));
}
constexpr int kDefaultPixelHeight = 13;
constexpr Size kDefaultBuffer{1920, 1080};
}  // namespace

Size HeadlessDrawingTools::measure(const std::u16string& text, int pixelHeight) {
    if (pixelHeight <= 0) pixelHeight = kDefaultPixelHeight;
    const auto charWidth = static_cast<std::uint64_t>((pixelHeight * 3 + 4) / 5);
    return {charWidth * text.size(), static_cast<std::uint64_t>(pixelHeight)};
}

Size HeadlessDrawingTools::getTextSize(const std::u16string& text, const std::u16string&,
                                       int height, int, int, int, bool, bool, bool) {
    return measure(text, std::abs(height));
}

Size HeadlessDrawingTools::getTextSize(const std::u16string& text, const std::u16string&,
                                       int pointSize) {
    return measure(text, pixelsOfPointSize(pointSize));
}

Size HeadlessDrawingTools::getTextSizeWithSelectedFont(const std::u16string& text) {
    const FontDescription* font = selectedFont();
    return measure(text, font ? pixelsOfPointSize(font->pointSize) : kDefaultPixelHeight);
}

void HeadlessDrawingTools::init(DeviceContext*, const Size& size) {
    const Size wanted = size.cx && size.cy ? size : kDefaultBuffer;
    if (initialized && wanted.cx <= bufferWidth && wanted.cy <= bufferHeight) return;
    bufferWidth = std::max<std::size_t>(bufferWidth, wanted.cx);
    bufferHeight = std::max<std::size_t>(bufferHeight, wanted.cy);
    initialized = true;
}

}  // namespace nx
