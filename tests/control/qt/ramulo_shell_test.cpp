// The control's shell: printing through a PDF printer, the about box, the property page.
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <cmath>

#include "control/qt/ramulo_about_box.h"
#include "control/qt/ramulo_print.h"
#include "control/qt/ramulo_prop_page.h"
#include "control/ramulo_revision_info.h"
#include "engine/window_graph_view.h"
#include "widget_fixture.h"

using namespace ramulo;

namespace {

using namespace widget_test;

// A PDF printer on a bare A4 page (no margins), so that the page's top-left corner is the
// drawing's origin.
std::unique_ptr<QPrinter> pdfPrinter(const QString& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setResolution(150);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setFullPage(true);
    return printer;
}

// The PDF's pages as pictures of one pixel per millimetre (pdftoppm at 25.4 dpi).
std::vector<QImage> pagesOf(const QString& pdf) {
    const QString prefix = pdf + QStringLiteral("-page");
    QProcess run;
    run.start(QStringLiteral("pdftoppm"),
              {QStringLiteral("-r"), QStringLiteral("25.4"), QStringLiteral("-png"), pdf, prefix});
    if (!run.waitForFinished(60000) || run.exitCode() != 0) {
        ADD_FAILURE() << "pdftoppm failed: " << run.readAllStandardError().toStdString();
        return {};
    }
    std::vector<QImage> pages;
    QDir dir = QFileInfo(pdf).dir();
    const QStringList files = dir.entryList({QFileInfo(prefix).fileName() + QStringLiteral("*.png")},
                                            QDir::Files, QDir::Name);
    for (const QString& f : files) pages.push_back(QImage(dir.filePath(f)));
    return pages;
}

// Something drawn (darker than the paper) within r pixels of a point.
bool inkNear(const QImage& page, QPoint at, int r = 3) {
    for (int y = at.y() - r; y <= at.y() + r; ++y)
        for (int x = at.x() - r; x <= at.x() + r; ++x)
            if (page.rect().contains(x, y) && qGray(page.pixel(x, y)) < 200) return true;
    return false;
}

bool blank(const QImage& page) {
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 200) return false;
    return true;
}

