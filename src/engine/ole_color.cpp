// OLE colour translation without a palette.
#include "engine/ole_color.h"

#include "engine/host_window.h"

namespace ramulo {

nx::RgbColor oleColorToRgb(std::uint32_t oleColor, HostWindow* host) {
    if (oleColor & 0x80000000u) {
        const int index = static_cast<int>(oleColor & 0xFFFFu);
        return host ? host->systemColor(index) : defaultSystemColor(index);
    }
    return {static_cast<std::uint8_t>(oleColor & 0xFF),
            static_cast<std::uint8_t>((oleColor >> 8) & 0xFF),
            static_cast<std::uint8_t>((oleColor >> 16) & 0xFF)};
}

}  // namespace ramulo
