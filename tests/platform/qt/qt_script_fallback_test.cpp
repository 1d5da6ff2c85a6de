// Labels in scripts the label face lacks: drawn from a fallback font, never as empty boxes.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QImage>
#include <string>

#include "platform/qt/qt_device_context.h"
#include "platform/qt/qt_drawing_tools.h"
#include "platform/qt/qt_test_app.h"

namespace nx {
namespace {

// One label drawn in black on white with the label face at 12 points.
QImage drawn(const std::u16string& text) {
    QImage image(80, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QtDeviceContext context(&image);
    QtDrawingTools tools;
    tools.init(&context, {0, 0});
    tools.setPenColor({0, 0, 0});
    tools.drawText(text, u"Tahoma", 120, {0, 5, 80, 35});
    tools.endPainting();
    tools.deinit();
    return image;
}

// Pixels that differ from the white background, whatever their colour: emoji draw in colour.
int paintedPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ++n;
    return n;
}

int inkedPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160) ++n;
    return n;
}

TEST(ScriptFallback, CjkAndArabicLabelsShowTheirOwnGlyphsNotTheMissingGlyphBox) {
    test::testApplication();
    // A private-use character no font draws: what a missing glyph looks like.
    const QImage missing = drawn(u"\uE000");
    struct Case {
        const char* script;
        std::u16string first, second;  // two different characters of the script
    };
    const Case cases[] = {
        {"Han", u"\u4E2D", u"\u6587"},
        {"Hiragana", u"\u3042", u"\u304B"},
        {"Hangul", u"\uD55C", u"\uAE00"},
        {"Arabic", u"\u0645", u"\u0639"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const QImage first = drawn(c.first);
        const QImage second = drawn(c.second);
        EXPECT_GT(inkedPixels(first), 8) << "the label is not blank";
        EXPECT_NE(first, missing);
        // Boxes would all look alike; real glyphs differ from each other.
        EXPECT_NE(first, second);
    }
}

TEST(ScriptFallback, EmojiLabelsShowTheirOwnGlyphsNotTheMissingGlyphBox) {
    test::testApplication();
    if (!QFontDatabase::hasFamily(QStringLiteral("Noto Color Emoji")))
        GTEST_SKIP() << "no emoji font installed (make deps installs fonts-noto-color-emoji)";
    const QImage missing = drawn(u"\uE000");
    const QImage face = drawn(u"\U0001F600");
    const QImage tree = drawn(u"\U0001F333");
    EXPECT_GT(paintedPixels(face), 20) << "the label is not blank";
    EXPECT_NE(face, missing);
    EXPECT_NE(tree, missing);
    EXPECT_NE(face, tree);
    // The colour font draws in its own colours, not in the black pen a box would use (the
    // faces come from DejaVu Sans, which has them in black; the tree only the emoji font has).
    bool coloured = false;
    for (int y = 0; y < tree.height() && !coloured; ++y)
        for (int x = 0; x < tree.width() && !coloured; ++x) {
            const QRgb p = tree.pixel(x, y);
            coloured = qRed(p) != qGreen(p) || qGreen(p) != qBlue(p);
        }
    EXPECT_TRUE(coloured);
}

}  // namespace
}  // namespace nx
