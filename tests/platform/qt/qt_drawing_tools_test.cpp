// QtDrawingTools on offscreen images, checked by pixels: shapes, modes, text, buffer rules.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QScreen>

#include "platform/qt/qt_device_context.h"
#include "platform/qt/qt_drawing_tools.h"
#include "platform/qt/qt_label_font.h"
#include "platform/qt/qt_screen_metrics.h"
#include "platform/qt/qt_test_app.h"

namespace nx {
namespace {

using test::countPixels;

const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

class QtDrawingToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::testApplication();
        image_.fill(kWhite);
    }
    // Tools drawing straight onto image_ (no memory buffer).
    void bindDirect() {
        tools_.init(&context_, {0, 0});
        tools_.setPenColor({255, 0, 0});
        tools_.setBrushColor({0, 0, 255});
        tools_.setBackgroundColor({255, 255, 255});
    }
    QRgb at(int x, int y) const { return image_.pixel(x, y); }

    QImage image_{120, 80, QImage::Format_RGB32};
    QtDeviceContext context_{&image_};
    QtDrawingTools tools_;
};

TEST_F(QtDrawingToolsTest, OutlinesNeverFillAndFillsNeverOutline) {
    bindDirect();
    tools_.drawRectangle({10, 10, 20, 15});
    tools_.drawEllipse({40, 10, 60, 30});
    tools_.drawDiamond({90, 20}, {8, 8});
    tools_.endPainting();
    // Right and bottom edges are exclusive.
    EXPECT_EQ(at(10, 10), kRed.rgb());
    EXPECT_EQ(at(19, 14), kRed.rgb());
    EXPECT_EQ(at(20, 14), kWhite.rgb());
    EXPECT_EQ(at(19, 15), kWhite.rgb());
    EXPECT_EQ(at(40, 20), kRed.rgb());  // leftmost point of the ellipse
    EXPECT_EQ(at(82, 20), kRed.rgb());  // left corner of the diamond
    EXPECT_EQ(at(90, 12), kRed.rgb());  // top corner
    EXPECT_EQ(countPixels(image_, kBlue), 0);

    image_.fill(kWhite);
    tools_.fillRectangle({10, 10, 20, 15});
    tools_.fillEllipse({40, 10, 60, 30});
    tools_.fillCircle({90, 60}, 6);
    tools_.fillDiamond({90, 20}, {8, 8});
    tools_.endPainting();
    EXPECT_EQ(countPixels(image_, kRed), 0);
    EXPECT_EQ(at(10, 10), kBlue.rgb());
    EXPECT_EQ(at(19, 14), kBlue.rgb());
    EXPECT_EQ(at(20, 14), kWhite.rgb());
    EXPECT_EQ(at(19, 15), kWhite.rgb());
    EXPECT_EQ(countPixels(image_.copy(10, 10, 10, 5), kBlue), 50);
    EXPECT_EQ(at(50, 20), kBlue.rgb());
    EXPECT_EQ(at(90, 60), kBlue.rgb());
    EXPECT_EQ(at(90, 20), kBlue.rgb());
}

TEST_F(QtDrawingToolsTest, LinesLeaveOutTheirLastPixelAndMoveThePosition) {
    bindDirect();
    tools_.drawLine({10, 5}, {20, 5});
    tools_.lineTo({20, 15});
    tools_.moveTo({30, 30});
    tools_.lineTo({40, 30});
    tools_.endPainting();
    EXPECT_EQ(countPixels(image_.copy(0, 5, 120, 1), kRed), 11);
    EXPECT_EQ(at(10, 5), kRed.rgb());
    EXPECT_EQ(at(20, 5), kRed.rgb());  // drawn by the second line, which starts there
    EXPECT_EQ(at(20, 14), kRed.rgb());
    EXPECT_EQ(at(20, 15), kWhite.rgb());
    EXPECT_EQ(at(30, 30), kRed.rgb());
    EXPECT_EQ(at(40, 30), kWhite.rgb());
}

