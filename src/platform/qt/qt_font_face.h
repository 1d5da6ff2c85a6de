// nx::QtFontFace: one label font with its metrics, measuring and drawing single-line text.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <QFont>
#include <QGlyphRun>
#include <QPointF>
#include <QRawFont>
#include <QRect>

#include "views/geometry.h"

class QPainter;

namespace nx {

// Text is laid out glyph by glyph from the font's own advances, without kerning, so
// that measuring and drawing agree to the pixel. Latin text, the common case for
// labels, takes a path that neither shapes nor allocates; other text goes through
// Qt's full text layout (with font fallback), also without kerning.
class QtFontFace {
public:
    explicit QtFontFace(QFont font);
    QtFontFace(const QtFontFace&) = delete;
    QtFontFace& operator=(const QtFontFace&) = delete;

    const QFont& font() const { return font_; }
    int height() const { return height_; }
    int ascent() const { return ascent_; }

    // (advance width, line height).
    Size measure(const std::u16string& text);
    // One line, centred horizontally in r and aligned to its top; the painter's pen
    // gives the colour.
    void draw(QPainter& painter, const Rect& r, const std::u16string& text);
    // False only when no pixel draw() would set for the text in r lies in the area (device
    // units of the painter); text outside the glyph tables may set pixels anywhere.
    bool mayReach(const Rect& r, const std::u16string& text, const QRect& area);

private:
    static constexpr char16_t kDirectLimit = 0x250;  // Basic Latin up to Latin Extended-B

    bool direct(const std::u16string& text) const;
    int directWidth(const std::u16string& text) const;
    // The union of the glyph tables' boxes, taken on first use.
    void measureInk();

    QFont font_;
    int height_ = 0;
    int ascent_ = 0;
    QRawFont raw_;
    std::array<std::uint32_t, kDirectLimit> glyphs_{};  // 0 where the face has no glyph
    std::array<qreal, kDirectLimit> advances_{};
    // How far any glyph of the tables reaches left of its pen position and right of its
    // advance (both >= 0), and above and below the baseline (top < 0 is above).
    bool inkMeasured_ = false;
    bool inkKnown_ = false;
    qreal inkLeft_ = 0, inkRight_ = 0, inkTop_ = 0, inkBottom_ = 0;
    std::vector<quint32> runGlyphs_;
    std::vector<QPointF> runPositions_;
    QGlyphRun run_;
};

}  // namespace nx
