// RamuloOverview: a small map of a CRamuloCtrl's whole drawing and the part it shows.
#include "control/qt/overview_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "control/qt/ramulo_ctrl.h"
#include "engine/window_graph_view.h"
#include "graph/element.h"

namespace ramulo {

RamuloOverview::RamuloOverview(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
}

void RamuloOverview::setControl(CRamuloCtrl* control) {
    if (control_) disconnect(control_, nullptr, this, nullptr);
    control_ = control;
    if (control_) {
        const auto restale = [this] { refresh(); };
        const auto reframe = [this] { update(); };
        connect(control_, &CRamuloCtrl::DocumentModified, this, restale);
        connect(control_, &CRamuloCtrl::SelectionChanged, this, restale);
        connect(control_, &CRamuloCtrl::LayoutFinished, this, restale);
        connect(control_, &CRamuloCtrl::VertexAdded, this, restale);
        connect(control_, &CRamuloCtrl::VertexRemoved, this, restale);
        connect(control_, &CRamuloCtrl::EdgeAdded, this, restale);
        connect(control_, &CRamuloCtrl::EdgeRemoved, this, restale);
        connect(control_, &CRamuloCtrl::ViewChanged, this, reframe);
        connect(control_, &CRamuloCtrl::ZoomChanged, this, reframe);
    }
    refresh();
}

void RamuloOverview::refresh() {
    stale_ = true;
    update();
}

QRect RamuloOverview::coveredArea() const {
    if (!control_) return {0, 0, 1, 1};
    QRect area(QPoint(0, 0), control_->scrollTotal().expandedTo(QSize(1, 1)));
    return area.united(control_->visibleLogicalRect());
}

double RamuloOverview::scale() const {
    const QRect area = coveredArea();
    return std::min(double(width()) / area.width(), double(height()) / area.height());
}

QPointF RamuloOverview::offset() const {
    // The map sits in the middle of the widget; the covered area starts at its corner.
    const QRect area = coveredArea();
    const double s = scale();
    return QPointF((width() - area.width() * s) / 2, (height() - area.height() * s) / 2) -
           QPointF(area.topLeft()) * s;
}

QPointF RamuloOverview::mapFromLogical(QPointF logical) const {
    return logical * scale() + offset();
}

QPointF RamuloOverview::mapToLogical(QPointF onMap) const {
    return (onMap - offset()) / scale();
}

QRectF RamuloOverview::visibleRectOnMap() const {
    if (!control_) return {};
    const QRectF r = control_->visibleLogicalRect();
    return {mapFromLogical(r.topLeft()), mapFromLogical(r.bottomRight() + QPointF(1, 1))};
}

void RamuloOverview::renderMap() {
    stale_ = false;
    mapArea_ = coveredArea();
    map_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    map_.fill(control_ ? control_->backColor() : palette().color(QPalette::Base));
    if (!control_) return;
    const ControlEngine& engine = engineOf(control_->control());
    if (!engine.graph() || !engine.view()) return;
    const nx::GraphView& view = *engine.view();
    QPainter painter(&map_);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto at = [&](const nx::Vertex* v) {
        const nx::Point p = view.devicePosition(v);
        return mapFromLogical(QPointF(p.x, p.y));
    };
    const QColor ink(view.penColor().red, view.penColor().green, view.penColor().blue);
    painter.setPen(QPen(QColor(ink.red(), ink.green(), ink.blue(), 110), 1));
    for (const auto& [edge, data] : view.edgeMap())
        painter.drawLine(at(edge->source), at(edge->target));
    // Vertices as dots a little larger than a pixel; the selection in the highlight colour.
    const double r = std::clamp(scale() * 3, 1.5, 4.0);
    painter.setPen(Qt::NoPen);
    const QColor highlight = palette().color(QPalette::Highlight);
    for (const nx::VertexViewEntry e : view.vertexSequence()) {
        painter.setBrush(view.isSelected(e.vertex, e.properties) ? highlight : ink);
        painter.drawEllipse(at(e.vertex), r, r);
    }
}

void RamuloOverview::paintEvent(QPaintEvent*) {
    if (stale_ || map_.size() != size().expandedTo(QSize(1, 1)) || mapArea_ != coveredArea())
        renderMap();
    QPainter painter(this);
    painter.drawImage(0, 0, map_);
    if (!control_) return;
    const QColor highlight = palette().color(QPalette::Highlight);
    QColor fill = highlight;
    fill.setAlpha(40);
    painter.setPen(QPen(highlight, 1.5));
    painter.setBrush(fill);
    painter.drawRect(visibleRectOnMap());
}

void RamuloOverview::resizeEvent(QResizeEvent*) {
    stale_ = true;
}

void RamuloOverview::centreAt(QPointF onMap) {
    if (!control_) return;
    const QRectF visible = control_->visibleLogicalRect();
    control_->scrollToLogical(mapToLogical(onMap) - QPointF(visible.width(), visible.height()) / 2);
    update();
}

void RamuloOverview::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    dragging_ = true;
    centreAt(event->position());
}

void RamuloOverview::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) centreAt(event->position());
}

void RamuloOverview::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
}

}  // namespace ramulo
