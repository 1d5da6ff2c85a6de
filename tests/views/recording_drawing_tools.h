// A drawing-tools double that records every primitive with its effective colour and pen.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "views/cursor_tools.h"
#include "views/drawing_tools.h"

namespace nx::test {

struct DrawCall {
    // The operation's name, e.g. "drawEllipseWithSelectedPen": a literal, so that recording
    // a call builds no string.
    std::string_view op;
    Rect rect;       // rectangles, and (x, y, cx, cy) of diamonds
    Point from, to;  // lines, moveTo/lineTo (to), circles (from = centre)
    int radius = 0;
    RgbColor colour;  // effective pen colour for outlines and text, brush colour for fills
    int width = 0;    // pen width of outlines
    std::u16string text;
    int pointSize = 0;
    bool xorMode = false;   // drawn in XOR mode
    bool toScreen = false;  // drawn on the screen rather than into the memory buffer
};

// Answers text sizes of (charWidth x characters, lineHeight): (7, 12) for "A" by default.
class RecordingDrawingTools : public DrawingTools {
public:
    int charWidth = 7;
    int lineHeight = 12;
    std::vector<DrawCall> calls;
    int penSelections = 0;
    int fontSelections = 0;
    bool toMemory = false;
    DeviceContext* context = nullptr;

    std::vector<DrawCall> callsNamed(std::string_view op) const {
        std::vector<DrawCall> found;
        for (const DrawCall& c : calls)
            if (c.op == op) found.push_back(c);
        return found;
    }
    // Every outline-drawing call, whatever pen it used.
    std::vector<DrawCall> outlines() const {
        std::vector<DrawCall> found;
        for (const DrawCall& c : calls)
            if (c.op.rfind("draw", 0) == 0 && c.op.find("Text") == std::string_view::npos)
                found.push_back(c);
        return found;
    }

