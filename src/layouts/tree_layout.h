// nx::TreeLayout: top-down layout of a forest with parents centred over their children.
#pragma once

#include <cstddef>
#include <vector>

#include "layouts/label_extent.h"
#include "layouts/layout.h"

namespace nx {

class TreeLayout : public Layout {
public:
    TreeLayout(GraphView& view, int LayerSeparation, int SiblingSeparation, int SubtreeSeparation);

    // Lays out every vertex; throws std::runtime_error when the graph is not a forest,
    // lacks the working properties or would reach beyond the coordinate range with these
    // separations (then no value has changed). The caller brings the incidence lists up
    // to date.
    void arrange() override;
    // The base condition, and _V1, _I1 and _I2 at graph level.
    bool requirementsMet() override;

    // Tree roots in left-to-right order; found by root discovery when left empty.
    std::vector<Vertex*> roots;
    int LayerSeparation;
    int SiblingSeparation;
    int SubtreeSeparation;
    std::size_t v1Index, i1Index, i2Index;
    // When set, separations count from the edges of each vertex's labels (which include
    // its shape) instead of its position, so that no two labels of a level overlap;
    // children are then not spread out evenly. Unset, the shapes alone count.
    LabelMeasure labelExtent;

private:
    friend class TreeLayoutVisitor;  // resolves the coordinate slots once per run
};

}  // namespace nx
