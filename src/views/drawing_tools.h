// nx::DrawingTools: the abstract drawing interface every view draws through.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "views/bitmap.h"
#include "views/device_context.h"
#include "views/geometry.h"

namespace nx {

class Icon;

// Colours handed to the drawing operations are blended towards the background
// while an element is faded; the getters always answer the stored colours.
// The selected pen and font are tracked here so every back end follows the
// same protocol; a back end reads selectedPen()/selectedFont() to build its own.
class DrawingTools {
public:
    struct PenDescription {
        RgbColor color;  // effective colour at the time of selection
        int width = 1;
    };
    struct FontDescription {
        std::u16string faceName;
        int pointSize = 0;  // tenths of a point
        bool cached = false;
    };

    DrawingTools() = default;
    DrawingTools(const DrawingTools&) = delete;
    DrawingTools& operator=(const DrawingTools&) = delete;

    virtual ~DrawingTools() = default;
    virtual void drawToMemory() = 0;
    virtual void drawToScreen() = 0;
    virtual void moveTo(const Point& p) = 0;
    virtual void lineTo(const Point& p) = 0;
    virtual void drawLine(const Point& from, const Point& to) = 0;
    virtual void drawCircle(const Point& centre, int radius) = 0;
    virtual void drawEllipse(const Rect& r) = 0;
    virtual void drawText(const std::u16string& text, const std::u16string& faceName, int height,
                          int width, int orientation, int weight, bool italic, bool underline,
                          bool strikeOut, const Rect& r) = 0;
    virtual void drawText(const std::u16string& text, const std::u16string& faceName, int pointSize,
                          const Rect& r) = 0;
    virtual Size getTextSize(const std::u16string& text, const std::u16string& faceName, int height,
                             int width, int orientation, int weight, bool italic, bool underline,
                             bool strikeOut) = 0;
    virtual Size getTextSize(const std::u16string& text, const std::u16string& faceName,
                             int pointSize) = 0;
    virtual void drawRectangle(const Rect& r) = 0;
    virtual void drawDiamond(const Point& centre, const Size& half) = 0;
    virtual void fillRectangle(const Rect& r) = 0;
    virtual void fillDiamond(const Point& centre, const Size& half) = 0;
    virtual void fillCircle(const Point& centre, int radius) = 0;
    virtual void fillEllipse(const Rect& r) = 0;
    virtual RgbColor getPenColor() const { return penColor_; }
    virtual RgbColor getBrushColor() const { return brushColor_; }
    virtual RgbColor getBackgroundColor() const { return backgroundColor_; }
    virtual void setPenColor(const RgbColor& c) { penColor_ = c; }
    virtual void setBrushColor(const RgbColor& c) { brushColor_ = c; }
    virtual void setBackgroundColor(const RgbColor& c) { backgroundColor_ = c; }
    virtual void copyFromMemoryToScreen(const Point& source, const Point& destination,
                                        const Size& size) = 0;
    virtual void copyFromScreenToMemory(const Point& source, const Point& destination,
                                        const Size& size) = 0;
    virtual bool isDrawingToMemory() const = 0;
    virtual bool isDrawingToScreen() const { return !isDrawingToMemory(); }
    virtual void setCopyMode() = 0;
    virtual void setXorMode() = 0;
    virtual void setBlackMode() = 0;
    virtual void selectBitmap(Bitmap& bitmap) = 0;
    virtual void deselectBitmap(Bitmap& bitmap) = 0;
    virtual void drawBitmap(Bitmap& bitmap, const Point& p, const Rect& part) = 0;
    virtual void drawBitmap(Bitmap& bitmap, const Point& p) = 0;
    virtual void drawIcon(Icon& icon, const Point& p, const Size& size) = 0;
    // Grey frame with the word "Icon" for an icon that cannot be drawn.
    virtual void drawMissingIcon(const Point& p, const Size& size);
    virtual void setFontQuality(int quality) { fontQuality_ = quality; }
    virtual void setFontCharSet(int charSet) { fontCharSet_ = charSet; }
    // Overrides call these first, then make the described pen or font current.
    virtual void selectPen();
    virtual void releasePen();
    virtual void selectFont(const std::u16string& faceName, int pointSize);
    virtual void releaseFont();
    virtual void selectCachedFont(const std::u16string& faceName, int pointSize);
    virtual void removeCachedFont(const std::u16string& faceName, int pointSize);
    virtual void releaseCachedFont();
    virtual void lineToWithSelectedPen(const Point& p) = 0;
    virtual void drawLineWithSelectedPen(const Point& from, const Point& to) = 0;
    virtual void drawCircleWithSelectedPen(const Point& centre, int radius) = 0;
    virtual void drawEllipseWithSelectedPen(const Rect& r) = 0;
    virtual void drawTextWithSelectedFont(const std::u16string& text, const Rect& r) = 0;
    virtual Size getTextSizeWithSelectedFont(const std::u16string& text) = 0;
    virtual void drawRectangleWithSelectedPen(const Rect& r) = 0;
    virtual void drawDiamondWithSelectedPen(const Point& centre, const Size& half) = 0;

