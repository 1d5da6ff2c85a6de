// The widget's undo and redo: a drag taken back by Ctrl+Z as one step, made again by
// Ctrl+Shift+Z and Ctrl+Y, the modified flag following, and the keys idle without editing.
#include <QDir>
#include <QSignalSpy>

#include "widget_fixture.h"

using namespace ramulo;

namespace {

using namespace widget_test;

TEST_F(Widget, CtrlZTakesBackAWholeDragAndTheRedoKeysMakeItAgain) {
    // The sample document starts a history of its own; a save marks where it is clean.
    EXPECT_FALSE(w->CanUndo());
    QDir().mkpath(QStringLiteral(RAMULO_TEST_OUTPUT));
    w->SaveToXml(QStringLiteral(RAMULO_TEST_OUTPUT "/widget_undo.nxx"));
    EXPECT_FALSE(w->control().isModified());
    click(kD);
    click(kG, Qt::ControlModifier);
    // A press, several moves and a release: one step.
    press(kG);
    for (int dx = 20; dx <= 120; dx += 20) move(kG + QPoint(dx, dx / 4), Qt::LeftButton);
    release(kG + QPoint(120, 30));
    ASSERT_EQ(position(7), kG + QPoint(120, 30));
    ASSERT_EQ(position(4), kD + QPoint(120, 30));
    EXPECT_TRUE(w->control().isModified());
    ASSERT_TRUE(w->CanUndo());

    QSignalSpy modified(w.get(), &CRamuloCtrl::DocumentModified);
    QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(position(7), kG);
    EXPECT_EQ(position(4), kD);
    EXPECT_EQ(position(1), kA);
    EXPECT_FALSE(w->CanUndo());
    EXPECT_TRUE(w->CanRedo());
    // Back where the document was saved: not modified.
    EXPECT_FALSE(w->control().isModified());
    EXPECT_EQ(modified.count(), 1);
    // The scroll sizes follow the drawing back.
    EXPECT_EQ(w->scrollTotal(), extent());

    QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    settle();
    EXPECT_EQ(position(7), kG + QPoint(120, 30));
    EXPECT_TRUE(w->control().isModified());
    w->Undo();
    EXPECT_EQ(position(7), kG);
    QTest::keyClick(w.get(), Qt::Key_Y, Qt::ControlModifier);
    settle();
    EXPECT_EQ(position(4), kD + QPoint(120, 30));
    EXPECT_FALSE(w->CanRedo());
}

TEST_F(Widget, UndoKeysDoNothingWithoutEditingButTheMembersStillWork) {
    const std::uint32_t made = w->AddVertex();
    ASSERT_TRUE(w->CanUndo());
    w->setEditingEnabled(false);
    QTest::keyClick(w.get(), Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(w->VertexCount(0), made);  // ids 1..made-1 are the sample's vertices, plus made
    EXPECT_TRUE(w->CanUndo());
    w->Undo();
    EXPECT_EQ(w->VertexCount(0), made - 1);
    EXPECT_TRUE(w->CanRedo());
    // A limit of 0 keeps no step.
    w->setUndoLimit(0);
    EXPECT_FALSE(w->CanRedo());
    w->AddVertex();
    EXPECT_FALSE(w->CanUndo());
}

}  // namespace
