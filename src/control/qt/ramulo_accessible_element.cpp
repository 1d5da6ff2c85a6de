// RamuloAccessibleElement: a vertex or an edge as a screen reader sees it.
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "control/qt/ramulo_accessible.h"
#include "control/qt/ramulo_ctrl.h"
#include "engine/window_graph_view.h"
#include "graph/element.h"
#include "views/view.h"

namespace ramulo {

RamuloAccessibleElement::RamuloAccessibleElement(CRamuloCtrl* widget, RamuloElementKey key)
    : widget_(widget), key_(key) {}

RamuloAccessibleWidget* RamuloAccessibleElement::owner() const {
    if (!widget_) return nullptr;
    return static_cast<RamuloAccessibleWidget*>(QAccessible::queryAccessibleInterface(widget_));
}

bool RamuloAccessibleElement::isValid() const {
    RamuloAccessibleWidget* o = owner();
    if (!o) return false;
    return key_.kind == RamuloElementKey::Vertex ? o->vertex(key_.id) != nullptr
                                                 : o->edge(key_.id) != nullptr;
}

QWindow* RamuloAccessibleElement::window() const {
    return widget_ ? widget_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* RamuloAccessibleElement::parent() const {
    return owner();
}

QAccessible::Role RamuloAccessibleElement::role() const {
    // A vertex is an item of the tree; an edge links two of them.
    return key_.kind == RamuloElementKey::Vertex ? QAccessible::TreeItem : QAccessible::Link;
}

QString RamuloAccessibleElement::text(QAccessible::Text t) const {
    RamuloAccessibleWidget* o = owner();
    if (!o) return {};
    if (key_.kind == RamuloElementKey::Vertex) {
        nx::Vertex* v = o->vertex(key_.id);
        if (!v) return {};
        if (t == QAccessible::Name) return o->vertexName(v);
        if (t == QAccessible::Description)
            return QCoreApplication::translate("CRamuloCtrl", "Vertex %1").arg(key_.id);
        return {};
    }
    nx::Edge* e = o->edge(key_.id);
    if (!e) return {};
    if (t == QAccessible::Name)
        return o->vertexName(e->source) + QStringLiteral(" \u2192 ") + o->vertexName(e->target);
    if (t == QAccessible::Description) {
        const QString label = o->edgeLabel(e);
        const QString id = QCoreApplication::translate("CRamuloCtrl", "Edge %1").arg(key_.id);
        return label.isEmpty() ? id : label + QStringLiteral(", ") + id;
    }
    return {};
}

QRect RamuloAccessibleElement::logicalRect() const {
    RamuloAccessibleWidget* o = owner();
    nx::WindowGraphView* view = o ? o->view() : nullptr;
    if (!view) return {};
    if (key_.kind == RamuloElementKey::Vertex) {
        nx::Vertex* v = o->vertex(key_.id);
        const nx::VertexViewData* entry = v ? view->findVertexEntry(v) : nullptr;
        if (!entry || !entry->view) return {};
        const nx::Rect r = entry->view->getBoundingRectangle(v, *view, entry->properties.get());
        return QRect(QPoint(int(r.left), int(r.top)), QPoint(int(r.right) - 1, int(r.bottom) - 1))
            .normalized();
    }
    nx::Edge* e = o->edge(key_.id);
    if (!e) return {};
    // The box between the two ends' centres, at least a pixel wide and high.
    const nx::Point a = view->devicePosition(e->source);
    const nx::Point b = view->devicePosition(e->target);
    const QPoint topLeft(int(std::min(a.x, b.x)), int(std::min(a.y, b.y)));
    const QPoint bottomRight(int(std::max(a.x, b.x)), int(std::max(a.y, b.y)));
    return QRect(topLeft, bottomRight);
}

QRect RamuloAccessibleElement::rect() const {
    RamuloAccessibleWidget* o = owner();
    const QRect logical = logicalRect();
    return o && logical.isValid() ? o->screenRect(logical) : QRect();
}

QAccessible::State RamuloAccessibleElement::state() const {
    QAccessible::State s;
    RamuloAccessibleWidget* o = owner();
    nx::WindowGraphView* view = o ? o->view() : nullptr;
    if (!view || !isValid()) {
        s.invalid = true;
        return s;
    }
    s.selectable = true;
    s.multiSelectable = true;
    if (key_.kind == RamuloElementKey::Vertex) {
        nx::Vertex* v = o->vertex(key_.id);
        const nx::VertexViewData* entry = view->findVertexEntry(v);
        s.selected = entry && view->isSelected(v, entry->properties.get());
        s.focusable = true;
        s.focused = widget_->hasFocus() && widget_->focusedVertex() == key_.id;
    } else {
        nx::Edge* e = o->edge(key_.id);
        const nx::EdgeViewEntry entry = view->findEdgeEntry(e);
        s.selected = view->isSelected(e, entry.properties);
    }
    const QRect shown = rect();
    const QRect viewport(widget_->viewport()->mapToGlobal(QPoint(0, 0)),
                         widget_->viewport()->size());
    s.offscreen = !shown.intersects(viewport);
    s.invisible = !widget_->isVisible();
    return s;
}

}  // namespace ramulo
