// The largest raster image the tool allocates for a drawing (--max-pixels).
#pragma once

#include <cstdint>
#include <string>

// The limit for this run (the library's default unless --max-pixels sets it).
std::uint64_t maxImagePixels();
void setMaxImagePixels(std::uint64_t pixels);

// The --max-pixels value: a whole number of pixels above 0; fails with a UsageError.
std::uint64_t parsePixelCount(const std::string& text);
