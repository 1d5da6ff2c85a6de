// QtDrawingTools on offscreen images, checked by pixels: shapes, modes, text, buffer rules.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
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

TEST_F(QtDrawingToolsTest, ThinRectangleOutlinesCoverWhatQtsStrokerCovers) {
    const Rect rects[] = {
        {10, 10, 20, 15}, {40, 10, 42, 12}, {50, 10, 53, 15}, {60, 10, 64, 14}, {70, 40, 60, 30}};
    for (int width : {1, 2}) {
        image_.fill(kWhite);
        QImage expected = image_.copy();
        bindDirect();
        tools_.penWidth = width;
        QPainter reference(&expected);
        QPen pen(kRed);
        pen.setWidth(width == 1 ? 0 : width);
        pen.setJoinStyle(Qt::RoundJoin);
        reference.setPen(pen);
        for (const Rect& r : rects) {
            tools_.drawRectangle(r);
            const Rect n = r.normalized();
            reference.drawRect(QRect(n.left, n.top, n.width() - 1, n.height() - 1));
        }
        reference.end();
        tools_.endPainting();
        EXPECT_EQ(image_, expected) << "pen width " << width;
        tools_.deinit();
    }
}

// On every 32-bit image format the tools fill and outline thinly themselves; the pixels
// are Qt's, for fills inside, across the edges of, and off the image.
TEST(QtDrawingToolsFormats, FillsAndThinOutlinesSetThePixelsQtSets) {
    test::testApplication();
    const Rect rects[] = {{10, 10, 30, 25},  {-5, -4, 8, 6},     {110, 70, 140, 95},
                          {50, 40, 52, 42},  {70, 30, 64, 20},   {-20, 50, 200, 53},
                          {90, -9, 93, 200}, {300, 10, 320, 20}, {-40, -30, -4, -4},
                          {100, 80, 150, 95}};
    const QColor fill(0, 128, 255), outline(200, 30, 40);
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied}) {
        QImage image(120, 80, format);
        image.fill(QColor(240, 230, 10));
        QImage expected = image.copy();
        {
            QtDeviceContext context(&image);
            QtDrawingTools tools;
            tools.init(&context, {0, 0});
            tools.setBrushColor({0, 128, 255});
            tools.setPenColor({200, 30, 40});
            QPainter reference(&expected);
            QPen pen(outline);
            pen.setWidth(0);
            reference.setPen(pen);
            for (const Rect& r : rects) {
                const Rect n = r.normalized();
                tools.fillRectangle(r);
                reference.fillRect(QRect(n.left, n.top, n.width(), n.height()), fill);
                // Qt's stroker is the reference for outlines that stay on the image or
                // miss it.
                const QRect box(n.left + 3, n.top + 3, n.width() - 1, n.height() - 1);
                if (!image.rect().contains(box) && image.rect().intersects(box)) continue;
                tools.drawRectangle({r.left + 3, r.top + 3, r.right + 3, r.bottom + 3});
                reference.drawRect(box);
            }
            reference.end();
            tools.endPainting();
        }
        EXPECT_EQ(image, expected) << "format " << int(format);
    }
}

// What the tools learn about a surface holds for one paint: tools reused across images of
// other densities and origins draw what fresh tools draw on each.
TEST(QtDrawingToolsSurfaces, ReusedToolsDrawWhatFreshToolsDraw) {
    test::testApplication();
    struct Surface {
        qreal ratio;
        QPoint origin;
    };
    const Surface surfaces[] = {{1.0, {0, 0}},  {2.0, {0, 0}}, {1.0, {-7, 3}},
                                {2.0, {4, -2}}, {1.0, {0, 0}}, {1.0, {5, 5}}};
    const auto paint = [](QtDrawingTools& tools, QImage& image, QPoint origin) {
        QtDeviceContext context(&image, origin);
        tools.init(&context, {0, 0});
        tools.setPenColor({200, 30, 40});
        tools.setBrushColor({0, 128, 255});
        tools.fillRectangle({10, 10, 30, 25});
        tools.drawRectangle({12, 30, 40, 50});
        tools.drawLine({3, 4}, {50, 37});
        tools.penWidth = 1;
        tools.setPenColor({20, 150, 40});
        tools.selectPen();
        tools.lineToWithSelectedPen({5, 60});
        tools.drawRectangleWithSelectedPen({60, 5, 70, 15});
        tools.releasePen();
        tools.endPainting();
    };
    QtDrawingTools reused;
    for (const Surface& s : surfaces) {
        QImage image(int(100 * s.ratio), int(70 * s.ratio), QImage::Format_RGB32);
        image.setDevicePixelRatio(s.ratio);
        image.fill(Qt::white);
        QImage expected = image.copy();
        paint(reused, image, s.origin);
        QtDrawingTools fresh;
        paint(fresh, expected, s.origin);
        EXPECT_EQ(image, expected)
            << "ratio " << s.ratio << ", origin " << s.origin.x() << "," << s.origin.y();
        // The fill's corner, so that the surface was drawn on at all.
        EXPECT_EQ(
            image.pixel(int((11 + s.origin.x()) * s.ratio), int((11 + s.origin.y()) * s.ratio)),
            QColor(0, 128, 255).rgb());
    }
}

