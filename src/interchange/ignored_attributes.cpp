// nx::IgnoredAttributes: distinct names per element kind, summarised in one line each.
#include "interchange/ignored_attributes.h"

#include <algorithm>

namespace nx {

namespace {

// Lines stay readable with thousands of attribute names.
constexpr std::size_t kNamesShown = 5;

}  // namespace

void IgnoredAttributes::add(Kind kind, const std::string& name) {
    std::vector<std::string>& names = names_[kind];
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
}

bool IgnoredAttributes::empty() const {
    return names_[Graph].empty() && names_[Node].empty() && names_[Edge].empty();
}

std::vector<std::string> IgnoredAttributes::warnings() const {
    static const char* const kinds[] = {"graph", "node", "edge"};
    std::vector<std::string> lines;
    for (int kind : {Graph, Node, Edge}) {
        const std::vector<std::string>& names = names_[kind];
        if (names.empty()) continue;
        std::string line = "ignored " + std::to_string(names.size()) + ' ' + kinds[kind] +
                           (names.size() == 1 ? " attribute: " : " attributes: ");
        for (std::size_t i = 0; i < names.size() && i < kNamesShown; ++i) {
            if (i) line += ", ";
            line += names[i];
        }
        if (names.size() > kNamesShown) line += ", \xE2\x80\xA6";  // an ellipsis
        lines.push_back(line);
    }
    return lines;
}

}  // namespace nx
