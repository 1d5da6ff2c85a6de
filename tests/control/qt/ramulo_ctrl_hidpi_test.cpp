// The widget on a high-density screen: its picture has two pixels per unit in each
// direction, drawn sharp, while every position stays in units. CTest runs these with
// QT_SCALE_FACTOR=2; on a plain screen they are skipped.
#include <QImage>

#include "widget_fixture.h"

namespace {

using namespace widget_test;

class HiDpi : public Widget {
protected:
    void SetUp() override {
        if (qApp->devicePixelRatio() != 2.0) GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
        Widget::SetUp();
    }
};

// True when some aligned 2 x 2 block of the image is not one colour: the picture was drawn
// at its own density, not blown up from one pixel per unit.
bool hasFinerDetail(const QImage& image, QRect units) {
    for (int y = units.top(); y <= units.bottom(); ++y)
        for (int x = units.left(); x <= units.right(); ++x) {
            const QRgb c = image.pixel(2 * x, 2 * y);
            if (image.pixel(2 * x + 1, 2 * y) != c || image.pixel(2 * x, 2 * y + 1) != c ||
                image.pixel(2 * x + 1, 2 * y + 1) != c)
                return true;
        }
    return false;
}

TEST_F(HiDpi, ThePictureIsDrawnAtThePixelDensityAndTheMouseStaysInUnits) {
    const QImage& picture = w->screenImage();
    EXPECT_EQ(picture.devicePixelRatio(), 2.0);
    EXPECT_EQ(picture.size(), vp()->size() * 2);
    EXPECT_EQ(w->scrollTotal(), extent());
    // A vertex lies at twice its position in pixels; the edge A-C and the labels are
    // drawn with detail finer than a unit.
    const QRgb background = picture.pixel(2 * 300, 2 * 20);
    EXPECT_NE(picture.pixel(2 * kA), background);
    EXPECT_TRUE(hasFinerDetail(picture, QRect(kA + QPoint(-20, 5), kC + QPoint(20, -5))));
    EXPECT_TRUE(hasFinerDetail(picture, QRect(kF + QPoint(5, -15), QSize(20, 12))));

    // The mouse works in units: a click selects, a drag moves by what the pointer moved, and
    // the rubber band drawn in XOR leaves no trace.
    click(kF);
    ASSERT_EQ(selectedCount(), 1u);
    EXPECT_EQ(w->VertexID(1, 0), 6u);
    drag(kF, kF + QPoint(40, 10));
    EXPECT_EQ(position(6), kF + QPoint(40, 10));
    const QImage before = w->screenImage().copy();
    press({20, 20});
    move({140, 120}, Qt::LeftButton);
    move({260, 220}, Qt::LeftButton);
    settle();
    EXPECT_NE(w->screenImage(), before);
    release({260, 220});
    EXPECT_EQ(selectedCount(), 4u);  // A, B, C and E (F moved out)

    // Zoomed, the sharp picture is scaled and hit tests still land.
    w->setZoom(2.0);
    w->scrollToLogical({100, 100});
    settle();
    QTest::mouseClick(vp(), Qt::LeftButton, {}, kK * 2 - w->scrollPosition());
    settle();
    ASSERT_EQ(selectedCount(), 1u);
    EXPECT_EQ(w->VertexID(1, 0), 11u);
}

}  // namespace
