// Drawing a control's document into an image, a PNG, SVG or PDF file.
#pragma once

/// @file
/// The rendering of a control's whole drawing, as the Qt widget, the command-line tool and
/// scripts use it: into a QImage at any scale and device-pixel ratio, into PNG and SVG files
/// (labels as text), and printed into a PDF on a page of its own size, fitted to paper or
/// tiled. Files are replaced only by a complete drawing. The functions take the control
/// behind a widget (CRamuloCtrl::control()) or one with a HostWindow of the host's own.

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QSize>
#include <QString>
#include <cstdint>
#include <stdexcept>

#include "ramulo/export.h"

namespace ramulo {

class RamuloControl;


/// The largest side of a drawing, in drawing units (pixels at scale 1); a document reaching
/// further is drawn cut at this side.
inline constexpr int kMaxDrawingSide = 32767;

/// The largest image renderImage and renderPng draw unless told otherwise: 256 megapixels
/// (16384 x 16384), about 1 GiB for a whole image and as much for the drawing's buffer.
inline constexpr std::uint64_t kDefaultMaxImagePixels = std::uint64_t{16384} * 16384;

/// How a raster or SVG drawing is sized. The drawing is `scale` image units per drawing
/// unit; a `size` with a positive width and/or height replaces `scale` by the one that makes
/// the drawing that wide and/or high (both given: the largest that fits inside, proportions
/// kept). An image holds `devicePixelRatio` pixels per image unit (2 for a high-density
/// screen) and carries that ratio. Images of more than `maxPixels` pixels are refused.
struct ImageOptions {
    double scale = 1.0;  ///< Image units per drawing unit.
    QSize size{0, 0};    ///< A target width and/or height in image units; zero sides are free.
    double devicePixelRatio = 1.0;                     ///< Pixels per image unit.
    std::uint64_t maxPixels = kDefaultMaxImagePixels;  ///< The most pixels an image may have.
};

/// How the pages of a PDF are laid out. `DrawingSize`: one page as many millimetres as the
/// drawing has units, the whole drawing on it. On a `pageSize` page: `OnePage` prints at
/// the control's printing scale (a drawing unit a millimetre) cut at the page's edge,
/// `FitToPage` shrinks it to fit one page, `Tiled` spreads it over as many pages as it
/// needs, neighbours overlapping by a 10 mm strip for gluing.
enum class PageLayout { DrawingSize, OnePage, FitToPage, Tiled };

/// A PDF's page layout, paper and orientation (ignored for `DrawingSize`) and its
/// resolution in dots per inch.
struct PdfOptions {
    PageLayout layout = PageLayout::DrawingSize;  ///< How the drawing is laid out on pages.
    QPageSize pageSize{QPageSize::A4};            ///< The paper, unless the layout is DrawingSize.
    QPageLayout::Orientation orientation =
        QPageLayout::Portrait;  ///< Portrait or landscape, unless the layout is DrawingSize.
    int resolution = 300;       ///< Dots per inch.
};

/// An image over the pixel limit, refused before anything is allocated. The text is "the
/// drawing is W x H pixels (N), more than the limit of L pixels for an image".
class RAMULO_EXPORT ImageTooLarge : public std::runtime_error {
public:
    /// The refusal of an image of that many pixels over the limit.
    ImageTooLarge(QSize pixels, std::uint64_t limit);
    /// The size of the refused image, in pixels.
    QSize pixels() const { return pixels_; }
    /// The pixel limit it exceeded.
    std::uint64_t limit() const { return limit_; }

private:
    QSize pixels_;
    std::uint64_t limit_;
};

/// The size of the whole drawing in drawing units: the control's extent, grown where the
/// drawing reaches past it, at most kMaxDrawingSide a side; empty without a document.
RAMULO_EXPORT QSize drawingSize(RamuloControl& control);

/// The size in pixels of the image renderImage makes with these options; empty without a
/// document. Fails with std::invalid_argument for a scale or ratio that is not positive.
RAMULO_EXPORT QSize imageSize(RamuloControl& control, const ImageOptions& options = {});

/// The whole drawing as an RGB32 image of imageSize pixels with the options' device-pixel
/// ratio. Fails with a runtime error "There is no document to draw" without a document,
/// with ImageTooLarge over the limit, and with the control's automation error 0x800a03f0
/// when the drawing fails.
RAMULO_EXPORT QImage renderImage(RamuloControl& control, const ImageOptions& options = {});

/// renderImage written to a PNG file; an image over 64 megapixels is drawn and compressed a
/// band of rows at a time, never held whole. The file is replaced only by a complete drawing;
/// a failed write fails with "Failed to open output file <path> for writing", "Failed to
/// write <path>" or "Failed to write output file <path>: <reason>" and leaves any earlier
/// file as it was.
RAMULO_EXPORT void renderPng(RamuloControl& control, const QString& path,
                             const ImageOptions& options = {});

/// The drawing as SVG: shapes as vector paths, labels as `<text>` elements. Its size follows
/// the options' scale or size; the view box is the drawing in drawing units. Written as
/// renderPng writes, with its failures; no pixel limit applies.
RAMULO_EXPORT void renderSvg(RamuloControl& control, const QString& path,
                             const ImageOptions& options = {});

/// The drawing printed into a PDF file on the printing path (background not printed),
/// laid out on pages as `options` says; returns the number of pages. Written as renderPng
/// writes, with its failures.
RAMULO_EXPORT int renderPdf(RamuloControl& control, const QString& path,
                            const PdfOptions& options = {});

/// Whether renderFile can write this path: it ends in .png, .svg or .pdf (any case).
RAMULO_EXPORT bool isRenderTarget(const QString& path);

/// renderPng, renderSvg or renderPdf by the path's extension; any other extension fails
/// with "Cannot draw into a .<ext> file: use .png, .svg or .pdf".
RAMULO_EXPORT void renderFile(RamuloControl& control, const QString& path,
                              const ImageOptions& image = {}, const PdfOptions& pdf = {});

}  // namespace ramulo
