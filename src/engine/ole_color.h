// OLE colours (0x00BBGGRR, or a system colour index with the high bit set) as RGB.
#pragma once

#include <cstdint>

#include "views/geometry.h"

namespace ramulo {

class HostWindow;

// System colours resolve through the host window (its defaults when there is none).
nx::RgbColor oleColorToRgb(std::uint32_t oleColor, HostWindow* host);

}  // namespace ramulo
