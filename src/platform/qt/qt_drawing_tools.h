// nx::QtDrawingTools: the drawing tools on QPainter, with a QImage as the memory buffer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include <QBrush>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QTransform>

#include "platform/qt/qt_font_face.h"
#include "views/drawing_tools.h"

namespace nx {

class QtDeviceContext;

// Draws on the surface of a QtDeviceContext, or on a memory buffer of its own that is
// copied to that surface. Geometry follows the raster conventions of the views: right
// and bottom edges of rectangles are exclusive, lines leave out their last pixel, shapes
// are drawn without antialiasing, outlines never fill and fills never outline. The XOR
// and black modes change pen pixels only; fills, text and copies are drawn plainly.
// Text is one line, horizontally centred and top-aligned, without kerning.
//
// Painters are opened on first use and stay open for the paint; endPainting() closes
// them and must run before the surface is shown or destroyed (the view does it at the
// end of each draw; init() and deinit() do it too).
class QtDrawingTools : public DrawingTools {
public:
    QtDrawingTools();
    ~QtDrawingTools() override;

    void drawToMemory() override;
    void drawToScreen() override;
    void moveTo(const Point& p) override;
    void lineTo(const Point& p) override;
    void drawLine(const Point& from, const Point& to) override;
    void drawCircle(const Point& centre, int radius) override;
    void drawEllipse(const Rect& r) override;
    void drawText(const std::u16string& text, const std::u16string& faceName, int height, int width,
                  int orientation, int weight, bool italic, bool underline, bool strikeOut,
                  const Rect& r) override;
    void drawText(const std::u16string& text, const std::u16string& faceName, int pointSize,
                  const Rect& r) override;
    Size getTextSize(const std::u16string& text, const std::u16string& faceName, int height,
                     int width, int orientation, int weight, bool italic, bool underline,
                     bool strikeOut) override;
    Size getTextSize(const std::u16string& text, const std::u16string& faceName,
                     int pointSize) override;
    void drawRectangle(const Rect& r) override;
    void drawDiamond(const Point& centre, const Size& half) override;
    void fillRectangle(const Rect& r) override;
    void fillDiamond(const Point& centre, const Size& half) override;
    void fillCircle(const Point& centre, int radius) override;
    void fillEllipse(const Rect& r) override;
    void copyFromMemoryToScreen(const Point& source, const Point& destination,
                                const Size& size) override;
    void copyFromScreenToMemory(const Point& source, const Point& destination,
                                const Size& size) override;
    bool isDrawingToMemory() const override;
    void setCopyMode() override;
    void setXorMode() override;
    void setBlackMode() override;
    void selectBitmap(Bitmap& bitmap) override;
    void deselectBitmap(Bitmap& bitmap) override;
    void drawBitmap(Bitmap& bitmap, const Point& p, const Rect& part) override;
    void drawBitmap(Bitmap& bitmap, const Point& p) override;
    void drawIcon(Icon& icon, const Point& p, const Size& size) override;
    void selectPen() override;
    void releasePen() override;
    void selectFont(const std::u16string& faceName, int pointSize) override;
    void releaseFont() override;
    void selectCachedFont(const std::u16string& faceName, int pointSize) override;
    void removeCachedFont(const std::u16string& faceName, int pointSize) override;
    void releaseCachedFont() override;
    void lineToWithSelectedPen(const Point& p) override;
    void drawLineWithSelectedPen(const Point& from, const Point& to) override;
    void drawCircleWithSelectedPen(const Point& centre, int radius) override;
    void drawEllipseWithSelectedPen(const Rect& r) override;
    void drawTextWithSelectedFont(const std::u16string& text, const Rect& r) override;
    Size getTextSizeWithSelectedFont(const std::u16string& text) override;
    void drawRectangleWithSelectedPen(const Rect& r) override;
    void drawDiamondWithSelectedPen(const Point& centre, const Size& half) override;

    // dc must be a valid QtDeviceContext; anything else is refused with a runtime error.
    void init(DeviceContext* dc, const Size& size) override;
    void deinit() override;

    // Scrolls the drawing: logical (x, y) lands on the surface's top-left pixel, on the
    // target and, with a memory buffer, on the buffer as well.
    virtual void setViewportOrigin(int x, int y);
    // Gives the memory buffer the target's viewport origin, so the window's scroll
    // offset applies to the buffer too.
    virtual void syncMemoryViewportOrigin();

    // Draws an image stretched to (p, size) on the current surface, whatever the raster
    // mode; a size of 0 in either direction keeps the image's own size.
    void drawImage(const QImage& image, const Point& p, const Size& size);

