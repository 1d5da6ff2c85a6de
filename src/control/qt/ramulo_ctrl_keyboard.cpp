// CRamuloCtrl: the keyboard: walking the drawing, selecting, deleting and renaming the
// focused vertex, its focus mark, zoom keys and Space held for panning.
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <cmath>
#include <functional>

#include "control/qt/ramulo_ctrl.h"
#include "control/vertex_navigation.h"
#include "engine/menu_resources.h"
#include "engine/window_graph_view.h"
#include "graph/element.h"
#include "graph/graph.h"
#include "graph/space.h"
#include "graph/vertex_factory.h"
#include "views/view.h"

namespace ramulo {

namespace {

constexpr std::uint16_t kNoIndex = 0xFFFF;

// The in-place name editor: Escape, or leaving it, cancels.
class NameEditor : public QLineEdit {
public:
    NameEditor(const QString& text, QWidget* parent, std::function<void()> cancel)
        : QLineEdit(text, parent), cancel_(std::move(cancel)) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape) {
            event->accept();
            cancel_();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
    void focusOutEvent(QFocusEvent* event) override {
        QLineEdit::focusOutEvent(event);
        if (isVisible()) cancel_();
    }

private:
    std::function<void()> cancel_;
};

}  // namespace

// --- The focused vertex

nx::Vertex* CRamuloCtrl::Impl::focusVertex(const CRamuloCtrl& w) {
    if (w.focus_ == kNoVertex || !w.control_) return nullptr;
    ControlEngine& e = engineOf(*w.control_);
    if (!e.graph() || !e.view() || !e.space()) return nullptr;
    nx::Vertex* v = e.space()->vertexFactory().at(w.focus_);
    return v && !v->isGraph() && e.graph()->contains(*v) ? v : nullptr;
}

quint32 CRamuloCtrl::focusedVertex() const {
    const nx::Vertex* v = Impl::focusVertex(*this);
    return v ? static_cast<quint32>(v->id) : kNoVertex;
}

void CRamuloCtrl::setFocusedVertex(quint32 vertexID) {
    const quint32 before = focus_;
    focus_ = vertexID;
    if (!Impl::focusVertex(*this)) focus_ = kNoVertex;
    if (nx::Vertex* v = Impl::focusVertex(*this)) showLogical(Impl::logicalPositionOf(*this, v));
    viewport()->update();
    if (focus_ != before) emit FocusedVertexChanged(focus_);
}

QPoint CRamuloCtrl::Impl::logicalPositionOf(const CRamuloCtrl& w, nx::Vertex* vertex) {
    const nx::GraphView& view = *engineOf(*w.control_).view();
    const nx::Point p = view.devicePosition(vertex);
    return {p.x, p.y};
}

QPoint CRamuloCtrl::shownPoint(QPoint logical) const {
    return (QPointF(logical) * zoom_).toPoint() - scrollPosition();
}

void CRamuloCtrl::showLogical(QPoint logical) {
    // Scrolls the least that brings the point, with some room around it, into view.
    constexpr int kRoom = 24;
    const QPoint at = shownPoint(logical);
    const QRect view = viewport()->rect().adjusted(kRoom, kRoom, -kRoom, -kRoom);
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    if (at.x() < view.left()) h->setValue(h->value() + at.x() - view.left());
    if (at.x() > view.right()) h->setValue(h->value() + at.x() - view.right());
    if (at.y() < view.top()) v->setValue(v->value() + at.y() - view.top());
    if (at.y() > view.bottom()) v->setValue(v->value() + at.y() - view.bottom());
}

QRect CRamuloCtrl::focusMarkRect() const {
    nx::Vertex* v = Impl::focusVertex(*this);
    if (!v) return {};
    const nx::GraphView& view = *engineOf(*control_).view();
    const nx::VertexView* look = view.findVertexView(v);
    const nx::Size size = look ? look->getSize() : nx::Size{8, 8};
    const int w = static_cast<int>(std::ceil(double(size.cx) * zoom_)) + 8;
    const int h = static_cast<int>(std::ceil(double(size.cy) * zoom_)) + 8;
    const QPoint c = shownPoint(Impl::logicalPositionOf(*this, v));
    return {c.x() - w / 2, c.y() - h / 2, w, h};
}

void CRamuloCtrl::drawFocusMark(QPainter& painter) {
    const QRect mark = focusMarkRect();
    if (mark.isEmpty()) return;
    QPen pen(palette().color(QPalette::Highlight), 2, Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(mark);
}

void CRamuloCtrl::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void CRamuloCtrl::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

// --- Keys

void CRamuloCtrl::keyPressEvent(QKeyEvent* event) {
    if (undoKey(event) || zoomKey(event) || navigationKey(event)) return;
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat()) {
            spaceHeld_ = true;
            spacePanned_ = false;
        }
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CRamuloCtrl::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && spaceHeld_) {
        spaceHeld_ = false;
        // Space that did not pan selects the focused vertex.
        if (!spacePanned_) guardHandler([&] { selectFocused(false); });
        event->accept();
        return;
    }
    QAbstractScrollArea::keyReleaseEvent(event);
}