TEST_F(QtDrawingToolsTest, XorDrawnTwiceRestoresTheSurface) {
    bindDirect();
    tools_.fillRectangle({0, 0, 60, 80});  // half blue, half white underneath
    tools_.endPainting();
    const QImage before = image_.copy();

    tools_.setXorMode();
    auto rubberBand = [this] {
        tools_.drawRectangle({20, 10, 100, 60});
        tools_.drawLine({5, 70}, {115, 70});
        tools_.drawDiamond({60, 35}, {10, 10});
    };
    rubberBand();
    tools_.endPainting();
    EXPECT_EQ(at(20, 10), qRgb(255, 0, 255)) << "red XOR blue";
    EXPECT_EQ(at(99, 10), qRgb(0, 255, 255)) << "red XOR white";
    rubberBand();
    tools_.endPainting();
    EXPECT_EQ(image_, before);

    // Fills ignore the raster mode; copy mode is plain drawing again.
    tools_.fillRectangle({70, 70, 75, 75});
    tools_.setCopyMode();
    tools_.drawLine({0, 75}, {10, 75});
    tools_.endPainting();
    EXPECT_EQ(at(72, 72), kBlue.rgb());
    EXPECT_EQ(at(5, 75), kRed.rgb());
}

TEST_F(QtDrawingToolsTest, BlackModeMakesPenPixelsBlack) {
    bindDirect();
    tools_.setBlackMode();
    tools_.drawLine({0, 5}, {10, 5});
    tools_.selectPen();
    tools_.drawLineWithSelectedPen({0, 6}, {10, 6});
    tools_.releasePen();
    tools_.endPainting();
    EXPECT_EQ(at(3, 5), qRgb(0, 0, 0));
    EXPECT_EQ(at(3, 6), qRgb(0, 0, 0));
}

TEST_F(QtDrawingToolsTest, FadingBlendsDrawnColoursTowardsTheBackground) {
    struct Case {
        int level;
        double ratio;
        QRgb expected;
    };
    for (const Case& c : {Case{0, 0.5, qRgb(0, 0, 0)}, Case{50, 0.5, qRgb(127, 127, 127)},
                          Case{100, 1.0, qRgb(255, 255, 255)}}) {
        image_.fill(qRgb(10, 20, 30));
        bindDirect();
        tools_.setPenColor({0, 0, 0});
        tools_.setBrushColor({0, 0, 0});
        tools_.fadingLevel = c.level;
        tools_.fadingRatio = c.ratio;
        tools_.drawLine({0, 5}, {10, 5});
        tools_.fillRectangle({0, 10, 10, 20});
        tools_.penWidth = 2;
        tools_.selectPen();
        tools_.drawLineWithSelectedPen({20, 5}, {40, 5});
        tools_.releasePen();
        tools_.endPainting();
        EXPECT_EQ(at(5, 5), c.expected) << "level " << c.level;
        EXPECT_EQ(at(5, 15), c.expected) << "level " << c.level;
        EXPECT_EQ(at(30, 5), c.expected) << "level " << c.level;
        EXPECT_EQ(tools_.getPenColor(), (RgbColor{0, 0, 0})) << "getters answer stored colours";
        tools_.deinit();
        tools_.fadingLevel = 0;
        tools_.penWidth = 1;
    }
}

