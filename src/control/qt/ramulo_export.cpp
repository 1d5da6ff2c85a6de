// exportDrawing: the library's file rendering under the name the hosts and scripts call.
#include "control/qt/ramulo_export.h"

#include "ramulo/render.h"

namespace ramulo {

QSize exportSize(RamuloControl& control) {
    return ramulo::drawingSize(control);
}

void exportDrawing(RamuloControl& control, const QString& path) {
    ramulo::renderFile(control, path);
}

}  // namespace ramulo
