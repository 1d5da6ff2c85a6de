// nx::QtDrawingTools: painters, buffer rules, pens, brushes and fonts of the Qt back end.
#include "platform/qt/qt_drawing_tools.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPixmap>
#include <QPolygon>
#include <QString>
#include <QTransform>
#include <QWidget>

#include "graph/mutex.h"
#include "platform/qt/qt_bitmap.h"
#include "platform/qt/qt_device_context.h"
#include "platform/qt/qt_icon_impl.h"
#include "platform/qt/qt_label_font.h"
#include "platform/qt/qt_line_stepper.h"
#include "platform/qt/qt_screen_metrics.h"
#include "views/icon.h"
#include "views/label_contrast.h"

namespace nx {

namespace {

constexpr std::size_t kPenSlots = 32;
constexpr std::size_t kBrushSlots = 32;
constexpr std::size_t kFontSlots = 64;
constexpr int kDefaultPointSize = 75;  // tenths of a point, the label size at scale 1

QColor toQColor(const RgbColor& c) {
    return QColor(c.red, c.green, c.blue);
}

std::uint32_t packed(const RgbColor& c) {
    return (std::uint32_t(c.red) << 16) | (std::uint32_t(c.green) << 8) | c.blue;
}

// Coordinates far beyond any surface are clamped here, so that Qt's int arithmetic on
// them cannot overflow whatever a document holds.
constexpr long long kCoordinateLimit = 1 << 24;

int clampCoordinate(long long v) {
    return static_cast<int>(std::clamp(v, -kCoordinateLimit, kCoordinateLimit));
}

int clampExtent(std::uint64_t v) {
    return static_cast<int>(std::min<std::uint64_t>(v, std::uint64_t(kCoordinateLimit)));
}

QPoint safePoint(long long x, long long y) {
    return {clampCoordinate(x), clampCoordinate(y)};
}

// Normalised and clamped; right and bottom stay exclusive.
Rect safeRect(long long left, long long top, long long right, long long bottom) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    return {clampCoordinate(left), clampCoordinate(top), clampCoordinate(right),
            clampCoordinate(bottom)};
}

Rect safeRect(const Rect& r) {
    return safeRect(r.left, r.top, r.right, r.bottom);
}

Rect circleBox(const Point& c, int radius) {
    return safeRect(c.x - 1LL * radius, c.y - 1LL * radius, c.x + 1LL * radius, c.y + 1LL * radius);
}

// A safe rectangle as Qt's outline rectangle, whose right and bottom edges are inclusive.
QRect outlineRect(const Rect& n) {
    return QRect(n.left, n.top, std::max(n.width() - 1, 0), std::max(n.height() - 1, 0));
}

// Fonts need a running QGuiApplication; without one, text is neither drawn nor measured.
bool fontsAvailable() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance());
}

bool supportsRasterOps(QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->hasFeature(QPaintEngine::RasterOpModes);
}

// Fills, text and copies ignore the raster mode, which applies to pen pixels only.
class PlainComposition {
public:
    explicit PlainComposition(QPainter& painter)
        : painter_(painter), saved_(painter.compositionMode()) {
        if (saved_ != QPainter::CompositionMode_SourceOver)
            painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    ~PlainComposition() {
        if (saved_ != QPainter::CompositionMode_SourceOver) painter_.setCompositionMode(saved_);
    }
    PlainComposition(const PlainComposition&) = delete;
    PlainComposition& operator=(const PlainComposition&) = delete;

private:
    QPainter& painter_;
    QPainter::CompositionMode saved_;
};

// A hairline covers a unit on a high-density surface as it covers a pixel on a plain one.
QPen unitPen(const QPainter& painter, const QPen& pen) {
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (pen.width() != 0 || ratio == 1.0) return pen;
    QPen wider(pen);
    wider.setWidthF(ratio);
    wider.setCosmetic(true);
    return wider;
}

QImage readableImage(QPaintDevice* device) {
    if (!device) return {};
    switch (device->devType()) {
        case QInternal::Image:
            return *static_cast<QImage*>(device);
        case QInternal::Pixmap:
            return static_cast<QPixmap*>(device)->toImage();
        case QInternal::Widget:
            return static_cast<QWidget*>(device)->grab().toImage();
        default:
            return {};
    }
}

}  // namespace