    // Binds the tools to a surface for one paint; Size (0, 0) asks for the largest
    // buffer the screen allows. Platform-specific, so the back end implements both.
    virtual void init(DeviceContext* dc, const Size& size) = 0;
    virtual void deinit() = 0;

    // Throws std::logic_error once the tools are initialised.
    void enableMemoryBuffer();

    // Stored colour blended towards the background by fadingRatio when fadingLevel != 0.
    RgbColor effectiveColor(const RgbColor& stored) const;
    RgbColor effectivePenColor() const { return effectiveColor(penColor_); }
    RgbColor effectiveBrushColor() const { return effectiveColor(brushColor_); }
    static RgbColor blend(const RgbColor& base, const RgbColor& target, double ratio);

    const PenDescription* selectedPen() const { return selectedPen_ ? &*selectedPen_ : nullptr; }
    const FontDescription* selectedFont() const {
        return selectedFont_ ? &*selectedFont_ : nullptr;
    }
    int fontQuality() const { return fontQuality_; }
    int fontCharSet() const { return fontCharSet_; }

    bool memoryBufferEnabled = false;
    // Text keeps a readable contrast against the background colour (back ends that draw
    // text honour it); off, text takes the pen colour as it is.
    bool labelContrast = false;
    bool initialized = false;
    int fadingLevel = 0;
    int penWidth = 1;
    double fadingRatio = 0.0;
    std::size_t bufferWidth = 0;
    std::size_t bufferHeight = 0;

protected:
    RgbColor penColor_;
    RgbColor brushColor_;
    RgbColor backgroundColor_;
    int fontQuality_ = 0;
    int fontCharSet_ = 1;
    std::optional<PenDescription> selectedPen_;
    std::optional<FontDescription> selectedFont_;
};

// Selects a pen built from the tools' current penWidth and colour for its lifetime.
class ScopedPen {
public:
    explicit ScopedPen(DrawingTools* tools) : tools_(tools) {
        if (tools_) tools_->selectPen();
    }
    virtual ~ScopedPen() {
        if (tools_) tools_->releasePen();
    }
    ScopedPen(const ScopedPen&) = delete;
    ScopedPen& operator=(const ScopedPen&) = delete;

private:
    DrawingTools* tools_;
};

// Selects a point font for its lifetime.
class ScopedFont {
public:
    ScopedFont(DrawingTools* tools, const std::u16string& faceName, int pointSize) : tools_(tools) {
        if (tools_) tools_->selectFont(faceName, pointSize);
    }
    ~ScopedFont() {
        if (tools_) tools_->releaseFont();
    }
    ScopedFont(const ScopedFont&) = delete;
    ScopedFont& operator=(const ScopedFont&) = delete;

private:
    DrawingTools* tools_;
};

}  // namespace nx
