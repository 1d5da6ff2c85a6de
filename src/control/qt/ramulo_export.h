// Exporting the control's whole drawing into a PNG, SVG or PDF file.
#pragma once

#include <QSize>
#include <QString>

namespace ramulo {

class RamuloControl;

// The drawing's size (ramulo::drawingSize): the engine's extent, grown where the drawing reaches
// past it, at most 32767 pixels a side; empty without a document.
QSize exportSize(RamuloControl& control);

// The kind follows the extension (any case): .png, .svg, or .pdf (printed on one page of the
// drawing's size, a millimetre per pixel), through ramulo::renderFile. Fails with a runtime error
// for another extension, without a document, or when the file cannot be written; drawing
// failures come as automation error 0x800a03f0.
void exportDrawing(RamuloControl& control, const QString& path);

}  // namespace ramulo
