// Zooming and panning the widget: what is shown, where the mouse lands, the scroll bars.
#include <QNativeGestureEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QWheelEvent>
#include <cmath>

#include "control/dispatch_table.h"
#include "platform/qt/qt_device_context.h"
#include "widget_fixture.h"

using namespace ramulo;

namespace {

using namespace widget_test;

class Zoom : public Widget {
protected:
    // The viewport point that shows a logical point at the current zoom and scroll.
    QPoint shownAt(QPoint logical) {
        return (QPointF(logical) * w->zoom()).toPoint() - w->scrollPosition();
    }
    void clickShown(QPoint logical, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(vp(), button, {}, shownAt(logical));
        settle();
    }
    void wheel(QPoint at, int delta, Qt::KeyboardModifiers mods) {
        QWheelEvent event(at, vp()->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, mods,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(vp(), &event);
        settle();
    }
    QImage grabbed() { return vp()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

TEST_F(Zoom, AtOneThePictureIsTheDrawingAndComesBackExactly) {
    EXPECT_EQ(w->zoom(), 1.0);
    QImage whole(vp()->size(), QImage::Format_RGB32);
    whole.fill(Qt::white);
    nx::QtDeviceContext context(&whole);
    const nx::Rect all{0, 0, whole.width(), whole.height()};
    w->control().OnDraw(&context, all, all);
    EXPECT_EQ(w->screenImage(), whole);
    EXPECT_EQ(grabbed(), whole);

    w->setZoom(2.0);
    w->scrollToLogical({100, 120});
    settle();
    ASSERT_EQ(w->zoom(), 2.0);
    ASSERT_EQ(w->scrollPosition(), QPoint(200, 240));
    // Zoomed, every logical pixel covers 2 x 2 pixels of the viewport.
    const QImage big = grabbed();
    const QPoint s = w->scrollPosition();
    for (QPoint p : {kE, kF, kK, QPoint(kE.x(), kE.y() + 3), QPoint(kF.x() + 2, kF.y())})
        for (QPoint d : {QPoint(0, 0), QPoint(1, 1)})
            EXPECT_EQ(big.pixel(p * 2 + d - s), whole.pixel(p)) << p.x() << "," << p.y();

    // Steps in and out come back to 1 exactly, and the picture with it.
    w->ZoomOut();
    w->ZoomIn();
    w->ZoomIn();
    w->ZoomOut();
    w->setZoom(1.0);
    settle();
    EXPECT_EQ(w->zoom(), 1.0);
    EXPECT_EQ(w->scrollPosition(), QPoint(0, 0));
    EXPECT_EQ(w->screenImage(), whole);
    EXPECT_EQ(grabbed(), whole);
}

TEST_F(Zoom, ScrollSizesScaleWithTheZoom) {
    w->setZoom(2.0);
    settle();
    QScrollBar* h = w->horizontalScrollBar();
    QScrollBar* v = w->verticalScrollBar();
    EXPECT_EQ(w->scrollTotal(), extent());  // the control's own sizes stay logical
    EXPECT_EQ(h->maximum(), 2 * extent().width() - vp()->width());
    EXPECT_EQ(v->maximum(), 2 * extent().height() - vp()->height());
    w->setZoom(0.5);
    settle();
    EXPECT_EQ(w->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(h->maximum(), 0);
}

TEST_F(Zoom, TheMouseWorksOnWhatIsShown) {
    w->setZoom(2.0);
    w->horizontalScrollBar()->setValue(101);
    w->verticalScrollBar()->setValue(77);
    settle();
    // A click selects the vertex under the pointer.
    clickShown(kF);
    ASSERT_EQ(selectedCount(), 1u);
    EXPECT_EQ(w->VertexID(1, 0), 6u);
    clickShown(kG);
    ASSERT_EQ(selectedCount(), 1u);
    EXPECT_EQ(w->VertexID(1, 0), 7u);

    // A drag moves by what the pointer moved in logical units.
    const QPoint from = shownAt(kG);
    QTest::mousePress(vp(), Qt::LeftButton, {}, from);
    for (QPoint to : {from + QPoint(30, 20), from + QPoint(60, 40)}) {
        QMouseEvent event(QEvent::MouseMove, to, vp()->mapToGlobal(to), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(vp(), &event);
    }
    QTest::mouseRelease(vp(), Qt::LeftButton, {}, from + QPoint(60, 40));
    settle();
    EXPECT_EQ(position(7), kG + QPoint(30, 20));

    // A rubber band catches what it covers on the screen.
    w->setZoom(0.5);
    settle();
    ASSERT_EQ(w->scrollPosition(), QPoint(0, 0));
    QTest::mousePress(vp(), Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent band(QEvent::MouseMove, QPoint(130, 110), vp()->mapToGlobal(QPoint(130, 110)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(vp(), &band);
    QTest::mouseRelease(vp(), Qt::LeftButton, {}, QPoint(130, 110));
    settle();
    EXPECT_EQ(selectedCount(), 5u);  // A, B, C, E and F lie inside (10,10)-(260,220)

    // The menu's New Vertex lands where the menu was asked for.
    w->setZoom(1.5);
    settle();
    choices = {QStringLiteral("New Vertex")};
    clickShown({420, 60}, Qt::RightButton);
    ASSERT_EQ(w->VertexCount(0), 12u);
    const QPoint placed = position(12);
    EXPECT_LE(std::abs(placed.x() - 420), 1);
    EXPECT_LE(std::abs(placed.y() - 60), 1);
}

TEST_F(Zoom, CtrlWheelAndPinchZoomAboutThePointer) {
    w->setZoom(2.0);
    w->horizontalScrollBar()->setValue(150);
    w->verticalScrollBar()->setValue(100);
    settle();
    QSignalSpy zoomed(w.get(), &CRamuloCtrl::ZoomChanged);
    const QPoint at = shownAt(kF);
    ASSERT_TRUE(vp()->rect().contains(at));
    wheel(at, 120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(w->zoom(), 2.5);
    EXPECT_EQ(w->logicalAt(at), kF);
    wheel(at, 240, Qt::ControlModifier);
    EXPECT_NEAR(w->zoom(), 2.0 * 1.25 * 1.25 * 1.25, 1e-9);
    EXPECT_LE((w->logicalAt(at) - kF).manhattanLength(), 1);
    wheel(at, -360, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(w->zoom(), 2.0);
    EXPECT_EQ(w->logicalAt(at), kF);
    EXPECT_EQ(zoomed.count(), 3);
    // Without Ctrl the wheel scrolls as before.
    const QPoint before = w->scrollPosition();
    wheel(at, -120, {});
    EXPECT_DOUBLE_EQ(w->zoom(), 2.0);
    EXPECT_GT(w->scrollPosition().y(), before.y());

    const QPoint c = shownAt(kC);
    QNativeGestureEvent pinch(Qt::ZoomNativeGesture, QPointingDevice::primaryPointingDevice(), 2, c,
                              c, vp()->mapToGlobal(c), 0.5, {}, 0);
    QApplication::sendEvent(vp(), &pinch);
    EXPECT_DOUBLE_EQ(w->zoom(), 3.0);
    EXPECT_EQ(w->logicalAt(c), kC);
}

TEST_F(Zoom, KeysZoomAndZoomToFitShowsTheWholeDrawing) {
    w->setFocus();
    QTest::keyClick(w.get(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(w->zoom(), 1.25);
    QTest::keyClick(w.get(), Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(w.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(w->zoom(), 0.8);
    QTest::keyClick(w.get(), Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(w->zoom(), 1.0);

    w->resize(200, 150);
    settle();
    w->ZoomToFit();
    settle();
    EXPECT_LT(w->zoom(), 1.0);
    EXPECT_TRUE(w->visibleLogicalRect().contains(QRect(QPoint(0, 0), extent())));
    EXPECT_EQ(w->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(w->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // A drawing smaller than the window is not blown up.
    w->resize(900, 800);
    settle();
    w->ZoomToFit();
    EXPECT_EQ(w->zoom(), 1.0);
}

TEST_F(Zoom, MiddleButtonAndSpaceDragPanWithoutTouchingTheDocument) {
    QSignalSpy modified(w.get(), &CRamuloCtrl::DocumentModified);
    w->setZoom(3.0);
    w->horizontalScrollBar()->setValue(300);
    w->verticalScrollBar()->setValue(300);
    settle();
    const auto panDrag = [&](Qt::MouseButton button, QPoint from, QPoint to) {
        QTest::mousePress(vp(), button, {}, from);
        QMouseEvent event(QEvent::MouseMove, to, vp()->mapToGlobal(to), Qt::NoButton, button,
                          Qt::NoModifier);
        QApplication::sendEvent(vp(), &event);
        QTest::mouseRelease(vp(), button, {}, to);
        settle();
    };
    panDrag(Qt::MiddleButton, {200, 200}, {150, 180});
    EXPECT_EQ(w->scrollPosition(), QPoint(350, 320));

    w->setFocus();
    QTest::keyPress(w.get(), Qt::Key_Space);
    panDrag(Qt::LeftButton, {100, 100}, {140, 160});
    QTest::keyRelease(w.get(), Qt::Key_Space);
    EXPECT_EQ(w->scrollPosition(), QPoint(310, 260));
    EXPECT_EQ(selectedCount(), 0u);
    EXPECT_EQ(modified.count(), 0);
}

}  // namespace

namespace {

using namespace widget_test;

TEST_F(Zoom, TheZoomMembersReachTheWindowByDispatch) {
    RamuloControl& c = w->control();
    EXPECT_EQ(invoke(c, u"Zoom", MemberKind::PropertyGet, {}).dblVal, 1.0);
    invoke(c, 1010, MemberKind::PropertyPut, {Variant::fromR8(2.5)});
    EXPECT_DOUBLE_EQ(w->zoom(), 2.5);
    EXPECT_DOUBLE_EQ(invoke(c, u"Zoom", MemberKind::PropertyGet, {}).dblVal, 2.5);
    // Beyond the limits the window clamps; what is no zoom at all is refused.
    invoke(c, u"Zoom", MemberKind::PropertyPut, {Variant::fromR8(100.0)});
    EXPECT_EQ(w->zoom(), CRamuloCtrl::kMaxZoom);
    for (double bad : {0.0, -1.0, std::nan("")}) {
        try {
            invoke(c, u"Zoom", MemberKind::PropertyPut, {Variant::fromR8(bad)});
            ADD_FAILURE() << bad << " was taken";
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.code(), 0x80070057u);
        }
    }
    EXPECT_EQ(w->zoom(), CRamuloCtrl::kMaxZoom);
    invoke(c, 1011, MemberKind::Method, {});  // ZoomToFit
    EXPECT_EQ(w->zoom(), 1.0);                // document 1 fits the window
}

}  // namespace
