// nx::RadialLayout: each component on rings around a centre, components side by side.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "layouts/label_extent.h"
#include "layouts/layout.h"

namespace nx {

class VertexTable;

class RadialLayout : public Layout {
public:
    RadialLayout(GraphView& view, int Separation, double DampingCoefficient);

    // Lays out every vertex; throws std::runtime_error when working properties are
    // missing, the damping coefficient is not finite or the layout would reach beyond the
    // coordinate range (then nothing has changed). The caller sets any known centres and
    // brings the incidence lists up to date.
    void arrange() override;
    // The base condition, and _V1, _I1, _I2, _R1 and _R2 at graph level.
    bool requirementsMet() override;

    // Gives every component without a centre one, appended in vertex order of the
    // component's first vertex. Labels the components in _I1.
    void completeCentres();
    // Radius of ring d: the sum of d ring distances shrinking by the damping coefficient.
    // Fails with std::runtime_error for a ring beyond the coordinate range.
    int ringRadius(int d) const;

    int Separation;
    double DampingCoefficient;
    std::size_t v1Index, i1Index, i2Index, r1Index, r2Index;
    // When set, rings grow until no two labels on a ring overlap (keeping at least the
    // rings' own distances apart), and components stand side by side by their labels.
    LabelMeasure labelExtent;
    // One centre per component, in component order.
    std::vector<Vertex*> centres;

private:
    void labelComponent(std::uint32_t start, int n, const VertexTable& table);

    std::vector<std::uint32_t> positions_;  // by vertex ID, shared by the tables of a run
    std::vector<std::uint32_t> stamps_;     // walk marks of the labelling
    std::uint32_t stamp_ = 0;
    std::vector<std::uint32_t> stack_;
    std::vector<std::int32_t*> labels_;  // _I1 by position during completeCentres
};

}  // namespace nx
