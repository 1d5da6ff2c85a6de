// HeadlessDrawingTools and HeadlessCursorTools: drawing tools for a view that draws nowhere.
#pragma once

#include "views/cursor_tools.h"
#include "views/drawing_tools.h"

namespace nx {

// Every primitive is dropped; text is measured on a fixed grid (about 0.6 em wide, one
// em high at 96 dpi) so that layouts, extents and hit tests work without a window system.
class HeadlessDrawingTools : public DrawingTools {
public:
    void drawToMemory() override { toMemory_ = memoryBufferEnabled; }
    void drawToScreen() override { toMemory_ = false; }
    void moveTo(const Point&) override {}
    void lineTo(const Point&) override {}
    void drawLine(const Point&, const Point&) override {}
    void drawCircle(const Point&, int) override {}
    void drawEllipse(const Rect&) override {}
    void drawText(const std::u16string&, const std::u16string&, int, int, int, int, bool, bool,
                  bool, const Rect&) override {}
    void drawText(const std::u16string&, const std::u16string&, int, const Rect&) override {}
    Size getTextSize(const std::u16string& text, const std::u16string&, int height, int width, int,
                     int, bool, bool, bool) override;
    Size getTextSize(const std::u16string& text, const std::u16string&, int pointSize) override;
    void drawRectangle(const Rect&) override {}
    void drawDiamond(const Point&, const Size&) override {}
    void fillRectangle(const Rect&) override {}
    void fillDiamond(const Point&, const Size&) override {}
    void fillCircle(const Point&, int) override {}
    void fillEllipse(const Rect&) override {}
    void copyFromMemoryToScreen(const Point&, const Point&, const Size&) override {}
    void copyFromScreenToMemory(const Point&, const Point&, const Size&) override {}
    bool isDrawingToMemory() const override { return toMemory_; }
    void setCopyMode() override {}
    void setXorMode() override {}
    void setBlackMode() override {}
    void selectBitmap(Bitmap&) override {}
    void deselectBitmap(Bitmap&) override {}
    void drawBitmap(Bitmap&, const Point&, const Rect&) override {}
    void drawBitmap(Bitmap&, const Point&) override {}
    void drawIcon(Icon&, const Point&, const Size&) override {}
    void lineToWithSelectedPen(const Point&) override {}
    void drawLineWithSelectedPen(const Point&, const Point&) override {}
    void drawCircleWithSelectedPen(const Point&, int) override {}
    void drawEllipseWithSelectedPen(const Rect&) override {}
    void drawTextWithSelectedFont(const std::u16string&, const Rect&) override {}
    Size getTextSizeWithSelectedFont(const std::u16string& text) override;
    void drawRectangleWithSelectedPen(const Rect&) override {}
    void drawDiamondWithSelectedPen(const Point&, const Size&) override {}
    // Takes a buffer of the requested size (a default one for (0, 0)); the context may be null.
    void init(DeviceContext* dc, const Size& size) override;
    void deinit() override { initialized = false; }

private:
    static Size measure(const std::u16string& text, int pixelHeight);

    bool toMemory_ = false;
};

class HeadlessCursorTools : public CursorTools {
public:
    void setArrowCursor() override {}
    void setWaitCursor() override {}
    void setAppStartingCursor() override {}
    void setCrossCursor() override {}
    void setSizeAllCursor() override {}
    void setSizeNSCursor() override {}
    void setSizeWECursor() override {}
    void setSizeNESWCursor() override {}
    void setSizeNWSECursor() override {}
    void setHelpCursor() override {}
    void setUpArrowCursor() override {}
    void setIBeamCursor() override {}
    void setNoCursor() override {}
};

}  // namespace nx
