// The members' boundary: read-only puts, error codes and texts, the modified flag, the
// selection that value puts leave and the custom menu items.
#include <functional>
#include <vector>

#include "control/error_texts.h"
#include "control_fixture.h"
#include "engine/window_graph_view.h"
#include "graph/space.h"
#include "graph/vertex_factory.h"
#include "views/dot_view.h"
#include "views/icon_view.h"

using namespace ramulo;

using namespace control_test;

namespace {

TEST_F(ControlTest, ConstructionValues) {
    EXPECT_EQ(control.GetTestID(), 1);
    for (VARIANT_BOOL flag :
         {control.GetEditingEnabled(), control.GetNewEnabled(), control.GetFileIOEnabled(),
          control.GetRotationEnabled(), control.GetHierarchicalLayoutEnabled(),
          control.GetRadialLayoutEnabled(), control.GetForceDirectedLayoutEnabled(),
          control.GetDoubleClickEnabled()})
        EXPECT_EQ(flag, VARIANT_FALSE);
    EXPECT_TRUE(control.GetWorkingDirectory().empty());
    EXPECT_TRUE(control.GetFileName().empty());
    EXPECT_TRUE(control.GetFileExt().empty());
    EXPECT_FALSE(control.isModified());
    EXPECT_EQ(control.GetVertexCount(0), 0u);
    EXPECT_EQ(control.AddVertex(), kNoElement);
}

TEST_F(ShownControl, WritingReadOnlyPropertiesChangesNothing) {
    const std::vector<std::function<void()>> puts{
        [&] { control.SetPropertyTypeCount(3); },
        [&] { control.SetGraphPropertyCount(3); },
        [&] { control.SetPropertyTypeName(0, u"Other"); },
        [&] { control.SetPropertyTypeID(u"Name", 9); },
        [&] { control.SetVertexPropertyCount(0, 9); },
        [&] { control.SetEdgePropertyCount(0, 9); },
        [&] { control.SetVertexCount(0, 3); },
        [&] { control.SetEdgeCount(0, 3); },
        [&] { control.SetVertexID(0, 0, 7); },
        [&] { control.SetEdgeID(0, 0, 7); },
        [&] { control.SetVertexPropertyIndex(0, 0, 7); },
        [&] { control.SetEdgePropertyIndex(0, 0, 7); },
        [&] { control.SetGraphPropertyIndex(0, 7); },
    };
    control.setModified(false);
    for (const auto& put : puts) EXPECT_EQ(failureOf(put).code, 0u);
    EXPECT_EQ(control.GetPropertyTypeCount(), 19);
    EXPECT_EQ(control.GetVertexCount(0), 11u);
    EXPECT_EQ(control.GetEdgeCount(0), 10u);
    EXPECT_EQ(control.GetPropertyTypeName(0), ControlEngine::PropertyTypeName(0));
    EXPECT_FALSE(control.isModified());
}

TEST_F(ControlTest, NewTreeBeforeInitFailsWithTheControlsName) {
    const Failure f = failureOf([&] { control.NewTree(); });
    EXPECT_EQ(f.code, 1u);
    EXPECT_EQ(f.description, error_texts::kControlName);
    EXPECT_EQ(f.helpContext, 1u);
    EXPECT_TRUE(control.GetFileName().empty());
}

TEST_F(ControlTest, GuardedMembersReportCodeAndText) {
    control.Init();
    control.NewTree();
    control.AddVertex();
    control.setModified(false);
    struct Case {
        std::function<void()> call;
        std::uint32_t code;
        std::u16string text;
    };
    const std::vector<Case> cases{
        {[&] { control.RemoveVertex(42); }, 0x800a03f3,
         u"Ramulo Control: RemoveVertex Error. Vertex 42 cannot be found"},
        {[&] { control.RemoveEdge(7); }, 0x800a03f4,
         u"Ramulo Control: RemoveEdge Error. Edge 7 cannot be found"},
        {[&] { control.GetEdgeID(0, 5); }, 0x800a03f8,
         u"Ramulo Control: Error in GetEdgeID. Edge 5 not found.\nNumber of edges is 0."},
        {[&] { control.GetVertexID(0, 1); }, 0x800a03f7,
         u"Ramulo Control: Error in GetVertexID. Vertex 1 not found.\nGraph order is 1."},
        {[&] { control.GetPropertyTypeID(u"name"); }, 0x800a03f9,
         u"Ramulo Control: Property name does not exist."},
        {[&] { control.GetVertexPropertyValue(12345, 0, 0); }, 0x800a03fe,
         u"Ramulo Control: Incorrect Vertex ID"},
        {[&] { control.SetVertexPropertyValue(12345, 0, 0, Variant::fromInt(1)); }, 0x800a03f5,
         u"Incorrect Vertex ID"},
        {[&] { control.GetVertexPropertyIndex(0, 3); }, 0x800a03fa,
         u"Ramulo Control: Error in FindVertexPropertyIndex. PropertyLevel is 3.\n"
         u"PropertyLevel can only be 0 (space-level), 1 (graph-level) or 2 (view-level)."},
        {[&] { control.SetBorderStyle(2); }, 0x800a017c, u""},
        {[&] { control.SetAppearance(-1); }, 0x800a017c, u""},
    };
    for (const Case& c : cases) {
        const Failure f = failureOf(c.call);
        EXPECT_EQ(f.code, c.code) << std::hex << c.code;
        EXPECT_EQ(f.description, c.text) << std::hex << c.code;
        EXPECT_EQ(f.helpContext, 0u);
    }
    // A failed member leaves the modified flag alone.
    EXPECT_FALSE(control.isModified());
    EXPECT_EQ(control.GetBorderStyle(), 0);
}

TEST_F(ControlTest, ModifiedFlagFollowsTheMember) {
    struct Case {
        const char* name;
        std::function<void()> call;
        bool modified;
    };
    control.Init();
    control.AddVertexPropertyByName(u"X", 2);
    control.NewTree();
    const std::uint32_t v = control.AddVertex();
    const std::vector<Case> cases{
        {"flag setter", [&] { control.SetRotationEnabled(VARIANT_TRUE); }, true},
        {"TestID", [&] { control.SetTestID(3); }, true},
        {"AddVertex", [&] { control.AddVertex(); }, true},
        {"index put", [&] { control.SetVertexPropertyValue(v, 0, 2, Variant::fromInt(5)); }, true},
        {"by-name put",
         [&] { control.SetVertexPropertyValueByName(v, u"X", 2, Variant::fromInt(6)); }, false},
        {"appearance", [&] { control.SetDefaultEdgeAppearance(1); }, true},
        {"layout", [&] { control.HierarchicalLayout(); }, true},
        {"transform", [&] { control.FlipVertical(); }, true},
        {"layout parameters", [&] { control.SetRadialLayoutParams(10, 0.5); }, false},
        {"menu item", [&] { control.AddGraphMenuItem(u"Go"); }, false},
        {"file name", [&] { control.SetFileName(u"tree"); }, false},
    };
    for (const Case& c : cases) {
        control.setModified(false);
        c.call();
        EXPECT_EQ(control.isModified(), c.modified) << c.name;
    }
    control.Init();
    EXPECT_FALSE(control.isModified());
}

// The view a vertex is shown with, when it is of that class.
template <typename ViewClass>
const ViewClass* shownAs(RamuloControl& control, std::uint32_t id) {
    ControlEngine& engine = engineOf(control);
    return dynamic_cast<ViewClass*>(
        engine.view()->findVertexView(engine.space()->vertexFactory().at(id)));
}

// Each dot member reaches the engine with its own shape and its arguments in their places.
TEST_F(ControlTest, DotAppearanceMembersPassShapeAndArguments) {
    using Default = void (RamuloControl::*)(std::uint16_t, VARIANT_BOOL, std::uint16_t,
                                            std::uint16_t, std::uint16_t, std::uint16_t);
    using PerVertex =
        void (RamuloControl::*)(std::uint32_t, std::uint16_t, VARIANT_BOOL, std::uint16_t,
                                std::uint16_t, std::uint16_t, std::uint16_t);
    const struct {
        const char* name;
        Default setDefault;
        PerVertex setOne;
        int classId;
    } cases[] = {
        {"plain", &RamuloControl::SetDefaultVertexAppearance, &RamuloControl::SetVertexAppearance,
         1},
        {"square", &RamuloControl::SetDefaultVertexAppearance_SquareDot,
         &RamuloControl::SetVertexAppearance_SquareDot, 1},
        {"diamond", &RamuloControl::SetDefaultVertexAppearance_DiamondDot,
         &RamuloControl::SetVertexAppearance_DiamondDot, 3},
    };
    control.Init();
    control.NewTree();
    const auto shown = [&](std::uint32_t id) { return shownAs<nx::DotView>(control, id); };
    const nx::DotParameters expected{true, 1, 2, 6, 7, 13};
    for (const auto& c : cases) {
        (control.*c.setDefault)(13, VARIANT_TRUE, 1, 2, 6, 7);
        const nx::DotView* byDefault = shown(control.AddVertex());
        control.SetDefaultVertexAppearance(9, VARIANT_FALSE, 4, 4, 1, 2);
        const std::uint32_t one = control.AddVertex();
        (control.*c.setOne)(one, 13, VARIANT_TRUE, 1, 2, 6, 7);
        const nx::DotView* byOne = shown(one);
        for (const nx::DotView* view : {byDefault, byOne}) {
            ASSERT_NE(view, nullptr) << c.name;
            EXPECT_EQ(view->getClassId(), c.classId) << c.name;
            EXPECT_EQ(view->parameters(), expected) << c.name;
        }
    }
}

// The icon members reach the engine with each argument in its place: the three kinds of
// source, the size, both text colours (OLE, resolved) and both label positions.
TEST_F(ControlTest, IconAppearanceMembersPassTheirArguments) {
    const struct {
        const char16_t* fileName;
        const char16_t* iconName;
        std::int32_t id;
        std::uint16_t size;
    } sources[] = {
        {u"a.ico", u"", 0, 24},
        {u"", u"folder", 0, 40},
        {u"", u"", 7, 16},
    };
    control.Init();
    control.NewTree();
    const auto shown = [&](std::uint32_t id) { return shownAs<nx::IconView>(control, id); };
    for (const auto& c : sources) {
        control.SetDefaultVertexAppearance_Icon(c.fileName, c.iconName, c.id, -1, c.size,
                                                0x00336699, 0x000000FF, 8, 13);
        const nx::IconView* byDefault = shown(control.AddVertex());
        control.SetDefaultVertexAppearance(9, VARIANT_FALSE, 4, 4, 1, 2);
        const std::uint32_t one = control.AddVertex();
        control.SetVertexAppearance_Icon(one, c.fileName, c.iconName, c.id, -1, c.size, 0x00336699,
                                         0x000000FF, 8, 13);
        const nx::IconView* byOne = shown(one);
        for (const nx::IconView* view : {byDefault, byOne}) {
            ASSERT_NE(view, nullptr);
            SCOPED_TRACE(c.size);
            EXPECT_EQ(view->icon().fileName(), c.fileName);
            EXPECT_EQ(view->icon().name(), c.iconName);
            EXPECT_EQ(view->icon().id(), c.id);
            EXPECT_EQ(view->size(), c.size);
            EXPECT_EQ(view->nameTextColor(), (nx::RgbColor{0x99, 0x66, 0x33}));
            EXPECT_EQ(view->weightTextColor(), (nx::RgbColor{0xFF, 0, 0}));
            EXPECT_EQ(view->namePosition(), nx::IconView::CENTER);
            EXPECT_EQ(view->weightPosition(), nx::IconView::S_INSIDE);
        }
    }
}

// A Selected value put through the members is the selection they read: by index or by
// name, vertices and edges, listed in the order they were selected, through undo and redo.
TEST_F(ShownControl, SelectedValuePutsKeepTheSelectionCurrent) {
    const std::uint32_t a = control.GetVertexID(0, 2);
    const std::uint32_t b = control.GetVertexID(0, 6);
    const std::uint32_t e = control.GetEdgeID(0, 3);
    const std::uint16_t selectedIndex =
        control.GetVertexPropertyIndex(control.GetPropertyTypeID(u"Selected"), 2);
    const auto byIndex = [&](std::uint32_t v, bool on) {
        control.SetVertexPropertyValue(v, selectedIndex, 2, Variant::fromBool(on));
    };
    const auto byName = [&](std::uint32_t v, bool on) {
        control.SetVertexPropertyValueByName(v, u"Selected", 2, Variant::fromBool(on));
    };
    const auto edge = [&](bool on) {
        control.SetEdgePropertyValueByName(e, u"Selected", 2, Variant::fromBool(on));
    };
    using Ids = std::vector<std::uint32_t>;
    const struct {
        const char* step;
        std::function<void()> call;
        Ids vertices, edges;
    } steps[] = {
        {"b by index", [&] { byIndex(b, true); }, {b}, {}},
        {"a by name", [&] { byName(a, true); }, {b, a}, {}},
        {"a again", [&] { byIndex(a, true); }, {b, a}, {}},
        {"another value",
         [&] { control.SetVertexPropertyValueByName(b, u"Name", 0, Variant::fromString(u"b")); },
         {b, a},
         {}},
        {"an edge", [&] { edge(true); }, {b, a}, {e}},
        {"b cleared", [&] { byName(b, false); }, {a}, {e}},
        {"undone", [&] { control.Undo(); }, {a, b}, {e}},
        {"redone", [&] { control.Redo(); }, {a}, {e}},
        {"edge cleared", [&] { edge(false); }, {a}, {}},
    };
    const auto listed = [&](bool edges) {
        Ids ids;
        const std::uint32_t count = edges ? control.GetEdgeCount(1) : control.GetVertexCount(1);
        for (std::uint32_t n = 0; n < count; ++n)
            ids.push_back(edges ? control.GetEdgeID(1, n) : control.GetVertexID(1, n));
        return ids;
    };
    ASSERT_EQ(listed(false), Ids{});
    for (const auto& s : steps) {
        s.call();
        EXPECT_EQ(listed(false), s.vertices) << s.step;
        EXPECT_EQ(listed(true), s.edges) << s.step;
    }
}

TEST_F(ControlTest, EditingEnabledConfiguresTheView) {
    control.Init();
    control.NewTree();
    control.SetEditingEnabled(VARIANT_TRUE);
    EXPECT_EQ(control.GetEditingEnabled(), VARIANT_TRUE);
    EXPECT_TRUE(engineOf(control).view()->interactive());
    EXPECT_TRUE(engineOf(control).view()->keepForest());
    control.SetEditingEnabled(VARIANT_FALSE);
    EXPECT_FALSE(engineOf(control).view()->interactive());
}

TEST_F(ControlTest, CustomMenuItemsIndexFromZeroAndClear) {
    EXPECT_EQ(control.AddGraphMenuItem(u"First"), 0);
    EXPECT_EQ(control.AddGraphMenuItem(u"Second"), 1);
    EXPECT_EQ(control.AddVertexMenuItemFunc(u"Call", Variant::fromI4(0x401000)), 0);
    const ControlEngine& e = engineOf(control);
    EXPECT_EQ(e.menuTexts(ControlEngine::Menu::Graph),
              (std::vector<std::u16string>{u"First", u"Second"}));
    EXPECT_EQ(e.menuEnabled(ControlEngine::Menu::Graph), (std::vector<std::int32_t>{1, 1}));
    // An address that arrives as a number is never called.
    EXPECT_EQ(e.menuCallbacks(ControlEngine::Menu::Vertex).at(0), nullptr);

    control.EnableGraphMenuItem(1, VARIANT_FALSE);
    control.EnableGraphMenuItem(2, VARIANT_FALSE);  // past the items: nothing
    control.EnableGraphMenuItem(0, VARIANT_TRUE);
    EXPECT_EQ(e.menuEnabled(ControlEngine::Menu::Graph), (std::vector<std::int32_t>{-1, 0}));

    control.ClearGraphMenuItems();
    EXPECT_TRUE(e.menuTexts(ControlEngine::Menu::Graph).empty() &&
                e.menuCallbacks(ControlEngine::Menu::Graph).empty() &&
                e.menuEnabled(ControlEngine::Menu::Graph).empty());
    EXPECT_EQ(control.AddGraphMenuItem(u"Again"), 0);
    EXPECT_EQ(e.menuTexts(ControlEngine::Menu::Vertex).size(), 1u);  // other menus untouched
    control.ClearVertexMenuItems();
    control.ClearEdgeMenuItems();
    EXPECT_TRUE(e.menuTexts(ControlEngine::Menu::Vertex).empty());
}

}  // namespace
