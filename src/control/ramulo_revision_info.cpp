// CRamuloRevisionInfo: the short-date rule and construction.
#include "control/ramulo_revision_info.h"

#include <utility>

namespace ramulo {

std::string shortDateOf(const std::string& fullDate) {
    const std::size_t open = fullDate.find('(');
    if (open == std::string::npos) return {};
    const std::size_t comma = fullDate.find(", ", open + 1);
    if (comma == std::string::npos) return {};
    const std::size_t from = comma + 2;
    const std::size_t close = fullDate.find(')', from);
    if (close == std::string::npos) return {};
    return fullDate.substr(from, close - from);
}

CRamuloRevisionInfo::CRamuloRevisionInfo(RevisionData data)
    : data_(std::move(data)), shortDate_(shortDateOf(data_.lastChangeDate)) {}

}  // namespace ramulo
