// Drawing a whole document into a PNG, SVG or PDF file through the Qt drawing tools.
#pragma once

#include <string>

#include "views/geometry.h"

class ControlEngine;

// The kind follows the extension: .png (raster, through a QImage), .svg (QSvgGenerator)
// or .pdf (QPrinter, drawn on the printing path). Fails with a runtime error for any other
// extension, without a document, or when the file cannot be written.
void renderDocument(ControlEngine& engine, const std::string& path);

// The size of the drawn area, from the origin: the engine's extent, grown where the
// drawing reaches past it; at most kMaxDrawingSide in each direction.
inline constexpr std::uint64_t kMaxDrawingSide = 32767;
nx::Size drawingSize(ControlEngine& engine);

// Whether renderDocument can write a file with this path's extension.
bool isRenderTarget(const std::string& path);

// The printer resolution of the PDF output; the drawing is scaled by its pixels per
// millimetre, so one screen pixel becomes one millimetre on the page.
inline constexpr int kPdfResolution = 300;
