// The widget from the keyboard: walking the drawing, selecting, deleting, renaming, the
// double-click action and the menu at the focused vertex, and the focus mark.
#include <QLineEdit>
#include <functional>
#include <QSignalSpy>

#include "widget_fixture.h"

using namespace ramulo;

namespace {

using namespace widget_test;

class Keyboard : public Widget {
protected:
    void SetUp() override {
        Widget::SetUp();
        w->activateWindow();
        w->setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(w.get(), k, mods);
        settle();
    }
    QString nameOf(quint32 vertex) {
        return w->VertexPropertyValueByName(vertex, QStringLiteral("Name"), 0).toString();
    }
    QImage grabbed() { return vp()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

// A = 1, B = 2, C = 3, D = 4, E = 5, F = 6, G = 7, H = 8, I = 9, J = 10, K = 11.
TEST_F(Keyboard, ArrowsWalkTheTreeAsDrawn) {
    EXPECT_EQ(w->focusedVertex(), CRamuloCtrl::kNoVertex);
    QSignalSpy modified(w.get(), &CRamuloCtrl::DocumentModified);
    const std::pair<Qt::Key, quint32> walk[] = {
        {Qt::Key_Down, 1}, {Qt::Key_Down, 2},  {Qt::Key_Left, 2},  {Qt::Key_Right, 3},
        {Qt::Key_Down, 5}, {Qt::Key_Right, 6}, {Qt::Key_Down, 10}, {Qt::Key_Down, 10},
        {Qt::Key_Up, 6},   {Qt::Key_Up, 3},    {Qt::Key_Right, 4}, {Qt::Key_Right, 4},
        {Qt::Key_Down, 7}, {Qt::Key_Down, 11}, {Qt::Key_Up, 7},    {Qt::Key_Up, 4},
        {Qt::Key_Up, 1},   {Qt::Key_Up, 1},
    };
    for (const auto& [k, expected] : walk) {
        key(k);
        EXPECT_EQ(w->focusedVertex(), expected) << "after key " << k;
    }
    // Walking selects nothing and changes nothing.
    EXPECT_EQ(selectedCount(), 0u);
    EXPECT_EQ(modified.count(), 0);
}

TEST_F(Keyboard, TheFocusMarkShowsOnlyWhileTheWidgetHasTheFocus) {
    const QImage picture = w->screenImage();
    ASSERT_EQ(grabbed(), picture);
    w->setFocusedVertex(6);
    settle();
    // The mark lies over the picture; the picture itself stays the drawing.
    EXPECT_EQ(w->screenImage(), picture);
    const QImage marked = grabbed();
    EXPECT_NE(marked, picture);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (marked.pixel(x, y) != picture.pixel(x, y)) {
                ASSERT_LE((QPoint(x, y) - kF).manhattanLength(), 30) << x << "," << y;
            }
    w->clearFocus();
    settle();
    EXPECT_EQ(grabbed(), picture);
}

TEST_F(Keyboard, SpaceSelectsAndCtrlSpaceToggles) {
    QSignalSpy selection(w.get(), &CRamuloCtrl::SelectionChanged);
    w->setFocusedVertex(3);
    key(Qt::Key_Space);
    ASSERT_EQ(selectedCount(), 1u);
    EXPECT_EQ(w->VertexID(1, 0), 3u);
    key(Qt::Key_Right);
    key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(selectedCount(), 2u);
    key(Qt::Key_Space, Qt::ControlModifier);
    ASSERT_EQ(selectedCount(), 1u);
    EXPECT_EQ(w->VertexID(1, 0), 3u);
    key(Qt::Key_Space);
    ASSERT_EQ(selectedCount(), 1u);
    EXPECT_EQ(w->VertexID(1, 0), 4u);
    EXPECT_EQ(selection.count(), 4);
    // The first arrow starts on the selection.
    w->setFocusedVertex(CRamuloCtrl::kNoVertex);
    key(Qt::Key_Down);
    EXPECT_EQ(w->focusedVertex(), 4u);
}

TEST_F(Keyboard, DeleteAsksFirstAndMovesTheFocusToTheParent) {
    w->control().setModified(false);
    w->setFocusedVertex(7);
    key(Qt::Key_Delete);  // answered No
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Delete Vertex"));
    EXPECT_EQ(boxes[0].text, QStringLiteral("Do you want to remove vertex 7 from the tree?"));
    EXPECT_EQ(w->VertexCount(0), 11u);
    EXPECT_FALSE(w->control().isModified());
    EXPECT_EQ(w->focusedVertex(), 7u);

    answers = {QMessageBox::Yes};
    key(Qt::Key_Delete);
    EXPECT_EQ(w->VertexCount(0), 10u);
    EXPECT_TRUE(w->control().isModified());
    EXPECT_EQ(w->focusedVertex(), 4u);

    // Without editing, nothing is asked or deleted.
    w->setEditingEnabled(false);
    key(Qt::Key_Delete);
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_EQ(w->VertexCount(0), 10u);
}

TEST_F(Keyboard, F2RenamesInPlaceEnterCommitsEscapeCancels) {
    w->control().setModified(false);
    QSignalSpy modified(w.get(), &CRamuloCtrl::DocumentModified);
    w->setFocusedVertex(6);
    key(Qt::Key_F2);
    QLineEdit* editor = w->nameEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("F"));
    EXPECT_TRUE(editor->isVisible());
    QTest::keyClicks(editor, QStringLiteral("Fir"));
    QTest::keyClick(editor, Qt::Key_Return);
    settle();
    EXPECT_EQ(w->nameEditor(), nullptr);
    EXPECT_EQ(nameOf(6), QStringLiteral("Fir"));
    EXPECT_TRUE(w->control().isModified());
    EXPECT_GT(modified.count(), 0);

    key(Qt::Key_F2);
    editor = w->nameEditor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("Oak"));
    QTest::keyClick(editor, Qt::Key_Escape);
    settle();
    EXPECT_EQ(w->nameEditor(), nullptr);
    EXPECT_EQ(nameOf(6), QStringLiteral("Fir"));
    EXPECT_TRUE(w->hasFocus());

