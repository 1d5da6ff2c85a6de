// CRamuloCtrl: zooming the shown picture and panning it with the middle button or Space.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "control/qt/ramulo_ctrl.h"

namespace ramulo {

namespace {

// One wheel notch or key press zooms by this factor.
constexpr double kZoomStep = 1.25;

int floorDiv(int value, double zoom) {
    return static_cast<int>(std::floor(value / zoom));
}

}  // namespace

QSize CRamuloCtrl::pictureSize() const {
    const QSize view = viewport()->size().expandedTo(QSize(1, 1));
    if (zoom_ == 1.0) return view;
    // One logical pixel more than fits, for the part of a pixel scrolled past the origin.
    return {static_cast<int>(std::ceil(view.width() / zoom_)) + 1,
            static_cast<int>(std::ceil(view.height() / zoom_)) + 1};
}

QPoint CRamuloCtrl::pictureOrigin() const {
    const QPoint s = scrollPosition();
    return {floorDiv(s.x(), zoom_), floorDiv(s.y(), zoom_)};
}

QSize CRamuloCtrl::zoomedTotal() const {
    return {static_cast<int>(std::lround(total_.width() * zoom_)),
            static_cast<int>(std::lround(total_.height() * zoom_))};
}

QPoint CRamuloCtrl::logicalAt(QPoint viewportPos) const {
    const QPoint s = scrollPosition() + viewportPos;
    return {floorDiv(s.x(), zoom_), floorDiv(s.y(), zoom_)};
}

QRect CRamuloCtrl::visibleLogicalRect() const {
    const QPointF s = QPointF(scrollPosition()) / zoom_;
    const QSizeF size = QSizeF(viewport()->size()) / zoom_;
    return QRectF(s, size).toAlignedRect();
}

void CRamuloCtrl::scrollToLogical(QPointF topLeft) {
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(topLeft.x() * zoom_)));
    verticalScrollBar()->setValue(static_cast<int>(std::lround(topLeft.y() * zoom_)));
}

void CRamuloCtrl::setZoom(double zoom) {
    zoomAbout(zoom, QRectF(viewport()->rect()).center());
}

void CRamuloCtrl::zoomAbout(double zoom, QPointF anchor) {
    if (!std::isfinite(zoom)) return;
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    // Within a thousandth of 1 counts as 1, so that steps in and out come back exactly.
    if (std::abs(zoom - 1.0) < 1e-3) zoom = 1.0;
    if (zoom == zoom_) return;
    const QPointF under = (QPointF(scrollPosition()) + anchor) / zoom_;
    zoom_ = zoom;
    updateBars();
    scrollToLogical(under - anchor / zoom_);
    stale_ = QRegion(viewport()->rect());
    viewport()->update();
    emit ZoomChanged(zoom_);
    emit ViewChanged();
}

void CRamuloCtrl::ZoomIn() {
    setZoom(zoom_ * kZoomStep);
}

void CRamuloCtrl::ZoomOut() {
    setZoom(zoom_ / kZoomStep);
}

void CRamuloCtrl::ZoomToFit() {
    if (total_.isEmpty()) return;
    const QSize room = contentsRect().size();
    const double fit = std::min(
        {1.0, double(room.width()) / total_.width(), double(room.height()) / total_.height()});
    setZoom(fit);
    scrollToLogical({0, 0});
}

void CRamuloCtrl::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // A notch is 120; touchpads deliver parts of one.
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0) zoomAbout(zoom_ * std::pow(kZoomStep, notches), event->position());
    event->accept();
}

bool CRamuloCtrl::zoomGesture(QEvent* event) {
    if (event->type() != QEvent::NativeGesture) return false;
    auto* gesture = static_cast<QNativeGestureEvent*>(event);
    if (gesture->gestureType() != Qt::ZoomNativeGesture) return false;
    zoomAbout(zoom_ * (1.0 + gesture->value()),
              viewport()->mapFromGlobal(gesture->globalPosition()));
    event->accept();
    return true;
}

bool CRamuloCtrl::zoomKey(QKeyEvent* event) {
    if (event->matches(QKeySequence::ZoomIn) ||
        (event->modifiers() & Qt::ControlModifier &&
         (event->key() == Qt::Key_Plus || event->key() == Qt::Key_Equal))) {
        ZoomIn();
    } else if (event->matches(QKeySequence::ZoomOut) ||
               (event->modifiers() & Qt::ControlModifier && event->key() == Qt::Key_Minus)) {
        ZoomOut();
    } else if (event->modifiers() & Qt::ControlModifier && event->key() == Qt::Key_0) {
        setZoom(1.0);
    } else {
        return false;
    }
    event->accept();
    return true;
}

// --- Panning: the drawing follows the pointer while the middle button, or Space and the
// left button, are held.

bool CRamuloCtrl::panPress(QMouseEvent* event) {
    const bool middle = event->button() == Qt::MiddleButton;
    const bool space = event->button() == Qt::LeftButton && spaceHeld_;
    if (!middle && !space) return false;
    panning_ = true;
    spacePanned_ = spacePanned_ || space;
    panFrom_ = event->globalPosition().toPoint();
    panScroll_ = scrollPosition();
    viewport()->setCursor(Qt::ClosedHandCursor);
    event->accept();
    return true;
}

bool CRamuloCtrl::panMove(QMouseEvent* event) {
    if (!panning_) return false;
    const QPoint to = panScroll_ - (event->globalPosition().toPoint() - panFrom_);
    horizontalScrollBar()->setValue(to.x());
    verticalScrollBar()->setValue(to.y());
    event->accept();
    return true;
}

bool CRamuloCtrl::panRelease(QMouseEvent* event) {
    if (!panning_) return false;
    if (event->button() != Qt::MiddleButton && event->button() != Qt::LeftButton) return false;
    panning_ = false;
    viewport()->unsetCursor();
    event->accept();
    return true;
}

}  // namespace ramulo
