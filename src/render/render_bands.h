// Large PNG files drawn a band of rows at a time instead of into one image.
#pragma once

#include <QString>
#include <cstdint>

namespace ramulo {

class RamuloControl;

struct ImageOptions;

// Above this many pixels renderPng draws in bands; below it, into one image as before.
inline constexpr std::uint64_t kBandThresholdPixels = std::uint64_t{64} << 20;
// The most pixels of one band.
inline constexpr std::uint64_t kBandPixels = std::uint64_t{16} << 20;

// renderPng's result, drawn in bands of at most bandPixels pixels (at least one row) and
// compressed as they come, with memory for one band only. At scale 1 the pixels are
// renderImage's; scaled, Qt may round a few pixels of shapes cut at a band's edge
// differently. Fails as renderPng does.
void renderPngInBands(RamuloControl& control, const QString& path, const ImageOptions& options,
                      std::uint64_t bandPixels);

}  // namespace ramulo
