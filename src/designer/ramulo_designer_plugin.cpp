// RamuloDesignerPlugin: the widget box entry and the control's defaults on a new form.
#include "designer/ramulo_designer_plugin.h"

#include "control/qt/ramulo_ctrl.h"
#include "control/qt/ramulo_factory.h"
#include "control/qt/ramulo_icon.h"

RamuloDesignerPlugin::RamuloDesignerPlugin(QObject* parent) : QObject(parent) {}

QString RamuloDesignerPlugin::name() const {
    return QStringLiteral("ramulo::CRamuloCtrl");
}

QString RamuloDesignerPlugin::group() const {
    return QStringLiteral("Ramulo");
}

QString RamuloDesignerPlugin::toolTip() const {
    return QStringLiteral("Ramulo Control");
}

QString RamuloDesignerPlugin::whatsThis() const {
    return QStringLiteral("Ramulo Control: a graph and tree viewer-editor (Nodalyx.RamuloCtrl.1)");
}

QString RamuloDesignerPlugin::includeFile() const {
    return QStringLiteral("control/qt/ramulo_ctrl.h");
}

QIcon RamuloDesignerPlugin::icon() const {
    return ramulo::ramuloIcon();
}

bool RamuloDesignerPlugin::isContainer() const {
    return false;
}

QWidget* RamuloDesignerPlugin::createWidget(QWidget* parent) {
    return ramulo::createByProgID(QStringLiteral("Nodalyx.RamuloCtrl.1"), parent);
}

bool RamuloDesignerPlugin::isInitialized() const {
    return initialized_;
}

void RamuloDesignerPlugin::initialize(QDesignerFormEditorInterface*) {
    initialized_ = true;
}

QString RamuloDesignerPlugin::domXml() const {
    return QStringLiteral(
        "<ui language=\"c++\">\n"
        " <widget class=\"ramulo::CRamuloCtrl\" name=\"ramuloCtrl\">\n"
        "  <property name=\"geometry\"><rect><x>0</x><y>0</y><width>320</width>"
        "<height>240</height></rect></property>\n"
        "  <property name=\"TestID\"><number>0</number></property>\n"
        "  <property name=\"WorkingDirectory\"><string>.</string></property>\n"
        "  <property name=\"FileName\"><string>Untitled</string></property>\n"
        "  <property name=\"FileExt\"><string>nxx</string></property>\n"
        "  <property name=\"BorderStyle\"><number>0</number></property>\n"
        "  <property name=\"BackColor\"><color><red>255</red><green>255</green>"
        "<blue>255</blue></color></property>\n"
        " </widget>\n"
        "</ui>\n");
}
