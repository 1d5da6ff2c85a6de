// The five documents LoadTest builds: their content, their property set, what the control
// does around them.
#include <map>
#include <string>
#include <vector>

#include "control/control_site.h"
#include "control_fixture.h"
#include "graph/edge_factory.h"
#include "graph/element.h"
#include "graph/space.h"

using namespace ramulo;

using namespace control_test;

namespace {

struct RecordingSite : ControlSite {
    void setScrollSizes(const nx::Size& total) override { sizes.push_back(total); }
    std::vector<nx::Size> sizes;
};

TEST_F(ControlTest, EachDocumentHasItsContentAndTheStandardPropertySet) {
    struct Case {
        std::uint16_t id, result;
        std::uint32_t vertices, edges;
    };
    for (const Case& c : std::vector<Case>{{0, 0, 0, 0},
                                           {1, 1, 11, 10},
                                           {2, 2, 10, 9},
                                           {3, 3, 31, 30},
                                           {4, 4, 10, 9},
                                           {7, 0, 0, 0}}) {
        EXPECT_EQ(control.LoadTest(c.id), c.result) << c.id;
        EXPECT_EQ(control.GetVertexCount(0), c.vertices) << c.id;
        EXPECT_EQ(control.GetEdgeCount(0), c.edges) << c.id;
        EXPECT_TRUE(control.isModified()) << c.id;
        EXPECT_EQ(control.GetFileName(), u"Untitled");
        const std::vector<std::uint16_t> counts{
            control.GetVertexPropertyCount(0), control.GetVertexPropertyCount(1),
            control.GetVertexPropertyCount(2), control.GetEdgePropertyCount(0),
            control.GetEdgePropertyCount(1),   control.GetEdgePropertyCount(2),
            control.GetGraphPropertyCount()};
        EXPECT_EQ(counts, (std::vector<std::uint16_t>{1, 6, 3, 1, 0, 1, 0})) << c.id;
    }
    // Level 1 in the order the members added it.
    const std::vector<const char16_t*> level1{u"Visited", u"_V1", u"_I1", u"_I2", u"_R1", u"_R2"};
    for (std::uint16_t i = 0; i < level1.size(); ++i)
        EXPECT_EQ(control.GetVertexPropertyIndex(control.GetPropertyTypeID(level1[i]), 1), i);
}

TEST_F(ControlTest, DocumentOnePlacesElevenNamedVerticesWithoutLayout) {
    control.LoadTest(1);
    const std::map<std::u16string, std::pair<int, int>> expected{
        {u"A", {195, 50}},  {u"B", {50, 130}},  {u"C", {180, 130}}, {u"D", {340, 130}},
        {u"E", {115, 210}}, {u"F", {245, 210}}, {u"G", {340, 210}}, {u"H", {65, 290}},
        {u"I", {165, 290}}, {u"J", {245, 290}}, {u"K", {340, 290}}};
    std::map<std::u16string, std::pair<int, int>> found;
    for (std::uint32_t n = 0; n < control.GetVertexCount(0); ++n) {
        const std::uint32_t v = control.GetVertexID(0, n);
        found[control.GetVertexPropertyValueByName(v, u"Name", 0).bstrVal] = {
            control.GetVertexPropertyValueByName(v, u"X", 2).intVal,
            control.GetVertexPropertyValueByName(v, u"Y", 2).intVal};
    }
    EXPECT_EQ(found, expected);
}

TEST_F(ControlTest, DocumentThreeRecordsTheBinaryTreeInPreOrder) {
    control.LoadTest(3);
    nx::EdgeFactory& edges = engineOf(control).space()->edgeFactory();
    ASSERT_EQ(edges.size(), 30u);
    // Vertices are used in creation order: the root first, then the pool; in pre-order each
    // edge's target is the next unused vertex, and the walk returns up the tree for the
    // sources (offsets from the root's ID, which follows the graph's).
    const std::uint32_t root = control.GetVertexID(0, 0);
    const std::vector<std::uint32_t> sources{0,  1,  2,  3,  3,  2,  6,  6,  1,  9,
                                             10, 10, 9,  13, 13, 0,  16, 17, 18, 18,
                                             17, 21, 21, 16, 24, 25, 25, 24, 28, 28};
    for (std::uint32_t i = 0; i < 30; ++i) {
        EXPECT_EQ(edges.at(i)->source->id, root + sources[i]) << i;
        EXPECT_EQ(edges.at(i)->target->id, root + i + 1) << i;
    }
    EXPECT_EQ(control.GetVertexPropertyValueByName(root, u"Name", 0).bstrVal, u"Root");
    // The layout ran with the document's parameters, which stay in the engine.
    EXPECT_EQ(engineOf(control).layerSeparation(), 55u);
    EXPECT_EQ(engineOf(control).siblingSeparation(), 15u);
    EXPECT_EQ(engineOf(control).subtreeSeparation(), 20u);
    const auto y = [&](std::uint32_t v) {
        return control.GetVertexPropertyValueByName(root + v, u"Y", 2).intVal;
    };
    EXPECT_EQ(y(1) - y(0), 55);
    EXPECT_EQ(y(4) - y(0), 4 * 55);  // a leaf, four layers down
}

TEST_F(ControlTest, LoadTestWithAWindowSizesAndRepaints) {
    RecordingSite site;
    control.windowCreated(&window, &site);  // document 1, as TestID says
    EXPECT_EQ(control.GetVertexCount(0), 11u);
    ASSERT_EQ(site.sizes.size(), 1u);
    EXPECT_EQ(site.sizes[0], engineOf(control).GetExtent());
    const int before = window.invalidations;
    control.LoadTest(0);
    EXPECT_EQ(window.invalidations, before + 1);
    EXPECT_EQ(site.sizes.size(), 2u);
    EXPECT_EQ(site.sizes[1], engineOf(control).GetExtent());
}

}  // namespace
