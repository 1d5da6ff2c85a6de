// nx::RadialLayoutVisitor: leaf counts, wedges and angles over one spanning tree.
#pragma once

#include <cstdint>
#include <vector>

#include "layouts/pass_visitor.h"
#include "layouts/vertex_table.h"

namespace nx {

class RadialLayout;

// The walks keep their own stacks, so a path of any length is walked without recursion.
// Pass 1: depth (_I2) and leaf count (_I1); pass 2: wedge (_R1); pass 3: angle (_R2).
class RadialLayoutVisitor : public PassVisitor<RadialLayoutVisitor> {
public:
    // positions is the layout's scratch by vertex ID; the tree's incidence must be current.
    RadialLayoutVisitor(Graph& tree, RadialLayout& layout, std::vector<std::uint32_t>& positions);

    // Starts a pass: depth and cursor 0, every visited flag of the tree cleared.
    virtual void setPass(int pass);

    const VertexTable& table() const { return table_; }
    int depthOf(std::uint32_t v) const { return depths_[v]; }
    double angleOf(std::uint32_t v) const { return angles_[v]; }
    bool visitedOf(std::uint32_t v) const { return visited_[v] != 0; }
    int leavesOf(std::uint32_t v) const { return leaves_[v]; }
    double wedgeOf(std::uint32_t v) const { return wedges_[v]; }

    int depth = 0;
    RadialLayout* layout;
    double cursor = 0.0;

private:
    struct Frame {
        std::uint32_t vertex;
        std::uint32_t next;
        int sum;
    };

    void countLeaves(std::uint32_t root);
    void assignWedges(std::uint32_t root);
    void assignAngles(std::uint32_t root);

    VertexTable table_;
    // Mirrored in dense arrays during the walks; the layout stores them once every tree of
    // the graph is placed.
    std::vector<char> visited_;
    std::vector<std::int32_t> leaves_, depths_;
    std::vector<double> wedges_, angles_;
    std::vector<Frame> stack_;
};

}  // namespace nx
