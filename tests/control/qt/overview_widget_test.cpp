// The overview map: what it shows of the control's drawing, and dragging it to scroll.
#include "control/qt/overview_widget.h"

#include "widget_fixture.h"

using namespace ramulo;

namespace {

using namespace widget_test;

class Overview : public Widget {
protected:
    void SetUp() override {
        Widget::SetUp();
        map = std::make_unique<RamuloOverview>();
        map->setControl(w.get());
        map->resize(200, 150);
        map->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(map.get()));
        settle();
    }
    QImage shown() { return map->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QPoint onMap(QPoint logical) { return map->mapFromLogical(logical).toPoint(); }

    std::unique_ptr<RamuloOverview> map;
};

TEST_F(Overview, ShowsTheWholeDrawingAndTheVisibleRectangle) {
    // At zoom 1 the control shows all of document 1: the rectangle covers the map's drawing.
    EXPECT_TRUE(map->visibleRectOnMap().contains(map->mapFromLogical(kK)));
    w->setZoom(4.0);
    w->scrollToLogical({0, 0});
    settle();
    const QImage picture = shown();
    const QRgb background = picture.pixel(onMap({300, 20}));
    for (QPoint v : {kA, kB, kK}) EXPECT_NE(picture.pixel(onMap(v)), background);
    // The rectangle is what the control shows, a quarter of the window in each direction.
    const QRectF visible = map->visibleRectOnMap();
    EXPECT_NEAR(visible.left(), map->mapFromLogical(QPointF(0, 0)).x(), 1.0);
    const double scale =
        map->mapFromLogical(QPointF(1, 0)).x() - map->mapFromLogical(QPointF(0, 0)).x();
    EXPECT_NEAR(visible.width(), vp()->width() / 4.0 * scale, 1.0);
    EXPECT_NEAR(visible.height(), vp()->height() / 4.0 * scale, 1.0);
    EXPECT_NE(picture.pixel(visible.toRect().topRight() + QPoint(-3, 0)),
              picture.pixel(visible.toRect().topRight() + QPoint(3, 0)));

    // A selection shows on the map.
    const QRgb before = picture.pixel(onMap(kK));
    w->setFocusedVertex(11);
    w->setFocus();
    QTest::keyClick(w.get(), Qt::Key_Space);
    settle();
    EXPECT_NE(shown().pixel(onMap(kK)), before);
}

TEST_F(Overview, DraggingScrollsTheControlToCentreThere) {
    w->setZoom(4.0);
    settle();
    QTest::mousePress(map.get(), Qt::LeftButton, {}, onMap(kE));
    QMouseEvent drag(QEvent::MouseMove, QPointF(onMap(kF)), map->mapToGlobal(QPointF(onMap(kF))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(map.get(), &drag);
    QTest::mouseRelease(map.get(), Qt::LeftButton, {}, onMap(kF));
    settle();
    const QPointF centre = QRectF(w->visibleLogicalRect()).center();
    const QPointF wanted = map->mapToLogical(QPointF(onMap(kF)));
    EXPECT_NEAR(centre.x(), wanted.x(), 2.0);
    EXPECT_NEAR(centre.y(), wanted.y(), 2.0);
    // The logical point under the viewport's middle is about F.
    EXPECT_LE((w->logicalAt(vp()->rect().center()) - kF).manhattanLength(), 6);
}

}  // namespace
