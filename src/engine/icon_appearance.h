// IconAppearance: the look of an icon vertex view as the engine's appearance calls take it.
#pragma once

#include <cstdint>
#include <string>

namespace ramulo {

// The fields in the order the host members take them (icon source, size, name and weight
// text colour, name and weight label position), so a braced list reads like the host call.
// The text colours are OLE colours, resolved against the host's palette when applied.
struct IconAppearance {
    std::u16string fileName;
    std::u16string iconName;
    std::int32_t id = 0;
    std::int32_t index = -1;
    std::uint16_t size = 32;
    std::uint32_t nameTextColor = 0;
    std::uint32_t weightTextColor = 0;
    std::uint16_t namePos = 1;
    std::uint16_t weightPos = 2;
};

}  // namespace ramulo
