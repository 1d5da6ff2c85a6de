// The --max-pixels limit of this run.
#include "image_limit.h"

#include <charconv>

#include "ramulo/render.h"
#include "verbs.h"

namespace {

std::uint64_t limit = ramulo::kDefaultMaxImagePixels;

}  // namespace

std::uint64_t maxImagePixels() {
    return limit;
}

void setMaxImagePixels(std::uint64_t pixels) {
    limit = pixels;
}

std::uint64_t parsePixelCount(const std::string& text) {
    std::uint64_t pixels = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), pixels);
    if (ec != std::errc() || end != text.data() + text.size() || pixels == 0)
        throw UsageError("--max-pixels needs a whole number of pixels above 0, not '" + text + "'");
    return pixels;
}
