// nx::Bitmap: an abstract bitmap that drawing tools can copy from.
#pragma once

#include <cstdint>

#include "views/geometry.h"

namespace nx {

class Bitmap {
public:
    virtual ~Bitmap() = default;
    // Looks the bitmap up among the host's resources by number.
    virtual void loadFromResource(unsigned id) = 0;
    virtual void createMonochrome(const Size& size) = 0;
    virtual void releaseBitmap() = 0;
    virtual std::int32_t getWidth() const = 0;
    virtual std::int32_t getHeight() const = 0;
};

}  // namespace nx