TEST_F(QtDrawingToolsTest, CoordinatesFromTheEndsOfTheIntRangeDrawWithoutOverflow) {
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    bindDirect();
    tools_.drawRectangle({kMin, kMin, kMax, kMax});
    tools_.drawEllipse({kMax, kMax, kMin, kMin});
    tools_.drawCircle({kMax, kMin}, kMax);
    tools_.drawDiamond({kMin, kMax}, {~0ull, ~0ull});
    tools_.fillDiamond({0, 0}, {~0ull, 1});
    tools_.drawLine({kMin, kMin}, {kMax, kMax});
    tools_.copyFromScreenToMemory({kMax, kMax}, {kMin, kMin}, {~0ull, ~0ull});
    tools_.fillRectangle({kMin, kMin, kMax, kMax});
    tools_.endPainting();
    EXPECT_EQ(countPixels(image_, kBlue), image_.width() * image_.height());
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

TEST_F(QtDrawingToolsTest, LinesInTheMemoryBufferAreStepsAlongTheIdealLine) {
    // The buffer's one-pixel lines are stepped by the tools: one pixel per step along
    // the longer axis, each within half a pixel of the ideal line, the first pixel in
    // and the last one out, whatever the direction; far ends are cut off, not walked.
    struct Line {
        Point from, to;
    };
    const Line lines[] = {
        {{5, 5}, {60, 5}},    {{60, 8}, {5, 8}},       {{10, 10}, {10, 70}},
        {{12, 70}, {12, 10}}, {{20, 10}, {50, 25}},    {{50, 30}, {20, 45}},
        {{30, 20}, {37, 70}}, {{40, 70}, {33, 20}},    {{60, 60}, {100, 20}},
        {{70, 10}, {71, 11}}, {{-500, 40}, {119, 41}}, {{110, -3000}, {100, 5000}},
    };
    tools_.enableMemoryBuffer();
    tools_.init(&context_, {120, 80});
    tools_.setPenColor({255, 0, 0});
    for (const Line& l : lines) {
        tools_.setBrushColor({255, 255, 255});
        tools_.fillRectangle({0, 0, 120, 80});
        tools_.drawLine(l.from, l.to);
        tools_.endPainting();
        const QImage drawn = tools_.memoryBuffer().copy(0, 0, 120, 80);
        const double dx = l.to.x - l.from.x;
        const double dy = l.to.y - l.from.y;
        const bool steep = std::abs(dy) > std::abs(dx);
        int steps = 0;  // steps of the longer axis that land on the surface, end left out
        for (int i = 0; i < int(std::max(std::abs(dx), std::abs(dy))); ++i) {
            const int major = (steep ? l.from.y : l.from.x) + i * ((steep ? dy : dx) > 0 ? 1 : -1);
            steps += major >= 0 && major < (steep ? 80 : 120);
        }
        int count = 0;
        double worst = 0.0;
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 120; ++x) {
                if (drawn.pixel(x, y) != kRed.rgb()) continue;
                ++count;
                const double ideal = steep ? l.from.x + (y - l.from.y) * dx / dy
                                           : l.from.y + (x - l.from.x) * dy / dx;
                worst = std::max(worst, std::abs((steep ? x : y) - ideal));
            }
        SCOPED_TRACE(testing::Message() << l.from << " to " << l.to);
        EXPECT_EQ(count, steps);
        EXPECT_LE(worst, 0.5);
        if (QRect(0, 0, 120, 80).contains(l.from.x, l.from.y)) {
            EXPECT_EQ(drawn.pixel(l.from.x, l.from.y), kRed.rgb());
        }
        if (QRect(0, 0, 120, 80).contains(l.to.x, l.to.y)) {
            EXPECT_NE(drawn.pixel(l.to.x, l.to.y), kRed.rgb());
        }
    }
}