QtDrawingTools::QtDrawingTools() {
    pens_.reserve(kPenSlots);
    brushes_.reserve(kBrushSlots);
    fonts_.reserve(kFontSlots);
}

QtDrawingTools::~QtDrawingTools() {
    QtDrawingTools::deinit();
}

// ---- surfaces and painters ------------------------------------------------------------

void QtDrawingTools::init(DeviceContext* dc, const Size& size) {
    auto* context = dynamic_cast<QtDeviceContext*>(dc);
    if (!context || !context->isValid())
        throw std::runtime_error("GdiDrawingTools::init error: incorrect device context");
    // A new paint may bring a new surface behind the same context.
    endPainting();
    // A buffer drawn for another pixel density starts afresh.
    if (initialized && !memory_.isNull() &&
        memory_.devicePixelRatio() != context->devicePixelRatio())
        deinit();

    std::uint64_t w = size.cx;
    std::uint64_t h = size.cy;
    if (isDrawingToMemory() && (size.cx > bufferWidth || size.cy > bufferHeight)) {
        deinit();
        w = std::max<std::uint64_t>(size.cx, bufferWidth);
        h = std::max<std::uint64_t>(size.cy, bufferHeight);
    } else if (size.cx == 0 && size.cy == 0) {
        const Size largest = maximumTrackingSize();
        if (largest.cx > bufferWidth || largest.cy > bufferHeight) {
            deinit();
            w = largest.cx;
            h = largest.cy;
        }
    }

    if (!initialized) {
        if (w != 0 && h != 0) {
            bufferWidth = w;
            bufferHeight = h;
        } else {
            const Size largest = maximumTrackingSize();
            bufferWidth = largest.cx;
            bufferHeight = largest.cy;
        }
        target_ = context;
        current_ = Surface::Target;
        if (memoryBufferEnabled) {
            // A size Qt cannot hold leaves no buffer; drawing then goes to the target.
            constexpr std::size_t kMaxSide = std::numeric_limits<int>::max();
            // On a high-density surface the buffer has as many pixels per unit.
            const qreal ratio = context->devicePixelRatio();
            const double side = std::max(double(bufferWidth), double(bufferHeight)) * ratio;
            if (ratio == 1.0 && bufferWidth <= kMaxSide && bufferHeight <= kMaxSide) {
                memory_ = QImage(int(bufferWidth), int(bufferHeight), QImage::Format_RGB32);
            } else if (ratio != 1.0 && side <= double(kMaxSide)) {
                memory_ = QImage(int(std::ceil(bufferWidth * ratio)),
                                 int(std::ceil(bufferHeight * ratio)), QImage::Format_RGB32);
                memory_.setDevicePixelRatio(ratio);
            }
            if (!memory_.isNull()) memory_.fill(Qt::black);
            memoryOrigin_ = {};
        }
        initialized = true;
    } else if (context != target_) {
        target_ = context;
    }
    drawToMemory();
}

void QtDrawingTools::deinit() {
    releasePen();
    releaseFont();
    endPainting();
    memory_ = QImage();
    memoryOrigin_ = {};
    target_ = nullptr;
    current_ = Surface::None;
    initialized = false;
}

void QtDrawingTools::drawToMemory() {
    if (memoryBufferEnabled && !memory_.isNull()) current_ = Surface::Memory;
}

void QtDrawingTools::drawToScreen() {
    current_ = target_ ? Surface::Target : Surface::None;
}

bool QtDrawingTools::isDrawingToMemory() const {
    return current_ == Surface::Memory && !memory_.isNull();
}

void QtDrawingTools::endPainting() {
    closeTargetPainter();
    if (memoryPainter_.isActive()) memoryPainter_.end();
    directMemoryKnown_ = false;
}

void QtDrawingTools::closeTargetPainter() {
    // Another surface may take the device's address before the next painter opens.
    directTargetDevice_ = nullptr;
    directTarget_ = nullptr;
    if (!targetPainter_) return;
    if (targetPainter_ == &ownTargetPainter_)
        ownTargetPainter_.end();
    else
        targetPainter_->restore();
    targetPainter_ = nullptr;
}

void QtDrawingTools::beginOn(QPainter& painter, QPaintDevice* device, QPoint origin) {
    if (!device || !painter.begin(device)) return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setTransform(QTransform::fromTranslate(origin.x(), origin.y()));
    applyMode(painter);
}

