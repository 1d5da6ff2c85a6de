// The scale a drawing is rendered at, shared by the image and SVG outputs.
#pragma once

#include <QSize>

namespace ramulo {

struct ImageOptions;

// Image units per drawing unit for a drawing of `drawing` units: the options' scale, or
// the one that gives the size asked for. Fails with std::invalid_argument for a scale that
// is not a number above 0.
double effectiveScale(QSize drawing, const ImageOptions& options);

}  // namespace ramulo
