// Loading, caching, fading and drawing of Qt icon images.
#include "platform/qt/qt_icon_impl.h"

#include <cstdlib>
#include <map>

#include <QAbstractFileIconProvider>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

#include "graph/mutex.h"
#include "platform/qt/qt_builtin_icons.h"
#include "platform/qt/qt_drawing_tools.h"
#include "views/drawing_tools.h"
#include "views/icon.h"

namespace nx {

namespace {

QString toQString(const std::u16string& s) {
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

int wantedSize(int size) {
    return size > 0 ? size : QtIconImpl::kDefaultSize;
}

// Images already resolved from files and associated icons: the same path gives the same
// image for the whole run.
class ImageCache {
public:
    template <typename Make>
    QImage get(const QString& key, Make make) {
        ScopedLock lock(&mutex_);
        auto found = images_.find(key);
        if (found != images_.end()) return found->second;
        QImage image = make();
        if (!image.isNull()) images_.emplace(key, image);
        return image;
    }

private:
    Mutex mutex_;
    std::map<QString, QImage> images_;
};

ImageCache& imageCache() {
    static ImageCache cache;
    return cache;
}

QString cacheKey(const char* kind, const QString& path, int size) {
    return QString::fromLatin1(kind) + QString::number(size) + QLatin1Char('|') + path;
}

// Premultiplied alpha is the format QPainter draws fastest.
QImage drawable(const QImage& image) {
    return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage associatedImage(const QString& path, int size) {
    const FileIconKind kind = fileIconKind(path);
    QAbstractFileIconProvider provider;
    const QIcon icon = kind == FileIconKind::Drive ? provider.icon(QAbstractFileIconProvider::Drive)
                                                   : provider.icon(QFileInfo(path));
    if (!icon.isNull()) {
        const QPixmap pixmap = icon.pixmap(size, size);
        if (!pixmap.isNull()) return drawable(pixmap.toImage());
    }
    return builtinFileIcon(kind, size);
}

}  // namespace

QImage QtIconImpl::readNearest(const QString& path, int size, int* imageNumber) {
    const int wanted = wantedSize(size);
    QImageReader reader(path);
    if (!reader.canRead()) return {};
    if (reader.format() == "svg" || reader.format() == "svgz") {
        reader.setScaledSize(QSize(wanted, wanted));
        if (imageNumber) *imageNumber = 0;
        return drawable(reader.read());
    }
    QImage best;
    int bestNumber = -1;
    const int count = std::max(reader.imageCount(), 1);
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i)) break;
        const QImage image = reader.read();
        if (image.isNull()) continue;
        const int distance = std::abs(image.width() - wanted);
        const int bestDistance = best.isNull() ? 0 : std::abs(best.width() - wanted);
        // Of two equally near, the larger scales down with more detail.
        if (best.isNull() || distance < bestDistance ||
            (distance == bestDistance && image.width() > best.width())) {
            best = image;
            bestNumber = i;
        }
    }
    if (imageNumber) *imageNumber = bestNumber;
    return drawable(best);
}

void QtIconImpl::setLoaded(const QImage& image, const QString& source) {
    entries_.assign(1, image);
    source_ = source;
    large_ = QImage();
}

QImage QtIconImpl::entry(int k) const {
    return k >= 0 && static_cast<std::size_t>(k) < entries_.size() ? entries_[k] : QImage();
}

void QtIconImpl::loadResourceKey(const QString& module, const QString& key, int size) {
    const QString base = module.isEmpty()
                             ? QStringLiteral(":/icons/") + key
                             : QStringLiteral(":/") + module + QStringLiteral("/icons/") + key;
    for (const char* extension : {"", ".png", ".ico", ".svg"}) {
        const QString path = base + QLatin1String(extension);
        if (!QFile::exists(path)) continue;
        const QImage image = readNearest(path, size);
        if (!image.isNull()) {
            setLoaded(image, path);
            return;
        }
    }
    setLoaded(QImage(), base);
}

void QtIconImpl::loadModuleResource(const std::u16string& module, int id, int size) {
    loadResourceKey(toQString(module), QString::number(id), size);
}

void QtIconImpl::loadModuleResource(const std::u16string& module, int id) {
    loadResourceKey(toQString(module), QString::number(id), 0);
}

