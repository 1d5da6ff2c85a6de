// RamuloAccessibleWidget: the widget's children list, their interfaces and the factory.
#include <QCoreApplication>
#include <QWidget>

#include "control/qt/ramulo_accessible.h"
#include "control/qt/ramulo_ctrl.h"
#include "engine/window_graph_view.h"
#include "graph/element.h"
#include "graph/graph.h"
#include "graph/space.h"
#include "properties/string_property.h"
#include "views/view.h"

namespace ramulo {

namespace {

QAccessibleInterface* ramuloFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("ramulo::CRamuloCtrl") && object && object->isWidgetType())
        return new RamuloAccessibleWidget(static_cast<CRamuloCtrl*>(object));
    return nullptr;
}

}  // namespace

void installRamuloAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(ramuloFactory);
        return true;
    }();
    (void)installed;
}

RamuloAccessibleWidget::RamuloAccessibleWidget(CRamuloCtrl* widget)
    : QAccessibleWidget(widget, QAccessible::Tree) {
    QObject::connect(widget, &CRamuloCtrl::FocusedVertexChanged, widget,
                     [widget] { notifyFocus(widget); });
    QObject::connect(widget, &CRamuloCtrl::SelectionChanged, widget,
                     [widget] { notifySelection(widget); });
}

RamuloAccessibleWidget::~RamuloAccessibleWidget() {
    // At the process's end Qt's interface cache deletes every interface itself.
    if (!QCoreApplication::instance() || QCoreApplication::closingDown()) return;
    for (QAccessible::Id id : std::as_const(registered_))
        if (QAccessible::accessibleInterface(id)) QAccessible::deleteAccessibleInterface(id);
}

CRamuloCtrl* RamuloAccessibleWidget::control() const {
    return static_cast<CRamuloCtrl*>(widget());
}

nx::WindowGraphView* RamuloAccessibleWidget::view() const {
    CRamuloCtrl* w = control();
    if (!w) return nullptr;
    ControlEngine& e = engineOf(w->control());
    return e.graph() && e.space() ? e.view() : nullptr;
}

void RamuloAccessibleWidget::refresh() const {
    nx::WindowGraphView* v = view();
    const nx::Graph* graph = v ? engineOf(control()->control()).graph() : nullptr;
    const std::uint64_t stamp = graph ? graph->membershipStamp() : 0;
    const std::size_t order = graph ? graph->order() : 0;
    const std::size_t edges = graph ? graph->edgeCount() : 0;
    if (graph == listedGraph_ && stamp == listedStamp_ && order == listedOrder_ &&
        edges == listedEdges_)
        return;
    listedGraph_ = graph;
    listedStamp_ = stamp;
    listedOrder_ = order;
    listedEdges_ = edges;
    children_.clear();
    indexes_.clear();
    if (!graph) return;
    children_.reserve(order + edges);
    for (const auto& entry : graph->vertices())
        children_.push_back(
            {RamuloElementKey::Vertex, static_cast<std::uint32_t>(entry.first->id)});
    for (const auto& entry : graph->edges())
        children_.push_back({RamuloElementKey::Edge, static_cast<std::uint32_t>(entry.first->id)});
    indexes_.reserve(static_cast<qsizetype>(children_.size()));
    for (std::size_t i = 0; i < children_.size(); ++i)
        indexes_.insert(children_[i].packed(), static_cast<int>(i));
}

int RamuloAccessibleWidget::childCount() const {
    refresh();
    return static_cast<int>(children_.size());
}

int RamuloAccessibleWidget::indexOf(RamuloElementKey key) const {
    refresh();
    return indexes_.value(key.packed(), -1);
}

QAccessibleInterface* RamuloAccessibleWidget::interfaceFor(RamuloElementKey key) const {
    const quint64 packed = key.packed();
    const auto found = registered_.constFind(packed);
    if (found != registered_.constEnd())
        if (QAccessibleInterface* known = QAccessible::accessibleInterface(*found)) return known;
    auto* element = new RamuloAccessibleElement(control(), key);
    registered_.insert(packed, QAccessible::registerAccessibleInterface(element));
    return element;
}

QAccessibleInterface* RamuloAccessibleWidget::child(int index) const {
    refresh();
    if (index < 0 || static_cast<std::size_t>(index) >= children_.size()) return nullptr;
    return interfaceFor(children_[static_cast<std::size_t>(index)]);
}

int RamuloAccessibleWidget::indexOfChild(const QAccessibleInterface* child) const {
    const auto* element = dynamic_cast<const RamuloAccessibleElement*>(child);
    return element ? indexOf(element->key()) : -1;
}

