// nx::DeviceContext: the opaque drawing surface a platform binding hands to its drawing tools.
#pragma once

namespace nx {

// The core never looks inside; a back end subclasses it with its own surface
// (paint device, viewport origin, printing flag) and downcasts in init().
class DeviceContext {
public:
    virtual ~DeviceContext() = default;
};

}  // namespace nx