void QtIconImpl::loadResource(int id, int size) {
    loadResourceKey(QString(), QString::number(id), size);
}

void QtIconImpl::loadResource(int id) {
    loadResourceKey(QString(), QString::number(id), 0);
}

void QtIconImpl::loadModuleResource(const std::u16string& module, const std::u16string& name,
                                    int size) {
    loadResourceKey(toQString(module), toQString(name), size);
}

void QtIconImpl::loadModuleResource(const std::u16string& module, const std::u16string& name) {
    loadResourceKey(toQString(module), toQString(name), 0);
}

void QtIconImpl::loadResource(const std::u16string& name, int size) {
    loadResourceKey(QString(), toQString(name), size);
}

void QtIconImpl::loadResource(const std::u16string& name) {
    loadResourceKey(QString(), toQString(name), 0);
}

void QtIconImpl::loadFromFile(const std::u16string& file, int id) {
    loadFromFileIndex(file, id);
}

void QtIconImpl::loadFromFileIndex(const std::u16string& file, int index) {
    const QString path = toQString(file);
    QImage image;
    QImageReader reader(path);
    if (index >= 0 && reader.canRead() && (index == 0 || reader.jumpToImage(index)))
        image = drawable(reader.read());
    setLoaded(image, path);
}

void QtIconImpl::loadIconFile(const std::u16string& file, int size) {
    const QString path = toQString(file);
    const int wanted = wantedSize(size);
    setLoaded(imageCache().get(cacheKey("file:", path, wanted),
                               [&] { return readNearest(path, wanted); }),
              path);
    if (isLoaded())
        large_ = imageCache().get(cacheKey("file:", path, kLargeSize),
                                  [&] { return readNearest(path, kLargeSize); });
}

void QtIconImpl::loadAssociated(const std::u16string& file, int index) {
    const QString path = toQString(file);
    if (index != 0) {
        setLoaded(QImage(), path);
        return;
    }
    const int wanted = wantedSize(owner_ ? owner_->getSize() : 0);
    setLoaded(imageCache().get(cacheKey("associated:", path, wanted),
                               [&] { return associatedImage(path, wanted); }),
              path);
}

void QtIconImpl::buildFadedCopies(int count, const RgbColor& background) {
    entries_.resize(1);
    copiesBackground_ = background;
    const QImage source = entries_[0].convertToFormat(QImage::Format_ARGB32);
    for (int k = 1; k <= count; ++k) {
        QImage copy = source.copy();
        for (int y = 0; y < copy.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
            for (int x = 0; x < copy.width(); ++x) {
                const QRgb c = line[x];
                // Colour moves towards the background; transparency stays as it was.
                line[x] = qRgba(blendChannel(qRed(c), background.red, k, count),
                                blendChannel(qGreen(c), background.green, k, count),
                                blendChannel(qBlue(c), background.blue, k, count), qAlpha(c));
            }
        }
        entries_.push_back(drawable(copy));
    }
}

QImage QtIconImpl::imageForLevel(int fadingLevel, const RgbColor& background) {
    if (!isLoaded()) return {};
    const int count = fadedCopyCount();
    const int k = entryForLevel(fadingLevel, count);
    if (k < 0) return {};
    if (k == 0) return entries_[0];
    // Copies follow the count and the background they were blended towards.
    if (entries_.size() != static_cast<std::size_t>(count) + 1 ||
        !(copiesBackground_ == background))
        buildFadedCopies(count, background);
    return entries_[k];
}

void QtIconImpl::draw(const Point& p, const Size& size, DrawingTools& tools) {
    auto* qt = dynamic_cast<QtDrawingTools*>(&tools);
    if (!qt) return;
    QImage image = imageForLevel(tools.fadingLevel, tools.getBackgroundColor());
    if (image.isNull()) return;
    // Enlarged unfaded drawings (printing) start from the file's largest image.
    const bool enlarged =
        size.cx > std::uint64_t(image.width()) || size.cy > std::uint64_t(image.height());
    if (enlarged && image.cacheKey() == entries_[0].cacheKey() && large_.width() > image.width())
        image = large_;
    qt->drawImage(image, p, size);
}

}  // namespace nx
