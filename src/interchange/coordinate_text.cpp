// Locale-independent decimal text of coordinates.
#include <charconv>
#include <cmath>

#include "interchange/graph_writers.h"

namespace nx {

std::string coordinateText(double value) {
    if (value == 0) value = 0;  // no "-0"
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, r.ptr);
}

}  // namespace nx
