// Context menus, double-click, mouse handling and the editing commands, on a scripted window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control/control_events.h"
#include "control/control_interaction.h"
#include "control/dispatch_table.h"
#include "control_fixture.h"
#include "engine/menu_resources.h"
#include "engine/window_graph_view.h"
#include "graph/edge_factory.h"
#include "graph/graph.h"
#include "graph/space.h"
#include "graph/vertex_factory.h"
#include "traversal/graph_walks.h"

using namespace ramulo;

namespace {

using namespace control_test;
namespace id = menu_id;
using Flags = ControlEngine::MenuFlags;

struct Fired {
    int dispid;
    std::uint16_t cmnd;
    std::uint32_t element;
    friend bool operator==(const Fired&, const Fired&) = default;
};

struct EventLog : RamuloControlEvents {
    std::vector<Fired> fired;
    void GraphMenuCommand(std::uint16_t c) override { fired.push_back({501, c, 0}); }
    void VertexMenuCommand(std::uint16_t c, std::uint32_t e) override {
        fired.push_back({502, c, e});
    }
    void EdgeMenuCommand(std::uint16_t c, std::uint32_t e) override {
        fired.push_back({503, c, e});
    }
};

struct Recorder : VariantCallable {
    std::vector<std::uint32_t> calls;
    void call(std::uint32_t elementId) override { calls.push_back(elementId); }
};

// The items of a menu as (ID, text, grayed); separators as (0, "-").
struct Row {
    std::uint32_t id;
    std::u16string text;
    bool grayed = false;
    friend bool operator==(const Row&, const Row&) = default;
};
std::vector<Row> rows(const MenuModel& menu) {
    std::vector<Row> r;
    for (const MenuItem& i : menu)
        r.push_back(i.separator ? Row{0, u"-", false} : Row{i.commandId, i.text, i.grayed});
    return r;
}
const Row kSep{0, u"-", false};

std::u16string widen(const std::string& s) {
    return std::u16string(s.begin(), s.end());
}

class Interaction : public ShownControl {
protected:
    void SetUp() override {
        ShownControl::SetUp();
        for (auto set :
             {&RamuloControl::SetEditingEnabled, &RamuloControl::SetNewEnabled,
              &RamuloControl::SetFileIOEnabled, &RamuloControl::SetRotationEnabled,
              &RamuloControl::SetHierarchicalLayoutEnabled, &RamuloControl::SetRadialLayoutEnabled,
              &RamuloControl::SetForceDirectedLayoutEnabled, &RamuloControl::SetDoubleClickEnabled})
            (control.*set)(VARIANT_TRUE);
        control.NewTree();
        control.setEventListener(&events);
        control.setModified(false);
    }
    ControlEngine& engine() { return engineOf(control); }
    nx::WindowGraphView& view() { return *engine().view(); }
    nx::Vertex* vertex(std::uint32_t vid) { return engine().space()->vertexFactory().at(vid); }
    nx::Point position(std::uint32_t vid) {
        nx::Vertex* v = vertex(vid);
        return {view().getX(v, view().vertexViewProperties(v)),
                view().getY(v, view().vertexViewProperties(v))};
    }
    // A vertex made through the graph menu at a client point.
    std::uint32_t newVertexAt(nx::Point client, nx::Point scroll = {0, 0}) {
        window.menuChoices.push_back(id::NewVertex);
        ui.contextMenu(client, client, scroll);
        return static_cast<std::uint32_t>(engine().currentVertex()->id);
    }
    std::uint32_t vertexCount() { return control.GetVertexCount(0); }