TEST_F(QtDrawingToolsTest, SelectedPenKeepsTheColourAndWidthOfItsSelection) {
    bindDirect();
    tools_.penWidth = 3;
    tools_.selectPen();
    tools_.setPenColor({0, 128, 0});
    tools_.penWidth = 1;
    tools_.drawLineWithSelectedPen({10, 10}, {50, 10});
    tools_.drawLine({10, 30}, {50, 30});
    tools_.releasePen();
    tools_.drawLineWithSelectedPen({10, 50}, {50, 50});  // no pen selected: black, one pixel
    tools_.endPainting();
    EXPECT_EQ(at(30, 9), kRed.rgb());
    EXPECT_EQ(at(30, 11), kRed.rgb());
    EXPECT_EQ(at(30, 30), qRgb(0, 128, 0));
    EXPECT_EQ(at(30, 29), kWhite.rgb());
    EXPECT_EQ(at(30, 50), qRgb(0, 0, 0));
    EXPECT_EQ(at(30, 49), kWhite.rgb());
}

TEST(QtLabelFont, PointSizesBecomePixelsAt96Dpi) {
    struct Case {
        int pointSize;
        int pixels;
    };
    for (const Case& c :
         {Case{75, 10}, Case{96, 13}, Case{150, 20}, Case{-75, 10}, Case{0, 1}, Case{720, 96}})
        EXPECT_EQ(pixelSizeForPointSize(c.pointSize), c.pixels) << c.pointSize;
}

TEST_F(QtDrawingToolsTest, LabelFaceIsTahomaOrTheDocumentedFallback) {
    const QFontInfo info(labelFont(u"Tahoma", 10));
    const bool bundled = QFile::exists("/usr/share/wine/fonts/tahoma.ttf");
    EXPECT_EQ(info.family(), bundled ? QString("Tahoma") : QString(kFallbackFamily));
    EXPECT_EQ(info.pixelSize(), 10);
    EXPECT_EQ(QFontInfo(labelFont(u"No Such Face Anywhere", 10)).family(),
              QString(kFallbackFamily));
}

TEST_F(QtDrawingToolsTest, TextIsOneLineCentredTopAlignedOnATransparentBackground) {
    // Latin labels take the glyph path, other scripts Qt's full layout; both must agree
    // with their own measurement.
    for (const std::u16string text : {u"Hello", u"Vertex 42", u"\u03a9\u03bc\u03b5\u03b3\u03b1"}) {
        image_.fill(kWhite);
        bindDirect();
        tools_.setBackgroundColor({0, 255, 0});  // an opaque background would show in green
        const QString qtext = QString::fromStdU16String(text);
        const Size size = tools_.getTextSize(text, u"Tahoma", 75);
        QFont unkerned = labelFont(u"Tahoma", 10);
        unkerned.setKerning(false);
        const QFontMetrics metrics(unkerned);
        EXPECT_EQ(size, (Size{std::uint64_t(metrics.horizontalAdvance(qtext)),
                              std::uint64_t(metrics.height())}))
            << qtext.toStdString();

        tools_.selectFont(u"Tahoma", 75);
        EXPECT_EQ(tools_.getTextSizeWithSelectedFont(text), size);
        const Rect box{10, 20, 110, 60};
        tools_.drawTextWithSelectedFont(text, box);
        tools_.releaseFont();
        tools_.endPainting();

        // Every touched pixel is the pen colour blended over white.
        int minX = 1000, maxX = -1, minY = 1000, maxY = -1, strongest = 255, foreign = 0;
        for (int y = 0; y < image_.height(); ++y)
            for (int x = 0; x < image_.width(); ++x) {
                const QRgb p = image_.pixel(x, y);
                if (p == kWhite.rgb()) continue;
                minX = std::min(minX, x), maxX = std::max(maxX, x);
                minY = std::min(minY, y), maxY = std::max(maxY, y);
                if (qRed(p) != 255 || qGreen(p) != qBlue(p)) ++foreign;
                strongest = std::min(strongest, qGreen(p));
            }
        SCOPED_TRACE(qtext.toStdString());
        EXPECT_EQ(foreign, 0);
        EXPECT_LT(strongest, 64) << "some pixels nearly fully in the pen colour";
        EXPECT_NEAR((minX + maxX + 1) / 2.0, (box.left + box.right) / 2.0, 2.0);
        EXPECT_GE(minY, box.top);
        EXPECT_LE(maxY, box.top + int(size.cy));
        EXPECT_LE(maxX - minX + 1, int(size.cx) + 1);
        tools_.deinit();
    }
}

