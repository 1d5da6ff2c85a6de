// The command line's drawing options and its calls into the library's rendering.
#include "render.h"

#include <QPageSize>
#include <QString>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "document.h"
#include "image_limit.h"
#include "verbs.h"

namespace {

double positiveNumber(const std::string& option, const std::string& text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !(value > 0) ||
        !std::isfinite(value))
        throw UsageError(option + " needs a number above 0, not '" + text + "'");
    return value;
}

int pixelCount(const std::string& option, const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value <= 0 ||
        value > ramulo::kMaxDrawingSide)
        throw UsageError(option + " needs a whole number of pixels from 1 to 32767, not '" +
                         text + "'");
    return value;
}

QPageSize pageNamed(const std::string& name) {
    struct Page {
        const char* name;
        QPageSize::PageSizeId id;
    };
    static const Page pages[] = {{"a3", QPageSize::A3},     {"a4", QPageSize::A4},
                                 {"a5", QPageSize::A5},     {"letter", QPageSize::Letter},
                                 {"legal", QPageSize::Legal}};
    const std::string lower = QString::fromStdString(name).toLower().toStdString();
    for (const Page& p : pages)
        if (lower == p.name) return QPageSize(p.id);
    throw UsageError("unknown page size '" + name + "' (A3, A4, A5, Letter or Legal)");
}

}  // namespace

bool parseRenderOption(const std::vector<std::string>& args, std::size_t& i,
                       RenderChoice& choice) {
    const std::string& a = args[i];
    const auto value = [&]() -> const std::string& {
        if (i + 1 >= args.size()) throw UsageError(a + " needs a value");
        return args[++i];
    };
    const auto layout = [&](ramulo::PageLayout l) {
        if (choice.pdf.layout != ramulo::PageLayout::DrawingSize &&
            choice.pdf.layout != ramulo::PageLayout::OnePage && choice.pdf.layout != l)
            throw UsageError("--fit and --tiles cannot be combined");
        choice.pdf.layout = l;
    };
    if (a == "--scale" || a == "--dpi") {
        if (choice.scaleGiven || choice.sizeGiven)
            throw UsageError("give one of --scale, --dpi or --width/--height");
        const double n = positiveNumber(a, value());
        choice.image.scale = a == "--scale" ? n : n / 96.0;
        choice.scaleGiven = true;
    } else if (a == "--width" || a == "--height") {
        if (choice.scaleGiven) throw UsageError("give one of --scale, --dpi or --width/--height");
        const int n = pixelCount(a, value());
        if (a == "--width")
            choice.image.size.setWidth(n);
        else
            choice.image.size.setHeight(n);
        choice.sizeGiven = true;
    } else if (a == "--page") {
        choice.pdf.pageSize = pageNamed(value());
        choice.pageGiven = true;
        if (choice.pdf.layout == ramulo::PageLayout::DrawingSize) choice.pdf.layout = ramulo::PageLayout::OnePage;
    } else if (a == "--landscape") {
        choice.pdf.orientation = QPageLayout::Landscape;
        if (choice.pdf.layout == ramulo::PageLayout::DrawingSize) choice.pdf.layout = ramulo::PageLayout::OnePage;
    } else if (a == "--fit") {
        layout(ramulo::PageLayout::FitToPage);
    } else if (a == "--tiles") {
        layout(ramulo::PageLayout::Tiled);
    } else if (a == "--max-pixels") {
        setMaxImagePixels(parsePixelCount(value()));
    } else {
        return false;
    }
    return true;
}

bool isRenderTarget(const std::string& path) {
    return ramulo::isRenderTarget(QString::fromLocal8Bit(path.c_str()));
}

void renderDocument(Document& doc, const std::string& path, const RenderChoice& choice) {
    const QSize drawing = ramulo::drawingSize(doc.control());
    if (drawing.width() == ramulo::kMaxDrawingSide || drawing.height() == ramulo::kMaxDrawingSide)
        std::fprintf(stderr, "ramulo: warning: the drawing is cut at %d pixels\n",
                     ramulo::kMaxDrawingSide);
    ramulo::ImageOptions image = choice.image;
    image.maxPixels = maxImagePixels();
    try {
        ramulo::renderFile(doc.control(), QString::fromLocal8Bit(path.c_str()), image, choice.pdf);
    } catch (const ramulo::ImageTooLarge& e) {
        throw std::runtime_error(
            std::string(e.what()) +
            "; draw it into a .svg or .pdf file, draw it smaller with --scale, --width or "
            "--height, make the drawing smaller (a layout, or vertices nearer to each other), "
            "or raise the limit with --max-pixels N");
    }
}
