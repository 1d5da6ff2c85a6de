// CRamuloAboutBox: icon, product line, revision line and OK.
#include "control/qt/ramulo_about_box.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

#include "control/qt/ramulo_icon.h"
#include "control/revision_info.h"

namespace ramulo {

QString CRamuloAboutBox::revisionLine(const nx::IRevisionInfo& revision) {
    return QCoreApplication::translate("CRamuloCtrl", "Revision %1 (%2)")
        .arg(QString::fromStdString(revision.revisionText()),
             QString::fromStdString(revision.shortDate()));
}

CRamuloAboutBox::CRamuloAboutBox(const nx::IRevisionInfo& revision, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("CRamuloCtrl", "About Ramulo Control"));
    setModal(true);
    const QIcon icon = ramuloIcon();
    setWindowIcon(icon);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("icon"));
    picture->setPixmap(icon.pixmap(32, 32));
    version_ = new QLabel(QCoreApplication::translate("CRamuloCtrl", "Ramulo Control, Version 1.3,"), this);
    version_->setObjectName(QStringLiteral("version"));
    revision_ = new QLabel(revisionLine(revision), this);
    revision_->setObjectName(QStringLiteral("1062"));
    revision_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(version_, 0, 1);
    grid->addWidget(revision_, 1, 1);
    grid->addWidget(buttons, 0, 2, 2, 1, Qt::AlignTop);
    grid->setHorizontalSpacing(16);
    setFixedSize(sizeHint());
}

}  // namespace ramulo