void QtDrawingTools::applyMode(QPainter& painter) const {
    if (!supportsRasterOps(painter)) return;
    painter.setCompositionMode(mode_ == RasterMode::Xor ? QPainter::RasterOp_SourceXorDestination
                                                        : QPainter::CompositionMode_SourceOver);
}

QPainter* QtDrawingTools::targetPainter() {
    if (!target_) return nullptr;
    if (targetPainter_) return targetPainter_;
    if (QPainter* external = target_->activePainter()) {
        external->save();
        targetBase_ = external->transform();
        external->setRenderHint(QPainter::Antialiasing, false);
        external->setBackgroundMode(Qt::TransparentMode);
        const QPoint o = target_->viewportOrigin();
        external->setTransform(QTransform::fromTranslate(o.x(), o.y()) * targetBase_);
        applyMode(*external);
        targetPainter_ = external;
        return targetPainter_;
    }
    targetBase_ = QTransform();
    beginOn(ownTargetPainter_, target_->device(), target_->viewportOrigin());
    if (ownTargetPainter_.isActive()) targetPainter_ = &ownTargetPainter_;
    return targetPainter_;
}

QPainter* QtDrawingTools::painter() {
    switch (current_) {
        case Surface::Memory:
            if (!memoryPainter_.isActive()) beginOn(memoryPainter_, &memory_, memoryOrigin_);
            return memoryPainter_.isActive() ? &memoryPainter_ : nullptr;
        case Surface::Target:
            return targetPainter();
        case Surface::None:
            break;
    }
    return nullptr;
}

void QtDrawingTools::setViewportOrigin(int x, int y) {
    const QPoint origin(-x, -y);
    if (target_) {
        target_->setViewportOrigin(origin);
        if (targetPainter_)
            targetPainter_->setTransform(QTransform::fromTranslate(origin.x(), origin.y()) *
                                         targetBase_);
    }
    if (memoryBufferEnabled) {
        memoryOrigin_ = origin;
        if (memoryPainter_.isActive())
            memoryPainter_.setTransform(QTransform::fromTranslate(origin.x(), origin.y()));
    }
}

void QtDrawingTools::syncMemoryViewportOrigin() {
    if (!memoryBufferEnabled || !target_) return;
    memoryOrigin_ = target_->viewportOrigin();
    if (memoryPainter_.isActive())
        memoryPainter_.setTransform(
            QTransform::fromTranslate(memoryOrigin_.x(), memoryOrigin_.y()));
}

