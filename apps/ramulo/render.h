// Drawing the tool's document into a PNG, SVG or PDF file through the library's rendering.
#pragma once

#include <string>
#include <vector>

#include "ramulo/render.h"

class Document;

// The drawing options of one run, from the command line.
struct RenderChoice {
    ramulo::ImageOptions image;
    ramulo::PdfOptions pdf;
    bool scaleGiven = false;  // --scale or --dpi
    bool sizeGiven = false;   // --width or --height
    bool pageGiven = false;   // --page or --landscape
};

// Takes the drawing option args[i] (with its value, advancing i) into choice; false when
// args[i] is not one. Bad values and clashing options fail with a UsageError.
bool parseRenderOption(const std::vector<std::string>& args, std::size_t& i, RenderChoice& choice);

// The drawing options' lines of a verb's help text (a literal, to join the verbs' own).
#define RAMULO_RENDER_OPTIONS_HELP \
    "  --scale S       draw .png and .svg at S times the drawing's size (0.5 half, 2 double)\n" \
    "  --width W, --height H\n" \
    "                  draw .png and .svg W pixels wide and/or H high (both: the largest\n" \
    "                  drawing that fits, proportions kept)\n" \
    "  --dpi D         draw .png and .svg at D dots per inch, a drawing pixel being\n" \
    "                  1/96 inch\n" \
    "  --page SIZE     print .pdf on A3, A4, A5, Letter or Legal pages at the printing\n" \
    "                  scale, cut at the page's edge; --landscape turns the page\n" \
    "  --fit           print .pdf shrunk to fit one page (A4 unless --page)\n" \
    "  --tiles         print .pdf over as many pages as it needs (A4 unless --page),\n" \
    "                  neighbours overlapping by 10 mm\n" \
    "  --max-pixels N  largest .png image to draw, in pixels (default 268435456,\n" \
    "                  16384 x 16384); a larger drawing fails without writing OUT. Over\n" \
    "                  67108864 pixels the image is drawn and written in bands of rows,\n" \
    "                  so it is never held whole in memory\n"

// The kind follows the extension: .png, .svg or .pdf. Fails with a runtime error for any
// other extension, without a document, when the file cannot be written, and for an image
// over the --max-pixels limit (naming the options that make it smaller).
void renderDocument(Document& doc, const std::string& path, const RenderChoice& choice = {});

// Whether renderDocument can write a file with this path's extension.
bool isRenderTarget(const std::string& path);
