// The widget under the mouse: selecting, dragging, rubber bands, connecting, double-clicks.
#include <QSignalSpy>

#include "engine/window_graph_view.h"
#include "graph/edge_factory.h"
#include "graph/space.h"
#include "widget_fixture.h"

using namespace ramulo;

namespace {

using namespace widget_test;

TEST_F(Widget, ClickSelectsAndCtrlClickToggles) {
    QSignalSpy selection(w.get(), &CRamuloCtrl::SelectionChanged);
    click(kA);
    ASSERT_EQ(selectedCount(), 1u);
    EXPECT_EQ(w->VertexID(1, 0), 1u);
    click(kB, Qt::ControlModifier);
    EXPECT_EQ(selectedCount(), 2u);
    click(kA, Qt::ControlModifier);
    ASSERT_EQ(selectedCount(), 1u);
    EXPECT_EQ(w->VertexID(1, 0), 2u);
    click(kC);  // a plain click starts a new selection
    ASSERT_EQ(selectedCount(), 1u);
    EXPECT_EQ(w->VertexID(1, 0), 3u);
    EXPECT_EQ(selection.count(), 4);
}

TEST_F(Widget, DragMovesTheSelectionAndRescrolls) {
    QSignalSpy modified(w.get(), &CRamuloCtrl::DocumentModified);
    ASSERT_EQ(w->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    click(kD);
    click(kG, Qt::ControlModifier);
    drag(kG, kG + QPoint(300, 0));
    EXPECT_EQ(position(4), kD + QPoint(300, 0));
    EXPECT_EQ(position(7), kG + QPoint(300, 0));
    EXPECT_EQ(position(1), kA);
    // The drawing now reaches past the window: the scroll sizes follow the new extent.
    EXPECT_EQ(w->scrollTotal(), extent());
    EXPECT_GT(extent().width(), vp()->width());
    EXPECT_EQ(w->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_GT(modified.count(), 0);
}

TEST_F(Widget, RubberBandSelectsAndLeavesNoTrace) {
    const QPoint from{20, 20}, to{260, 220};
    const QRgb background = w->screenImage().pixel(150, 20);
    press(from);
    move({140, 120}, Qt::LeftButton);
    move(to, Qt::LeftButton);
    settle();
    // The band is drawn on the picture the widget shows, in XOR.
    EXPECT_NE(w->screenImage().pixel(150, 20), background);
    release(to);
    EXPECT_EQ(selectedCount(), 5u);  // A, B, C, E and F lie inside
    EXPECT_EQ(w->screenImage().pixel(150, 20), background);
}

TEST_F(Widget, ConnectingMakesAnEdgeThatKeepsAForestAndRefusesOneThatDoesNot) {
    QSignalSpy vertexAdded(w.get(), &CRamuloCtrl::VertexAdded);
    QSignalSpy edgeAdded(w.get(), &CRamuloCtrl::EdgeAdded);
    const QPoint lone{450, 60};
    choices = {QStringLiteral("New Vertex")};
    rightClick(lone);
    ASSERT_EQ(vertexAdded.count(), 1);
    EXPECT_EQ(vertexAdded.at(0).at(0).toUInt(), 12u);
    EXPECT_EQ(position(12), lone);

    choices = {QStringLiteral("New Outcoming Edge")};
    rightClick(kD);
    // The connecting line follows the pointer without a button.
    const QRgb before = w->screenImage().pixel(395, 95);
    move({450, 60});
    settle();
    EXPECT_NE(w->screenImage().pixel(395, 95), before);
    click(lone);
    EXPECT_EQ(w->EdgeCount(0), 11u);
    ASSERT_EQ(edgeAdded.count(), 1);
    const quint32 edge = edgeAdded.at(0).at(0).toUInt();
    EXPECT_EQ(edge, 10u);
    EXPECT_EQ(engineOf(w->control()).space()->edgeFactory().size(), 11u);

    // D to K would close a cycle in the tree: refused.
    choices = {QStringLiteral("New Outcoming Edge")};
    rightClick(kD);
    click(kK);
    EXPECT_EQ(w->EdgeCount(0), 11u);
    EXPECT_EQ(edgeAdded.count(), 1);
}

TEST_F(Widget, DoubleClickFiresItemZeroOfWhatLiesUnderThePointer) {
    QSignalSpy vertexCommand(w.get(), &CRamuloCtrl::VertexMenuCommand);
    QSignalSpy graphCommand(w.get(), &CRamuloCtrl::GraphMenuCommand);
    w->AddVertexMenuItem(QStringLiteral("Open"));
    w->AddGraphMenuItem(QStringLiteral("Refresh"));
    QTest::mouseDClick(vp(), Qt::LeftButton, {}, client(kF));
    settle();
    ASSERT_EQ(vertexCommand.count(), 1);
    EXPECT_EQ(vertexCommand.at(0).at(0).toUInt(), 0u);
    EXPECT_EQ(vertexCommand.at(0).at(1).toUInt(), 6u);  // F
    QTest::mouseDClick(vp(), Qt::LeftButton, {}, client({450, 350}));
    settle();
    EXPECT_EQ(graphCommand.count(), 1);
    w->setDoubleClickEnabled(false);
    QTest::mouseDClick(vp(), Qt::LeftButton, {}, client(kF));
    settle();
    EXPECT_EQ(vertexCommand.count(), 1);
}

TEST_F(Widget, LeavingTheWindowEndsTheDragWhereThePointerWasLastSeen) {
    click(kB);
    press(kB);
    move(kB + QPoint(30, 0), Qt::LeftButton);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(vp(), &leave);
    settle();
    EXPECT_FALSE(engineOf(w->control()).view()->interaction().moving);
    move(kB + QPoint(90, 0));  // no longer dragging
    EXPECT_EQ(position(2), kB + QPoint(30, 0));
    release(kB + QPoint(90, 0));
}

}  // namespace
