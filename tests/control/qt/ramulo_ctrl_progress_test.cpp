// The widget's progress dialog: shown for long operations, its Cancel stops them unharmed.
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <vector>

#include "graph/progress.h"
#include "ramulo/render.h"
#include "widget_fixture.h"

using namespace ramulo;

namespace {

using widget_test::Widget;

class Progress : public Widget {
protected:
    // Document 1 with a binary tree of n more vertices beside it.
    void growTree(std::uint16_t n) {
        RamuloControl& c = w->control();
        std::vector<std::uint32_t> ids(n), sources, targets, edges(n - 1);
        c.AddVertices(n, ids.data());
        for (std::uint16_t i = 1; i < n; ++i) {
            sources.push_back(ids[(i - 1) / 2]);
            targets.push_back(ids[i]);
        }
        c.AddEdges(static_cast<std::uint16_t>(n - 1), sources.data(), targets.data(), edges.data());
        c.setModified(false);
    }

    std::vector<QPoint> positions() {
        std::vector<QPoint> all;
        for (std::uint32_t k = 0; k < w->VertexCount(0); ++k)
            all.push_back(position(w->VertexID(0, k)));
        return all;
    }

    // Clicks the dialog's Cancel once it shows; remembers whether it did show.
    void cancelWhenShown() {
        QTimer::singleShot(0, w.get(), [this] {
            auto* dialog = w->findChild<QProgressDialog*>();
            if (!dialog || !dialog->isVisible()) {
                if (watching) cancelWhenShown();
                return;
            }
            dialogShown = true;
            dialogText = dialog->labelText();
            for (auto* button : dialog->findChildren<QPushButton*>())
                QTest::mouseClick(button, Qt::LeftButton);
        });
    }

    bool watching = true;
    bool dialogShown = false;
    QString dialogText;
};

TEST_F(Progress, CancelInTheDialogStopsALayoutAndKeepsTheDrawing) {
    growTree(30000);
    const std::vector<QPoint> before = positions();
    const bool couldUndo = w->CanUndo();
    w->setProgressDelay(0);
    cancelWhenShown();
    QString error;
    try {
        w->HierarchicalLayout();
    } catch (const AutomationError& e) {
        error = QString::fromStdU16String(e.description());
    }
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(dialogText, QStringLiteral("Arranging…"));
    EXPECT_EQ(error, QStringLiteral("Operation cancelled"));
    EXPECT_EQ(positions(), before);
    EXPECT_EQ(w->CanUndo(), couldUndo);
    EXPECT_FALSE(w->control().isModified());
    // The dialog is gone and the control takes input again.
    settle();
    EXPECT_EQ(w->findChild<QProgressDialog*>(), nullptr);
    click(widget_test::kA);
    EXPECT_EQ(selectedCount(), 1u);
}

TEST_F(Progress, NoDialogBeforeTheDelay) {
    growTree(30000);
    w->setProgressDelay(60000);
    cancelWhenShown();
    w->HierarchicalLayout();
    watching = false;
    settle();
    EXPECT_FALSE(dialogShown);
    EXPECT_TRUE(w->control().isModified());
    EXPECT_TRUE(w->CanUndo());
}

TEST_F(Progress, InputDuringAnOperationIsDropped) {
    growTree(30000);
    w->setProgressDelay(60000);
    // A click while the layout runs would select A where it is still drawn.
    bool clicked = false;
    QTimer::singleShot(0, w.get(), [&] {
        click(widget_test::kA);
        clicked = true;
    });
    w->HierarchicalLayout();
    settle();
    EXPECT_TRUE(clicked);
    EXPECT_EQ(selectedCount(), 0u);
}

TEST_F(Progress, ACancelledDrawingWritesNoFile) {
    growTree(20000);
    QTemporaryDir dir;
    const QString old = dir.filePath(QStringLiteral("old.png"));
    ramulo::renderFile(w->control(), old);
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    w->setProgressDelay(0);
    for (const char* name : {"old.png", "new.png", "new.svg", "new.pdf"}) {
        SCOPED_TRACE(name);
        cancelWhenShown();
        QString error;
        try {
            ramulo::renderFile(w->control(), dir.filePath(QString::fromLatin1(name)));
        } catch (const std::exception& e) {
            EXPECT_TRUE(nx::isCancellation(e)) << e.what();
            error = QString::fromUtf8(e.what());
        }
        EXPECT_EQ(error, QStringLiteral("Operation cancelled"));
        settle();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("old.png")});
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
}

}  // namespace
