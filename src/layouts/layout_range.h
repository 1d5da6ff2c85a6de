// Range checks of the layouts: every position a run stores stays in the coordinate range.
#pragma once

#include <cstdint>
#include <string>

#include "views/coordinate_range.h"

namespace nx {

// The text of a layout that would reach beyond the coordinate range: the layout's name,
// what would lie outside, the range, and what to change.
std::string beyondRangeMessage(const std::string& layout, const std::string& what,
                               const std::string& advice);

// Fails with std::runtime_error carrying beyondRangeMessage.
[[noreturn]] void failBeyondRange(const std::string& layout, const std::string& what,
                                  const std::string& advice);

// failBeyondRange for vertices; out of line and with plain texts, so that the checks on
// the layouts' hot paths stay small.
[[noreturn, gnu::cold, gnu::noinline]] void failVerticesBeyondRange(const char* layout,
                                                                    const char* advice);

// The value as a coordinate when it lies in the range; fails otherwise.
inline std::int32_t fitCoordinate(std::int64_t value, const char* layout, const char* advice) {
    if (!inCoordinateRange(value)) [[unlikely]]
        failVerticesBeyondRange(layout, advice);
    return static_cast<std::int32_t>(value);
}

}  // namespace nx
