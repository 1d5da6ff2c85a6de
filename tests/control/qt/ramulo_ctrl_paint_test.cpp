// The widget's picture and scroll bars: what is drawn where, ranges, steps and sizing.
#include <QPainter>

#include "control/automation_error.h"
#include "platform/qt/qt_device_context.h"
#include "platform/qt/qt_get_picture.h"
#include "widget_fixture.h"

using namespace ramulo;

namespace {

using namespace widget_test;

// The whole drawing, as the engine's draw operation makes it on an image of its own.
QImage wholeDrawing(CRamuloCtrl& w, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    nx::QtDeviceContext context(&image);
    const nx::Rect all{0, 0, size.width(), size.height()};
    w.control().OnDraw(&context, all, all);
    return image;
}

TEST_F(Widget, ShowsTheDrawingAtItsScrollPosition) {
    const QImage shown = w->screenImage();
    ASSERT_EQ(shown.size(), vp()->size());
    const QImage whole = wholeDrawing(*w, vp()->size() + QSize(200, 200));
    EXPECT_EQ(shown, whole.copy(QRect(QPoint(0, 0), shown.size())));

    // Scrolled, the window shows the drawing from the scroll position on.
    w->resize(200, 160);
    settle();
    ASSERT_GT(w->horizontalScrollBar()->maximum(), 60);
    ASSERT_GT(w->verticalScrollBar()->maximum(), 40);
    w->horizontalScrollBar()->setValue(60);
    w->verticalScrollBar()->setValue(40);
    // Scrolling repaints at once, without waiting for the event loop.
    EXPECT_EQ(w->scrollPosition(), QPoint(60, 40));
    const QImage scrolled = w->screenImage();
    EXPECT_EQ(scrolled, whole.copy(QRect(QPoint(60, 40), scrolled.size())));
    // ...and the mouse works in the same coordinates.
    click(kA);
    ASSERT_EQ(selectedCount(), 1u);
    EXPECT_EQ(w->VertexID(1, 0), 1u);
}

TEST_F(Widget, ScrollBarsOnlyForADrawingLargerThanTheWindow) {
    // Document 1 fits into 500 x 400.
    EXPECT_EQ(w->scrollTotal(), extent());
    EXPECT_EQ(w->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(w->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(w->scrollPosition(), QPoint(0, 0));

    // Narrower than the drawing but tall enough: only the horizontal bar, 0 ... width - 1.
    w->resize(extent().width() - 100, 600);
    settle();
    EXPECT_EQ(w->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(w->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QScrollBar* h = w->horizontalScrollBar();
    EXPECT_EQ(h->pageStep(), vp()->width());
    EXPECT_EQ(h->maximum() + h->pageStep() - 1, extent().width() - 1);

    // Small in both directions: both bars, pages of a tenth, lines of a hundredth.
    w->resize(150, 120);
    settle();
    EXPECT_EQ(w->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(w->scrollPage(), extent() / 10);
    EXPECT_EQ(w->scrollLine(), extent() / 100);
    QScrollBar* v = w->verticalScrollBar();
    EXPECT_EQ(v->maximum() + v->pageStep(), extent().height());
    v->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(v->value(), extent().height() / 10);
    v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(v->value(), extent().height() / 10 + extent().height() / 100);
    v->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(v->value(), extent().height() - vp()->height());

    // Growing the window back brings the position within the smaller range.
    w->resize(500, 400);
    settle();
    EXPECT_EQ(w->scrollPosition(), QPoint(0, 0));
    EXPECT_EQ(w->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(Widget, ExtentChangesRescroll) {
    w->SetHierarchicalLayoutParams(300, 300, 300);
    w->HierarchicalLayout();
    EXPECT_EQ(w->scrollTotal(), extent());
    EXPECT_EQ(w->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    w->LoadTest(0);
    EXPECT_EQ(w->scrollTotal(), extent());
    EXPECT_EQ(w->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST(WidgetWithoutWindow, ConstructionIsEmptyUntilTheWindowIsCreated) {
    CRamuloCtrl w;
    EXPECT_EQ(engineOf(w.control()).graph(), nullptr);
    EXPECT_EQ(w.testID(), 1);
    EXPECT_FALSE(w.editingEnabled());
    EXPECT_FALSE(w.doubleClickEnabled());
    EXPECT_EQ(w.VertexCount(0), 0u);
    w.setTestID(2);
    w.createWindow();
    EXPECT_TRUE(w.isCreated());
    EXPECT_EQ(w.VertexCount(0), 10u);  // document 2
    EXPECT_EQ(w.scrollTotal(), QSize(int(engineOf(w.control()).GetExtent().cx),
                                     int(engineOf(w.control()).GetExtent().cy)));
}

TEST(WidgetWithoutWindow, FirstPaintScrollsOverWhatItShows) {
    CRamuloCtrl w;
    w.resize(300, 200);
    EXPECT_FALSE(w.scrollSizesSet());
    const QPixmap picture = w.grab();  // painted without ever being shown
    EXPECT_FALSE(w.isCreated());
    EXPECT_TRUE(w.scrollSizesSet());
    EXPECT_EQ(w.scrollTotal(), w.viewport()->size());
    EXPECT_EQ(picture.toImage().pixel(10, 10), QColor(Qt::white).rgb());
}

TEST(WidgetWithoutWindow, ADrawingFailureIsTheDrawingsAutomationError) {
    CRamuloCtrl w;
    w.createWindow();
    const nx::Rect all{0, 0, 100, 100};
    try {
        w.control().OnDraw(nullptr, all, all);
        FAIL() << "drawing without a surface succeeded";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.code(), 0x800a03f0u);
        EXPECT_EQ(e.description(), u"GdiDrawingTools::init error: incorrect device context");
    }
}

}  // namespace

namespace {

using namespace widget_test;

// Counts the paints a widget receives.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST_F(Widget, AnIdleWidgetPaintsNoMore) {
    PaintCounter counter;
    vp()->installEventFilter(&counter);
    for (int i = 0; i < 5; ++i) settle();
    EXPECT_EQ(counter.paints, 0);
    w->Update();
    for (int i = 0; i < 5; ++i) settle();
    EXPECT_EQ(counter.paints, 1);
    vp()->removeEventFilter(&counter);
}

TEST(Pictures, GetPictureAnswersTheHostsBitmapResource) {
    const QPixmap picture = GetPicture(7);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(4, 3));
    EXPECT_EQ(picture.toImage().pixel(1, 1), qRgb(200, 30, 40));
    EXPECT_TRUE(GetPicture(8).isNull());
}

}  // namespace
