// CRamuloPropPage: the "General" property page: the control's eight switches as check boxes.
#pragma once

#include <QDialog>
#include <QPointer>
#include <array>

namespace ramulo {

class CRamuloCtrl;

}  // namespace ramulo
class QCheckBox;
class QPushButton;

namespace ramulo {

class CRamuloPropPage : public QDialog {
    Q_OBJECT
public:
    // The page's object; it may be set later (setObject), as a page made by its ProgID is.
    explicit CRamuloPropPage(CRamuloCtrl* object = nullptr, QWidget* parent = nullptr);

    // Binds the page to a control and shows its current values.
    void setObject(CRamuloCtrl* object);
    CRamuloCtrl* object() const { return object_; }

    static QString caption() { return QStringLiteral("General"); }
    static QString helpString() { return QStringLiteral("Ramulo Properties"); }

    // The check box of a control ID, 1007 ... 1014; null for any other.
    QCheckBox* checkBox(int controlId) const;
    QPushButton* okButton() const { return ok_; }
    QPushButton* applyButton() const { return apply_; }
    QPushButton* cancelButton() const { return cancel_; }

    // Check boxes from the control's properties, and back.
    void load();
    void apply();

private:
    struct Binding;
    static const std::array<Binding, 8>& bindings();
    void changed();

    QPointer<CRamuloCtrl> object_;
    std::array<QCheckBox*, 8> boxes_{};
    QPushButton* ok_;
    QPushButton* apply_;
    QPushButton* cancel_;
};

}  // namespace ramulo