    EventLog events;
    ControlInteraction ui{control};
};

TEST(MenuTables, VertexEdgeAndGraphMenusItemByItem) {
    ControlEngine engine;
    engine.AddMenuItem(ControlEngine::Menu::Vertex, u"Inspect");
    engine.AddMenuItem(ControlEngine::Menu::Vertex, u"Hide");
    engine.EnableMenuItem(ControlEngine::Menu::Vertex, 1, VARIANT_FALSE);
    Flags off{false, false, false, false, false, false, false};
    EXPECT_EQ(rows(engine.vertexMenu(off)),
              (std::vector<Row>{{id::NewOutcomingEdge, u"New Outcoming Edge", true},
                                {id::NewIncomingEdge, u"New Incoming Edge", true},
                                {id::DeleteVertex, u"Delete Vertex", true},
                                kSep,
                                {id::kCustomItemBase, u"Inspect", false},
                                {id::kCustomItemBase + 1, u"Hide", true}}));
    Flags radial = off;
    radial.editing = radial.radialLayout = true;
    const std::vector<Row> vertexMenu = rows(engine.vertexMenu(radial));
    EXPECT_EQ(vertexMenu[0], (Row{id::NewOutcomingEdge, u"New Outcoming Edge", false}));
    EXPECT_EQ(vertexMenu[3], kSep);
    EXPECT_EQ(vertexMenu[4], (Row{id::CenterOfRadialLayout, u"Center of Radial Layout", false}));
    EXPECT_EQ(rows(engine.edgeMenu(off)),
              (std::vector<Row>{{id::DeleteEdge, u"Delete Edge", true}}));

    // Graph menu: empty graph with no file switches holds "New Vertex" and the custom items.
    engine.Init();
    engine.NewTree(true, nullptr);
    engine.AddMenuItem(ControlEngine::Menu::Graph, u"Report");
    Flags all;
    EXPECT_EQ(
        rows(engine.graphMenu(off)),
        (std::vector<Row>{
            {id::NewVertex, u"New Vertex", true}, kSep, {id::kCustomItemBase, u"Report", false}}));
    engine.AddVertex();
    engine.AddVertex();
    EXPECT_EQ(rows(engine.graphMenu(all)),
              (std::vector<Row>{{id::NewVertex, u"New Vertex", false},
                                kSep,
                                {id::RotateRight90, u"Rotate Right 90\u00B0"},
                                {id::RotateLeft90, u"Rotate Left 90\u00B0"},
                                {id::FlipVertical, u"Flip Vertical"},
                                {id::FlipHorizontal, u"Flip Horizontal"},
                                kSep,
                                {id::HierarchicalLayout, u"Hierarchical Layout"},
                                {id::RadialLayout, u"Radial Layout"},
                                {id::ForceDirectedLayout, u"Force-Directed Layout"},
                                kSep,
                                {id::SelectAllVertices, u"Select All Vertices"},
                                kSep,
                                {id::FileNew, u"&New"},
                                {id::FileOpen, u"&Open..."},
                                {id::FileSave, u"&Save"},
                                {id::FileSaveAs, u"Save &As..."},
                                kSep,
                                {id::kCustomItemBase, u"Report", false}}));
}

TEST(MenuTables, GroupsFollowTheirConditions) {
    ControlEngine engine;
    engine.Init();
    engine.NewTree(true, nullptr);
    engine.AddVertex();  // one vertex: layouts yes, transforms no
    struct Case {
        Flags flags;
        std::vector<std::uint32_t> ids;
    } cases[] = {
        {{true, false, false, true, false, true, false},
         {id::NewVertex, 0, id::HierarchicalLayout, 0, id::SelectAllVertices}},
        {{false, false, true, true, false, false, false},
         {id::NewVertex, 0, id::FileOpen, id::FileSave, id::FileSaveAs}},
        {{false, true, false, false, true, false, true},
         {id::NewVertex, 0, id::RadialLayout, id::ForceDirectedLayout, 0, id::FileNew}},
    };
    for (const Case& c : cases) {
        std::vector<std::uint32_t> ids;
        for (const MenuItem& i : engine.graphMenu(c.flags)) ids.push_back(i.commandId);
        EXPECT_EQ(ids, c.ids);
    }
}

TEST_F(Interaction, CustomItemIndicesEnableAndEvents) {
    EXPECT_EQ(control.AddGraphMenuItem(u"First"), 0);
    EXPECT_EQ(control.AddGraphMenuItem(u"Second"), 1);
    control.EnableGraphMenuItem(2, VARIANT_FALSE);  // the item count: nothing happens
    EXPECT_EQ(engine().menuEnabled(ControlEngine::Menu::Graph), (std::vector<std::int32_t>{1, 1}));
    control.EnableGraphMenuItem(0, VARIANT_FALSE);
    EXPECT_EQ(engine().menuEnabled(ControlEngine::Menu::Graph), (std::vector<std::int32_t>{0, 1}));

    window.menuChoices.push_back(id::kCustomItemBase + 1);
    ui.contextMenu({5, 5}, {5, 5}, {0, 0});
    const MenuModel& shown = window.menus.back().items;
    EXPECT_TRUE(shown[shown.size() - 2].grayed);
    EXPECT_EQ(events.fired, (std::vector<Fired>{{501, 1, 0}}));
    EXPECT_FALSE(control.isModified());

    control.ClearGraphMenuItems();
    EXPECT_EQ(control.AddGraphMenuItem(u"Again"), 0);
    // An ID past the items, or the nominal 32781 + index, runs nothing.
    window.menuChoices = {id::kCustomItemBase + 1, id::customCommand(0)};
    ui.contextMenu({5, 5}, {5, 5}, {0, 0});
    ui.contextMenu({5, 5}, {5, 5}, {0, 0});
    EXPECT_EQ(events.fired.size(), 1u);
}

TEST_F(Interaction, ManyCustomItemsNeverTurnIntoBuiltInCommands) {
    for (int i = 0; i < 1100; ++i) control.AddGraphMenuItem(u"Item " + std::u16string(1, u'x'));
    newVertexAt({40, 40});
    const std::uint32_t v = newVertexAt({90, 40});
    // 32781 + 1002 is the radial layout's ID and 32781 + 1010 the flip's; both stay custom.
    for (std::uint16_t index : {std::uint16_t(1002), std::uint16_t(1010), std::uint16_t(1099)}) {
        window.menuChoices.push_back(id::kCustomItemBase + index);
        ui.contextMenu({300, 300}, {300, 300}, {0, 0});
    }
    EXPECT_EQ(events.fired, (std::vector<Fired>{{501, 1002, 0}, {501, 1010, 0}, {501, 1099, 0}}));
    EXPECT_EQ(position(v), (nx::Point{90, 40}));  // no layout or flip ran
    const MenuModel& shown = window.menus.back().items;
    for (const MenuItem& item : shown) {
        if (!item.separator && item.text.starts_with(u"Item")) {
            EXPECT_GE(item.commandId, id::kCustomItemBase);
        }
    }
}

TEST_F(Interaction, NewVertexLandsAtTheLogicalClickPoint) {
    const std::uint32_t v = newVertexAt({30, 20}, {200, 150});
    EXPECT_EQ(position(v), (nx::Point{230, 170}));
    EXPECT_TRUE(control.isModified());
    EXPECT_EQ(window.menus.back().x, 30);

    // Without editing the item is grayed and the command does nothing.
    control.SetEditingEnabled(VARIANT_FALSE);
    window.menuChoices.push_back(id::NewVertex);
    ui.contextMenu({60, 60}, {60, 60}, {0, 0});
    EXPECT_TRUE(window.menus.back().items[0].grayed);
    EXPECT_EQ(vertexCount(), 1u);
}

TEST_F(Interaction, VertexMenuWithoutEditingIsGrayedAndDoesNothing) {
    const std::uint32_t v = newVertexAt({50, 50});
    control.SetEditingEnabled(VARIANT_FALSE);
    control.setModified(false);
    window.menuChoices.push_back(id::DeleteVertex);
    ui.contextMenu({50, 50}, {50, 50}, {0, 0});
    const MenuModel& shown = window.menus.back().items;
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(shown[i].grayed);
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(vertexCount(), 1u);
    EXPECT_FALSE(control.isModified());
    EXPECT_EQ(engine().currentVertex(), vertex(v));
}

TEST_F(Interaction, DeleteAsksAndNoKeepsEverything) {
    const std::uint32_t v = newVertexAt({50, 50});
    control.setModified(false);
    window.menuChoices = {id::DeleteVertex, id::DeleteVertex};
    window.answers = {MessageAnswer::No, MessageAnswer::Yes};
    ui.contextMenu({50, 50}, {50, 50}, {0, 0});
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text,
              u"Do you want to remove vertex " + widen(std::to_string(v)) + u" from the tree?");
    EXPECT_EQ(window.messages[0].caption, u"Delete Vertex");
    EXPECT_EQ(window.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(vertexCount(), 1u);
    EXPECT_FALSE(control.isModified());
    ui.contextMenu({50, 50}, {50, 50}, {0, 0});
    EXPECT_EQ(vertexCount(), 0u);
    EXPECT_TRUE(control.isModified());
}

TEST_F(Interaction, DoubleClickRunsItemZeroEvenWhenDisabled) {
    const std::uint32_t a = newVertexAt({50, 50});
    const std::uint32_t b = newVertexAt({250, 50});
    control.AddEdge(a, b);
    control.AddVertexMenuItem(u"Open");
    control.AddVertexMenuItem(u"Other");
    control.EnableVertexMenuItem(0, VARIANT_FALSE);
    control.AddGraphMenuItem(u"Background");
    ui.leftDoubleClick({50, 50}, {0, 0});
    ui.leftDoubleClick({150, 50}, {0, 0});  // an edge without edge items: nothing
    ui.leftDoubleClick({150, 300}, {0, 0});
    EXPECT_EQ(events.fired, (std::vector<Fired>{{502, 0, a}, {501, 0, 0}}));
    control.SetDoubleClickEnabled(VARIANT_FALSE);
    ui.leftDoubleClick({50, 50}, {0, 0});
    EXPECT_EQ(events.fired.size(), 2u);
}

TEST_F(Interaction, CallbacksAreTypedCallablesNeverNumbers) {
    const std::uint32_t v = newVertexAt({50, 50});
    auto recorder = std::make_shared<Recorder>();
    invoke(control, u"AddVertexMenuItemFunc", MemberKind::Method,
           {Variant::fromString(u"Callable"), Variant::fromCallable(recorder)});
    // A number posing as an address is stored as no callback; the event still fires.
    Variant address;
    address.vt = VT_I8;
    address.llVal = 0x1234;
    invoke(control, u"AddVertexMenuItemFunc", MemberKind::Method,
           {Variant::fromString(u"Number"), address});
    std::vector<std::uint32_t> typed;
    engine().AddMenuItem(ControlEngine::Menu::Vertex, u"Typed",
                         [&](std::uint32_t e) { typed.push_back(e); });
    EXPECT_FALSE(engine().menuCallbacks(ControlEngine::Menu::Vertex)[1]);

    window.menuChoices = {id::kCustomItemBase, id::kCustomItemBase + 1, id::kCustomItemBase + 2};
    for (int i = 0; i < 3; ++i) ui.contextMenu({50, 50}, {50, 50}, {0, 0});
    EXPECT_EQ(recorder->calls, (std::vector<std::uint32_t>{v}));
    EXPECT_EQ(typed, (std::vector<std::uint32_t>{v}));
    EXPECT_EQ(events.fired, (std::vector<Fired>{{502, 0, v}, {502, 1, v}, {502, 2, v}}));
}

TEST_F(Interaction, RightButtonUpEndsTheDragItStarted) {
    const std::uint32_t v = newVertexAt({50, 50});
    ui.rightButtonDown(0, {50, 50}, {0, 0});
    EXPECT_TRUE(window.captured);
    ui.rightButtonUp({50, 50}, {0, 0});
    EXPECT_FALSE(window.captured);
    EXPECT_FALSE(view().interaction().moving);
    ui.mouseMove({120, 90}, {0, 0});  // button up: nothing follows the pointer
    EXPECT_EQ(position(v), (nx::Point{50, 50}));
}

TEST_F(Interaction, EditingSession) {
    // Three vertices from the menu, in a scrolled window.
    const nx::Point scroll{10, 0};
    const std::uint32_t a = newVertexAt({90, 50}, scroll);
    const std::uint32_t b = newVertexAt({40, 200}, scroll);
    const std::uint32_t c = newVertexAt({190, 200}, scroll);
    ASSERT_EQ(vertexCount(), 3u);

    // Connect a -> b and a -> c through the vertex menu and a click on the target.
    auto connect = [&](nx::Point from, std::uint32_t command, nx::Point to) {
        window.menuChoices.push_back(command);
        ui.contextMenu(from, from, scroll);
        EXPECT_TRUE(window.captured);
        // While connecting no context menu opens.
        const std::size_t shown = window.menus.size();
        ui.contextMenu(to, to, scroll);
        EXPECT_EQ(window.menus.size(), shown);
        ui.mouseMove(to, scroll);
        ui.leftButtonDown(0, to, scroll);
        ui.leftButtonUp(to, scroll);
    };
    connect({90, 50}, id::NewOutcomingEdge, {40, 200});
    connect({190, 200}, id::NewIncomingEdge, {90, 50});
    EXPECT_EQ(control.GetEdgeCount(0), 2u);
    EXPECT_GE(window.repaints, 2);
    // b -> a would close a cycle: refused, and the next context menu opens again.
    connect({40, 200}, id::NewOutcomingEdge, {90, 50});
    EXPECT_EQ(control.GetEdgeCount(0), 2u);
    EXPECT_EQ(nx::isForest(*engine().graph()), true);

    // Rubber band around b and c, then drag them right by 30.
    ui.leftButtonDown(0, {0, 150}, scroll);
    ui.mouseMove({250, 260}, scroll);
    ui.leftButtonUp({250, 260}, scroll);
    EXPECT_EQ(control.GetVertexCount(1), 2u);
    ui.leftButtonDown(0, {40, 200}, scroll);
    ui.mouseMove({55, 200}, scroll);
    ui.leftButtonUp({70, 200}, scroll);
    EXPECT_EQ(position(b), (nx::Point{80, 200}));
    EXPECT_EQ(position(c), (nx::Point{230, 200}));
    EXPECT_EQ(position(a), (nx::Point{100, 50}));
    EXPECT_EQ(control.scrollSize(), engine().GetExtent());

    // Select all from the menu, then a layout from the menu moves the vertices.
    window.menuChoices.push_back(id::SelectAllVertices);
    ui.contextMenu({400, 400}, {400, 400}, scroll);
    EXPECT_EQ(control.GetVertexCount(1), 3u);
    window.menuChoices.push_back(id::HierarchicalLayout);
    ui.contextMenu({400, 400}, {400, 400}, scroll);
    EXPECT_EQ(position(b).y, position(c).y);
    EXPECT_GT(position(b).y, position(a).y);

    // Delete an edge and a vertex with confirmation, and fire a custom edge command.
    control.AddEdgeMenuItem(u"Weigh");
    const nx::Point aAt = position(a), cAt = position(c);
    const nx::Point mid{(aAt.x + cAt.x) / 2 - scroll.x, (aAt.y + cAt.y) / 2 - scroll.y};
    window.menuChoices = {id::kCustomItemBase, id::DeleteEdge};
    window.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    ui.contextMenu(mid, mid, scroll);
    ASSERT_TRUE(engine().currentEdge());
    const std::uint32_t edge = static_cast<std::uint32_t>(engine().currentEdge()->id);
    EXPECT_EQ(events.fired, (std::vector<Fired>{{503, 0, edge}}));
    ui.contextMenu(mid, mid, scroll);
    EXPECT_EQ(control.GetEdgeCount(0), 1u);
    EXPECT_EQ(window.messages.back().caption, u"Delete Edge");
    window.menuChoices.push_back(id::DeleteVertex);
    const nx::Point bAt{position(b).x - scroll.x, position(b).y - scroll.y};
    ui.contextMenu(bAt, bAt, scroll);
    EXPECT_EQ(vertexCount(), 2u);
    EXPECT_EQ(control.GetEdgeCount(0), 0u);
    EXPECT_TRUE(control.isModified());
}

}  // namespace

