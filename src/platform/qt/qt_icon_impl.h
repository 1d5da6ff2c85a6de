// nx::QtIconImpl: icon images from Qt resources, image files and the file-icon provider.
#pragma once

#include <vector>

#include <QImage>
#include <QString>

#include "views/icon_impl.h"

namespace nx {

class Icon;

// Entry 0 is the loaded image, entries 1..N its faded copies, built on the first faded
// drawing. Host resources are Qt resources ":/icons/<id>" or ":/icons/<name>" (a module
// name adds a prefix: ":/<module>/icons/..."), as PNG, ICO or SVG, with or without the
// extension in the path. Size 0 means the default icon size, 32. Image files and
// associated icons resolve to the same image for the same path and size during a run.
class QtIconImpl : public IconImpl {
public:
    static constexpr int kDefaultSize = 32;
    static constexpr int kLargeSize = 256;

    explicit QtIconImpl(Icon* owner = nullptr) : owner_(owner) {}

    void loadModuleResource(const std::u16string& module, int id, int size) override;
    void loadModuleResource(const std::u16string& module, int id) override;
    void loadResource(int id, int size) override;
    void loadResource(int id) override;
    void loadModuleResource(const std::u16string& module, const std::u16string& name,
                            int size) override;
    void loadModuleResource(const std::u16string& module, const std::u16string& name) override;
    void loadResource(const std::u16string& name, int size) override;
    void loadResource(const std::u16string& name) override;
    // Image number id (or index) of a multi-image file such as an .ico.
    void loadFromFile(const std::u16string& file, int id) override;
    void loadFromFileIndex(const std::u16string& file, int index) override;
    // The image of the file nearest the size; also keeps the one nearest 256 x 256, from
    // which unfaded drawings larger than the image are scaled.
    void loadIconFile(const std::u16string& file, int size) override;
    // The desktop's icon for the file's type, folder or drive; our own set where the
    // desktop offers none. Only index 0 exists.
    void loadAssociated(const std::u16string& file, int index) override;
    void draw(const Point& p, const Size& size, DrawingTools& tools) override;
    bool isLoaded() const override { return !entries_.empty() && !entries_[0].isNull(); }

    Icon* owner() const { return owner_; }
    // Where the image came from: the resource path or file last loaded.
    const QString& source() const { return source_; }
    // Entry 0 (null when nothing loaded), a faded copy once built, or null.
    QImage entry(int k) const;
    const QImage& largeImage() const { return large_; }
    // The image drawn at a fading level against a background, building the copies first.
    QImage imageForLevel(int fadingLevel, const RgbColor& background);

    // The image of a readable file nearest the size (0: default size); null when none.
    static QImage readNearest(const QString& path, int size, int* imageNumber = nullptr);

private:
    void setLoaded(const QImage& image, const QString& source);
    void loadResourceKey(const QString& module, const QString& key, int size);
    void buildFadedCopies(int count, const RgbColor& background);

    Icon* owner_;
    QString source_;
    std::vector<QImage> entries_;
    RgbColor copiesBackground_;
    QImage large_;
};

}  // namespace nx