bool CRamuloCtrl::navigationKey(QKeyEvent* event) {
    if (!control_ || !engineOf(*control_).graph() || !engineOf(*control_).view()) return false;
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    NavigationStep step{};
    switch (key) {
        case Qt::Key_Up:
            step = NavigationStep::Parent;
            break;
        case Qt::Key_Down:
            step = NavigationStep::FirstChild;
            break;
        case Qt::Key_Left:
            step = NavigationStep::PreviousSibling;
            break;
        case Qt::Key_Right:
            step = NavigationStep::NextSibling;
            break;
        case Qt::Key_Space:
            if (mods != Qt::ControlModifier) return false;
            guardHandler([&] { selectFocused(true); });
            event->accept();
            return true;
        case Qt::Key_Delete:
            if (mods != Qt::NoModifier || !Impl::focusVertex(*this)) return false;
            guardHandler([&] { deleteFocused(); });
            event->accept();
            return true;
        case Qt::Key_F2:
            if (mods != Qt::NoModifier || !Impl::focusVertex(*this)) return false;
            guardHandler([&] { beginRename(); });
            event->accept();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (mods != Qt::NoModifier || !Impl::focusVertex(*this)) return false;
            guardHandler([&] {
                const QPoint at =
                    Impl::logicalPositionOf(*this, Impl::focusVertex(*this)) - pictureOrigin();
                impl_->interaction.leftDoubleClick({at.x(), at.y()}, scroll());
            });
            event->accept();
            return true;
        default:
            return false;
    }
    if (mods != Qt::NoModifier) return false;
    ControlEngine& e = engineOf(*control_);
    VertexNavigation nav(*e.graph(), *e.view());
    // The first arrow puts the focus on the drawing; later ones move it.
    nx::Vertex* from = Impl::focusVertex(*this);
    nx::Vertex* to = from ? nav.step(from, step) : nav.start();
    if (to) setFocusedVertex(static_cast<quint32>(to->id));
    event->accept();
    return true;
}

void CRamuloCtrl::selectFocused(bool toggle) {
    nx::Vertex* v = Impl::focusVertex(*this);
    if (!v) return;
    nx::WindowGraphView& view = *engineOf(*control_).view();
    const nx::VertexViewData* entry = view.findVertexEntry(v);
    if (!entry) return;
    // As a click and a Ctrl+click on the vertex would.
    const bool changed = toggle && view.isSelected(v, entry->properties.get())
                             ? view.deselectVertex(*entry)
                             : view.selectVertex(*entry, toggle);
    if (!changed) return;
    view.update();
    view.selectionChanged();
    control_->setModified(true);
    emit DocumentModified();
    invalidate(true);
}

void CRamuloCtrl::deleteFocused() {
    nx::Vertex* v = Impl::focusVertex(*this);
    if (!v) return;
    ControlEngine& e = engineOf(*control_);
    VertexNavigation nav(*e.graph(), *e.view());
    nx::Vertex* next = nav.parent(v);
    e.setCurrentVertex(v);
    // The menu's Delete Vertex: it asks first.
    impl_->interaction.runCommand({menu_id::DeleteVertex, 0, 0});
    if (!Impl::focusVertex(*this)) {
        focus_ = kNoVertex;
        if (next)
            setFocusedVertex(static_cast<quint32>(next->id));
        else
            emit FocusedVertexChanged(kNoVertex);
    }
}

// --- Renaming in place

QLineEdit* CRamuloCtrl::nameEditor() const {
    return nameEditor_;
}

void CRamuloCtrl::beginRename() {
    nx::Vertex* v = Impl::focusVertex(*this);
    if (!v || !editingEnabled() || nameEditor_) return;
    const quint16 type = PropertyTypeID(QStringLiteral("Name"));
    // The name as the drawing shows it: the view's own, else the graph's, else the space's.
    int level = -1;
    for (int l : {2, 1, 0})
        if (VertexPropertyIndex(type, static_cast<quint16>(l)) != kNoIndex) {
            level = l;
            break;
        }
    if (level < 0) return;
    renaming_ = static_cast<quint32>(v->id);
    const QString name =
        VertexPropertyValueByName(renaming_, QStringLiteral("Name"), static_cast<quint16>(level))
            .toString();
    auto* editor = new NameEditor(name, viewport(), [this] { endRename(false); });
    editor->setProperty("level", level);
    editor->selectAll();
    const QRect mark = focusMarkRect();
    const int width = std::max(editor->fontMetrics().horizontalAdvance(name) + 24, 80);
    editor->setGeometry(mark.center().x() - width / 2, mark.bottom() + 1, width,
                        editor->sizeHint().height());
    connect(editor, &QLineEdit::returnPressed, this, [this] { endRename(true); });
    nameEditor_ = editor;
    editor->show();
    editor->setFocus();
}

void CRamuloCtrl::endRename(bool commit) {
    QLineEdit* editor = nameEditor_;
    if (!editor) return;
    nameEditor_ = nullptr;
    const QString text = editor->text();
    const auto level = static_cast<quint16>(editor->property("level").toInt());
    editor->hide();
    editor->deleteLater();
    setFocus();
    const quint32 vertex = renaming_;
    renaming_ = kNoVertex;
    if (!commit || vertex != focusedVertex()) return;
    guardHandler([&] {
        SetVertexPropertyValueByName(vertex, QStringLiteral("Name"), level, QVariant(text));
        // The member leaves the flag alone; the user's rename is an edit of the document.
        control_->setModified(true);
        emit DocumentModified();
        invalidate(true);
    });
}

}  // namespace ramulo
