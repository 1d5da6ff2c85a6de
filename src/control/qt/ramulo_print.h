// Printing the control's document through the engine's printing path, on one page (the
// printing scale, cut at the page), shrunk to fit one page, or tiled over several pages.
#pragma once

#include <QRect>
#include <QSize>

#include "ramulo/print_layout.h"

class QPrinter;
namespace ramulo {

class RamuloControl;
class ControlEngine;

}  // namespace ramulo
namespace nx {
class QtDrawingTools;
}

namespace ramulo {

// Where a document goes on the pages, in printer pixels. Tiled pages follow each other
// across, then down; neighbours share a strip of `overlap` pixels for gluing.
struct PrintPlan {
    QSize drawing;  // the extent at the printing scale
    QSize page;     // the printable area
    int columns = 1;
    int rows = 1;
    int overlap = 0;
    double shrink = 1.0;  // FitToPage: drawing scale (at most 1)

    int pageCount() const { return columns * rows; }
    // The part of the drawing that page `index` (0-based) shows, in drawing pixels.
    QRect tile(int index) const;
};

PrintPlan planPrint(QSize drawing, QSize page, PrintLayout layout, int overlap);

// The overlap between tiles, in millimetres.
inline constexpr double kTileOverlapMm = 10.0;

// Prints the document; returns the number of pages. Drawing failures come as the control's
// automation error 0x800a03f0; a printer that cannot start fails with a runtime error.
int printDocument(RamuloControl& control, QPrinter& printer, PrintLayout layout);

// For one drawing on a surface other than the window (printer, file): the view's tools draw
// straight onto it, and afterwards the window gets its buffer and the screen's scale back.
class SurfaceScope {
public:
    explicit SurfaceScope(ControlEngine& engine);
    ~SurfaceScope();
    SurfaceScope(const SurfaceScope&) = delete;
    SurfaceScope& operator=(const SurfaceScope&) = delete;
    // Closes the tools' hold on the surface (and on a caller's painter, whose saved state
    // comes back), so the caller may change the painter between drawings.
    void endDrawing();

private:
    ControlEngine& engine_;
    nx::QtDrawingTools* tools_ = nullptr;
    bool buffered_ = true;
};

}  // namespace ramulo