void QtDrawingTools::copyFromMemoryToScreen(const Point& source, const Point& destination,
                                            const Size& size) {
    if (!target_ || target_->device() == &memory_)
        throw std::runtime_error("Programming error in copyFromMemoryToScreen(): context not set");
    if (memory_.isNull()) return;
    QPainter* p = targetPainter();
    if (!p) return;
    const QTransform saved = p->transform();
    const QPainter::CompositionMode mode = p->compositionMode();
    p->setTransform(targetBase_);
    if (supportsRasterOps(*p)) p->setCompositionMode(QPainter::CompositionMode_Source);
    const QPoint to = safePoint(1LL * destination.x + target_->viewportOrigin().x(),
                                1LL * destination.y + target_->viewportOrigin().y());
    const QPoint from =
        safePoint(1LL * source.x + memoryOrigin_.x(), 1LL * source.y + memoryOrigin_.y());
    const QRect area(from, QSize(clampExtent(size.cx), clampExtent(size.cy)));
    if (const qreal ratio = memory_.devicePixelRatio(); ratio != 1.0)
        // Units on the target, the buffer's own pixels at the source.
        p->drawImage(QRectF(to, area.size()), memory_,
                     QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
    else
        p->drawImage(to, memory_, area);
    p->setCompositionMode(mode);
    p->setTransform(saved);
}

void QtDrawingTools::copyFromScreenToMemory(const Point& source, const Point& destination,
                                            const Size& size) {
    if (!target_ || target_->device() == &memory_)
        throw std::runtime_error("Programming error in copyFromScreenToMemory(): context not set");
    if (memory_.isNull()) return;
    const QImage screen = readableImage(target_->device());
    if (screen.isNull()) return;
    if (!memoryPainter_.isActive()) beginOn(memoryPainter_, &memory_, memoryOrigin_);
    if (!memoryPainter_.isActive()) return;
    const QTransform saved = memoryPainter_.transform();
    const QPainter::CompositionMode mode = memoryPainter_.compositionMode();
    memoryPainter_.resetTransform();
    memoryPainter_.setCompositionMode(QPainter::CompositionMode_Source);
    const QPoint to =
        safePoint(1LL * destination.x + memoryOrigin_.x(), 1LL * destination.y + memoryOrigin_.y());
    const QPoint from = safePoint(1LL * source.x + target_->viewportOrigin().x(),
                                  1LL * source.y + target_->viewportOrigin().y());
    const QRect area(from, QSize(clampExtent(size.cx), clampExtent(size.cy)));
    if (const qreal ratio = screen.devicePixelRatio(); ratio != 1.0)
        memoryPainter_.drawImage(
            QRectF(to, area.size()), screen,
            QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
    else
        memoryPainter_.drawImage(to, screen, area);
    memoryPainter_.setCompositionMode(mode);
    memoryPainter_.setTransform(saved);
}

void QtDrawingTools::setCopyMode() {
    mode_ = RasterMode::Copy;
    if (memoryPainter_.isActive()) applyMode(memoryPainter_);
    if (targetPainter_) applyMode(*targetPainter_);
}

void QtDrawingTools::setXorMode() {
    mode_ = RasterMode::Xor;
    if (memoryPainter_.isActive()) applyMode(memoryPainter_);
    if (targetPainter_) applyMode(*targetPainter_);
}

void QtDrawingTools::setBlackMode() {
    mode_ = RasterMode::Black;
    if (memoryPainter_.isActive()) applyMode(memoryPainter_);
    if (targetPainter_) applyMode(*targetPainter_);
}

// ---- pens, brushes, fonts ---------------------------------------------------------------

const QtDrawingTools::PenEntry& QtDrawingTools::penFor(const RgbColor& color, int width) {
    const RgbColor c = color;
    const std::uint32_t rgb = packed(c);
    const int w = width <= 1 ? 0 : width;  // 0 and 1 are both one pixel wide
    for (const PenEntry& e : pens_)
        if (e.rgb == rgb && e.width == w) return e;
    QPen pen(toQColor(c));
    pen.setWidth(w);
    if (w == 0) {
        // One-pixel lines leave out their last pixel, so closed outlines XOR cleanly.
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
    } else {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    if (pens_.size() < kPenSlots) {
        pens_.push_back({rgb, w, std::move(pen)});
        return pens_.back();
    }
    PenEntry& slot = pens_[nextPen_];
    nextPen_ = (nextPen_ + 1) % kPenSlots;
    slot = {rgb, w, std::move(pen)};
    return slot;
}

const QtDrawingTools::BrushEntry& QtDrawingTools::brushFor(const RgbColor& color) {
    const std::uint32_t rgb = packed(color);
    for (const BrushEntry& e : brushes_)
        if (e.rgb == rgb) return e;
    QBrush brush(toQColor(color));
    if (brushes_.size() < kBrushSlots) {
        brushes_.push_back({rgb, std::move(brush)});
        return brushes_.back();
    }
    BrushEntry& slot = brushes_[nextBrush_];
    nextBrush_ = (nextBrush_ + 1) % kBrushSlots;
    slot = {rgb, std::move(brush)};
    return slot;
}

const std::shared_ptr<QtFontFace>& QtDrawingTools::pointFont(const std::u16string& faceName,
                                                             int pointSize) {
    const int pixels = pixelSizeForPointSize(pointSize);
    for (const FontEntry& e : fonts_)
        if (e.pixelSize == pixels && e.face == faceName) return e.font;
    if (fonts_.size() == kFontSlots) fonts_.erase(fonts_.begin());
    fonts_.push_back({faceName, pixels, std::make_shared<QtFontFace>(labelFont(faceName, pixels))});
    return fonts_.back().font;
}

std::shared_ptr<QtFontFace> QtDrawingTools::explicitFont(const std::u16string& faceName, int height,
                                                         int width, int weight, bool italic,
                                                         bool underline, bool strikeOut) const {
    return std::make_shared<QtFontFace>(explicitLabelFont(faceName, height, width, weight, italic,
                                                          underline, strikeOut, fontQuality_));
}

const QtDrawingTools::PenEntry& QtDrawingTools::temporaryPen() {
    return penFor(mode_ == RasterMode::Black ? RgbColor{0, 0, 0} : effectivePenColor(), penWidth);
}

const QtDrawingTools::PenEntry& QtDrawingTools::currentSelectedPen() {
    // Without a selected pen the surface's default pen is used: black, one pixel.
    const PenDescription* selected = selectedPen();
    if (!selected) return penFor({0, 0, 0}, 1);
    if (mode_ == RasterMode::Black) return penFor({0, 0, 0}, selected->width);
    // The slot selectPen found, unless a later pen has taken it since.
    if (activePen_ < pens_.size()) {
        const PenEntry& e = pens_[activePen_];
        if (e.rgb == packed(selected->color) &&
            e.width == (selected->width <= 1 ? 0 : selected->width))
            return e;
    }
    const PenEntry& e = penFor(selected->color, selected->width);
    activePen_ = static_cast<std::size_t>(&e - pens_.data());
    return e;
}

void QtDrawingTools::selectPen() {
    DrawingTools::selectPen();
    const PenEntry& e = penFor(selectedPen()->color, selectedPen()->width);
    activePen_ = static_cast<std::size_t>(&e - pens_.data());
}

void QtDrawingTools::releasePen() {
    DrawingTools::releasePen();
    activePen_ = kNoPen;
}

void QtDrawingTools::selectFont(const std::u16string& faceName, int pointSize) {
    DrawingTools::selectFont(faceName, pointSize);
    if (!fontsAvailable()) return;
    activeFont_ = pointFont(faceName, pointSize);
}

void QtDrawingTools::releaseFont() {
    DrawingTools::releaseFont();
    activeFont_.reset();
}

void QtDrawingTools::selectCachedFont(const std::u16string& faceName, int pointSize) {
    DrawingTools::selectCachedFont(faceName, pointSize);
    if (!fontsAvailable()) return;
    const std::string key =
        QString::fromStdU16String(faceName).toStdString() + std::to_string(pointSize);
    auto it = fontCache_.find(key);
    if (it == fontCache_.end())
        it = fontCache_
                 .emplace(key, std::make_shared<QtFontFace>(
                                   labelFont(faceName, pixelSizeForPointSize(pointSize))))
                 .first;
    activeFont_ = it->second;
}

void QtDrawingTools::removeCachedFont(const std::u16string& faceName, int pointSize) {
    DrawingTools::removeCachedFont(faceName, pointSize);
    fontCache_.erase(QString::fromStdU16String(faceName).toStdString() + std::to_string(pointSize));
}

void QtDrawingTools::releaseCachedFont() {
    DrawingTools::releaseCachedFont();
    activeFont_.reset();
}

// ---- primitives ---------------------------------------------------------------------------

void QtDrawingTools::lineWith(const PenEntry& pen, const Point& to) {
    const QPoint end = safePoint(to.x, to.y);
    if (!stepLine(pen, position_, end)) {
        if (QPainter* p = painter()) {
            p->setPen(unitPen(*p, pen.pen));
            p->drawLine(position_, end);
        }
    }
    position_ = end;
}

// Qt's cosmetic stroker leaves out the pixel at the larger coordinate rather than the
// end point, so a closed path drawn line by line in XOR mode would lose the corners
// where a line runs backwards; it also spends a blend call per pixel, and edges are
// most of what a large drawing puts on its buffer. So image surfaces get stepped lines.
QImage* QtDrawingTools::directImage(QPoint& origin) {
    if (current_ == Surface::Memory) {
        origin = memoryOrigin_;
        if (!directMemoryKnown_) {
            // Direct writes work in pixels; a high-density image leaves them to the
            // painter's scale. The painter owns the pixels: beginning it detaches a shared
            // image.
            directMemory_ =
                canStepLinesInto(memory_) && memory_.devicePixelRatio() == 1.0 && painter()
                    ? &memory_
                    : nullptr;
            directMemoryKnown_ = true;
        }
        return directMemory_;
    }
    if (current_ != Surface::Target || !target_ || target_->activePainter()) return nullptr;
    QPaintDevice* device = target_->device();
    if (!device) return nullptr;
    origin = target_->viewportOrigin();
    // The answer holds while the painter it was found with stays open.
    if (targetPainter_ && device == directTargetDevice_) return directTarget_;
    QImage* image = device->devType() == QInternal::Image ? static_cast<QImage*>(device) : nullptr;
    if (!image || !canStepLinesInto(*image) || image->devicePixelRatio() != 1.0) image = nullptr;
    if (!painter()) return nullptr;
    directTargetDevice_ = device;
    directTarget_ = image;
    return image;
}

bool QtDrawingTools::fillDirect(const QRect& r, std::uint32_t rgb) {
    if (r.width() <= 0 || r.height() <= 0) return false;
    QPoint origin;
    QImage* image = directImage(origin);
    if (!image) return false;
    const long long left = 1LL * r.left() + origin.x();
    const long long top = 1LL * r.top() + origin.y();
    fillRectIntoImage(*image, left, top, left + r.width(), top + r.height(), rgb);
    return true;
}

bool QtDrawingTools::stepLine(const PenEntry& pen, QPoint from, QPoint to) {
    if (pen.width != 0) return false;
    QPoint origin;
    QImage* image = directImage(origin);
    if (!image) return false;
    stepLineIntoImage(*image, safePoint(1LL * from.x() + origin.x(), 1LL * from.y() + origin.y()),
                      safePoint(1LL * to.x() + origin.x(), 1LL * to.y() + origin.y()), pen.rgb,
                      mode_ == RasterMode::Xor);
    return true;
}

void QtDrawingTools::outlineRectangle(const PenEntry& pen, const Rect& r) {
    QPainter* p = painter();
    if (!p) return;
    const Rect n = safeRect(r);
    const int width = std::max(pen.width, 1);
    if (width <= 2 && n.width() > 0 && n.height() > 0) {
        // Thin outlines as four edge strips that do not overlap, the quickest path of the
        // raster engine, covering the pixels the stroker would; every pixel is touched
        // once, as XOR needs. Wider pens keep the stroker for their round corners.
        const QRect outer(n.left - width / 2, n.top - width / 2, n.width() + width - 1,
                          n.height() + width - 1);
        // XOR outlines keep the painter's raster operation.
        const bool direct = mode_ != RasterMode::Xor;
        QPoint origin;
        if (const QImage* image = direct ? directImage(origin) : nullptr) {
            // Every strip lies in the outer box: off the image, none sets a pixel.
            const long long left = 1LL * outer.left() + origin.x();
            const long long top = 1LL * outer.top() + origin.y();
            if (left + outer.width() <= 0 || left >= image->width() || top + outer.height() <= 0 ||
                top >= image->height())
                return;
        }
        const auto fill = [&](const QRect& strip) {
            if (!direct || !fillDirect(strip, pen.rgb)) p->fillRect(strip, pen.pen.color());
        };
        if (outer.height() <= 2 * width || outer.width() <= 2 * width) {
            fill(outer);
            return;
        }
        const int side = outer.height() - 2 * width;
        fill(QRect(outer.left(), outer.top(), outer.width(), width));
        fill(QRect(outer.left(), outer.bottom() - width + 1, outer.width(), width));
        fill(QRect(outer.left(), outer.top() + width, width, side));
        fill(QRect(outer.right() - width + 1, outer.top() + width, width, side));
        return;
    }
    p->setPen(pen.pen);
    p->setBrush(noBrush_);
    p->drawRect(outlineRect(n));
}

void QtDrawingTools::outlineEllipse(const PenEntry& pen, const Rect& r) {
    QPainter* p = painter();
    if (!p) return;
    p->setPen(unitPen(*p, pen.pen));
    p->setBrush(noBrush_);
    p->drawEllipse(outlineRect(safeRect(r)));
}

void QtDrawingTools::outlineDiamond(const PenEntry& pen, const Point& centre, const Size& half) {
    const long long cx = clampExtent(half.cx);
    const long long cy = clampExtent(half.cy);
    const QPoint points[5] = {
        safePoint(centre.x - cx, centre.y), safePoint(centre.x, centre.y - cy),
        safePoint(centre.x + cx, centre.y), safePoint(centre.x, centre.y + cy),
        safePoint(centre.x - cx, centre.y)};
    if (QPainter* p = painter()) {
        p->setPen(unitPen(*p, pen.pen));
        p->setBrush(noBrush_);
        p->drawPolyline(points, 5);
    }
    position_ = points[4];
}

void QtDrawingTools::moveTo(const Point& p) {
    position_ = QPoint(p.x, p.y);
}

void QtDrawingTools::lineTo(const Point& p) {
    lineWith(temporaryPen(), p);
}

void QtDrawingTools::drawLine(const Point& from, const Point& to) {
    moveTo(from);
    lineWith(temporaryPen(), to);
}

void QtDrawingTools::drawCircle(const Point& centre, int radius) {
    outlineEllipse(temporaryPen(), circleBox(centre, radius));
}

void QtDrawingTools::drawEllipse(const Rect& r) {
    outlineEllipse(temporaryPen(), r);
}

void QtDrawingTools::drawRectangle(const Rect& r) {
    outlineRectangle(temporaryPen(), r);
}

void QtDrawingTools::drawDiamond(const Point& centre, const Size& half) {
    outlineDiamond(temporaryPen(), centre, half);
}

void QtDrawingTools::fillRectangle(const Rect& r) {
    QPainter* p = painter();
    if (!p) return;
    const Rect n = safeRect(r);
    const QRect area(n.left, n.top, n.width(), n.height());
    const BrushEntry& brush = brushFor(effectiveBrushColor());
    // Fills ignore the raster mode: an opaque one sets the pixels whatever the mode.
    if (fillDirect(area, brush.rgb)) return;
    PlainComposition plain(*p);
    p->fillRect(area, brush.brush);
}

void QtDrawingTools::fillDiamond(const Point& centre, const Size& half) {
    QPainter* p = painter();
    if (!p) return;
    const long long cx = clampExtent(half.cx);
    const long long cy = clampExtent(half.cy);
    const QPoint points[4] = {
        safePoint(centre.x - cx, centre.y), safePoint(centre.x, centre.y - cy),
        safePoint(centre.x + cx, centre.y), safePoint(centre.x, centre.y + cy)};
    PlainComposition plain(*p);
    p->setPen(noPen_);
    p->setBrush(brushFor(effectiveBrushColor()).brush);
    p->drawPolygon(points, 4, Qt::WindingFill);
}

void QtDrawingTools::fillCircle(const Point& centre, int radius) {
    fillEllipse(circleBox(centre, radius));
}

void QtDrawingTools::fillEllipse(const Rect& r) {
    QPainter* p = painter();
    if (!p) return;
    PlainComposition plain(*p);
    p->setPen(noPen_);
    p->setBrush(brushFor(effectiveBrushColor()).brush);
    // Without an outline the filled shape is one pixel smaller, as the outline is not drawn.
    p->drawEllipse(outlineRect(safeRect(r)));
}

void QtDrawingTools::lineToWithSelectedPen(const Point& p) {
    lineWith(currentSelectedPen(), p);
}

void QtDrawingTools::drawLineWithSelectedPen(const Point& from, const Point& to) {
    moveTo(from);
    lineWith(currentSelectedPen(), to);
}

void QtDrawingTools::drawCircleWithSelectedPen(const Point& centre, int radius) {
    outlineEllipse(currentSelectedPen(), circleBox(centre, radius));
}

void QtDrawingTools::drawEllipseWithSelectedPen(const Rect& r) {
    outlineEllipse(currentSelectedPen(), r);
}

void QtDrawingTools::drawRectangleWithSelectedPen(const Rect& r) {
    outlineRectangle(currentSelectedPen(), r);
}

void QtDrawingTools::drawDiamondWithSelectedPen(const Point& centre, const Size& half) {
    outlineDiamond(currentSelectedPen(), centre, half);
}

// ---- text ---------------------------------------------------------------------------------

QtFontFace& QtDrawingTools::selectedFace() {
    // Without a selected font the label font of scale 1 stands in for the surface's default.
    return activeFont_ ? *activeFont_ : *pointFont(u"Tahoma", kDefaultPointSize);
}

void QtDrawingTools::textIn(QtFontFace& face, const std::u16string& text, const Rect& r) {
    QPainter* p = painter();
    if (!p || text.empty()) return;
    // Most labels of a large drawing lie off the surface: those that cannot set a pixel
    // of an image surface skip Qt's glyph work.
    QPoint origin;
    if (const QImage* image = directImage(origin);
        image && !face.mayReach(r, text, QRect(-origin, image->size())))
        return;
    PlainComposition plain(*p);
    const RgbColor colour = effectivePenColor();
    p->setPen(penFor(labelContrast ? readableTextColor(colour, backgroundColor_) : colour, 1).pen);
    face.draw(*p, r, text);
}

void QtDrawingTools::drawText(const std::u16string& text, const std::u16string& faceName,
                              int height, int width, int /*orientation*/, int weight, bool italic,
                              bool underline, bool strikeOut, const Rect& r) {
    if (!fontsAvailable()) return;
    textIn(*explicitFont(faceName, height, width, weight, italic, underline, strikeOut), text, r);
}

void QtDrawingTools::drawText(const std::u16string& text, const std::u16string& faceName,
                              int pointSize, const Rect& r) {
    if (!fontsAvailable()) return;
    textIn(*pointFont(faceName, pointSize), text, r);
}

Size QtDrawingTools::getTextSize(const std::u16string& text, const std::u16string& faceName,
                                 int height, int width, int /*orientation*/, int weight,
                                 bool italic, bool underline, bool strikeOut) {
    if (!fontsAvailable()) return {};
    return explicitFont(faceName, height, width, weight, italic, underline, strikeOut)
        ->measure(text);
}

Size QtDrawingTools::getTextSize(const std::u16string& text, const std::u16string& faceName,
                                 int pointSize) {
    if (!fontsAvailable()) return {};
    return pointFont(faceName, pointSize)->measure(text);
}

void QtDrawingTools::drawTextWithSelectedFont(const std::u16string& text, const Rect& r) {
    if (!fontsAvailable()) return;
    textIn(selectedFace(), text, r);
}

Size QtDrawingTools::getTextSizeWithSelectedFont(const std::u16string& text) {
    if (!fontsAvailable()) return {};
    return selectedFace().measure(text);
}

// ---- bitmaps and icons --------------------------------------------------------------------

void QtDrawingTools::selectBitmap(Bitmap& bitmap) {
    if (auto* qt = dynamic_cast<QtBitmap*>(&bitmap)) qt->setSelected(true);
}

void QtDrawingTools::deselectBitmap(Bitmap& bitmap) {
    if (auto* qt = dynamic_cast<QtBitmap*>(&bitmap)) qt->setSelected(false);
}

void QtDrawingTools::drawBitmap(Bitmap& bitmap, const Point& p, const Rect& part) {
    auto* qt = dynamic_cast<QtBitmap*>(&bitmap);
    if (!qt || !qt->isSelected() || qt->image().isNull()) return;
    // Only the part inside the bitmap is copied, each pixel where it would have gone.
    const Rect wanted = safeRect(part);
    const QRect inside = QRect(wanted.left, wanted.top, wanted.width(), wanted.height())
                             .intersected(qt->image().rect());
    if (inside.isEmpty()) return;
    QPainter* painter = this->painter();
    if (!painter) return;
    PlainComposition plain(*painter);
    painter->drawImage(safePoint(p.x + 1LL * (inside.left() - wanted.left),
                                 p.y + 1LL * (inside.top() - wanted.top)),
                       qt->image(), inside);
}

void QtDrawingTools::drawBitmap(Bitmap& bitmap, const Point& p) {
    drawBitmap(bitmap, p, {0, 0, bitmap.getWidth(), bitmap.getHeight()});
}

void QtDrawingTools::drawIcon(Icon& icon, const Point& p, const Size& size) {
    // The image is loaded on the icon's first drawing and kept with the icon; the
    // icon's image state is shared by every document that draws it.
    ScopedLock lock(&iconImageMutex());
    if (!icon.impl()) {
        icon.setImpl(std::make_unique<QtIconImpl>(&icon));
        icon.load();
    }
    IconImpl* impl = icon.impl();
    if (impl && impl->isLoaded())
        impl->draw(p, size, *this);
    else
        drawMissingIcon(p, size);
}

void QtDrawingTools::drawImage(const QImage& image, const Point& p, const Size& size) {
    if (image.isNull()) return;
    QPainter* painter = this->painter();
    if (!painter) return;
    PlainComposition plain(*painter);
    if (size.cx == 0 || size.cy == 0)
        painter->drawImage(safePoint(p.x, p.y), image);
    else
        painter->drawImage(
            QRect(safePoint(p.x, p.y), QSize(clampExtent(size.cx), clampExtent(size.cy))), image);
}

}  // namespace nx
