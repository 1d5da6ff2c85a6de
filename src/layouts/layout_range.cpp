// The failure of a layout whose positions would leave the coordinate range.
#include "layouts/layout_range.h"

#include <stdexcept>

namespace nx {

std::string beyondRangeMessage(const std::string& layout, const std::string& what,
                               const std::string& advice) {
    const std::string limit = std::to_string(kCoordinateLimit);
    return layout + " error: " + what + " would lie beyond the coordinate range of -" + limit +
           " to " + limit + "; " + advice;
}

void failBeyondRange(const std::string& layout, const std::string& what,
                     const std::string& advice) {
    throw std::runtime_error(beyondRangeMessage(layout, what, advice));
}

void failVerticesBeyondRange(const char* layout, const char* advice) {
    failBeyondRange(layout, "vertices", advice);
}

}  // namespace nx