class Printing : public Widget {
protected:
    QTemporaryDir dir;
    QString pdf(const char* name) { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(Printing, OnePagePrintsAMillimetrePerPixelWithoutTheScrollOffset) {
    // A small window, scrolled: the print must not follow the scroll position.
    w->resize(200, 150);
    settle();
    w->horizontalScrollBar()->setValue(60);
    w->verticalScrollBar()->setValue(40);
    settle();
    ASSERT_NE(w->scrollPosition(), QPoint(0, 0));
    w->viewport()->repaint();
    const QImage before = w->screenImage().copy();

    const QString file = pdf("one.pdf");
    auto printer = pdfPrinter(file);
    EXPECT_EQ(w->print(printer.get()), 1);
    const std::vector<QImage> pages = pagesOf(file);
    ASSERT_EQ(pages.size(), 1u);
    // A4 at one pixel per millimetre.
    EXPECT_NEAR(pages[0].width(), 210, 1);
    EXPECT_NEAR(pages[0].height(), 297, 1);
    for (QPoint v : {kA, kB, kC, kE}) EXPECT_TRUE(inkNear(pages[0], v)) << v.x() << "," << v.y();
    EXPECT_FALSE(inkNear(pages[0], {60, 60}, 2));  // above B: paper

    // The window draws as before: the screen's scale and buffer are back.
    w->viewport()->repaint();
    EXPECT_EQ(w->screenImage(), before);
    EXPECT_EQ(engineOf(w->control()).view()->scaleX(), 1.0f);
}

TEST_F(Printing, FitToPageShrinksTheWholeDrawingOntoOnePage) {
    // Wider than A4 at a millimetre per pixel.
    w->SetHierarchicalLayoutParams(60, 250, 250);
    w->HierarchicalLayout();
    const QSize e = extent();
    ASSERT_GT(e.width(), 210);
    w->setPrintLayout(PrintLayout::FitToPage);
    const QString file = pdf("fit.pdf");
    auto printer = pdfPrinter(file);
    EXPECT_EQ(w->print(printer.get()), 1);
    const std::vector<QImage> pages = pagesOf(file);
    ASSERT_EQ(pages.size(), 1u);
    const double shrink = std::min({1.0, 210.0 / e.width(), 297.0 / e.height()});
    for (std::uint32_t v = 1; v <= 11; ++v) {
        const QPoint at = position(v);
        if (at == QPoint(0, 0)) continue;
        const QPoint expected(int(std::lround(at.x() * shrink)), int(std::lround(at.y() * shrink)));
        EXPECT_TRUE(inkNear(pages[0], expected)) << "vertex " << v;
    }
}

TEST_F(Printing, TiledPagesGoAcrossThenDownAndOverlap) {
    w->SetHierarchicalLayoutParams(400, 250, 250);
    w->HierarchicalLayout();
    const QSize e = extent();
    w->setPrintLayout(PrintLayout::Tiled);
    const QString file = pdf("tiles.pdf");
    auto printer = pdfPrinter(file);
    const int count = w->print(printer.get());
    const PrintPlan plan = planPrint(e, {210, 297}, PrintLayout::Tiled, 10);
    ASSERT_GT(plan.pageCount(), 1);
    const std::vector<QImage> pages = pagesOf(file);
    ASSERT_EQ(int(pages.size()), count);
    ASSERT_EQ(count, plan.pageCount());
    // Every vertex is on the page whose tile holds it, at its place within the tile.
    for (std::uint32_t v = 1; v <= 11; ++v) {
        const QPoint at = position(v);
        for (int i = 0; i < count; ++i) {
            const QRect tile = plan.tile(i).adjusted(8, 20, -8, -8);
            if (tile.contains(at)) {
                EXPECT_TRUE(inkNear(pages[i], at - plan.tile(i).topLeft()))
                    << "vertex " << v << " page " << i;
            }
        }
    }
    for (const QImage& page : pages) EXPECT_FALSE(blank(page));
}

TEST(PrintPlan, PagesAcrossThenDownWithOverlap) {
    struct Case {
        QSize drawing, page;
        PrintLayout layout;
        int columns, rows;
        double shrink;
    };
    const Case cases[] = {
        {{100, 100}, {210, 297}, PrintLayout::Tiled, 1, 1, 1.0},
        {{210, 297}, {210, 297}, PrintLayout::Tiled, 1, 1, 1.0},
        {{211, 297}, {210, 297}, PrintLayout::Tiled, 2, 1, 1.0},
        {{410, 298}, {210, 297}, PrintLayout::Tiled, 2, 2, 1.0},
        {{411, 10}, {210, 297}, PrintLayout::Tiled, 3, 1, 1.0},
        {{420, 297}, {210, 297}, PrintLayout::FitToPage, 1, 1, 0.5},
        {{100, 594}, {210, 297}, PrintLayout::FitToPage, 1, 1, 0.5},
        {{100, 100}, {210, 297}, PrintLayout::FitToPage, 1, 1, 1.0},
        {{900, 900}, {210, 297}, PrintLayout::OnePage, 1, 1, 1.0},
    };
    for (const Case& c : cases) {
        const PrintPlan plan = planPrint(c.drawing, c.page, c.layout, 10);
        EXPECT_EQ(plan.columns, c.columns) << c.drawing.width() << "x" << c.drawing.height();
        EXPECT_EQ(plan.rows, c.rows) << c.drawing.width() << "x" << c.drawing.height();
        EXPECT_DOUBLE_EQ(plan.shrink, c.shrink);
    }
    const PrintPlan plan = planPrint({500, 400}, {210, 297}, PrintLayout::Tiled, 10);
    ASSERT_EQ(plan.columns, 3);
    ASSERT_EQ(plan.rows, 2);
    // Second page: right of the first, sharing 10; fourth: below the first.
    EXPECT_EQ(plan.tile(1), QRect(200, 0, 210, 297));
    EXPECT_EQ(plan.tile(3), QRect(0, 287, 210, 297));
    EXPECT_EQ(plan.tile(5), QRect(400, 287, 210, 297));
    // Every drawing pixel is on some page.
    EXPECT_GE(plan.tile(5).right() + 1, 500);
    EXPECT_GE(plan.tile(5).bottom() + 1, 400);
}

// --- About box

struct FixedRevision : nx::IRevisionInfo {
    long revisionNumber() const override { return 412; }
    std::string revisionText() const override { return "412"; }
    long lastChangeRevisionNumber() const override { return 410; }
    std::string lastChangeRevisionText() const override { return "410"; }
    std::string shortDate() const override {
        return shortDateOf("2026-12-10 17:40:46 +0000 (Thu, 10 Dec 2026)");
    }
};

TEST(AboutBox, ShowsProductVersionAndRevision) {
    const FixedRevision revision;
    CRamuloAboutBox box(revision);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Ramulo Control"));
    EXPECT_TRUE(box.isModal());
    EXPECT_EQ(box.versionLabel()->text(), QStringLiteral("Ramulo Control, Version 1.3,"));
    EXPECT_EQ(box.revisionLabel()->text(), QStringLiteral("Revision 412 (10 Dec 2026)"));
    auto* icon = box.findChild<QLabel*>(QStringLiteral("icon"));
    ASSERT_TRUE(icon);
    EXPECT_FALSE(icon->pixmap().isNull());
    const auto buttons = box.findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text().remove(QLatin1Char('&')), QStringLiteral("OK"));
}

TEST(AboutBox, ShortDateIsCutFromTheFullDate) {
    const std::pair<const char*, const char*> cases[] = {
        {"2026-12-10 17:40:46 +0000 (Thu, 10 Dec 2026)", "10 Dec 2026"},
        {"2005-03-01 09:00:00 +0100 (Tue, 01 Mar 2005) trailing (x, y)", "01 Mar 2005"},
        {"unknown (no date, built outside a git checkout)", "built outside a git checkout"},
        {"no parenthesis, here", ""},
        {"(no comma)", ""},
        {"(Thu, unclosed", ""},
        {"", ""},
    };
    for (const auto& [full, expected] : cases) EXPECT_EQ(shortDateOf(full), expected) << full;
}

TEST_F(Widget, AboutBoxMemberShowsTheBuildsRevision) {
    std::vector<QString> seen;
    w->execDialog = [&](QDialog& dialog) {
        seen.push_back(dialog.windowTitle());
        if (auto* box = qobject_cast<CRamuloAboutBox*>(&dialog))
            seen.push_back(box->revisionLabel()->text());
        return int(QDialog::Accepted);
    };
    w->AboutBox();
    const auto& info = CRamuloRevisionInfo::instance();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], QStringLiteral("About Ramulo Control"));
    EXPECT_EQ(seen[1], QStringLiteral("Revision %1 (%2)")
                           .arg(QString::fromStdString(info.revisionText()),
                                QString::fromStdString(info.shortDate())));
    // Built from a checkout or not, the line says something.
    EXPECT_FALSE(info.revisionText().empty());
    EXPECT_FALSE(info.shortDate().empty());
}