TEST_F(QtDrawingToolsTest, XorDrawnTwiceRestoresTheSurface) {
    for (const bool buffered : {false, true}) {
        SCOPED_TRACE(buffered ? "memory buffer" : "surface");
        image_.fill(kWhite);
        if (buffered) tools_.enableMemoryBuffer();
        tools_.init(&context_, {120, 80});
        tools_.setPenColor({255, 0, 0});
        tools_.setBrushColor({255, 255, 255});
        tools_.fillRectangle({0, 0, 120, 80});
        tools_.setBrushColor({0, 0, 255});
        tools_.fillRectangle({0, 0, 60, 80});  // half blue, half white underneath
        tools_.endPainting();
        auto surface = [&] {
            return buffered ? tools_.memoryBuffer().copy(0, 0, 120, 80) : image_.copy();
        };
        const QImage before = surface();

        tools_.setXorMode();
        auto rubberBand = [this] {
            tools_.drawRectangle({20, 10, 100, 60});
            tools_.drawLine({5, 70}, {115, 70});
            tools_.drawDiamond({60, 35}, {10, 10});
            // A closed path of lines touches each corner once.
            tools_.moveTo({80, 20});
            tools_.lineTo({110, 30});
            tools_.lineTo({90, 50});
            tools_.lineTo({80, 20});
        };
        rubberBand();
        tools_.endPainting();
        const QImage once = surface();
        EXPECT_EQ(once.pixel(20, 10), qRgb(255, 0, 255)) << "red XOR blue";
        EXPECT_EQ(once.pixel(99, 10), qRgb(0, 255, 255)) << "red XOR white";
        for (const QPoint corner : {QPoint(80, 20), QPoint(110, 30), QPoint(90, 50)})
            EXPECT_EQ(once.pixel(corner), qRgb(0, 255, 255)) << corner.x() << "," << corner.y();
        rubberBand();
        tools_.endPainting();
        EXPECT_EQ(surface(), before);

        // Fills ignore the raster mode; copy mode is plain drawing again.
        tools_.fillRectangle({70, 70, 75, 75});
        tools_.setCopyMode();
        tools_.drawLine({0, 75}, {10, 75});
        tools_.endPainting();
        EXPECT_EQ(surface().pixel(72, 72), kBlue.rgb());
        EXPECT_EQ(surface().pixel(5, 75), kRed.rgb());
        tools_.deinit();
        tools_.memoryBufferEnabled = false;
    }
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
    // More pens than the tools keep pass by: the selection still draws as it was made.
    for (int k = 0; k < 40; ++k) {
        tools_.setPenColor({static_cast<std::uint8_t>(k), 0, 255});
        tools_.drawLine({k, 70}, {k + 1, 70});
    }
    tools_.drawLineWithSelectedPen({60, 20}, {100, 20});
    tools_.releasePen();
    tools_.drawLineWithSelectedPen({10, 50}, {50, 50});  // no pen selected: black, one pixel
    tools_.endPainting();
    EXPECT_EQ(at(30, 9), kRed.rgb());
    EXPECT_EQ(at(30, 11), kRed.rgb());
    EXPECT_EQ(at(80, 19), kRed.rgb());
    EXPECT_EQ(at(80, 21), kRed.rgb());
    EXPECT_EQ(at(39, 70), qRgb(39, 0, 255));
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

// Labels that straddle or miss the edges of an image set exactly the pixels that the same
// labels set in that window of a larger image, where every one of them lies inside.
TEST(QtDrawingToolsText, LabelsAtTheEdgesOfAnImageDrawWhatALargerImageShowsThere) {
    test::testApplication();
    const int xs[] = {-90, -60, -40, -25, -16, -9, -4, -1, 50, 104, 112, 117, 119, 121, 126, 140};
    const int ys[] = {-40, -24, -15, -9, -4, -1, 30, 66, 74, 78, 79, 81, 86, 100};
    const QPoint window(200, 150);  // where the small image lies in the large one
    for (const std::u16string text : {u"Wj_y|gQ", u"v12345", u"\u00c5\u00ff\u0192f"}) {
        for (const int pointSize : {75, 150, 300}) {
            QImage small(120, 80, QImage::Format_RGB32);
            QImage large(520, 380, QImage::Format_RGB32);
            small.fill(kWhite);
            large.fill(kWhite);
            const auto paint = [&](QImage& image, QPoint origin) {
                QtDeviceContext context(&image, origin);
                QtDrawingTools tools;
                tools.init(&context, {0, 0});
                tools.setPenColor({30, 60, 200});
                tools.selectFont(u"Tahoma", pointSize);
                const Size size = tools.getTextSizeWithSelectedFont(text);
                for (const int x : xs)
                    for (const int y : ys)
                        tools.drawTextWithSelectedFont(text,
                                                       {x, y, x + int(size.cx), y + int(size.cy)});
                tools.releaseFont();
                tools.endPainting();
            };
            paint(small, {0, 0});
            paint(large, window);
            SCOPED_TRACE(QString::fromStdU16String(text).toStdString() + " at " +
                         std::to_string(pointSize));
            EXPECT_GT(countPixels(small, kWhite), 0);
            EXPECT_LT(countPixels(small, kWhite), small.width() * small.height());
            EXPECT_EQ(small, large.copy(QRect(window, small.size())));
        }
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

TEST(QtDrawingToolsHeadless, WithoutAnApplicationTheBufferHasTheDocumentedSizeAndTextIsSkipped) {
    // A fresh process, so that no QGuiApplication (and no screen) exists in it.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            QImage surface(10, 10, QImage::Format_RGB32);
            QtDeviceContext context(&surface);
            QtDrawingTools tools;
            tools.enableMemoryBuffer();
            tools.init(&context, {0, 0});
            tools.drawText(u"A", u"Tahoma", 75, {0, 0, 10, 10});
            const bool ok = maximumTrackingSize() == kNoScreenTrackingSize &&
                            tools.bufferWidth == 4096 && tools.bufferHeight == 4096 &&
                            tools.getTextSize(u"A", u"Tahoma", 75) == Size{};
            std::exit(ok ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
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
