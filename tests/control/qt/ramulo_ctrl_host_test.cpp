// The widget as host window and as a Qt object: menus, boxes, dialogs, properties, scripts.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QJSEngine>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <stdexcept>
#include <utility>

#include "control/automation_error.h"
#include "control/qt/file_filter.h"
#include "engine/menu_resources.h"
#include "widget_fixture.h"

using namespace ramulo;

namespace {

using namespace widget_test;

// The file commands move the process into the document's folder; tests move back.
struct KeepCurrentDirectory {
    QString path = QDir::currentPath();
    ~KeepCurrentDirectory() { QDir::setCurrent(path); }
};

TEST_F(Widget, VertexMenuCommandsRunAndReportTheirElement) {
    QSignalSpy removed(w.get(), &CRamuloCtrl::VertexRemoved);
    w->AddVertexMenuItem(QStringLiteral("Inspect"));
    w->EnableVertexMenuItem(0, false);
    choices = {QStringLiteral("Delete Vertex")};
    answers = {QMessageBox::Yes};
    rightClick(kE);
    ASSERT_EQ(menus.size(), 1u);
    const std::vector<Item> expected{
        {QStringLiteral("New Outcoming Edge")},      {QStringLiteral("New Incoming Edge")},
        {QStringLiteral("Delete Vertex")},           {QStringLiteral("-"), false},
        {QStringLiteral("Center of Radial Layout")}, {QStringLiteral("-"), false},
        {QStringLiteral("Inspect"), false}};
    EXPECT_EQ(menus[0], expected);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Delete Vertex"));
    EXPECT_EQ(boxes[0].text, QStringLiteral("Do you want to remove vertex 5 from the tree?"));
    EXPECT_EQ(boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(w->VertexCount(0), 10u);
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed.at(0).at(0).toUInt(), 5u);

    // Without editing the same menu is grayed and choosing nothing changes nothing.
    w->setEditingEnabled(false);
    rightClick(kF);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_FALSE(menus[1][0].enabled);
    EXPECT_FALSE(menus[1][2].enabled);
    EXPECT_EQ(w->VertexCount(0), 10u);
}

TEST_F(Widget, EdgeMenuDeletesTheEdgeAndSaysWhich) {
    QSignalSpy removed(w.get(), &CRamuloCtrl::EdgeRemoved);
    QSignalSpy edgeCommand(w.get(), &CRamuloCtrl::EdgeMenuCommand);
    w->AddEdgeMenuItem(QStringLiteral("Weigh"));
    const QPoint middleOfAB = (kA + kB) / 2;
    choices = {QStringLiteral("Weigh"), QStringLiteral("Delete Edge")};
    answers = {QMessageBox::Yes};
    rightClick(middleOfAB);
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(menus[0], (std::vector<Item>{{QStringLiteral("Delete Edge")},
                                           {QStringLiteral("-"), false},
                                           {QStringLiteral("Weigh")}}));
    ASSERT_EQ(edgeCommand.count(), 1);
    EXPECT_EQ(edgeCommand.at(0).at(1).toUInt(), 0u);  // A to B is the first edge
    rightClick(middleOfAB);
    EXPECT_EQ(boxes.back().text, QStringLiteral("Do you want to remove edge 0 from the tree?"));
    EXPECT_EQ(w->EdgeCount(0), 9u);
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed.at(0).at(0).toUInt(), 0u);
}

TEST_F(Widget, TheMenuFollowsTheRightButtonsReleaseAndTheMenuKey) {
    // Through the window, as the platform delivers them: on X11 (and offscreen) Qt raises
    // its context-menu event right after the press, before the release.
    QWindow* window = w->window()->windowHandle();
    const QPoint at = vp()->mapTo(w->window(), client({450, 350}));
    QTest::mousePress(window, Qt::RightButton, {}, at);
    settle();
    EXPECT_TRUE(menus.empty());
    // The release releases the capture first, then the menu opens.
    QWidget* grabberInMenu = vp();
    w->execMenu = [&](QMenu& menu, const QPoint&) -> QAction* {
        grabberInMenu = QWidget::mouseGrabber();
        menus.push_back(itemsOf(menu));
        return nullptr;
    };
    QTest::mouseRelease(window, Qt::RightButton, {}, at);
    settle();
    ASSERT_EQ(menus.size(), 1u);
    EXPECT_EQ(grabberInMenu, nullptr);
    EXPECT_EQ(menus[0].front().text, QStringLiteral("New Vertex"));

    // The menu key's request goes to the widget holding the focus.
    QContextMenuEvent key(QContextMenuEvent::Keyboard, client({450, 350}),
                          vp()->mapToGlobal(client({450, 350})));
    QApplication::sendEvent(w.get(), &key);
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(menus[1].front().text, QStringLiteral("New Vertex"));
}