QAccessibleInterface* RamuloAccessibleWidget::childAt(int x, int y) const {
    nx::WindowGraphView* v = view();
    if (!v) return nullptr;
    CRamuloCtrl* w = control();
    const QPoint at = w->viewport()->mapFromGlobal(QPoint(x, y));
    if (!w->viewport()->rect().contains(at)) return nullptr;
    const QPoint logical = w->logicalAt(at);
    const nx::Point p{logical.x(), logical.y()};
    if (const nx::VertexViewEntry hit = v->vertexAt(p); hit.vertex)
        return interfaceFor({RamuloElementKey::Vertex, static_cast<std::uint32_t>(hit.vertex->id)});
    if (const nx::EdgeViewEntry hit = v->edgeAt(p); hit.edge)
        return interfaceFor({RamuloElementKey::Edge, static_cast<std::uint32_t>(hit.edge->id)});
    return nullptr;
}

QAccessibleInterface* RamuloAccessibleWidget::focusChild() const {
    CRamuloCtrl* w = control();
    if (!w || !w->hasFocus()) return nullptr;
    const quint32 focused = w->focusedVertex();
    if (focused == CRamuloCtrl::kNoVertex) return nullptr;
    return indexOf({RamuloElementKey::Vertex, focused}) < 0
               ? nullptr
               : interfaceFor({RamuloElementKey::Vertex, focused});
}

QAccessible::State RamuloAccessibleWidget::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.multiSelectable = true;
    return s;
}

nx::Vertex* RamuloAccessibleWidget::vertex(std::uint32_t id) const {
    if (!view()) return nullptr;
    ControlEngine& e = engineOf(control()->control());
    nx::Vertex* v = e.space()->vertexFactory().at(id);
    return v && !v->isGraph() && e.graph()->contains(*v) ? v : nullptr;
}

nx::Edge* RamuloAccessibleWidget::edge(std::uint32_t id) const {
    if (!view()) return nullptr;
    ControlEngine& e = engineOf(control()->control());
    nx::Edge* edge = e.space()->edgeFactory().at(id);
    return edge && e.graph()->contains(*edge) ? edge : nullptr;
}

QString RamuloAccessibleWidget::vertexName(nx::Vertex* vertex) const {
    static const nx::Name prototype;
    nx::WindowGraphView* v = view();
    const nx::VertexViewData* entry = v ? v->findVertexEntry(vertex) : nullptr;
    if (const nx::Property* name =
            nx::findLabelProperty(prototype, vertexNames_, *vertex, v ? v->graph() : nullptr,
                                  entry ? entry->properties.get() : nullptr)) {
        const std::u16string text = nx::labelText(*name);
        if (!text.empty()) return QString::fromStdU16String(text);
    }
    return QCoreApplication::translate("CRamuloCtrl", "Vertex %1").arg(vertex->id);
}

QString RamuloAccessibleWidget::edgeLabel(nx::Edge* edge) const {
    static const nx::Name prototype;
    nx::WindowGraphView* v = view();
    if (!v) return {};
    const nx::EdgeViewEntry entry = v->findEdgeEntry(edge);
    const nx::Property* name =
        nx::findLabelProperty(prototype, edgeNames_, *edge, v->graph(), entry.properties);
    return name ? QString::fromStdU16String(nx::labelText(*name)) : QString();
}

QRect RamuloAccessibleWidget::screenRect(const QRect& logical) const {
    CRamuloCtrl* w = control();
    const double zoom = w->zoom();
    const QPoint scroll = w->scrollPosition();
    const QRectF shown(QPointF(logical.topLeft()) * zoom - QPointF(scroll),
                       QSizeF(logical.size()) * zoom);
    const QRect inViewport = shown.toAlignedRect();
    return inViewport.translated(w->viewport()->mapToGlobal(QPoint(0, 0)));
}

void RamuloAccessibleWidget::notifyFocus(CRamuloCtrl* widget) {
    if (!QAccessible::isActive() || !widget->hasFocus()) return;
    const quint32 focused = widget->focusedVertex();
    QAccessibleEvent event(widget, QAccessible::Focus);
    if (focused != CRamuloCtrl::kNoVertex) {
        auto* self = static_cast<RamuloAccessibleWidget*>(QAccessible::queryAccessibleInterface(widget));
        const int index = self ? self->indexOf({RamuloElementKey::Vertex, focused}) : -1;
        if (index >= 0) event.setChild(index);
    }
    QAccessible::updateAccessibility(&event);
}

void RamuloAccessibleWidget::notifySelection(CRamuloCtrl* widget) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(widget, QAccessible::SelectionWithin);
    QAccessible::updateAccessibility(&event);
}

}  // namespace ramulo
