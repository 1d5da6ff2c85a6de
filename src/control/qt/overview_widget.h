// RamuloOverview: a small map of a CRamuloCtrl's whole drawing and the part it shows.
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

namespace ramulo {

class CRamuloCtrl;

// Shows every vertex and edge of the control's drawing scaled to fit, with the control's
// visible rectangle over it; pressing or dragging scrolls the control to centre there.
// It only reads the control's view, so the control's own picture is never touched.
class RamuloOverview : public QWidget {
    Q_OBJECT

public:
    explicit RamuloOverview(QWidget* parent = nullptr);
    void setControl(CRamuloCtrl* control);
    CRamuloCtrl* control() const { return control_; }

    // The logical area the map covers (the control's scroll total, at least its visible
    // rectangle), and where a logical point and the visible rectangle land on the map.
    QRect coveredArea() const;
    QPointF mapFromLogical(QPointF logical) const;
    QPointF mapToLogical(QPointF onMap) const;
    QRectF visibleRectOnMap() const;

    QSize sizeHint() const override { return {200, 150}; }

public slots:
    // The drawing changed in a way the control does not announce (a host's member calls).
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double scale() const;
    QPointF offset() const;
    void renderMap();
    void centreAt(QPointF onMap);

    QPointer<CRamuloCtrl> control_;
    QImage map_;
    QRect mapArea_;  // the covered area map_ was drawn for
    bool stale_ = true;
    bool dragging_ = false;
};

}  // namespace ramulo
