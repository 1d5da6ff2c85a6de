// CRamuloPropPage: the check boxes, their bindings and OK / Apply / Cancel.
#include "control/qt/ramulo_prop_page.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "control/qt/ramulo_ctrl.h"
#include "control/qt/ramulo_icon.h"

namespace ramulo {

struct CRamuloPropPage::Binding {
    int controlId;
    const char* text;
    const char* property;
};

const std::array<CRamuloPropPage::Binding, 8>& CRamuloPropPage::bindings() {
    static const std::array<Binding, 8> table{{
        {1007, QT_TRANSLATE_NOOP("CRamuloCtrl", "Editing Enabled"), "EditingEnabled"},
        {1008, QT_TRANSLATE_NOOP("CRamuloCtrl", "New Enabled"), "NewEnabled"},
        {1009, QT_TRANSLATE_NOOP("CRamuloCtrl", "File IO Enabled"), "FileIOEnabled"},
        {1010, QT_TRANSLATE_NOOP("CRamuloCtrl", "Rotation Enabled"), "RotationEnabled"},
        {1011, QT_TRANSLATE_NOOP("CRamuloCtrl", "Hierarchical Layout Enabled"),
         "HierarchicalLayoutEnabled"},
        {1012, QT_TRANSLATE_NOOP("CRamuloCtrl", "Radial Layout Enabled"), "RadialLayoutEnabled"},
        {1013, QT_TRANSLATE_NOOP("CRamuloCtrl", "Force Directed Layout Enabled"),
         "ForceDirectedLayoutEnabled"},
        {1014, QT_TRANSLATE_NOOP("CRamuloCtrl", "Double-Click Enabled"), "DoubleClickEnabled"},
    }};
    return table;
}

CRamuloPropPage::CRamuloPropPage(CRamuloCtrl* object, QWidget* parent) : QDialog(parent) {
    // caption() and helpString() name the page towards hosts; the user reads them translated.
    setWindowTitle(QCoreApplication::translate("CRamuloCtrl", "General"));
    setWhatsThis(QCoreApplication::translate("CRamuloCtrl", "Ramulo Properties"));
    setToolTip(QCoreApplication::translate("CRamuloCtrl", "Ramulo Properties"));
    setWindowIcon(ramuloIcon());
    setModal(true);
    auto* group = new QGroupBox(this);
    auto* column = new QVBoxLayout(group);
    for (std::size_t i = 0; i < bindings().size(); ++i) {
        const Binding& b = bindings()[i];
        auto* box = new QCheckBox(QCoreApplication::translate("CRamuloCtrl", b.text), group);
        box->setObjectName(QString::number(b.controlId));
        connect(box, &QCheckBox::toggled, this, &CRamuloPropPage::changed);
        column->addWidget(box);
        boxes_[i] = box;
    }
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Apply | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    apply_ = buttons->button(QDialogButtonBox::Apply);
    cancel_ = buttons->button(QDialogButtonBox::Cancel);
    connect(ok_, &QPushButton::clicked, this, [this] {
        apply();
        accept();
    });
    connect(apply_, &QPushButton::clicked, this, &CRamuloPropPage::apply);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    setObject(object);
}

void CRamuloPropPage::setObject(CRamuloCtrl* object) {
    object_ = object;
    load();
}

QCheckBox* CRamuloPropPage::checkBox(int controlId) const {
    for (std::size_t i = 0; i < bindings().size(); ++i)
        if (bindings()[i].controlId == controlId) return boxes_[i];
    return nullptr;
}

void CRamuloPropPage::load() {
    for (std::size_t i = 0; i < bindings().size(); ++i) {
        const QSignalBlocker quiet(boxes_[i]);
        boxes_[i]->setChecked(object_ && object_->property(bindings()[i].property).toBool());
        boxes_[i]->setEnabled(object_ != nullptr);
    }
    apply_->setEnabled(false);
}

void CRamuloPropPage::apply() {
    if (!object_) return;
    // Only what the user changed is written: each write sets the control's modified flag.
    for (std::size_t i = 0; i < bindings().size(); ++i) {
        const bool on = boxes_[i]->isChecked();
        if (object_->property(bindings()[i].property).toBool() != on)
            object_->setProperty(bindings()[i].property, on);
    }
    apply_->setEnabled(false);
}

void CRamuloPropPage::changed() {
    apply_->setEnabled(object_ != nullptr);
}

}  // namespace ramulo
