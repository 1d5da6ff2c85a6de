// The tree layout run with its first walks, as the oracle for the faster ones.
#pragma once

#include <cstdint>

#include "layouts/tree_layout.h"

namespace nx::test {

class ReferenceTreeLayout : public TreeLayout {
public:
    using TreeLayout::TreeLayout;

    // The same checks, root order and sequence of walks as TreeLayout::arrange().
    void arrange() override;
    void slots(Vertex& vertex, std::int32_t*& x, std::int32_t*& y) {
        const PositionWriter::Slots xy = positions().slots(vertex);
        x = xy.x;
        y = xy.y;
    }
};

}  // namespace nx::test
