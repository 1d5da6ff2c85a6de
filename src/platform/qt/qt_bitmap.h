// nx::QtBitmap: a bitmap held as a QImage, loaded from the host's Qt resources.
#pragma once

#include <QImage>

#include "views/bitmap.h"

namespace nx {

class QtBitmap : public Bitmap {
public:
    QtBitmap() = default;
    explicit QtBitmap(QImage image) : image_(std::move(image)) {}

    // Looks for ":/bitmaps/<id>", then the same with ".png" and ".bmp"; keeps the
    // previous image when none loads.
    void loadFromResource(unsigned id) override;
    // A 1-bit image cleared to 0, shown black, with 1 shown white.
    void createMonochrome(const Size& size) override;
    void releaseBitmap() override;
    std::int32_t getWidth() const override { return image_.width(); }
    std::int32_t getHeight() const override { return image_.height(); }

    const QImage& image() const { return image_; }
    void setImage(QImage image) { image_ = std::move(image); }

    // Drawing tools copy only from a bitmap they have selected as a source.
    bool isSelected() const { return selected_; }
    void setSelected(bool selected) { selected_ = selected; }

private:
    QImage image_;
    bool selected_ = false;
};

}  // namespace nx