    void drawToMemory() override { toMemory = memoryBufferEnabled; }
    void drawToScreen() override { toMemory = false; }
    void moveTo(const Point& p) override {
        current_ = p;
        DrawCall& c = record("moveTo");
        c.to = p;
    }
    void lineTo(const Point& p) override { line("lineTo", current_, p, false); }
    void drawLine(const Point& a, const Point& b) override { line("drawLine", a, b, false); }
    void drawCircle(const Point& c, int r) override { circle("drawCircle", c, r, false); }
    void drawEllipse(const Rect& r) override { outline("drawEllipse", r, false); }
    void drawText(const std::u16string& text, const std::u16string&, int height, int, int, int,
                  bool, bool, bool, const Rect& r) override {
        text_("drawTextExplicit", text, height, r);
    }
    void drawText(const std::u16string& text, const std::u16string&, int pointSize,
                  const Rect& r) override {
        text_("drawText", text, pointSize, r);
    }
    Size getTextSize(const std::u16string& text, const std::u16string&, int, int, int, int, bool,
                     bool, bool) override {
        return measure(text);
    }
    Size getTextSize(const std::u16string& text, const std::u16string&, int) override {
        return measure(text);
    }
    void drawRectangle(const Rect& r) override { outline("drawRectangle", r, false); }
    void drawDiamond(const Point& c, const Size& h) override {
        diamond("drawDiamond", c, h, false);
    }
    void fillRectangle(const Rect& r) override { fill("fillRectangle", r); }
    void fillDiamond(const Point& c, const Size& h) override {
        fill("fillDiamond", {c.x, c.y, int(h.cx), int(h.cy)});
    }
    void fillCircle(const Point& c, int r) override {
        fill("fillCircle", {c.x - r, c.y - r, c.x + r, c.y + r});
    }
    void fillEllipse(const Rect& r) override { fill("fillEllipse", r); }
    void copyFromMemoryToScreen(const Point&, const Point&, const Size&) override {}
    void copyFromScreenToMemory(const Point&, const Point&, const Size&) override {}
    bool isDrawingToMemory() const override { return toMemory; }
    void setCopyMode() override { xorMode_ = false; }
    void setXorMode() override { xorMode_ = true; }
    void setBlackMode() override {}
    void selectBitmap(Bitmap&) override {}
    void deselectBitmap(Bitmap&) override {}
    void drawBitmap(Bitmap&, const Point&, const Rect&) override {}
    void drawBitmap(Bitmap&, const Point&) override {}
    void drawIcon(Icon&, const Point& p, const Size& s) override { drawMissingIcon(p, s); }
    void selectPen() override {
        DrawingTools::selectPen();
        ++penSelections;
    }
    void selectFont(const std::u16string& face, int pointSize) override {
        DrawingTools::selectFont(face, pointSize);
        ++fontSelections;
    }
    void lineToWithSelectedPen(const Point& p) override {
        line("lineToWithSelectedPen", current_, p, true);
    }
    void drawLineWithSelectedPen(const Point& a, const Point& b) override {
        line("drawLineWithSelectedPen", a, b, true);
    }
    void drawCircleWithSelectedPen(const Point& c, int r) override {
        circle("drawCircleWithSelectedPen", c, r, true);
    }
    void drawEllipseWithSelectedPen(const Rect& r) override {
        outline("drawEllipseWithSelectedPen", r, true);
    }
    void drawTextWithSelectedFont(const std::u16string& text, const Rect& r) override {
        const FontDescription* font = selectedFont();
        text_("drawTextWithSelectedFont", text, font ? font->pointSize : -1, r);
    }
    Size getTextSizeWithSelectedFont(const std::u16string& text) override { return measure(text); }
    void drawRectangleWithSelectedPen(const Rect& r) override {
        outline("drawRectangleWithSelectedPen", r, true);
    }
    void drawDiamondWithSelectedPen(const Point& c, const Size& h) override {
        diamond("drawDiamondWithSelectedPen", c, h, true);
    }
    void init(DeviceContext* dc, const Size& size) override {
        context = dc;
        if (!initialized) {
            bufferWidth = size.cx;
            bufferHeight = size.cy;
            initialized = true;
        }
        drawToMemory();
    }
    void deinit() override {
        releasePen();
        releaseFont();
        initialized = false;
    }

private:
    DrawCall& record(const char* op) {
        calls.emplace_back();
        calls.back().op = op;
        calls.back().xorMode = xorMode_;
        calls.back().toScreen = !toMemory;
        return calls.back();
    }
    void text_(const char* op, const std::u16string& text, int pointSize, const Rect& r) {
        DrawCall& c = record(op);
        c.rect = r;
        c.colour = effectivePenColor();
        c.text = text;
        c.pointSize = pointSize;
    }
    Size measure(const std::u16string& text) const {
        return {static_cast<std::uint64_t>(charWidth * static_cast<int>(text.size())),
                static_cast<std::uint64_t>(lineHeight)};
    }
    // Selected-pen calls without a selected pen are recorded with width 0 so tests see them.
    void stroke(DrawCall& c, bool selected) const {
        if (!selected) {
            c.colour = effectivePenColor();
            c.width = penWidth;
        } else if (const PenDescription* pen = selectedPen()) {
            c.colour = pen->color;
            c.width = pen->width;
        }
    }
    void line(const char* op, const Point& a, const Point& b, bool selected) {
        DrawCall& c = record(op);
        c.from = a;
        c.to = b;
        stroke(c, selected);
        current_ = b;
    }
    void circle(const char* op, const Point& centre, int r, bool selected) {
        DrawCall& c = record(op);
        c.rect = {centre.x - r, centre.y - r, centre.x + r, centre.y + r};
        c.from = centre;
        c.radius = r;
        stroke(c, selected);
    }
    void outline(const char* op, const Rect& r, bool selected) {
        DrawCall& c = record(op);
        c.rect = r;
        stroke(c, selected);
    }
    void diamond(const char* op, const Point& centre, const Size& h, bool selected) {
        outline(op, {centre.x, centre.y, int(h.cx), int(h.cy)}, selected);
    }
    void fill(const char* op, const Rect& r) {
        DrawCall& c = record(op);
        c.rect = r;
        c.colour = effectiveBrushColor();
    }

    Point current_;
    bool xorMode_ = false;
};

// Records which cursor was asked for last.
class RecordingCursorTools : public CursorTools {
public:
    std::string last;
    void setArrowCursor() override { last = "arrow"; }
    void setWaitCursor() override { last = "wait"; }
    void setAppStartingCursor() override { last = "appStarting"; }
    void setCrossCursor() override { last = "cross"; }
    void setSizeAllCursor() override { last = "sizeAll"; }
    void setSizeNSCursor() override { last = "sizeNS"; }
    void setSizeWECursor() override { last = "sizeWE"; }
    void setSizeNESWCursor() override { last = "sizeNESW"; }
    void setSizeNWSECursor() override { last = "sizeNWSE"; }
    void setHelpCursor() override { last = "help"; }
    void setUpArrowCursor() override { last = "upArrow"; }
    void setIBeamCursor() override { last = "iBeam"; }
    void setNoCursor() override { last = "no"; }
};

}  // namespace nx::test
