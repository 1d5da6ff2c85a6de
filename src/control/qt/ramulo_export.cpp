// exportDrawing: the screen path into an image or an SVG generator, the printing path into a PDF.
#include "control/qt/ramulo_export.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QSvgGenerator>
#include <algorithm>
#include <stdexcept>

#include "control/qt/ramulo_print.h"
#include "control/ramulo_control.h"
#include "platform/qt/qt_device_context.h"

namespace {

constexpr std::uint64_t kMaxSide = 32767;

std::runtime_error cannotWrite(const QString& path) {
    return std::runtime_error("Failed to write " + path.toStdString());
}

}  // namespace

QSize exportSize(RamuloControl& control) {
    ControlEngine& engine = control.engine();
    if (!engine.graph || !engine.view) return {};
    const nx::Size e = engine.GetExtent();
    return {int(std::clamp<std::uint64_t>(e.cx, 1, kMaxSide)),
            int(std::clamp<std::uint64_t>(e.cy, 1, kMaxSide))};
}

void exportDrawing(RamuloControl& control, const QString& path) {
    const QString kind = QFileInfo(path).suffix().toLower();
    if (kind != QLatin1String("png") && kind != QLatin1String("svg") &&
        kind != QLatin1String("pdf"))
        throw std::runtime_error("Cannot draw into a ." + kind.toStdString() +
                                 " file: use .png, .svg or .pdf");
    const QSize size = exportSize(control);
    if (size.isEmpty()) throw std::runtime_error("There is no document to draw");
    const nx::Rect area{0, 0, size.width(), size.height()};

    if (kind == QLatin1String("pdf")) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setResolution(300);
        printer.setFullPage(true);
        printer.setPageLayout(QPageLayout(QPageSize(QSizeF(size), QPageSize::Millimeter),
                                          QPageLayout::Portrait, QMarginsF(),
                                          QPageLayout::Millimeter));
        printDocument(control, printer, PrintLayout::OnePage);
        if (!QFileInfo::exists(path)) throw cannotWrite(path);
        return;
    }
    if (kind == QLatin1String("png")) {
        QImage image(size, QImage::Format_RGB32);
        if (image.isNull()) throw std::runtime_error("The drawing is too large for an image");
        {
            SurfaceScope scope(control.engine());
            nx::QtDeviceContext context(&image);
            control.OnDraw(&context, area, area);
        }
        if (!image.save(path, "PNG")) throw cannotWrite(path);
        return;
    }
    QSvgGenerator generator;
    generator.setFileName(path);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(QStringLiteral("Ramulo document"));
    QPainter painter;
    if (!painter.begin(&generator)) throw cannotWrite(path);
    {
        SurfaceScope scope(control.engine());
        nx::QtDeviceContext context(&painter);
        control.OnDraw(&context, area, area);
    }
    painter.end();
}
