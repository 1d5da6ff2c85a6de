// The library's rendering of a shown control: scale, pixel density, limits and failures.
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "ramulo/render.h"
#include "render/render_bands.h"
#include "support/error_of.h"
#include "widget_fixture.h"

using namespace ramulo;

namespace {

using namespace widget_test;

using Render = Widget;
using test_support::errorOf;

// The smallest rectangle holding every pixel that is not the background colour.
QRect inkBounds(const QImage& image) {
    const QRgb background = image.pixel(0, 0);
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background) box |= QRect(x, y, 1, 1);
    return box;
}

// The same drawing at every scale: what is drawn lands where the scale puts it.
TEST_F(Render, ScaleAndPixelRatioGrowTheSameDrawing) {
    const QImage plain = ramulo::renderImage(w->control());
    ASSERT_EQ(plain.size(), ramulo::drawingSize(w->control()));
    const QRect box = inkBounds(plain);
    ASSERT_GT(box.width(), 100);

    struct Case {
        ramulo::ImageOptions options;
        double pixelsPerUnit;
        double ratio;
    };
    const QSize size = plain.size();
    const Case cases[] = {
        {{2.0, {}, 1.0}, 2.0, 1.0},
        {{0.5, {}, 1.0}, 0.5, 1.0},
        {{1.0, {}, 2.0}, 2.0, 2.0},
        {{1.0, {size.width() * 3, 0}, 1.0}, 3.0, 1.0},
        // Both sides given: the largest drawing that fits, here limited by the height.
        {{1.0, {size.width() * 4, size.height() * 2}, 1.0}, 2.0, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pixelsPerUnit);
        const QImage image = ramulo::renderImage(w->control(), c.options);
        EXPECT_EQ(image.devicePixelRatio(), c.ratio);
        EXPECT_NEAR(image.width(), size.width() * c.pixelsPerUnit, 1.0);
        EXPECT_NEAR(image.height(), size.height() * c.pixelsPerUnit, 1.0);
        const QRect scaled = inkBounds(image);
        const double slack = 2.0 * std::max(1.0, c.pixelsPerUnit);
        EXPECT_NEAR(scaled.left(), box.left() * c.pixelsPerUnit, slack);
        EXPECT_NEAR(scaled.top(), box.top() * c.pixelsPerUnit, slack);
        EXPECT_NEAR(scaled.right(), box.right() * c.pixelsPerUnit, slack);
        EXPECT_NEAR(scaled.bottom(), box.bottom() * c.pixelsPerUnit, slack);
    }
    // Neither the window's drawing nor the next plain rendering is disturbed.
    EXPECT_EQ(ramulo::renderImage(w->control()), plain);
    w->viewport()->repaint();
    const QImage shown = w->screenImage();
    const QRect common = QRect(QPoint(0, 0), plain.size()).intersected(shown.rect());
    EXPECT_EQ(shown.copy(common).convertToFormat(QImage::Format_RGB32), plain.copy(common));
}

// A PNG drawn band by band holds the pixels of the whole image whatever the band's height
// (one row, a few, more than the image). Scaled, Qt rounds a few pixels of shapes cut at a
// band's edge differently; the drawing is the same.
TEST_F(Render, BandsHoldThePixelsOfTheWholeImage) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("bands.png"));
    const int width = ramulo::drawingSize(w->control()).width();
    for (const double scale : {1.0, 2.0, 0.75}) {
        ramulo::ImageOptions options;
        options.scale = scale;
        const QImage whole = ramulo::renderImage(w->control(), options);
        for (const int rows : {1, 7, 100000}) {
            SCOPED_TRACE(testing::Message() << "scale " << scale << ", " << rows << " rows");
            ramulo::renderPngInBands(w->control(), png, options,
                                 std::uint64_t(rows) * std::uint64_t(width * scale + 1));
            const QImage banded = QImage(png).convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(banded.size(), whole.size());
            if (scale == 1.0 || rows == 100000) {
                EXPECT_EQ(banded, whole);
                continue;
            }
            int differing = 0;
            for (int y = 0; y < whole.height(); ++y)
                for (int x = 0; x < whole.width(); ++x)
                    differing += banded.pixel(x, y) != whole.pixel(x, y);
            EXPECT_LT(differing, whole.width() * whole.height() / 1000);
        }
    }
    ramulo::ImageOptions small;
    small.maxPixels = 1000;
    EXPECT_THROW(ramulo::renderPngInBands(w->control(), png, small, 1000), ramulo::ImageTooLarge);
}

TEST_F(Render, FailuresNameTheirCauseAndWriteNothing) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("d.png"));
    ramulo::ImageOptions small;
    small.maxPixels = 1000;
    const QSize size = ramulo::drawingSize(w->control());
    EXPECT_EQ(errorOf([&] { ramulo::renderPng(w->control(), png, small); }),
              "the drawing is " + std::to_string(size.width()) + " x " +
                  std::to_string(size.height()) + " pixels (" +
                  std::to_string(size.width() * size.height()) +
                  "), more than the limit of 1000 pixels for an image");
    EXPECT_FALSE(QFile::exists(png));
    // A smaller scale brings the same drawing under the limit.
    small.size = QSize(30, 0);
    ramulo::renderPng(w->control(), png, small);
    EXPECT_EQ(QImage(png).width(), 30);

    EXPECT_EQ(errorOf([&] { ramulo::renderFile(w->control(), dir.filePath("d.bmp")); }),
              "Cannot draw into a .bmp file: use .png, .svg or .pdf");
    EXPECT_EQ(errorOf([&] { ramulo::renderImage(w->control(), {0.0, {}, 1.0}); }),
              "The scale must be a number above 0");
    EXPECT_EQ(errorOf([&] { ramulo::renderPng(w->control(), dir.filePath("no/such/d.png")); }),
              "Failed to open output file " + dir.filePath("no/such/d.png").toStdString() +
                  " for writing");

    // A control whose window was never created holds no document.
    RamuloControl empty;
    for (const char* name : {"e.png", "e.svg", "e.pdf"}) {
        EXPECT_EQ(errorOf([&] { ramulo::renderFile(empty, dir.filePath(name)); }),
                  "There is no document to draw")
            << name;
        EXPECT_FALSE(QFile::exists(dir.filePath(name)));
    }
}

}  // namespace
