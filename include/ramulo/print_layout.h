// How the Qt widget lays a document out on printed pages.
#pragma once

/// @file
/// PrintLayout, CRamuloCtrl's choice for print() and its print dialogs: `OnePage` prints at
/// the printing scale (a drawing unit a millimetre) cut at the page's edge, `FitToPage`
/// shrinks the drawing to fit one page, `Tiled` spreads it over as many pages as it needs.

namespace ramulo {

/// How CRamuloCtrl::print lays a document out: on one page at the printing scale, fit to one page,
/// or tiled.
enum class PrintLayout { OnePage, FitToPage, Tiled };

}  // namespace ramulo
