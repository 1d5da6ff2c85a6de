// The largest drawing surface a window can need, for sizing the memory buffer.
#pragma once

#include "views/geometry.h"

namespace nx {

// Used when there is no application or no screen (headless tools, tests without a display).
inline constexpr Size kNoScreenTrackingSize{4096, 4096};

// The largest available virtual desktop size over all screens, so a window resized
// or moved anywhere never outgrows the buffer; kNoScreenTrackingSize without a screen.
Size maximumTrackingSize();

}  // namespace nx
