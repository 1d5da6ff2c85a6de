// nx::IgnoredAttributes: the attributes of a file that have no place in a document, counted
// so that they are reported once instead of dropped silently.
#pragma once

#include <string>
#include <vector>

namespace nx {

class IgnoredAttributes {
public:
    enum Kind { Graph, Node, Edge };
    // Records one attribute name of an element of the kind (each name counted once).
    void add(Kind kind, const std::string& name);
    // One line per kind with ignored names: "ignored 3 node attributes: weight, shape, …".
    std::vector<std::string> warnings() const;
    bool empty() const;

private:
    std::vector<std::string> names_[3];
};

}  // namespace nx
