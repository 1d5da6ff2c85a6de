// CRamuloCtrl: printing, the about box, the property page and the actions that show them.
#include <QAction>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QComboBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QToolBar>
#include <QVBoxLayout>

#include "control/qt/ramulo_about_box.h"
#include "control/qt/ramulo_ctrl.h"
#include "control/qt/ramulo_icon.h"
#include "control/qt/ramulo_prop_page.h"
#include "control/ramulo_revision_info.h"

namespace ramulo {

namespace {

// The print dialog's own tab: how a drawing larger than the page is printed.
class PrintLayoutTab : public QWidget {
public:
    explicit PrintLayoutTab(PrintLayout current) {
        setWindowTitle(QStringLiteral("Ramulo"));
        auto* layout = new QVBoxLayout(this);
        const std::pair<PrintLayout, const char*> choices[] = {
            {PrintLayout::OnePage,
             QT_TRANSLATE_NOOP("CRamuloCtrl", "One page, actual size (cut at the page's edge)")},
            {PrintLayout::FitToPage, QT_TRANSLATE_NOOP("CRamuloCtrl", "Fit to page")},
            {PrintLayout::Tiled,
             QT_TRANSLATE_NOOP("CRamuloCtrl", "Tile over as many pages as it takes")},
        };
        for (const auto& [value, text] : choices) {
            auto* button = new QRadioButton(QCoreApplication::translate("CRamuloCtrl", text), this);
            button->setChecked(value == current);
            group_.addButton(button, static_cast<int>(value));
            layout->addWidget(button);
        }
        layout->addStretch();
    }
    PrintLayout chosen() const { return static_cast<PrintLayout>(group_.checkedId()); }

private:
    QButtonGroup group_;
};

}  // namespace

void CRamuloCtrl::printShowingFailure(QPrinter* printer) {
    // A print the user asked for reports its failure to the user.
    try {
        print(printer);
    } catch (const AutomationError& e) {
        showFailure(e.description());
    } catch (const std::exception& e) {
        showFailure(QString::fromLocal8Bit(e.what()).toStdU16String());
    }
}

int CRamuloCtrl::print(QPrinter* printer) {
    if (!printer) return 0;
    return printDocument(*control_, *printer, printLayout_);
}

bool CRamuloCtrl::printWithDialog() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    auto* tab = new PrintLayoutTab(printLayout_);
    dialog.setOptionTabs({tab});
    const int answer = execDialog ? execDialog(dialog) : dialog.exec();
    if (answer != QDialog::Accepted) return false;
    printLayout_ = tab->chosen();
    printShowingFailure(&printer);
    return true;
}

void CRamuloCtrl::printPreview() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { printShowingFailure(target); });
    // The page layout is chosen where its effect is seen.
    if (auto* bar = dialog.findChild<QToolBar*>()) {
        auto* layouts = new QComboBox(bar);
        layouts->setObjectName(QStringLiteral("printLayout"));
        layouts->addItems({QCoreApplication::translate("CRamuloCtrl", "One page, actual size"),
                           QCoreApplication::translate("CRamuloCtrl", "Fit to page"),
                           QCoreApplication::translate("CRamuloCtrl", "Tile over pages")});
        layouts->setCurrentIndex(static_cast<int>(printLayout_));
        bar->addSeparator();
        bar->addWidget(layouts);
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        connect(layouts, &QComboBox::currentIndexChanged, &dialog, [this, preview](int index) {
            printLayout_ = static_cast<PrintLayout>(index);
            if (preview) preview->updatePreview();
        });
    }
    if (execDialog)
        execDialog(dialog);
    else
        dialog.exec();
}

void CRamuloCtrl::showAboutBox() {
    CRamuloAboutBox box(CRamuloRevisionInfo::instance(), this);
    if (execDialog)
        execDialog(box);
    else
        box.exec();
}

void CRamuloCtrl::ShowPropertyPage() {
    CRamuloPropPage page(this, this);
    if (execDialog)
        execDialog(page);
    else
        page.exec();
}

QAction* CRamuloCtrl::printAction() {
    if (!printAction_) {
        printAction_ = new QAction(QIcon::fromTheme(QStringLiteral("document-print")),
                                   QCoreApplication::translate("CRamuloCtrl", "Print..."), this);
        printAction_->setShortcut(QKeySequence::Print);
        connect(printAction_, &QAction::triggered, this, [this] { printWithDialog(); });
    }
    return printAction_;
}

QAction* CRamuloCtrl::printPreviewAction() {
    if (!printPreviewAction_) {
        printPreviewAction_ = new QAction(QIcon::fromTheme(QStringLiteral("document-print-preview")),
                                          QCoreApplication::translate("CRamuloCtrl", "Print Preview..."), this);
        connect(printPreviewAction_, &QAction::triggered, this, [this] { printPreview(); });
    }
    return printPreviewAction_;
}

QAction* CRamuloCtrl::propertiesAction() {
    if (!propertiesAction_) {
        propertiesAction_ = new QAction(QIcon::fromTheme(QStringLiteral("document-properties")),
                                        QCoreApplication::translate("CRamuloCtrl", "Properties..."), this);
        connect(propertiesAction_, &QAction::triggered, this, [this] { ShowPropertyPage(); });
    }
    return propertiesAction_;
}

QAction* CRamuloCtrl::aboutAction() {
    if (!aboutAction_) {
        aboutAction_ = new QAction(
            ramuloIcon(), QCoreApplication::translate("CRamuloCtrl", "About Ramulo Control..."), this);
        connect(aboutAction_, &QAction::triggered, this, [this] { AboutBox(); });
    }
    return aboutAction_;
}

}  // namespace ramulo