    // Renaming is editing.
    w->setEditingEnabled(false);
    key(Qt::Key_F2);
    EXPECT_EQ(w->nameEditor(), nullptr);
}

TEST_F(Keyboard, EnterRunsTheDoubleClickActionAndTheMenuKeyOpensTheVertexMenu) {
    QSignalSpy vertexCommand(w.get(), &CRamuloCtrl::VertexMenuCommand);
    w->AddVertexMenuItem(QStringLiteral("Open"));
    w->setFocusedVertex(5);
    key(Qt::Key_Return);
    ASSERT_EQ(vertexCommand.count(), 1);
    EXPECT_EQ(vertexCommand.at(0).at(0).toUInt(), 0u);
    EXPECT_EQ(vertexCommand.at(0).at(1).toUInt(), 5u);

    choices = {QStringLiteral("Open")};
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(480, 380),
                              vp()->mapToGlobal(QPoint(480, 380)));
    QApplication::sendEvent(w.get(), &menuKey);
    settle();
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0].front().text, QStringLiteral("New Outcoming Edge"));
    ASSERT_EQ(vertexCommand.count(), 2);
    EXPECT_EQ(vertexCommand.at(1).at(1).toUInt(), 5u);
}

TEST_F(Keyboard, ANewDocumentStartsWithoutAFocusedVertex) {
    // The new document reuses the old one's IDs: vertex 6 exists again after each of these,
    // yet it is another vertex than the one the keys were on.
    const std::pair<const char*, std::function<void()>> replacements[] = {
        {"LoadTest", [&] { w->LoadTest(1); }},
        {"NewTree", [&] {
             w->NewTree();
             w->AddVertices(8);
         }},
    };
    for (const auto& [name, replace] : replacements) {
        w->LoadTest(1);
        w->setFocusedVertex(6);
        ASSERT_EQ(w->focusedVertex(), 6u);
        QSignalSpy changed(w.get(), &CRamuloCtrl::FocusedVertexChanged);
        replace();
        settle();
        EXPECT_EQ(w->focusedVertex(), CRamuloCtrl::kNoVertex) << name;
        ASSERT_EQ(changed.count(), 1) << name;
        EXPECT_EQ(changed.at(0).at(0).toUInt(), CRamuloCtrl::kNoVertex) << name;
        // The next arrow starts afresh at the drawing's first root.
        key(Qt::Key_Down);
        EXPECT_EQ(w->focusedVertex(), w->VertexID(0, 0)) << name;
    }
}

}  // namespace
