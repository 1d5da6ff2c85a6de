// Scripts over the control: members, properties, errors, events and callbacks, export.
#include <QImage>
#include <QTemporaryDir>

#include "control/qt/ramulo_export.h"
#include "control/qt/ramulo_script.h"
#include "widget_fixture.h"

using namespace ramulo;

namespace {

using namespace widget_test;

class Script : public Widget {
protected:
    void SetUp() override {
        Widget::SetUp();
        script = std::make_unique<RamuloScript>(*w, QStringList{QStringLiteral("first")});
        script->output = [this](const QString& line) { printed.push_back(line); };
    }
    void TearDown() override { script.reset(); }

    std::unique_ptr<RamuloScript> script;
    QStringList printed;
};

TEST_F(Script, MethodsPropertiesErrorsAndEvents) {
    const RamuloScript::Result r = script->evaluate(QStringLiteral(R"(
        var v = ctrl.AddVertex();
        ctrl.SetVertexPropertyValueByName(v, 'Name', 0, 'L');
        ctrl.AddEdge(11, v);
        ctrl.TestID = 3;
        ctrl.RotationEnabled = false;
        var events = [];
        ctrl.VertexMenuCommand.connect(function (cmnd, id) { events.push(cmnd + ':' + id); });
        ctrl.AddVertexMenuItem('Inspect');
        var failure;
        try { ctrl.EdgeID(0, 500); } catch (e) { failure = e; }
        print(args[0], v, ctrl.VertexPropertyValueByName(v, 'Name', 0), ctrl.TestID);
        [failure instanceof Error, failure.code.toString(16), failure.description.split('\n')[0]]
            .join('|')
    )"));
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(printed, QStringList{QStringLiteral("first 12 L 3")});
    EXPECT_TRUE(r.value.startsWith(QStringLiteral("true|800a03f8|"))) << r.value.toStdString();
    EXPECT_EQ(w->VertexCount(0), 12u);
    EXPECT_EQ(w->EdgeCount(0), 11u);
    EXPECT_EQ(w->testID(), 3);
    EXPECT_FALSE(w->rotationEnabled());

    // The user's choice of the item reaches the script's function as an event.
    choices = {QStringLiteral("Inspect")};
    rightClick(kK);
    EXPECT_EQ(script->evaluate(QStringLiteral("events.join()")).value,
              QStringLiteral("0:11"));  // the item's index and the vertex
}

TEST_F(Script, AnUncaughtFailureReportsItsPlaceAndCode) {
    const RamuloScript::Result r = script->evaluate(
        QStringLiteral("var a = 1;\nctrl.RemoveVertex(999);\nprint('not reached');"),
        QStringLiteral("demo.js"));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.code, double(0x800a03f3));
    EXPECT_EQ(r.error, QStringLiteral("demo.js:2: Error: Ramulo Control: RemoveVertex Error. "
                                      "Vertex 999 cannot be found (0x800a03f3)"));
    EXPECT_TRUE(printed.isEmpty());
    // The control is as it was, and the engine runs the next program.
    EXPECT_EQ(w->VertexCount(0), 11u);
    EXPECT_TRUE(script->evaluate(QStringLiteral("ctrl.VertexCount(0)")).ok);
}

TEST_F(Script, FailuresOfCppCallsOutsideScriptsAreTakenBack) {
    // The engine holds the control: a C++ caller's failing member raises there, not here.
    EXPECT_NO_THROW(w->RemoveVertex(999));
    const std::optional<AutomationError> raised = script->takeRaisedError();
    ASSERT_TRUE(raised);
    EXPECT_EQ(raised->code(), 0x800a03f3u);
    EXPECT_EQ(raised->description(), u"Ramulo Control: RemoveVertex Error. Vertex 999 cannot be found");
    EXPECT_FALSE(script->takeRaisedError());
    // A failure nobody took back is not blamed on the next program.
    w->RemoveEdge(999);
    const RamuloScript::Result r = script->evaluate(QStringLiteral("ctrl.VertexCount(0)"));
    EXPECT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.value, QStringLiteral("11"));
}

TEST_F(Script, HostExportsTheWholeDrawing) {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("d.png"));
    const RamuloScript::Result r = script->evaluate(
        QStringLiteral("host.Export('%1'); host.Export('%2.txt')").arg(png, png));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains(QStringLiteral("use .png, .svg or .pdf"))) << r.error.toStdString();
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    // The whole drawing: at least the extent, more where the drawing reaches past it.
    EXPECT_GE(image.width(), extent().width());
    EXPECT_GE(image.height(), extent().height());
    // The export is the window's drawing: the same pixels where both show the document.
    w->horizontalScrollBar()->setValue(0);
    w->verticalScrollBar()->setValue(0);
    w->viewport()->repaint();
    const QImage shown = w->screenImage();
    const QRect common = QRect(QPoint(0, 0), image.size()).intersected(shown.rect());
    EXPECT_EQ(image.copy(common).convertToFormat(QImage::Format_RGB32),
              shown.copy(common).convertToFormat(QImage::Format_RGB32));
}

}  // namespace
