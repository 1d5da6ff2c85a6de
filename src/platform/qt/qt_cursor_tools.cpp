// nx::QtCursorTools: each cursor operation sets one Qt cursor shape.
#include "platform/qt/qt_cursor_tools.h"

#include <QCursor>
#include <QWidget>

namespace nx {

QtCursorTools::QtCursorTools(QWidget* widget) : widget_(widget) {}

void QtCursorTools::setWidget(QWidget* widget) {
    widget_ = widget;
}

void QtCursorTools::apply(int shape) {
    if (widget_) widget_->setCursor(QCursor(static_cast<Qt::CursorShape>(shape)));
}

void QtCursorTools::setArrowCursor() {
    apply(Qt::ArrowCursor);
}
void QtCursorTools::setWaitCursor() {
    apply(Qt::WaitCursor);
}
void QtCursorTools::setAppStartingCursor() {
    apply(Qt::BusyCursor);
}
void QtCursorTools::setCrossCursor() {
    apply(Qt::CrossCursor);
}
void QtCursorTools::setSizeAllCursor() {
    apply(Qt::SizeAllCursor);
}
void QtCursorTools::setSizeNSCursor() {
    apply(Qt::SizeVerCursor);
}
void QtCursorTools::setSizeWECursor() {
    apply(Qt::SizeHorCursor);
}
void QtCursorTools::setSizeNESWCursor() {
    apply(Qt::SizeBDiagCursor);
}
void QtCursorTools::setSizeNWSECursor() {
    apply(Qt::SizeFDiagCursor);
}
void QtCursorTools::setHelpCursor() {
    apply(Qt::WhatsThisCursor);
}
void QtCursorTools::setUpArrowCursor() {
    apply(Qt::UpArrowCursor);
}
void QtCursorTools::setIBeamCursor() {
    apply(Qt::IBeamCursor);
}
void QtCursorTools::setNoCursor() {
    apply(Qt::ForbiddenCursor);
}

}  // namespace nx
