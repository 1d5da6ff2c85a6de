// The layered layout member: arranges a graph that is no tree, keeps to its limit, and shows
// a refusal in the layout error box as the other layout members do.
#include "control/dispatch_table.h"
#include "graph/element.h"
#include "graph/space.h"
#include "control_fixture.h"

using namespace ramulo;

using namespace control_test;

namespace {

TEST_F(ShownControl, LayeredLayoutArrangesAGraphWithTwoParents) {
    control.LoadTest(2);
    // A second parent for H: the hierarchical layout refuses, the layered one does not.
    const std::uint32_t b = control.GetVertexID(0, 1), h = control.GetVertexID(0, 7);
    control.AddEdge(b, h);
    invoke(control, u"LayeredLayout", MemberKind::Method, {});
    EXPECT_TRUE(window.messages.empty());
    const std::uint16_t y = control.GetVertexPropertyIndex(control.GetPropertyTypeID(u"Y"), 2);
    for (std::uint32_t i = 0; i < control.GetEdgeCount(0); ++i) {
        const std::uint32_t edge = control.GetEdgeID(0, i);
        const nx::Edge* e = engineOf(control).space()->edgeFactory().at(edge);
        EXPECT_LT(control.GetVertexPropertyValue(static_cast<std::uint32_t>(e->source->id), y, 2).intVal,
                  control.GetVertexPropertyValue(static_cast<std::uint32_t>(e->target->id), y, 2).intVal)
            << "edge " << edge;
    }
}

TEST_F(ShownControl, LayeredLayoutLimitIsAPropertyAndARefusalIsShown) {
    control.LoadTest(2);
    EXPECT_EQ(invoke(control, u"LayeredLayoutLimit", MemberKind::PropertyGet, {}).ulVal, 5000u);
    invoke(control, u"LayeredLayoutLimit", MemberKind::PropertyPut, {Variant::fromUI4(9)});
    EXPECT_EQ(control.GetLayeredLayoutLimit(), 9u);
    control.LayeredLayout();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text,
              u"LayeredLayout error: the graph has 10 vertices, more than the limit of 9");
    EXPECT_EQ(window.messages[0].caption, u"RamuloCtrl Error");
}

}  // namespace
