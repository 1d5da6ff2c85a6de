// Printing a control's document into a PDF file through the control's printing path.
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <stdexcept>

#include "control/qt/ramulo_print.h"
#include "ramulo/render.h"
#include "render/drawing_output.h"

using namespace nx;

namespace ramulo {

namespace {

ramulo::PrintLayout printLayoutOf(PageLayout layout) {
    switch (layout) {
        case PageLayout::FitToPage:
            return ramulo::PrintLayout::FitToPage;
        case PageLayout::Tiled:
            return ramulo::PrintLayout::Tiled;
        default:
            return ramulo::PrintLayout::OnePage;
    }
}

}  // namespace

int renderPdf(RamuloControl& control, const QString& path, const PdfOptions& options) {
    const QSize drawing = drawingSize(control);
    if (drawing.isEmpty()) throw std::runtime_error("There is no document to draw");
    if (options.resolution <= 0)
        throw std::invalid_argument("The resolution must be a number of dots per inch above 0");
    const std::string target = QFile::encodeName(path).toStdString();
    DrawingOutput out(target);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(out.scratchPath());
    printer.setResolution(options.resolution);
    printer.setFullPage(true);
    // The drawing's own page: as many millimetres as it has units, so all of it fits.
    if (options.layout == PageLayout::DrawingSize)
        printer.setPageLayout(QPageLayout(QPageSize(QSizeF(drawing), QPageSize::Millimeter),
                                          QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                          QPageLayout::Millimeter));
    else
        printer.setPageLayout(QPageLayout(options.pageSize, options.orientation,
                                          QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    const int pages = ramulo::printDocument(control, printer, printLayoutOf(options.layout));
    out.commit(kPdfEnding);
    return pages;
}

}  // namespace ramulo
