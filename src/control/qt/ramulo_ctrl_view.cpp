// CRamuloCtrl: painting through the engine's draw operation, the picture the widget shows,
// drawing outside a paint, and the scroll bars.
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>
#include <limits>

#include "control/automation_error.h"
#include "control/qt/progress_dialog_sink.h"
#include "control/qt/ramulo_ctrl.h"
#include "engine/ole_color.h"
#include "platform/qt/qt_device_context.h"
#include "platform/qt/qt_window_graph_view.h"

namespace ramulo {

namespace {

int clampedSide(std::uint64_t side) {
    return static_cast<int>(std::min<std::uint64_t>(side, std::numeric_limits<int>::max()));
}

QColor qtColor(const nx::RgbColor& c) {
    return QColor(c.red, c.green, c.blue);
}

}  // namespace

// The window's surface outside a paint: the picture the widget shows. Feedback drawn on it
// in XOR appears at once and a second drawing erases it, as on a real screen.
class CRamuloCtrl::ScreenContext : public nx::QtDeviceContext {
public:
    ScreenContext(CRamuloCtrl& widget, QPoint origin)
        : QtDeviceContext(&widget.screen_, origin), w_(widget) {}
    ~ScreenContext() override {
        // The tools' painters on the picture close before it is shown.
        if (w_.control_) {
            auto* view = dynamic_cast<nx::QtWindowGraphView*>(engineOf(*w_.control_).view());
            if (view) view->endPaint();
        }
        w_.viewport()->update();
    }
    ScreenContext(const ScreenContext&) = delete;
    ScreenContext& operator=(const ScreenContext&) = delete;

private:
    CRamuloCtrl& w_;
};

// A hidden bar has the range 0 ... 0, so its position is 0.
QPoint CRamuloCtrl::scrollPosition() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

nx::Point CRamuloCtrl::scroll() const {
    const QPoint p = pictureOrigin();
    return {p.x(), p.y()};
}

// --- Painting

void CRamuloCtrl::invalidate(bool) {
    stale_ = QRegion(viewport()->rect());
    viewport()->update();
}

void CRamuloCtrl::repaintNow() {
    stale_ = QRegion(viewport()->rect());
    viewport()->repaint();
}

void CRamuloCtrl::ensureScreenSize() {
    const QSize size = pictureSize();
    // Drawn at the screen's pixel density, measured in units like the viewport.
    const qreal ratio = viewport()->devicePixelRatioF();
    if (screen_.deviceIndependentSize().toSize() == size && screen_.devicePixelRatio() == ratio)
        return;
    if (ratio == 1.0) {
        screen_ = QImage(size, QImage::Format_RGB32);
    } else {
        screen_ = QImage((QSizeF(size) * ratio).toSize(), QImage::Format_RGB32);
        screen_.setDevicePixelRatio(ratio);
    }
    screen_.fill(backColor());
    stale_ = QRegion(QRect(QPoint(0, 0), size));
}

void CRamuloCtrl::renderStale() {
    // While the control is going (its save question may run an event loop) or an operation
    // is half done, the picture stays as it was.
    if (!control_ || impl_->progress->active()) return;
    ensureScreenSize();
    // Zoomed, the picture and the viewport differ in size: what is stale is all of it.
    const QRect whole(QPoint(0, 0), pictureSize());
    const QRect area = (zoom_ == 1.0 || stale_.isEmpty() ? stale_.boundingRect() : whole) & whole;
    stale_ = QRegion();
    if (area.isEmpty()) return;
    {
        // The window's own background first, as the platform erases before a paint.
        QPainter painter(&screen_);
        painter.fillRect(area, backColor());
    }
    const QPoint offset = pictureOrigin();
    nx::QtDeviceContext context(&screen_, -offset);
    const nx::Rect bounds{0, 0, whole.width(), whole.height()};
    const nx::Rect invalid{area.left(), area.top(), area.right() + 1, area.bottom() + 1};
    try {
        control_->OnDraw(&context, bounds, invalid);
    } catch (const AutomationError& e) {
        emit DrawingFailed(e.code(), QString::fromStdU16String(e.description()));
    }
}

void CRamuloCtrl::paintEvent(QPaintEvent* event) {
    painting_ = true;
    // A window painted before anything set its scroll sizes scrolls over what it shows.
    if (!scrollSizesSet_ && control_)
        setScrollSizes({static_cast<std::uint64_t>(viewport()->width()),
                        static_cast<std::uint64_t>(viewport()->height())});
    renderStale();
    QPainter painter(viewport());
    if (zoom_ == 1.0) {
        const QRect r = event->rect();
        const qreal ratio = screen_.devicePixelRatio();
        if (ratio == 1.0)
            painter.drawImage(r, screen_, r);
        else
            painter.drawImage(QRectF(r), screen_,
                              QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
    } else {
        // The picture starts at a whole logical point; what the bars scrolled beyond it
        // shifts the zoomed picture by the rest.
        const QPointF shift = QPointF(pictureOrigin()) * zoom_ - QPointF(scrollPosition());
        painter.translate(shift);
        painter.scale(zoom_, zoom_);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, zoom_ < 1.0);
        painter.drawImage(QPointF(0, 0), screen_);
        painter.resetTransform();
    }
    // The keyboard's mark lies over the picture, never in it.
    if (hasFocus()) drawFocusMark(painter);
    painting_ = false;
}

std::unique_ptr<nx::DeviceContext> CRamuloCtrl::windowDeviceContext() {
    // Feedback goes onto the picture as it should look now, not onto one about to be redrawn.
    renderStale();
    return std::make_unique<ScreenContext>(*this, -pictureOrigin());
}

QColor CRamuloCtrl::backColor() const {
    if (!control_) return palette().color(QPalette::Base);
    return qtColor(oleColorToRgb(control_->GetBackColor(), const_cast<CRamuloCtrl*>(this)));
}

void CRamuloCtrl::setBackColor(const QColor& color) {
    constexpr OLE_COLOR kWindowColor = 0x80000005;
    control_->SetBackColor(color.isValid() ? static_cast<OLE_COLOR>(color.red()) |
                                                 static_cast<OLE_COLOR>(color.green()) << 8 |
                                                 static_cast<OLE_COLOR>(color.blue()) << 16
                                           : kWindowColor);
}

// --- Scrolling

void CRamuloCtrl::setScrollSizes(const nx::Size& total) {
    const bool first = !scrollSizesSet_;
    scrollSizesSet_ = true;
    total_ = QSize(clampedSide(total.cx), clampedSide(total.cy));
    page_ = total_ / 10;
    line_ = page_ / 10;
    updateBars();
    if (first) invalidate(true);
}

void CRamuloCtrl::updateBars() {
    if (updatingBars_) return;
    updatingBars_ = true;
    const QSize client = contentsRect().size();
    const int barHeight = horizontalScrollBar()->sizeHint().height();
    const int barWidth = verticalScrollBar()->sizeHint().width();
    bool horizontal = false, vertical = false;
    if (client.width() > barWidth && client.height() > barHeight) {
        const QSize total = zoomedTotal();
        horizontal = total.width() > client.width();
        vertical = total.height() > client.height();
        // A bar takes room from the other direction.
        if (horizontal && !vertical) vertical = total.height() > client.height() - barHeight;
        if (vertical && !horizontal) horizontal = total.width() > client.width() - barWidth;
    }
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    // The page of each bar is the visible extent; positions run 0 ... total - visible, so a
    // position past the new limit comes back within it.
    const QSize visible = viewport()->size();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setPageStep(std::max(visible.width(), 1));
    v->setPageStep(std::max(visible.height(), 1));
    const QSize total = zoomedTotal();
    h->setSingleStep(std::max(int(line_.width() * zoom_), zoom_ == 1.0 ? 0 : 1));
    v->setSingleStep(std::max(int(line_.height() * zoom_), zoom_ == 1.0 ? 0 : 1));
    h->setRange(0, horizontal ? std::max(total.width() - visible.width(), 0) : 0);
    v->setRange(0, vertical ? std::max(total.height() - visible.height(), 0) : 0);
    updatingBars_ = false;
}

void CRamuloCtrl::pageStep(QScrollBar* bar, int action, int page) {
    // A page step moves by a tenth of the total, not by the visible extent.
    if (action == QAbstractSlider::SliderPageStepAdd)
        bar->setSliderPosition(bar->value() + page);
    else if (action == QAbstractSlider::SliderPageStepSub)
        bar->setSliderPosition(bar->value() - page);
}

void CRamuloCtrl::scrollContentsBy(int, int) {
    // A scroll shows its new picture at once; one that comes from a change of the range in
    // the middle of a paint or of sizing the bars waits for the next paint.
    stale_ = QRegion(viewport()->rect());
    if (painting_ || updatingBars_)
        viewport()->update();
    else
        viewport()->repaint();
    emit ViewChanged();
}

void CRamuloCtrl::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    stale_ = QRegion(viewport()->rect());
    if (created_ && !updatingBars_ && control_) control_->Update();
    emit ViewChanged();
}

}  // namespace ramulo
