// One-pixel lines and plain rectangles written straight into 32-bit images.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRgb>

namespace nx {

// Images whose pixels are 32-bit 0xAARRGGBB words.
bool canStepLinesInto(const QImage& image);

// Draws from `from` to `to` in device pixels, leaving out the pixel at `to`: each step i
// in [0, n) of the longer axis puts the other coordinate at round(i x delta / n), halves
// rounded away from the start. Only the steps that land on the image are walked. The
// colour is written opaque, or its red, green and blue are XOR-ed into the pixel.
void stepLineIntoImage(QImage& image, QPoint from, QPoint to, QRgb rgb, bool xorMode);

// Sets the pixels of the device rectangle [left, right) x [top, bottom) that lie on the
// image to the colour, opaque.
void fillRectIntoImage(QImage& image, long long left, long long top, long long right,
                       long long bottom, QRgb rgb);

}  // namespace nx