TEST_F(Widget, GraphMenuCommandsAndCustomItems) {
    QSignalSpy graphCommand(w.get(), &CRamuloCtrl::GraphMenuCommand);
    QSignalSpy layout(w.get(), &CRamuloCtrl::LayoutFinished);
    w->AddGraphMenuItem(QStringLiteral("First"));
    w->AddGraphMenuItem(QStringLiteral("Second"));
    choices = {QStringLiteral("Second"), QStringLiteral("Flip Vertical"),
               QStringLiteral("Select All Vertices"), QStringLiteral("Hierarchical Layout")};
    const QPoint empty{450, 350};
    rightClick(empty);
    ASSERT_EQ(graphCommand.count(), 1);
    EXPECT_EQ(graphCommand.at(0).at(0).toUInt(), 1u);
    const QPoint a = position(1);
    rightClick(empty);
    EXPECT_NE(position(1), a);
    rightClick(empty);
    EXPECT_EQ(selectedCount(), 11u);
    rightClick(empty);
    EXPECT_EQ(layout.count(), 1);
    EXPECT_EQ(w->scrollTotal(), extent());
}

TEST_F(Widget, AFailingMenuLayoutIsShownAndChangesNothing) {
    QSignalSpy layout(w.get(), &CRamuloCtrl::LayoutFinished);
    w->Init();
    w->NewTree();  // no coordinates: the layout cannot arrange
    w->AddVertex();
    w->control().setModified(false);
    choices = {QStringLiteral("Force-Directed Layout")};
    rightClick({450, 350});
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("RamuloCtrl Error"));
    EXPECT_FALSE(w->control().isModified());
    EXPECT_EQ(layout.count(), 0);

    // A failure that escapes the command is shown, not thrown into the event loop.
    bool first = true;
    w->execMessageBox = [&](QMessageBox& box) {
        boxes.push_back({box.windowTitle(), box.text(), box.standardButtons(), box.icon()});
        if (std::exchange(first, false)) throw std::runtime_error("the box broke");
        return int(QMessageBox::Ok);
    };
    choices = {QStringLiteral("Force-Directed Layout")};
    rightClick({450, 350});
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[2].text, QStringLiteral("the box broke"));
    EXPECT_EQ(boxes[2].icon, QMessageBox::Critical);
}

TEST_F(Widget, CommandMessagesRunTheirHandlers) {
    EXPECT_TRUE(w->onCommand(menu_id::TreeProperties));  // accepted, nothing happens
    EXPECT_TRUE(w->onCommand(menu_id::SelectAllVertices));
    EXPECT_EQ(selectedCount(), 11u);
    EXPECT_FALSE(w->onCommand(menu_id::CustomGraphCommand));
    EXPECT_FALSE(w->onCommand(12345));
}

TEST(FileFilters, TheControlsFiltersInQtsForm) {
    EXPECT_EQ(qtNameFilters(u"Nodalyx Files (*.nxx; *.nx)|*.nxx; *.nx|XML Files (*.xml)|*.xml||"),
              (QStringList{QStringLiteral("Nodalyx Files (*.nxx *.nx)"),
                           QStringLiteral("XML Files (*.xml)")}));
    EXPECT_EQ(
        qtNameFilters(u"Nodalyx File (*.nxx)|*.nxx|Nodalyx File (*.nx)|*.nx|XML File "
                      u"(*.xml)|*.xml||"),
        (QStringList{QStringLiteral("Nodalyx File (*.nxx)"), QStringLiteral("Nodalyx File (*.nx)"),
                     QStringLiteral("XML File (*.xml)")}));
    EXPECT_EQ(qtNameFilters(u"Text|*.txt"), QStringList{QStringLiteral("Text (*.txt)")});
    EXPECT_TRUE(qtNameFilters(u"").isEmpty());
}

TEST_F(Widget, SaveAsFromTheMenuAsksWithTheSaveDialog) {
    KeepCurrentDirectory keep;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath(QStringLiteral("forest.nx"));
    w->setFileIOEnabled(true);
    QStringList filters;
    bool saving = false, confirms = false;
    w->execFileDialog = [&](QFileDialog& dialog) {
        filters = dialog.nameFilters();
        saving = dialog.acceptMode() == QFileDialog::AcceptSave;
        confirms = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        dialog.selectFile(target);
        return int(QDialog::Accepted);
    };
    choices = {QStringLiteral("Save &As...")};
    rightClick({450, 350});
    EXPECT_TRUE(saving);
    EXPECT_TRUE(confirms);
    EXPECT_EQ(filters.size(), 3);
    EXPECT_TRUE(QFileInfo::exists(target));
    EXPECT_EQ(w->fileName(), QStringLiteral("forest"));
    EXPECT_EQ(w->fileExt(), QStringLiteral("nx"));
    EXPECT_EQ(QDir(w->workingDirectory()), QDir(dir.path()));
    EXPECT_FALSE(w->control().isModified());
}

TEST_F(Widget, OpenFromTheMenuLoadsTheChosenFile) {
    KeepCurrentDirectory keep;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("three.nxx"));
    w->LoadTest(3);
    ASSERT_EQ(w->SaveToXml(file), 1);
    w->LoadTest(1);
    w->setFileIOEnabled(true);
    bool opening = false;
    w->execFileDialog = [&](QFileDialog& dialog) {
        opening = dialog.acceptMode() == QFileDialog::AcceptOpen &&
                  dialog.fileMode() == QFileDialog::ExistingFile;
        dialog.selectFile(file);
        return int(QDialog::Accepted);
    };
    choices = {QStringLiteral("&Open...")};
    answers = {QMessageBox::No};  // do not save document 1
    rightClick({450, 350});
    EXPECT_TRUE(opening);
    EXPECT_EQ(w->VertexCount(0), 31u);
    EXPECT_EQ(w->fileName(), QStringLiteral("three"));
    EXPECT_EQ(w->fileExt(), QStringLiteral("nxx"));
    EXPECT_EQ(w->scrollTotal(), extent());
}

