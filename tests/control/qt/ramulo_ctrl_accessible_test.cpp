// The widget as a screen reader walks it: vertices and edges as accessible children with
// names, roles, states and places on the screen, following the keyboard and the selection.
#include <QAccessible>
#include <vector>

#if __has_include(<qpa/qplatformaccessibility.h>)
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#define RAMULO_PLATFORM_ACCESSIBILITY 1
#else
class QPlatformAccessibility;
#endif

#include "widget_fixture.h"

namespace {

using namespace widget_test;

// The events a screen reader would get, while a test listens.
struct HeardEvent {
    QAccessible::Event type;
    QObject* object;
    int child;
};
std::vector<HeardEvent> heard;

void listen(QAccessibleEvent* event) {
    heard.push_back({event->type(), event->object(), event->child()});
}

// The platform's accessibility, which a screen reader would switch on; null when the
// test cannot reach it.
QPlatformAccessibility* platformAccessibility() {
#ifdef RAMULO_PLATFORM_ACCESSIBILITY
    QPlatformIntegration* integration = QGuiApplicationPrivate::platformIntegration();
    return integration ? integration->accessibility() : nullptr;
#else
    return nullptr;
#endif
}

// Makes accessibility active for the test as a screen reader would (the offscreen
// platform has none) and routes its events to `heard`.
class Listening {
public:
    explicit Listening(QPlatformAccessibility* platform) : platform_(platform) {
        heard.clear();
        QAccessible::installUpdateHandler(listen);
        setActive(true);
    }
    ~Listening() {
        setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    }
    Listening(const Listening&) = delete;
    Listening& operator=(const Listening&) = delete;

private:
    void setActive(bool on) {
#ifdef RAMULO_PLATFORM_ACCESSIBILITY
        platform_->setActive(on);
#else
        (void)on;
#endif
    }
    QPlatformAccessibility* platform_;
};

std::vector<HeardEvent> heardOf(QAccessible::Event type) {
    std::vector<HeardEvent> found;
    for (const HeardEvent& e : heard)
        if (e.type == type) found.push_back(e);
    return found;
}

class Accessible : public Widget {
protected:
    void SetUp() override {
        Widget::SetUp();
        iface = QAccessible::queryAccessibleInterface(w.get());
        ASSERT_NE(iface, nullptr);
    }
    // Document 1: vertices A ... K are children 0 ... 10 (IDs 1 ... 11), the edges follow.
    QAccessibleInterface* vertexChild(char name) { return iface->child(name - 'A'); }
    QRect screenRect(QPoint logical, double zoom, int half) {
        const QPoint shown = (QPointF(logical) * zoom).toPoint() - w->scrollPosition();
        const int side = static_cast<int>(2 * half * zoom);
        return {vp()->mapToGlobal(shown) - QPoint(side / 2, side / 2), QSize(side, side)};
    }

    QAccessibleInterface* iface = nullptr;
};

TEST_F(Accessible, ChildrenAreTheVerticesThenTheEdgesWithNamesAndRoles) {
    EXPECT_EQ(iface->role(), QAccessible::Tree);
    ASSERT_EQ(iface->childCount(), 21);  // 11 vertices, 10 edges
    const QString vertexNames = QStringLiteral("ABCDEFGHIJK");
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        ASSERT_NE(child, nullptr) << i;
        EXPECT_TRUE(child->isValid());
        EXPECT_EQ(child->parent(), iface);
        EXPECT_EQ(iface->indexOfChild(child), i);
        EXPECT_EQ(iface->child(i), child) << "the same interface each time";
        if (i < 11) {
            EXPECT_EQ(child->role(), QAccessible::TreeItem);
            EXPECT_EQ(child->text(QAccessible::Name), QString(vertexNames[i]));
        } else {
            EXPECT_EQ(child->role(), QAccessible::Link);
        }
    }
    // Edges in the order they were added: A to B first, G to K last.
    EXPECT_EQ(iface->child(11)->text(QAccessible::Name), QStringLiteral("A \u2192 B"));
    EXPECT_EQ(iface->child(20)->text(QAccessible::Name), QStringLiteral("G \u2192 K"));

    // The list follows the document: a vertex without a name is called by its ID, and a
    // removed one leaves (its interface goes invalid).
    QAccessibleInterface* k = vertexChild('K');
    const quint32 added = w->AddVertex();
    ASSERT_EQ(iface->childCount(), 22);
    EXPECT_EQ(iface->child(11)->text(QAccessible::Name), QStringLiteral("Vertex %1").arg(added));
    w->RemoveVertex(11);
    EXPECT_FALSE(k->isValid());
    EXPECT_EQ(iface->childCount(), 20);  // K and the edge G to K went
    EXPECT_EQ(iface->indexOfChild(k), -1);
}

