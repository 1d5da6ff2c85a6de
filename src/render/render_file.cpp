// Choosing the kind of drawing by the file's extension.
#include <QFileInfo>
#include <stdexcept>

#include "control/ramulo_control.h"
#include "graph/graph.h"
#include "graph/progress.h"
#include "ramulo/render.h"

using namespace nx;

namespace ramulo {

bool isRenderTarget(const QString& path) {
    const QString kind = QFileInfo(path).suffix().toLower();
    return kind == QLatin1String("png") || kind == QLatin1String("svg") ||
           kind == QLatin1String("pdf");
}

void renderFile(RamuloControl& control, const QString& path, const ImageOptions& image,
                const PdfOptions& pdf) {
    const QString kind = QFileInfo(path).suffix().toLower();
    // A cancel stops the drawing before the scratch file replaces the target.
    ramulo::ControlEngine& engine = ramulo::engineOf(control);
    const std::uint64_t items =
        engine.graph() ? std::uint64_t{engine.graph()->order()} + engine.graph()->edgeCount() : 0;
    ProgressScope reporting(engine.progress(), "Drawing", items);
    if (kind == QLatin1String("png"))
        renderPng(control, path, image);
    else if (kind == QLatin1String("svg"))
        renderSvg(control, path, image);
    else if (kind == QLatin1String("pdf"))
        renderPdf(control, path, pdf);
    else
        throw std::runtime_error("Cannot draw into a ." + kind.toStdString() +
                                 " file: use .png, .svg or .pdf");
}

}  // namespace ramulo
