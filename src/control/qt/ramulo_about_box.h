// CRamuloAboutBox: the control's modal about box with the build's revision.
#pragma once

#include <QDialog>

namespace nx {
class IRevisionInfo;
}
class QLabel;

namespace ramulo {

class CRamuloAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit CRamuloAboutBox(const nx::IRevisionInfo& revision, QWidget* parent = nullptr);

    // "Revision <revision text> (<short date>)".
    static QString revisionLine(const nx::IRevisionInfo& revision);

    QLabel* versionLabel() const { return version_; }
    QLabel* revisionLabel() const { return revision_; }

private:
    QLabel* version_;
    QLabel* revision_;
};

}  // namespace ramulo
