// The layout commands on documents built through the engine: results, stored parameters
// and failures shown in the host's message box.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>

#include "engine/control_engine.h"
#include "engine/headless_host_window.h"
#include "engine_fixture.h"
#include "layouts/error_texts.h"
#include "traversal/graph_walks.h"

using namespace ramulo;

namespace {

using namespace engine_test;

// root -> a, b; a -> c, d; b -> e.
class LaidOutTree : public OpenDocument {
protected:
    void SetUp() override {
        OpenDocument::SetUp();
        ids = addVertices(6);
        const std::uint32_t sources[] = {ids[0], ids[0], ids[1], ids[1], ids[2]};
        const std::uint32_t targets[] = {ids[1], ids[2], ids[3], ids[4], ids[5]};
        std::uint32_t edges[5];
        engine.AddEdges(5, sources, targets, edges);
    }
    double distance(std::uint32_t a, std::uint32_t b) {
        return std::hypot(x(a) - x(b), y(a) - y(b));
    }
    std::uint32_t root() const { return ids[0]; }

    std::vector<std::uint32_t> ids;
};

TEST_F(LaidOutTree, HierarchicalLayoutPutsLayersApartByTheLayerSeparation) {
    engine.SetHierarchicalLayoutParams(60, 40, 50);
    ASSERT_TRUE(engine.HierarchicalLayout());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(y(ids[1]) - y(root()), 60);
    EXPECT_EQ(y(ids[2]), y(ids[1]));
    EXPECT_EQ(y(ids[3]) - y(ids[1]), 60);
    std::set<int> leafX{x(ids[3]), x(ids[4]), x(ids[5])};
    EXPECT_EQ(leafX.size(), 3u);
    EXPECT_LT(x(ids[1]), x(ids[2]));
}

TEST_F(LaidOutTree, ZeroSeparationsAreUsedAsGiven) {
    engine.SetHierarchicalLayoutParams(0, 0, 0);
    ASSERT_TRUE(engine.HierarchicalLayout());
    for (std::uint32_t id : ids) EXPECT_EQ(y(id), y(root())) << id;
}

TEST_F(LaidOutTree, RadialLayoutCentresTheRootAndRingsItsChildren) {
    engine.SetRadialLayoutParams(100, 0.5);
    ASSERT_TRUE(engine.RadialLayout());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_NEAR(distance(root(), ids[1]), 100, 1.5);
    EXPECT_NEAR(distance(root(), ids[2]), 100, 1.5);
    for (std::uint32_t leaf : {ids[3], ids[4], ids[5]})
        EXPECT_NEAR(distance(root(), leaf), 150, 1.5) << leaf;
}

TEST_F(LaidOutTree, CentreOfRadialLayoutIsTheCurrentVertex) {
    EXPECT_FALSE(engine.CenterOfRadialLayout());  // no current vertex
    engine.setCurrentVertex(vertex(ids[1]));
    engine.SetRadialLayoutParams(80, 1.0);
    ASSERT_TRUE(engine.CenterOfRadialLayout());
    for (std::uint32_t neighbour : {root(), ids[3], ids[4]})
        EXPECT_NEAR(distance(ids[1], neighbour), 80, 1.5) << neighbour;
    EXPECT_NEAR(distance(ids[1], ids[5]), 240, 1.5);
}

TEST_F(LaidOutTree, ForceDirectedLayoutSpreadsTheVertices) {
    engine.SetForceDirectedLayoutParams(90, 200);
    ASSERT_TRUE(engine.ForceDirectedLayout());
    EXPECT_TRUE(host.messages.empty());
    for (std::size_t i = 0; i < ids.size(); ++i)
        for (std::size_t j = i + 1; j < ids.size(); ++j)
            EXPECT_GT(distance(ids[i], ids[j]), 10) << i << ' ' << j;
}

TEST_F(LaidOutTree, FailuresWhileArrangingAreShownAndAnswerFalse) {
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::function<bool()> run;
        std::string text;
    } cases[] = {
        {"not a tree", [&] { engine.AddEdge(ids[5], root()); },
         [&] { return engine.HierarchicalLayout(); }, nx::error_texts::kNotATree},
        {"separation too big", [&] { engine.SetForceDirectedLayoutParams(20000, 10); },
         [&] { return engine.ForceDirectedLayout(); }, nx::error_texts::kSeparationTooBig},
        {"rings beyond the coordinate range", [&] { engine.SetRadialLayoutParams(80, 1e308); },
         [&] { return engine.RadialLayout(); },
         "RadialLayout error: ring 2 would lie beyond the coordinate range of -1000000000 to "
         "1000000000; a smaller Separation or DampingCoefficient may fit"},
        {"damping not a number", [&] { engine.SetRadialLayoutParams(80, std::nan("")); },
         [&] { return engine.RadialLayout(); }, nx::error_texts::kDampingNotFinite},
    };
    for (const Case& c : cases) {
        host.messages.clear();
        c.prepare();
        std::vector<std::pair<int, int>> before;
        for (std::uint32_t id : ids) before.emplace_back(x(id), y(id));
        EXPECT_FALSE(c.run()) << c.what;
        std::vector<std::pair<int, int>> after;
        for (std::uint32_t id : ids) after.emplace_back(x(id), y(id));
        EXPECT_EQ(after, before) << c.what;
        ASSERT_EQ(host.messages.size(), 1u) << c.what;
        const ScriptedHostWindow::Message& box = host.messages[0];
        EXPECT_EQ(box.text, std::u16string(c.text.begin(), c.text.end())) << c.what;
        EXPECT_EQ(box.caption, u"RamuloCtrl Error");
        EXPECT_EQ(box.buttons, MessageButtons::Ok);
        EXPECT_EQ(box.icon, MessageIcon::Warning);
    }
}

