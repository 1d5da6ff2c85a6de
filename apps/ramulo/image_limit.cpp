// Refusing images over the pixel limit before they are allocated.
#include "image_limit.h"

#include <charconv>
#include <stdexcept>

#include "engine/control_engine.h"
#include "engine/window_graph_view.h"
#include "verbs.h"
#include "views/drawing_tools.h"

namespace {

std::uint64_t limit = kDefaultMaxImagePixels;

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

void checkImageSize(std::uint64_t w, std::uint64_t h) {
    // Sides are at most 32767, so the product cannot overflow.
    if (w * h <= limit) return;
    throw std::runtime_error(
        "the drawing is " + std::to_string(w) + " x " + std::to_string(h) + " pixels (" +
        std::to_string(w * h) + "), more than the limit of " + std::to_string(limit) +
        " pixels for an image; draw it into a .svg or .pdf file, make the drawing smaller "
        "(a layout, or vertices nearer to each other), or raise the limit with --max-pixels N");
}

RasterGuard::RasterGuard(ControlEngine& engine, const std::string& extension, std::uint64_t w,
                         std::uint64_t h)
    : engine_(engine) {
    if (extension == "png") {
        checkImageSize(w, h);
        return;
    }
    nx::DrawingTools* tools = engine.view ? engine.view->drawingTools() : nullptr;
    if (tools && tools->memoryBufferEnabled) {
        // A buffer allocated by an earlier paint is dropped as well.
        if (tools->initialized) tools->deinit();
        tools->memoryBufferEnabled = false;
        restoreBuffer_ = true;
    }
}

RasterGuard::~RasterGuard() {
    if (!restoreBuffer_) return;
    nx::DrawingTools* tools = engine_.view ? engine_.view->drawingTools() : nullptr;
    if (!tools) return;
    // The next paint allocates the buffer again.
    if (tools->initialized) tools->deinit();
    tools->memoryBufferEnabled = true;
}
