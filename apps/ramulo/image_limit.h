// The largest raster image the tool allocates for a drawing, and the check before it does.
#pragma once

#include <cstdint>
#include <string>

class ControlEngine;

// 256 megapixels (16384 x 16384): an image and the drawing's memory buffer take 1 GiB each.
inline constexpr std::uint64_t kDefaultMaxImagePixels = std::uint64_t{16384} * 16384;

// The limit for this run; --max-pixels sets it.
std::uint64_t maxImagePixels();
void setMaxImagePixels(std::uint64_t pixels);

// The --max-pixels value: a whole number of pixels above 0; fails with a UsageError.
std::uint64_t parsePixelCount(const std::string& text);

// Fails with a runtime error when a w x h image is over the limit; the text names the
// size, the limit and what to do instead.
void checkImageSize(std::uint64_t w, std::uint64_t h);

// For the duration of one drawing into a file of the given kind: a .png image is checked
// against the limit before anything is allocated; vector kinds (.svg, .pdf) are drawn
// without the view's memory buffer, which they never show and which for .pdf would be
// as large as the printer's pixels.
class RasterGuard {
public:
    RasterGuard(ControlEngine& engine, const std::string& extension, std::uint64_t w,
                std::uint64_t h);
    ~RasterGuard();
    RasterGuard(const RasterGuard&) = delete;
    RasterGuard& operator=(const RasterGuard&) = delete;

private:
    ControlEngine& engine_;
    bool restoreBuffer_ = false;
};