TEST_F(QtDrawingToolsTest, MissingIconIsAGreyFrameWithItsWord) {
    bindDirect();
    tools_.drawMissingIcon({40, 20}, {32, 32});
    tools_.endPainting();
    const QRgb grey = qRgb(80, 80, 80);
    EXPECT_EQ(at(40, 20), grey);
    EXPECT_EQ(at(71, 51), grey);
    EXPECT_EQ(at(72, 51), kWhite.rgb());
    int inside = 0;  // the word is drawn in the frame's grey, antialiased
    for (int y = 22; y < 50; ++y)
        for (int x = 42; x < 70; ++x) inside += image_.pixel(x, y) != kWhite.rgb();
    EXPECT_GT(inside, 20);
}

TEST_F(QtDrawingToolsTest, InitRefusesAMissingSurfaceWithItsMessage) {
    QtDeviceContext noDevice(static_cast<QPaintDevice*>(nullptr));
    QPainter inactive;
    QtDeviceContext inactivePainter(&inactive);
    for (DeviceContext* dc :
         {static_cast<DeviceContext*>(nullptr), static_cast<DeviceContext*>(&noDevice),
          static_cast<DeviceContext*>(&inactivePainter)}) {
        try {
            tools_.init(dc, {0, 0});
            ADD_FAILURE() << "init accepted an unusable context";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "GdiDrawingTools::init error: incorrect device context");
        }
        EXPECT_FALSE(tools_.initialized);
    }
}

TEST_F(QtDrawingToolsTest, CopiesBeforeInitAreProgrammingErrors) {
    try {
        tools_.copyFromMemoryToScreen({0, 0}, {0, 0}, {1, 1});
        ADD_FAILURE();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Programming error in copyFromMemoryToScreen(): context not set");
    }
    try {
        tools_.copyFromScreenToMemory({0, 0}, {0, 0}, {1, 1});
        ADD_FAILURE();
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Programming error in copyFromScreenToMemory(): context not set");
    }
}

TEST_F(QtDrawingToolsTest, MemoryBufferFollowsTheInitRules) {
    tools_.enableMemoryBuffer();
    tools_.init(&context_, {0, 0});
    const Size largest = maximumTrackingSize();
    const QSize screen = QApplication::primaryScreen()->availableVirtualSize();
    EXPECT_EQ(largest, (Size{std::uint64_t(screen.width()), std::uint64_t(screen.height())}));
    EXPECT_EQ(tools_.bufferWidth, largest.cx);
    EXPECT_EQ(tools_.bufferHeight, largest.cy);
    EXPECT_EQ(tools_.memoryBuffer().size(), QSize(int(largest.cx), int(largest.cy)));
    EXPECT_TRUE(tools_.isDrawingToMemory());
    EXPECT_THROW(tools_.enableMemoryBuffer(), std::logic_error);
    EXPECT_TRUE(tools_.memoryBufferEnabled);

    // Same context, (0, 0) again: the buffer and what it holds stay.
    tools_.setBrushColor({0, 0, 255});
    tools_.fillRectangle({0, 0, 4, 4});
    const uchar* bits = tools_.memoryBuffer().constBits();
    tools_.init(&context_, {0, 0});
    EXPECT_EQ(tools_.memoryBuffer().constBits(), bits);
    EXPECT_EQ(tools_.memoryBuffer().pixel(1, 1), kBlue.rgb());

    // A request beyond the buffer grows it in that direction only.
    tools_.deinit();
    tools_.init(&context_, {1000, 800});
    EXPECT_EQ(tools_.memoryBuffer().size(), QSize(1000, 800));
    tools_.init(&context_, {1200, 600});
    EXPECT_EQ(tools_.bufferWidth, 1200u);
    EXPECT_EQ(tools_.bufferHeight, 800u);
    EXPECT_EQ(tools_.memoryBuffer().size(), QSize(1200, 800));
    EXPECT_TRUE(tools_.isDrawingToMemory());

    // A smaller request keeps the buffer.
    tools_.init(&context_, {300, 200});
    EXPECT_EQ(tools_.memoryBuffer().size(), QSize(1200, 800));
}

