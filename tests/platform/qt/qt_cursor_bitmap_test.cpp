// QtCursorTools on a widget and QtBitmap as a drawing source.
#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QImage>
#include <QWidget>

#include "platform/qt/qt_bitmap.h"
#include "platform/qt/qt_cursor_tools.h"
#include "platform/qt/qt_device_context.h"
#include "platform/qt/qt_drawing_tools.h"
#include "platform/qt/qt_test_app.h"

namespace nx {
namespace {

TEST(QtCursorTools, EachOperationSetsItsShapeOnTheWidget) {
    test::testApplication();
    struct Case {
        void (CursorTools::*set)();
        Qt::CursorShape shape;
    };
    const Case cases[] = {
        {&CursorTools::setArrowCursor, Qt::ArrowCursor},
        {&CursorTools::setWaitCursor, Qt::WaitCursor},
        {&CursorTools::setAppStartingCursor, Qt::BusyCursor},
        {&CursorTools::setCrossCursor, Qt::CrossCursor},
        {&CursorTools::setSizeAllCursor, Qt::SizeAllCursor},
        {&CursorTools::setSizeNSCursor, Qt::SizeVerCursor},
        {&CursorTools::setSizeWECursor, Qt::SizeHorCursor},
        {&CursorTools::setSizeNESWCursor, Qt::SizeBDiagCursor},
        {&CursorTools::setSizeNWSECursor, Qt::SizeFDiagCursor},
        {&CursorTools::setHelpCursor, Qt::WhatsThisCursor},
        {&CursorTools::setUpArrowCursor, Qt::UpArrowCursor},
        {&CursorTools::setIBeamCursor, Qt::IBeamCursor},
        {&CursorTools::setNoCursor, Qt::ForbiddenCursor},
    };
    auto widget = std::make_unique<QWidget>();
    QtCursorTools cursors(widget.get());
    for (const Case& c : cases) {
        (cursors.*c.set)();
        EXPECT_EQ(widget->cursor().shape(), c.shape);
    }
    // Once the widget is gone the tools do nothing, as without one.
    widget.reset();
    EXPECT_EQ(cursors.widget(), nullptr);
    cursors.setCrossCursor();
    QtCursorTools headless;
    headless.setWaitCursor();
}

TEST(QtBitmap, MonochromeSizeAndRelease) {
    QtBitmap bitmap;
    bitmap.createMonochrome({5, 3});
    EXPECT_EQ(bitmap.getWidth(), 5);
    EXPECT_EQ(bitmap.getHeight(), 3);
    EXPECT_EQ(bitmap.image().pixel(4, 2), qRgb(0, 0, 0));
    bitmap.loadFromResource(987654);  // no such resource: the image stays
    EXPECT_EQ(bitmap.getWidth(), 5);
    bitmap.releaseBitmap();
    EXPECT_EQ(bitmap.getWidth(), 0);
    EXPECT_EQ(bitmap.getHeight(), 0);
}

TEST(QtBitmap, OnlyASelectedBitmapIsDrawnAndOnlyTheInsideOfThePart) {
    test::testApplication();
    QImage screen(40, 30, QImage::Format_RGB32);
    screen.fill(Qt::white);
    QtDeviceContext context(&screen);
    QtDrawingTools tools;
    tools.init(&context, {0, 0});

    QImage source(4, 3, QImage::Format_RGB32);
    source.fill(qRgb(0, 0, 255));
    QtBitmap bitmap(source);
    tools.drawBitmap(bitmap, {1, 1});
    tools.endPainting();
    EXPECT_EQ(test::countPixels(screen, QColor(0, 0, 255)), 0) << "not selected";

    tools.selectBitmap(bitmap);
    tools.drawBitmap(bitmap, {1, 1});
    tools.drawBitmap(bitmap, {10, 10}, {2, 1, 10, 10});  // reaches beyond the bitmap
    tools.drawBitmap(bitmap, {20, 20}, {-1, -1, 2, 2});  // starts before it
    tools.deselectBitmap(bitmap);
    tools.drawBitmap(bitmap, {30, 1});
    tools.endPainting();
    EXPECT_EQ(test::countPixels(screen.copy(0, 0, 10, 10), QColor(0, 0, 255)), 12);
    EXPECT_EQ(test::countPixels(screen.copy(10, 10, 10, 10), QColor(0, 0, 255)), 4);
    EXPECT_EQ(screen.pixel(10, 10), qRgb(0, 0, 255));
    EXPECT_EQ(screen.pixel(11, 11), qRgb(0, 0, 255));
    EXPECT_EQ(screen.pixel(12, 10), qRgb(255, 255, 255));
    EXPECT_EQ(test::countPixels(screen.copy(20, 20, 10, 10), QColor(0, 0, 255)), 4);
    EXPECT_EQ(screen.pixel(20, 20), qRgb(255, 255, 255));
    EXPECT_EQ(screen.pixel(21, 21), qRgb(0, 0, 255));
    EXPECT_EQ(test::countPixels(screen.copy(30, 0, 10, 10), QColor(0, 0, 255)), 0);
}

}  // namespace
}  // namespace nx