TEST_F(Accessible, RectanglesAreOnTheScreenAtEveryZoomAndScroll) {
    // Vertex F is a dot of size 8 (16 pixels across) at (245, 210).
    struct Case {
        double zoom;
        QPoint scrollTo;
    };
    for (const Case& c : {Case{1.0, {0, 0}}, Case{2.0, {100, 80}}, Case{0.5, {0, 0}}}) {
        w->setZoom(c.zoom);
        w->scrollToLogical(c.scrollTo);
        settle();
        QAccessibleInterface* f = vertexChild('F');
        const QRect expected = screenRect(kF, c.zoom, 8);
        const QRect r = f->rect();
        EXPECT_LE((r.center() - expected.center()).manhattanLength(), 2) << "zoom " << c.zoom;
        EXPECT_NEAR(r.width(), expected.width(), 2) << "zoom " << c.zoom;
        // The point a screen reader hits lands on the same child.
        EXPECT_EQ(iface->childAt(r.center().x(), r.center().y()), f) << "zoom " << c.zoom;
        EXPECT_FALSE(f->state().offscreen);
    }
    // An edge spans its two ends: A to B.
    w->setZoom(1.0);
    w->scrollToLogical({0, 0});
    settle();
    const QRect ab = iface->child(11)->rect();
    EXPECT_EQ(ab.topLeft(), vp()->mapToGlobal(client({kB.x(), kA.y()})));
    EXPECT_EQ(ab.bottomRight(), vp()->mapToGlobal(client({kA.x(), kB.y()})));
    // Scrolled far away, a vertex is off the screen.
    w->setZoom(4.0);
    w->scrollToLogical({300, 250});
    settle();
    EXPECT_TRUE(vertexChild('A')->state().offscreen);
}

TEST_F(Accessible, TheKeyboardFocusAndTheSelectionShowAsStates) {
    w->activateWindow();
    w->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    // The first arrow puts the focus on A, the next on its first child B.
    QTest::keyClick(w.get(), Qt::Key_Down);
    settle();
    EXPECT_TRUE(vertexChild('A')->state().focused);
    EXPECT_EQ(iface->focusChild(), vertexChild('A'));
    QTest::keyClick(w.get(), Qt::Key_Down);
    settle();
    EXPECT_FALSE(vertexChild('A')->state().focused);
    EXPECT_TRUE(vertexChild('B')->state().focused);
    EXPECT_EQ(iface->focusChild(), vertexChild('B'));

    // Space selects the focused vertex, a click another one.
    QTest::keyClick(w.get(), Qt::Key_Space);
    settle();
    EXPECT_TRUE(vertexChild('B')->state().selected);
    click(kF);
    QAccessibleInterface* f = vertexChild('F');
    EXPECT_TRUE(f->state().selectable);
    EXPECT_TRUE(f->state().selected);
    EXPECT_FALSE(vertexChild('B')->state().selected);
    EXPECT_FALSE(vertexChild('C')->state().selected);

    // Without the keyboard focus no vertex is focused.
    w->clearFocus();
    settle();
    EXPECT_FALSE(vertexChild('B')->state().focused);
    EXPECT_EQ(iface->focusChild(), nullptr);
}

TEST_F(Accessible, FocusMovesAndSelectionChangesReachAScreenReader) {
    w->activateWindow();
    w->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    QPlatformAccessibility* platform = platformAccessibility();
    if (!platform) GTEST_SKIP() << "Qt's private platform headers are not installed";
    const Listening listening(platform);
    // Down to A, down to its first child B, right to its sibling C: each a focus event on
    // the widget naming the vertex's child index.
    const int expected[] = {'A' - 'A', 'B' - 'A', 'C' - 'A'};
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Right}) {
        QTest::keyClick(w.get(), key);
        settle();
    }
    const std::vector<HeardEvent> moves = heardOf(QAccessible::Focus);
    ASSERT_EQ(moves.size(), std::size(expected));
    for (std::size_t i = 0; i < moves.size(); ++i) {
        EXPECT_EQ(moves[i].object, w.get());
        EXPECT_EQ(moves[i].child, expected[i]) << i;
    }
    EXPECT_TRUE(vertexChild('C')->state().focused);

    // Space selects the focused vertex, a click another one: each tells the widget's
    // selection changed.
    heard.clear();
    QTest::keyClick(w.get(), Qt::Key_Space);
    settle();
    EXPECT_FALSE(heardOf(QAccessible::SelectionWithin).empty());
    EXPECT_TRUE(vertexChild('C')->state().selected);
    heard.clear();
    click(kF);
    const std::vector<HeardEvent> changes = heardOf(QAccessible::SelectionWithin);
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.front().object, w.get());
}

}  // namespace
