// nx::QtFontFace: glyph tables of a label font and its two text paths.
#include "platform/qt/qt_font_face.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QString>

namespace nx {

QtFontFace::QtFontFace(QFont font) : font_(std::move(font)) {
    font_.setKerning(false);
    const QFontMetrics metrics(font_);
    height_ = metrics.height();
    ascent_ = metrics.ascent();
    raw_ = QRawFont::fromFont(font_);
    if (!raw_.isValid()) return;
    std::array<QChar, kDirectLimit> chars;
    for (char16_t c = 0; c < kDirectLimit; ++c) chars[c] = QChar(c);
    int count = kDirectLimit;
    std::array<quint32, kDirectLimit> indexes{};
    if (!raw_.glyphIndexesForChars(chars.data(), kDirectLimit, indexes.data(), &count) ||
        count != kDirectLimit)
        return;
    std::array<QPointF, kDirectLimit> advances;
    if (!raw_.advancesForGlyphIndexes(indexes.data(), advances.data(), kDirectLimit,
                                      QRawFont::SeparateAdvances))
        return;
    for (std::size_t i = 0; i < kDirectLimit; ++i) {
        glyphs_[i] = indexes[i];
        advances_[i] = advances[i].x();
    }
    run_.setRawFont(raw_);
}

bool QtFontFace::direct(const std::u16string& text) const {
    if (!raw_.isValid()) return false;
    for (char16_t c : text)
        if (c >= kDirectLimit || c < 0x20 || glyphs_[c] == 0) return false;
    return true;
}

int QtFontFace::directWidth(const std::u16string& text) const {
    qreal width = 0;
    for (char16_t c : text) width += advances_[c];
    return static_cast<int>(std::lround(width));  // as Qt rounds its own advances
}

Size QtFontFace::measure(const std::u16string& text) {
    const int width = direct(text)
                          ? directWidth(text)
                          : QFontMetrics(font_).horizontalAdvance(QString::fromStdU16String(text));
    return {static_cast<std::uint64_t>(width > 0 ? width : 0),
            static_cast<std::uint64_t>(height_ > 0 ? height_ : 0)};
}

void QtFontFace::measureInk() {
    inkMeasured_ = true;
    if (!raw_.isValid()) return;
    for (char16_t c = 0x20; c < kDirectLimit; ++c) {
        if (glyphs_[c] == 0) continue;
        const QRectF box = raw_.boundingRect(glyphs_[c]);
        inkLeft_ = std::max(inkLeft_, -box.left());
        inkRight_ = std::max(inkRight_, box.right() - advances_[c]);
        inkTop_ = std::min(inkTop_, box.top());
        inkBottom_ = std::max(inkBottom_, box.bottom());
    }
    inkKnown_ = true;
}

bool QtFontFace::mayReach(const Rect& r, const std::u16string& text, const QRect& area) {
    if (text.empty()) return false;
    if (!direct(text)) return true;
    if (!inkMeasured_) measureInk();
    // Far coordinates are left to the painter, which clamps them its own way.
    constexpr int kFar = 1 << 24;
    if (!inkKnown_ || r.left < -kFar || r.left > kFar || r.right < -kFar || r.right > kFar ||
        r.top < -kFar || r.top > kFar)
        return true;
    // Pen positions run from left to at most the unrounded sum of the advances; hinting
    // and antialiasing may spread a glyph past its box, so a wide margin is kept.
    const int width = directWidth(text);
    const qreal left = r.left + (r.width() - width) / 2;
    const qreal baseline = r.top + ascent_;
    const qreal margin = 2 + height_ / 2;
    const qreal inkLeft = left - inkLeft_ - margin;
    const qreal inkRight = left + width + 1 + inkRight_ + margin;
    const qreal inkTop = baseline + inkTop_ - margin;
    const qreal inkBottom = baseline + inkBottom_ + margin;
    return inkRight >= area.left() && inkLeft <= area.right() + 1 && inkBottom >= area.top() &&
           inkTop <= area.bottom() + 1;
}

void QtFontFace::draw(QPainter& painter, const Rect& r, const std::u16string& text) {
    if (text.empty()) return;
    const int baseline = r.top + ascent_;
    // An SVG file keeps a glyph run without its characters; given as text, a label stays
    // text there, searchable and selectable.
    const bool vector = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::SVG;
    if (vector || !direct(text)) {
        const QString s = QString::fromStdU16String(text);
        const int width = QFontMetrics(font_).horizontalAdvance(s);
        painter.setFont(font_);
        painter.drawText(QPoint(r.left + (r.width() - width) / 2, baseline), s);
        return;
    }
    runGlyphs_.resize(text.size());
    runPositions_.resize(text.size());
    qreal x = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        runGlyphs_[i] = glyphs_[text[i]];
        runPositions_[i] = QPointF(x, 0);
        x += advances_[text[i]];
    }
    run_.setRawData(runGlyphs_.data(), runPositions_.data(), static_cast<int>(text.size()));
    const int left = r.left + (r.width() - directWidth(text)) / 2;
    painter.drawGlyphRun(QPointF(left, baseline), run_);
}

}  // namespace nx
