// CRamuloCtrl: the Q_PROPERTY accessors, with Qt types at the boundary.
#include <limits>

#include "control/error_texts.h"
#include "control/qt/ramulo_ctrl.h"

namespace ramulo {

namespace {

std::u16string text(const QString& s) {
    return s.toStdU16String();
}

QString qtext(const std::u16string& s) {
    return QString::fromStdU16String(s);
}

// The int of a Q_PROPERTY as the member's 16-bit type, or DISP_E_OVERFLOW.
template <typename T>
T narrowed(int value) {
    if (value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
        throw AutomationError(DISP_E_OVERFLOW, error_texts::kOutOfRange);
    return static_cast<T>(value);
}

}  // namespace

void CRamuloCtrl::setTestIDValue(int id) {
    member([&] { control_->SetTestID(narrowed<std::uint16_t>(id)); });
}

void CRamuloCtrl::setBorderStyleValue(int value) {
    member([&] { control_->SetBorderStyle(narrowed<std::int16_t>(value)); });
}

void CRamuloCtrl::setAppearanceValue(int value) {
    member([&] { control_->SetAppearance(narrowed<std::int16_t>(value)); });
}

bool CRamuloCtrl::editingEnabled() const {
    return control_->GetEditingEnabled() != 0;
}

void CRamuloCtrl::setEditingEnabled(bool on) {
    member([&] { control_->SetEditingEnabled(on ? -1 : 0); });
}

bool CRamuloCtrl::newEnabled() const {
    return control_->GetNewEnabled() != 0;
}

void CRamuloCtrl::setNewEnabled(bool on) {
    member([&] { control_->SetNewEnabled(on ? -1 : 0); });
}

bool CRamuloCtrl::fileIOEnabled() const {
    return control_->GetFileIOEnabled() != 0;
}

void CRamuloCtrl::setFileIOEnabled(bool on) {
    member([&] { control_->SetFileIOEnabled(on ? -1 : 0); });
}

bool CRamuloCtrl::rotationEnabled() const {
    return control_->GetRotationEnabled() != 0;
}

void CRamuloCtrl::setRotationEnabled(bool on) {
    member([&] { control_->SetRotationEnabled(on ? -1 : 0); });
}

bool CRamuloCtrl::hierarchicalLayoutEnabled() const {
    return control_->GetHierarchicalLayoutEnabled() != 0;
}

void CRamuloCtrl::setHierarchicalLayoutEnabled(bool on) {
    member([&] { control_->SetHierarchicalLayoutEnabled(on ? -1 : 0); });
}

bool CRamuloCtrl::radialLayoutEnabled() const {
    return control_->GetRadialLayoutEnabled() != 0;
}

void CRamuloCtrl::setRadialLayoutEnabled(bool on) {
    member([&] { control_->SetRadialLayoutEnabled(on ? -1 : 0); });
}

bool CRamuloCtrl::forceDirectedLayoutEnabled() const {
    return control_->GetForceDirectedLayoutEnabled() != 0;
}

void CRamuloCtrl::setForceDirectedLayoutEnabled(bool on) {
    member([&] { control_->SetForceDirectedLayoutEnabled(on ? -1 : 0); });
}

bool CRamuloCtrl::doubleClickEnabled() const {
    return control_->GetDoubleClickEnabled() != 0;
}

void CRamuloCtrl::setDoubleClickEnabled(bool on) {
    member([&] { control_->SetDoubleClickEnabled(on ? -1 : 0); });
}

quint16 CRamuloCtrl::testID() const {
    return control_->GetTestID();
}

void CRamuloCtrl::setTestID(quint16 id) {
    member([&] { control_->SetTestID(id); });
}

qint16 CRamuloCtrl::borderStyle() const {
    return control_->GetBorderStyle();
}

void CRamuloCtrl::setBorderStyle(qint16 value) {
    member([&] { control_->SetBorderStyle(value); });
}

qint16 CRamuloCtrl::appearance() const {
    return control_->GetAppearance();
}

void CRamuloCtrl::setAppearance(qint16 value) {
    member([&] { control_->SetAppearance(value); });
}

quint16 CRamuloCtrl::propertyTypeCount() const {
    return control_->GetPropertyTypeCount();
}

quint16 CRamuloCtrl::graphPropertyCount() const {
    return control_->GetGraphPropertyCount();
}

QString CRamuloCtrl::workingDirectory() const {
    return qtext(control_->GetWorkingDirectory());
}
void CRamuloCtrl::setWorkingDirectory(const QString& value) {
    member([&] { control_->SetWorkingDirectory(text(value)); });
}
QString CRamuloCtrl::fileName() const {
    return qtext(control_->GetFileName());
}
void CRamuloCtrl::setFileName(const QString& value) {
    member([&] { control_->SetFileName(text(value)); });
}
QString CRamuloCtrl::fileExt() const {
    return qtext(control_->GetFileExt());
}
void CRamuloCtrl::setFileExt(const QString& value) {
    member([&] { control_->SetFileExt(text(value)); });
}

QFont CRamuloCtrl::stockFont() const {
    return font();
}

void CRamuloCtrl::setStockFont(const QFont& f) {
    member([&] { control_->SetFont(text(f.toString())); });
}

bool CRamuloCtrl::labelAwareSpacing() const {
    return control_->GetLabelAwareSpacing() != VARIANT_FALSE;
}

void CRamuloCtrl::setLabelAwareSpacing(bool on) {
    control_->SetLabelAwareSpacing(on ? VARIANT_TRUE : VARIANT_FALSE);
}

bool CRamuloCtrl::labelContrast() const {
    return control_->GetLabelContrast() != VARIANT_FALSE;
}

void CRamuloCtrl::setLabelContrast(bool on) {
    control_->SetLabelContrast(on ? VARIANT_TRUE : VARIANT_FALSE);
}

}  // namespace ramulo