// --- Property page

TEST_F(Widget, PropertyPageShowsAndWritesAllEightSwitches) {
    const std::pair<int, const char*> boxes[] = {
        {1007, "EditingEnabled"},          {1008, "NewEnabled"},
        {1009, "FileIOEnabled"},           {1010, "RotationEnabled"},
        {1011, "HierarchicalLayoutEnabled"}, {1012, "RadialLayoutEnabled"},
        {1013, "ForceDirectedLayoutEnabled"}, {1014, "DoubleClickEnabled"},
    };
    const char* texts[] = {"Editing Enabled",
                           "New Enabled",
                           "File IO Enabled",
                           "Rotation Enabled",
                           "Hierarchical Layout Enabled",
                           "Radial Layout Enabled",
                           "Force Directed Layout Enabled",
                           "Double-Click Enabled"};
    // Alternate values, so that each box is seen to follow its own property.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < 8; ++i)
            w->setProperty(boxes[i].second, (i + pass) % 2 == 0);
        int shown = 0;
        w->execDialog = [&](QDialog& dialog) {
            auto* page = qobject_cast<CRamuloPropPage*>(&dialog);
            if (!page) return int(QDialog::Rejected);
            ++shown;
            EXPECT_EQ(page->windowTitle(), QStringLiteral("General"));
            EXPECT_EQ(page->whatsThis(), QStringLiteral("Ramulo Properties"));
            for (std::size_t i = 0; i < 8; ++i) {
                QCheckBox* box = page->checkBox(boxes[i].first);
                EXPECT_EQ(box->text(), QString::fromLatin1(texts[i]));
                EXPECT_EQ(box->isChecked(), (i + pass) % 2 == 0) << texts[i];
                box->toggle();
            }
            // Apply writes at once; Cancel afterwards keeps what was applied.
            EXPECT_TRUE(page->applyButton()->isEnabled());
            page->applyButton()->click();
            EXPECT_FALSE(page->applyButton()->isEnabled());
            for (std::size_t i = 0; i < 8; ++i)
                EXPECT_EQ(w->property(boxes[i].second).toBool(), (i + pass) % 2 != 0);
            // A change that is cancelled is not written.
            page->checkBox(1007)->toggle();
            page->cancelButton()->click();
            return dialog.result();
        };
        w->propertiesAction()->trigger();
        EXPECT_EQ(shown, 1);
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_EQ(w->property(boxes[i].second).toBool(), (i + pass) % 2 != 0)
                << boxes[i].second;
    }
    // OK writes too.
    w->execDialog = [&](QDialog& dialog) {
        auto* page = qobject_cast<CRamuloPropPage*>(&dialog);
        page->checkBox(1014)->setChecked(!page->checkBox(1014)->isChecked());
        page->okButton()->click();
        return dialog.result();
    };
    const bool before = w->doubleClickEnabled();
    w->ShowPropertyPage();
    EXPECT_NE(w->doubleClickEnabled(), before);
}

}  // namespace
