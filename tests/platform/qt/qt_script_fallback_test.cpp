// Labels in scripts the label face lacks: drawn from a fallback font, never as empty boxes.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace nx