    // Closes the painters opened on the target and on the buffer.
    void endPainting();

    // The off-screen buffer (null before init or without a memory buffer).
    const QImage& memoryBuffer() const { return memory_; }
    QPoint memoryViewportOrigin() const { return memoryOrigin_; }
    QtDeviceContext* targetContext() const { return target_; }

private:
    enum class Surface { None, Target, Memory };
    enum class RasterMode { Copy, Xor, Black };

    QPainter* painter();
    QPainter* targetPainter();
    void beginOn(QPainter& painter, QPaintDevice* device, QPoint origin);
    void applyMode(QPainter& painter) const;
    void closeTargetPainter();

    // Pens and brushes with their colours packed as 0xRRGGBB (pens: width 0 for one pixel).
    struct PenEntry {
        std::uint32_t rgb = 0;
        int width = 0;
        QPen pen;
    };
    struct BrushEntry {
        std::uint32_t rgb = 0;
        QBrush brush;
    };

    // Pens, brushes and fonts are kept, so drawing does not allocate per primitive.
    const PenEntry& penFor(const RgbColor& color, int width);
    const BrushEntry& brushFor(const RgbColor& color);
    const std::shared_ptr<QtFontFace>& pointFont(const std::u16string& faceName, int pointSize);
    std::shared_ptr<QtFontFace> explicitFont(const std::u16string& faceName, int height, int width,
                                             int weight, bool italic, bool underline,
                                             bool strikeOut) const;
    const PenEntry& temporaryPen();
    const PenEntry& currentSelectedPen();

    void outlineRectangle(const PenEntry& pen, const Rect& r);
    void outlineEllipse(const PenEntry& pen, const Rect& r);
    void outlineDiamond(const PenEntry& pen, const Point& centre, const Size& half);
    void lineWith(const PenEntry& pen, const Point& to);
    // A one-pixel line stepped straight into an image surface; false when the line has
    // to go through Qt (another kind of surface, a host's painter or a wider pen).
    bool stepLine(const PenEntry& pen, QPoint from, QPoint to);
    // The image surface whose pixels the tools may write themselves, with its origin; null
    // for other surfaces, a host's painter or a high-density image. The answer is kept
    // while the painter stays open: the checks cost more than a short line's pixels.
    QImage* directImage(QPoint& origin);
    // An opaque fill of r (surface coordinates, not empty) written straight into an image
    // surface, the pixels Qt's fill would set; false when the fill has to go through Qt.
    bool fillDirect(const QRect& r, std::uint32_t rgb);
    void textIn(QtFontFace& face, const std::u16string& text, const Rect& r);
    QtFontFace& selectedFace();

    Surface current_ = Surface::None;
    RasterMode mode_ = RasterMode::Copy;
    QtDeviceContext* target_ = nullptr;  // not owned
    QImage memory_;
    QPoint memoryOrigin_;
    QPainter memoryPainter_;
    QPainter ownTargetPainter_;
    QPainter* targetPainter_ = nullptr;  // ownTargetPainter_ or the context's own painter
    QTransform targetBase_;              // the context painter's transform before ours
    QPoint position_;                    // current position for moveTo/lineTo
    // What directImage() found for the memory buffer (until endPainting) and for the
    // target's device (while our painter is open on it).
    bool directMemoryKnown_ = false;
    QImage* directMemory_ = nullptr;
    QPaintDevice* directTargetDevice_ = nullptr;
    QImage* directTarget_ = nullptr;

    struct FontEntry {
        std::u16string face;
        int pixelSize;
        std::shared_ptr<QtFontFace> font;
    };
    std::vector<PenEntry> pens_;
    std::vector<BrushEntry> brushes_;
    std::vector<FontEntry> fonts_;
    std::size_t nextPen_ = 0;
    std::size_t nextBrush_ = 0;

    const QPen noPen_{Qt::NoPen};
    const QBrush noBrush_{Qt::NoBrush};
    // The slot of pens_ that held the pen selectPen made (pens are kept rather than copied
    // per selection).
    static constexpr std::size_t kNoPen = static_cast<std::size_t>(-1);
    std::size_t activePen_ = kNoPen;
    std::shared_ptr<QtFontFace> activeFont_;  // made by selectFont or selectCachedFont
    // Face name (UTF-8) followed by the point size in decimal.
    std::unordered_map<std::string, std::shared_ptr<QtFontFace>> fontCache_;
};

}  // namespace nx
