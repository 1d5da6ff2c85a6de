// nx::DeviceContext: the opaque drawing surface a platform binding hands to its drawing tools.
#pragma once

#include "views/geometry.h"

namespace nx {

// The core never draws on it directly; a back end subclasses it with its own surface
// (paint device, viewport origin, printing flag) and downcasts in init(). The queries
// below are what the engine's draw operation needs to know about any surface.
class DeviceContext {
public:
    virtual ~DeviceContext() = default;

    // A printer (or a page description standing in for one) rather than a screen.
    virtual bool isPrinting() const { return false; }
    // The surface's size in device pixels and in millimetres; (0, 0) when unknown.
    virtual Size pixelSize() const { return {}; }
    virtual Size millimetreSize() const { return {}; }
    // Between device pixels and logical (scrolled) coordinates.
    virtual Rect deviceToLogical(const Rect& r) const { return r; }
    virtual Rect logicalToDevice(const Rect& r) const { return r; }
};

}  // namespace nx