namespace {

using namespace control_test;
namespace id = menu_id;

// A layout whose arrangement fails answers false after its message box: from the menu that
// leaves the document unmodified and unpainted, while the automation method still marks it.
TEST_F(Interaction, MenuLayoutThatDidNotArrangeChangesNothing) {
    control.Init();
    control.NewTree();  // no coordinates or working properties: every layout refuses
    control.AddVertex();
    control.setModified(false);
    const int invalidations = window.invalidations;
    for (std::uint32_t command : {id::HierarchicalLayout, id::RadialLayout,
                                  id::ForceDirectedLayout}) {
        window.menuChoices.push_back(command);
        ui.contextMenu({400, 400}, {400, 400}, {0, 0});
        ASSERT_FALSE(window.messages.empty());
        EXPECT_EQ(window.messages.back().caption, u"RamuloCtrl Error");
    }
    EXPECT_EQ(window.messages.size(), 3u);
    EXPECT_FALSE(control.isModified());
    EXPECT_EQ(window.invalidations, invalidations);
    control.HierarchicalLayout();
    EXPECT_TRUE(control.isModified());
}

// A window whose message box fails: the layout's failure then reaches the command.
struct RefusingWindow : ScriptedHostWindow {
    MessageAnswer messageBox(const std::u16string&, const std::u16string&, MessageButtons,
                             MessageIcon) override {
        throw std::runtime_error("no box today");
    }
};

TEST(MenuLayoutFailure, EachCommandReportsItsOwnCode) {
    control_module::start();
    RefusingWindow window;
    RamuloControl control;
    control.windowCreated(&window);
    control.SetHierarchicalLayoutEnabled(VARIANT_TRUE);
    control.SetRadialLayoutEnabled(VARIANT_TRUE);
    control.SetForceDirectedLayoutEnabled(VARIANT_TRUE);
    control.Init();
    control.NewTree();
    control.AddVertex();
    ControlInteraction ui{control};
    const struct {
        std::uint32_t command;
        std::uint32_t code;
    } cases[] = {{id::HierarchicalLayout, 0x800a03ef},
                 {id::RadialLayout, 0x800a03f1},
                 {id::ForceDirectedLayout, 0x800a03f2}};
    for (const auto& c : cases) {
        window.menuChoices.push_back(c.command);
        const Failure f = failureOf([&] { ui.contextMenu({400, 400}, {400, 400}, {0, 0}); });
        EXPECT_EQ(f.code, c.code) << c.command;
        EXPECT_EQ(f.description, u"no box today");
    }
    EXPECT_EQ(failureOf([&] { control.ForceDirectedLayout(); }).code, 0x800a03f1u);
}

}  // namespace
