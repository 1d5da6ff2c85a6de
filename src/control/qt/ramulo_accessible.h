// Accessibility of CRamuloCtrl: the widget with its vertices and edges as children.
#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <cstdint>
#include <vector>

#include "views/label_properties.h"

namespace ramulo {

class CRamuloCtrl;

}  // namespace ramulo

namespace nx {
class Edge;
class Graph;
class Vertex;
class WindowGraphView;
}  // namespace nx

namespace ramulo {

// Installs, once per process, the factory that gives every CRamuloCtrl the interface below.
void installRamuloAccessibility();

// One vertex or edge of the shown document, known by kind and element ID.
struct RamuloElementKey {
    enum Kind : std::uint8_t { Vertex, Edge };
    Kind kind = Vertex;
    std::uint32_t id = 0;
    quint64 packed() const { return quint64(kind) << 32 | id; }
};

// The widget as a screen reader walks it: the document's vertices (graph order), then its
// edges, each an accessible child with a name, a role, states and a place on the screen.
// The list follows the document: it is rebuilt when the graph's membership changes.
class RamuloAccessibleWidget : public QAccessibleWidget {
public:
    explicit RamuloAccessibleWidget(CRamuloCtrl* widget);
    ~RamuloAccessibleWidget() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessible::State state() const override;

    CRamuloCtrl* control() const;
    int indexOf(RamuloElementKey key) const;
    // The element behind a key in the current document, else null.
    nx::Vertex* vertex(std::uint32_t id) const;
    nx::Edge* edge(std::uint32_t id) const;
    // What a screen reader says for a vertex: its name as drawn, else "Vertex <ID>".
    QString vertexName(nx::Vertex* vertex) const;
    QString edgeLabel(nx::Edge* edge) const;
    // A rectangle of the drawing in screen coordinates, after zoom and scrolling.
    QRect screenRect(const QRect& logical) const;
    nx::WindowGraphView* view() const;

    // Events for a screen reader when the keys' vertex or the selection change.
    static void notifyFocus(CRamuloCtrl* widget);
    static void notifySelection(CRamuloCtrl* widget);

private:
    void refresh() const;
    QAccessibleInterface* interfaceFor(RamuloElementKey key) const;

    // The children as last listed, and what the list was made from.
    mutable std::vector<RamuloElementKey> children_;
    mutable QHash<quint64, int> indexes_;
    mutable const nx::Graph* listedGraph_ = nullptr;
    mutable std::uint64_t listedStamp_ = 0;
    mutable std::size_t listedOrder_ = 0;
    mutable std::size_t listedEdges_ = 0;
    // The children's interfaces, registered with Qt; they go with this one.
    mutable QHash<quint64, QAccessible::Id> registered_;
    mutable nx::PropertyIndexCache vertexNames_;
    mutable nx::PropertyIndexCache edgeNames_;
};

// A vertex or an edge: valid while the element is in the shown document.
class RamuloAccessibleElement : public QAccessibleInterface {
public:
    RamuloAccessibleElement(CRamuloCtrl* widget, RamuloElementKey key);

    RamuloElementKey key() const { return key_; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    RamuloAccessibleWidget* owner() const;
    QRect logicalRect() const;

    QPointer<CRamuloCtrl> widget_;
    RamuloElementKey key_;
};

}  // namespace ramulo