TEST_F(Widget, DestructionAsksTheSaveQuestionWhileTheWindowIsWhole) {
    w->setFileIOEnabled(true);
    w->AddVertex();
    // The question's event loop still paints and delivers input to the going widget.
    CRamuloCtrl* going = w.get();
    w->execMessageBox = [&](QMessageBox& box) {
        boxes.push_back({box.windowTitle(), box.text(), box.standardButtons(), box.icon()});
        going->invalidate(true);
        going->viewport()->repaint();
        QTest::mouseClick(going->viewport(), Qt::LeftButton, {}, QPoint(50, 50));
        settle();
        return int(QMessageBox::No);
    };
    w.reset();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Ramulo Control"));
    EXPECT_EQ(boxes[0].text, QStringLiteral("Save changes to Untitled?"));
    EXPECT_EQ(boxes[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(boxes[0].icon, QMessageBox::Question);
}

TEST_F(Widget, StockPropertiesShowOnTheWidget) {
    w->setBorderStyle(1);
    w->setAppearance(1);
    EXPECT_EQ(w->frameShape(), QFrame::Panel);
    EXPECT_EQ(w->frameShadow(), QFrame::Sunken);
    w->setBorderStyle(0);
    EXPECT_EQ(w->frameShape(), QFrame::NoFrame);
    try {
        w->setBorderStyle(2);
        ADD_FAILURE() << "BorderStyle 2 was accepted";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.code(), 0x800a017cu);
    }
    w->setBackColor(QColor(10, 20, 30));
    EXPECT_EQ(w->control().GetBackColor(), 0x001E140Au);
    settle();
    EXPECT_EQ(w->screenImage().pixel(480, 380), QColor(10, 20, 30).rgb());
    // An invalid colour is the window's system colour, taken from the palette.
    w->setBackColor(QColor());
    EXPECT_EQ(w->control().GetBackColor(), 0x80000005u);
    EXPECT_EQ(w->backColor(), w->palette().color(QPalette::Base));
    QFont font(QStringLiteral("DejaVu Sans"), 13);
    w->setStockFont(font);
    EXPECT_EQ(w->font().pointSize(), 13);
    EXPECT_EQ(w->stockFont().family(), font.family());
}

TEST_F(Widget, ScriptsReachPropertiesMethodsAndCallbacks) {
    QJSEngine engine;
    engine.installExtensions(QJSEngine::ConsoleExtension);
    QJSValue ctrl = engine.newQObject(w.get());
    QJSEngine::setObjectOwnership(w.get(), QJSEngine::CppOwnership);
    engine.globalObject().setProperty(QStringLiteral("ctrl"), ctrl);
    const QJSValue result = engine.evaluate(
        QStringLiteral("var seen = [];"
                       "ctrl.RotationEnabled = false;"
                       "ctrl.AddVertexMenuItemFunc('Mark', function (id) { seen.push(id); });"
                       "var v = ctrl.AddVertex();"
                       "ctrl.SetVertexPropertyValueByName(v, 'Name', 0, 'L');"
                       "[v, ctrl.VertexCount(0), ctrl.VertexPropertyValueByName(v, 'Name', 0),"
                       " ctrl.PropertyTypeName(ctrl.PropertyTypeID('Weight')), ctrl.TestID,"
                       " ctrl.FileExt].join('/')"));
    ASSERT_FALSE(result.isError()) << result.toString().toStdString();
    EXPECT_EQ(result.toString(), QStringLiteral("12/12/L/Weight/1/"));
    EXPECT_FALSE(w->rotationEnabled());

    choices = {QStringLiteral("Mark")};
    rightClick(kK);
    EXPECT_EQ(engine.evaluate(QStringLiteral("seen.join()")).toString(), QStringLiteral("11"));

    // A failing member is an Error the script can catch, with the automation code and text.
    const QJSValue caught = engine.evaluate(QStringLiteral(
        "try { ctrl.RemoveVertex(999); 'not thrown' }"
        "catch (e) { (e instanceof Error) + ' ' + e.code.toString(16) + ' ' + e.description }"));
    EXPECT_EQ(caught.toString(),
              QStringLiteral("true 800a03f3 Ramulo Control: RemoveVertex Error. Vertex 999 "
                             "cannot be found"));
    EXPECT_EQ(engine.evaluate(QStringLiteral("ctrl.VertexCount(0)")).toInt(), 12);
}

TEST_F(Widget, CppCallersGetTheAutomationError) {
    try {
        w->RemoveVertex(999);
        ADD_FAILURE() << "no error";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.code(), 0x800a03f3u);
    }
}

}  // namespace
