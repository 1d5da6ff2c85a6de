// Drawing a control's document into an SVG file, straight onto the generator.
#include <QFile>
#include <QPainter>
#include <QSvgGenerator>
#include <stdexcept>

#include "control/qt/ramulo_print.h"
#include "control/ramulo_control.h"
#include "platform/qt/qt_device_context.h"
#include "ramulo/render.h"
#include "render/drawing_output.h"
#include "render/render_scale.h"

using namespace nx;

namespace ramulo {

void renderSvg(RamuloControl& control, const QString& path, const ImageOptions& options) {
    const QSize drawing = drawingSize(control);
    if (drawing.isEmpty()) throw std::runtime_error("There is no document to draw");
    const double scale = effectiveScale(drawing, options);
    const std::string target = QFile::encodeName(path).toStdString();
    DrawingOutput out(target);
    QSvgGenerator generator;
    generator.setFileName(out.scratchPath());
    // The view box keeps drawing units; the size scales them.
    generator.setSize((QSizeF(drawing) * scale).toSize().expandedTo(QSize(1, 1)));
    generator.setViewBox(QRect(QPoint(0, 0), drawing));
    generator.setTitle(QStringLiteral("Ramulo document"));
    QPainter painter;
    if (!painter.begin(&generator)) throw std::runtime_error("Failed to write " + target);
    {
        // A vector surface keeps its shapes only when they are drawn on it directly, not
        // through the view's memory buffer.
        ramulo::SurfaceScope scope(ramulo::engineOf(control));
        QtDeviceContext context(&painter);
        const Rect area{0, 0, drawing.width(), drawing.height()};
        control.OnDraw(&context, area, area);
    }
    painter.end();
    out.commit(kSvgEnding);
}

}  // namespace ramulo
