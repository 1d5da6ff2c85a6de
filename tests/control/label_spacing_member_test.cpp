// The LabelAwareSpacing member: off by default, on makes room for long names, off again
// lays out exactly as before.
#include <algorithm>
#include <vector>

#include "control/dispatch_table.h"
#include "control/variant_conversion.h"
#include "control_fixture.h"

using namespace ramulo;

namespace {

using namespace control_test;

TEST_F(ShownControl, LabelAwareSpacingWidensTheLayoutOnlyWhileItIsOn) {
    auto spacing = [&] {
        const Variant v = invoke(control, u"LabelAwareSpacing", MemberKind::PropertyGet, {});
        return v.vt == VT_BOOL && v.boolVal != 0;
    };
    auto xs = [&] {
        std::vector<int> found;
        for (std::uint32_t n = 0; n < control.GetVertexCount(0); ++n)
            found.push_back(
                changeType(control.GetVertexPropertyValueByName(control.GetVertexID(0, n), u"X", 2),
                           VT_I4)
                    .lVal);
        return found;
    };
    EXPECT_FALSE(spacing());
    // Long names on a few vertices of document 1.
    for (std::uint32_t n = 1; n <= 4; ++n)
        control.SetVertexPropertyValueByName(control.GetVertexID(0, n), u"Name", 0,
                                             Variant::fromString(u"a rather long vertex name"));
    control.HierarchicalLayout();
    const std::vector<int> before = xs();

    invoke(control, u"LabelAwareSpacing", MemberKind::PropertyPut, {Variant::fromBool(true)});
    EXPECT_TRUE(spacing());
    control.HierarchicalLayout();
    const std::vector<int> labelled = xs();
    const auto span = [](const std::vector<int>& x) {
        return *std::max_element(x.begin(), x.end()) - *std::min_element(x.begin(), x.end());
    };
    EXPECT_GT(span(labelled), span(before));

    invoke(control, u"LabelAwareSpacing", MemberKind::PropertyPut, {Variant::fromBool(false)});
    control.HierarchicalLayout();
    EXPECT_EQ(xs(), before);
}

}  // namespace