TEST(LayoutCommands, WithoutWorkingPropertiesTheBoxExplainsAndCentringThrows) {
    ControlEngine engine;
    engine.Init();
    engine.AddVertexPropertyByName(u"X", 2);
    engine.AddVertexPropertyByName(u"Y", 2);
    ScriptedHostWindow host;
    engine.NewTree(true, &host);
    const std::uint32_t a = engine.AddVertex();
    engine.AddEdge(a, engine.AddVertex());
    EXPECT_FALSE(engine.RadialLayout());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find(u"RadialLayout requires"), std::u16string::npos);
    // The centring command has no box of its own: its caller reports the failure.
    engine.setCurrentVertex(engine.space()->vertexFactory().at(a));
    EXPECT_THROW(engine.CenterOfRadialLayout(), std::runtime_error);
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST(LayoutCommands, NeedAnOpenDocument) {
    ControlEngine engine;
    EXPECT_FALSE(engine.HierarchicalLayout());
    EXPECT_FALSE(engine.RadialLayout());
    EXPECT_FALSE(engine.ForceDirectedLayout());
    engine.Init();
    EXPECT_FALSE(engine.HierarchicalLayout());
}

// A whole document headless: built through the operations, laid out three ways,
// transformed, its values read and written by index and by name.
TEST(WholeDocument, RunsHeadless) {
    HeadlessHostWindow host;
    ControlEngine engine;
    engine.Init();
    addStandardSchemas(engine);
    const std::uint32_t graphId = engine.NewTree(true, &host);
    engine.SetDefaultVertexAppearance({DotAppearance::Shape::Diamond, 11, true, 2, 3, 0, 4});
    engine.SetDefaultEdgeAppearance(1);

    std::vector<std::uint32_t> v(40);
    engine.AddVertices(40, v.data());
    std::vector<std::uint32_t> sources, targets, edges(39);
    for (std::uint32_t i = 1; i < 40; ++i) {
        sources.push_back(v[(i - 1) / 3]);
        targets.push_back(v[i]);
    }
    engine.AddEdges(39, sources.data(), targets.data(), edges.data());
    const std::uint16_t nameIndex =
        engine.FindVertexPropertyIndex(ControlEngine::PropertyTypeID(u"Name"), 0);
    for (std::uint32_t i = 0; i < 40; ++i) {
        engine.SetVertexPropertyValue(v[i], nameIndex, 0,
                                      Variant::fromString(u"v" + std::u16string(1, u'a' + i % 26)));
        engine.SetVertexPropertyValueByName(v[i], u"Weight", 0, Variant::fromI4(i));
    }
    engine.SetGraphPropertyValueByName(u"Name", Variant::fromString(u"tree"));
    engine.SetEdgeAppearance(edges[0], 4);
    engine.SetVertexAppearance_Icon(v[0], {u"root.ico", u"", 0, -1, 32, 0, 0x80000008, 8, 4});

    EXPECT_TRUE(engine.HierarchicalLayout());
    const nx::Size treeExtent = engine.GetExtent();
    EXPECT_GT(treeExtent.cx, 400u);
    EXPECT_TRUE(engine.RadialLayout());
    EXPECT_TRUE(engine.ForceDirectedLayout());
    EXPECT_TRUE(engine.RotateRight90());
    EXPECT_TRUE(engine.FlipHorizontal());
    EXPECT_TRUE(engine.RotateLeft90());
    EXPECT_TRUE(engine.FlipVertical());

    const nx::Size extent = engine.GetExtent();
    EXPECT_GT(extent.cx, 50u);
    EXPECT_GT(extent.cy, 30u);
    EXPECT_EQ(engine.GetVertexCount(0), 40u);
    EXPECT_EQ(engine.GetEdgeCount(0), 39u);
    EXPECT_EQ(engine.GetVertexID(0, 39), v[39]);
    EXPECT_EQ(engine.GetVertexPropertyValueByName(v[27], u"Name", 0).bstrVal, u"vb");
    EXPECT_EQ(engine.GetVertexPropertyValue(v[27], 1, 0).intVal, 27);
    EXPECT_EQ(engine.GetGraphPropertyValue(0).bstrVal, u"tree");
    EXPECT_EQ(engine.graph()->id, graphId);
    EXPECT_TRUE(nx::isForest(*engine.graph()));

    // Every vertex got a place of its own.
    std::set<std::pair<int, int>> places;
    for (std::uint32_t id : v)
        places.insert({engine.GetVertexPropertyValueByName(id, u"X", 2).intVal,
                       engine.GetVertexPropertyValueByName(id, u"Y", 2).intVal});
    EXPECT_EQ(places.size(), 40u);

    const std::uint32_t removals[] = {v[1], v[2]};
    engine.RemoveVertices(2, removals);
    EXPECT_EQ(engine.GetVertexCount(0), 38u);
    EXPECT_EQ(engine.GetEdgeCount(0), 39u - 2 - 6);
    engine.ReleaseDocument();
    EXPECT_EQ(engine.GetExtent(), (nx::Size{1, 1}));
}

}  // namespace