TEST_F(QtDrawingToolsTest, WithoutAMemoryBufferDrawingGoesToTheContext) {
    tools_.init(&context_, {0, 0});
    EXPECT_FALSE(tools_.isDrawingToMemory());
    EXPECT_TRUE(tools_.memoryBuffer().isNull());
    tools_.drawToMemory();
    EXPECT_TRUE(tools_.isDrawingToScreen());
    tools_.setPenColor({255, 0, 0});
    tools_.drawLine({0, 0}, {5, 0});
    tools_.endPainting();
    EXPECT_EQ(at(2, 0), kRed.rgb());
}

TEST_F(QtDrawingToolsTest, MemoryBufferReachesTheScreenOnlyWhenCopied) {
    tools_.enableMemoryBuffer();
    context_.setViewportOrigin({-50, -20});  // window scrolled by (50, 20)
    tools_.init(&context_, {200, 100});
    tools_.syncMemoryViewportOrigin();
    EXPECT_EQ(tools_.memoryViewportOrigin(), QPoint(-50, -20));
    tools_.setBrushColor({0, 0, 255});
    tools_.fillRectangle({50, 20, 60, 30});  // logical, lands at the buffer's corner
    tools_.endPainting();
    EXPECT_EQ(tools_.memoryBuffer().pixel(0, 0), kBlue.rgb());
    EXPECT_EQ(countPixels(image_, kBlue), 0);

    tools_.copyFromMemoryToScreen({50, 20}, {52, 21}, {10, 10});
    tools_.endPainting();
    EXPECT_EQ(countPixels(image_, kBlue), 100);
    EXPECT_EQ(at(11, 10), kBlue.rgb());
    EXPECT_EQ(at(12, 11), kWhite.rgb());
    EXPECT_EQ(at(2, 1), kBlue.rgb());
    EXPECT_EQ(at(1, 1), kWhite.rgb());

    // And back: a red pixel on the screen comes into the buffer where asked.
    image_.setPixel(100, 50, kRed.rgb());
    tools_.copyFromScreenToMemory({150, 70}, {60, 30}, {1, 1});
    tools_.endPainting();
    EXPECT_EQ(tools_.memoryBuffer().pixel(10, 10), kRed.rgb());

    // Scrolling both surfaces at once.
    tools_.setViewportOrigin(0, 0);
    EXPECT_EQ(context_.viewportOrigin(), QPoint(0, 0));
    EXPECT_EQ(tools_.memoryViewportOrigin(), QPoint(0, 0));
}

TEST_F(QtDrawingToolsTest, AHostPainterIsUsedAndLeftAsItWas) {
    QPainter host(&image_);
    host.setPen(QColor(1, 2, 3));
    host.translate(5, 5);
    QtDeviceContext printer(&host, {10, 0}, true);
    EXPECT_TRUE(printer.isPrinting());
    tools_.init(&printer, {120, 80});
    tools_.setPenColor({255, 0, 0});
    tools_.drawLine({0, 0}, {4, 0});
    tools_.endPainting();
    EXPECT_EQ(host.pen().color(), QColor(1, 2, 3));
    EXPECT_EQ(host.transform(), QTransform::fromTranslate(5, 5));
    host.end();
    EXPECT_EQ(at(15, 5), kRed.rgb());
    EXPECT_EQ(at(14, 5), kWhite.rgb());
}

}  // namespace
}  // namespace nx
