// The Designer plugin loaded as Designer loads it, a form using the control, and the control's
// state kept in QSettings.
#include <QBuffer>
#include <QFile>
#include <QPluginLoader>
#include <QSettings>
#include <QTemporaryDir>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include "control/qt/ramulo_ctrl.h"
#include "control/qt/settings_property_bag.h"
#include "widget_fixture.h"

using namespace ramulo;

namespace {

#ifdef RAMULO_DESIGNER_PLUGIN
TEST(DesignerPlugin, OffersTheControlWithItsIconTipAndDefaults) {
    QPluginLoader loader(QStringLiteral(RAMULO_DESIGNER_PLUGIN));
    ASSERT_TRUE(loader.load()) << loader.errorString().toStdString();
    auto* plugin = qobject_cast<QDesignerCustomWidgetInterface*>(loader.instance());
    ASSERT_TRUE(plugin);
    EXPECT_EQ(plugin->name(), QStringLiteral("ramulo::CRamuloCtrl"));
    EXPECT_EQ(plugin->toolTip(), QStringLiteral("Ramulo Control"));
    EXPECT_FALSE(plugin->icon().isNull());
    EXPECT_FALSE(plugin->isContainer());
    EXPECT_EQ(plugin->includeFile(), QStringLiteral("control/qt/ramulo_ctrl.h"));

    // A control dropped on a form: the defaults a new control's persisted state has.
    QUiLoader ui;
    ui.clearPluginPaths();
    ui.addPluginPath(QStringLiteral(RAMULO_DESIGNER_DIR));
    QByteArray xml = plugin->domXml().toUtf8();
    xml.replace("<ui language=\"c++\">", "<ui version=\"4.0\">");
    QBuffer buffer(&xml);
    std::unique_ptr<QWidget> dropped(ui.load(&buffer));
    ASSERT_TRUE(dropped) << ui.errorString().toStdString();
    EXPECT_EQ(QString::fromLatin1(dropped->metaObject()->className()), QStringLiteral("ramulo::CRamuloCtrl"));
    EXPECT_EQ(dropped->property("TestID").toInt(), 0);
    EXPECT_EQ(dropped->property("WorkingDirectory").toString(), QStringLiteral("."));
    EXPECT_EQ(dropped->property("FileName").toString(), QStringLiteral("Untitled"));
    EXPECT_EQ(dropped->property("FileExt").toString(), QStringLiteral("nxx"));
    EXPECT_EQ(dropped->property("BackColor").value<QColor>(), QColor(Qt::white));
    EXPECT_FALSE(dropped->property("EditingEnabled").toBool());

    std::unique_ptr<QWidget> made(plugin->createWidget(nullptr));
    ASSERT_TRUE(made);
    EXPECT_EQ(made->property("TestID").toInt(), 1);
}

TEST(DesignerPlugin, FormWithTheControlLoadsThroughQUiLoader) {
    QUiLoader ui;
    ui.clearPluginPaths();
    ui.addPluginPath(QStringLiteral(RAMULO_DESIGNER_DIR));
    EXPECT_TRUE(ui.availableWidgets().contains(QStringLiteral("ramulo::CRamuloCtrl")));
    QFile file(QStringLiteral(RAMULO_TEST_DATA "/ramulo_form.ui"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::unique_ptr<QWidget> form(ui.load(&file));
    ASSERT_TRUE(form) << ui.errorString().toStdString();
    QWidget* graph = form->findChild<QWidget*>(QStringLiteral("graph"));
    ASSERT_TRUE(graph);
    EXPECT_EQ(graph->property("TestID").toInt(), 2);
    EXPECT_TRUE(graph->property("EditingEnabled").toBool());
    EXPECT_EQ(graph->property("FileExt").toString(), QStringLiteral("nx"));
    EXPECT_EQ(graph->property("BackColor").value<QColor>(), QColor(240, 248, 255));
    // Shown, it builds document 2 and answers its members.
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    quint32 count = 0;
    ASSERT_TRUE(QMetaObject::invokeMethod(graph, "VertexCount", Q_RETURN_ARG(quint32, count),
                                          Q_ARG(quint16, 0)));
    EXPECT_EQ(count, 10u);
    graph->setProperty("FileIOEnabled", false);  // no save question when the form goes
}
#endif

TEST(DesignerProperties, EveryPropertyHasATypeFormsStoreAndRangesHold) {
    // Qt Designer edits and .ui files store bool, int, double, string, colour and font values (the
    // read-only counts are not stored).
    const QMetaObject& meta = CRamuloCtrl::staticMetaObject;
    const QList<int> editable{QMetaType::Bool, QMetaType::Int, QMetaType::Double, QMetaType::QString,
                              QMetaType::QColor, QMetaType::QFont};
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty p = meta.property(i);
        if (p.isWritable()) {
            EXPECT_TRUE(editable.contains(p.metaType().id())) << p.name();
        }
    }

    CRamuloCtrl ctrl;
    EXPECT_TRUE(ctrl.setProperty("TestID", 65535));
    EXPECT_EQ(ctrl.testID(), 65535);
    const std::pair<const char*, int> outOfRange[] = {
        {"TestID", 65536}, {"TestID", -1}, {"BorderStyle", 32768}, {"Appearance", -32769},
        {"UndoLimit", -1}};
    for (const auto& [name, value] : outOfRange) {
        try {
            ctrl.setProperty(name, value);
            ADD_FAILURE() << name << " took " << value;
        } catch (const AutomationError& e) {
            EXPECT_EQ(e.code(), DISP_E_OVERFLOW) << name;
        }
    }
    EXPECT_EQ(ctrl.testID(), 65535);
    EXPECT_EQ(ctrl.borderStyle(), 0);
    // In range but not allowed: the member's own error.
    try {
        ctrl.setProperty("BorderStyle", 2);
        ADD_FAILURE() << "BorderStyle took 2";
    } catch (const AutomationError& e) {
        EXPECT_EQ(e.code(), 0x800a017cu);
    }
}

TEST(SettingsBag, ThePersistedSetRoundTripsThroughQSettings) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("form.ini"));
    {
        CRamuloCtrl ctrl;
        ctrl.setRotationEnabled(true);
        ctrl.setDoubleClickEnabled(true);
        ctrl.setNewEnabled(true);
        ctrl.setTestID(3);
        ctrl.setFileName(QStringLiteral("chart ä"));
        ctrl.setBackColor(QColor(1, 2, 3));
        QSettings settings(ini, QSettings::IniFormat);
        SettingsPropertyBag bag(settings, QStringLiteral("graph"));
        ctrl.control().exchangeProperties(bag, ExchangeMode::Save);
    }
    QSettings settings(ini, QSettings::IniFormat);
    EXPECT_EQ(settings.value(QStringLiteral("graph/TestID")).toString(), QStringLiteral("3"));
    SettingsPropertyBag bag(settings, QStringLiteral("graph"));
    CRamuloCtrl ctrl;
    ctrl.control().exchangeProperties(bag, ExchangeMode::Load);
    EXPECT_TRUE(ctrl.rotationEnabled());
    EXPECT_TRUE(ctrl.doubleClickEnabled());
    EXPECT_FALSE(ctrl.newEnabled());  // not persisted
    EXPECT_FALSE(ctrl.editingEnabled());
    EXPECT_EQ(ctrl.testID(), 3);
    EXPECT_EQ(ctrl.fileName(), QStringLiteral("chart ä"));
    EXPECT_EQ(ctrl.backColor(), QColor(1, 2, 3));
    // Keys the bag does not hold take their defaults.
    SettingsPropertyBag empty(settings, QStringLiteral("other"));
    ctrl.control().exchangeProperties(empty, ExchangeMode::Load);
    EXPECT_EQ(ctrl.testID(), 0);
    EXPECT_EQ(ctrl.fileExt(), QStringLiteral("nxx"));
}

}  // namespace
