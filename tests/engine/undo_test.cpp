// The engine's history: every kind of change taken back and made again gives back the very
// files saved before and after it; limits, the clean mark and what starts a new history.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "support/scratch_filesystem.h"

using namespace ramulo;

namespace {

using namespace engine_test;

class History : public OpenDocument {
protected:
    void SetUp() override {
        OpenDocument::SetUp();
        // A folder per test: CTest runs them side by side.
        folder = std::filesystem::path(RAMULO_TEST_OUTPUT) / "engine_history" /
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::create_directories(folder);
        // root -> a, b; a -> c; b -> d, e, with names, weights and positions, and one
        // vertex that left the graph but stays in the space.
        ids = addVertices(7);
        const std::uint32_t sources[] = {ids[0], ids[0], ids[1], ids[2], ids[2], ids[0]};
        const std::uint32_t targets[] = {ids[1], ids[2], ids[3], ids[4], ids[5], ids[6]};
        edges.resize(6);
        engine.AddEdges(6, sources, targets, edges.data());
        for (std::size_t i = 0; i < ids.size(); ++i) {
            const std::u16string name = u"v" + std::u16string(1, char16_t(u'0' + i));
            engine.SetVertexPropertyValueByName(ids[i], u"Name", 0, Variant::fromString(name));
            engine.SetVertexPropertyValueByName(ids[i], u"_I1", 1, Variant::fromInt(int(i) * 7));
            place(ids[i], 10 + 30 * int(i), 20 + 11 * int(i));
        }
        engine.SetEdgePropertyValueByName(edges[2], u"Name", 0, Variant::fromString(u"a-c"));
        engine.SetEdgePropertyValueByName(edges[2], u"_V1", 1, Variant::fromInt(5));
        engine.RemoveVertex(ids[6]);
        engine.history().clear(true);
    }

    // Both files of the document, one after the other.
    std::string saved() {
        const auto stream = folder / "doc.nx", xml = folder / "doc.nxx";
        engine.SaveStream(stream.string());
        engine.SaveXml(xml.string());
        return test_support::bytesOf(stream) + "\n----\n" + test_support::bytesOf(xml);
    }

public:
    // The steps below reach these.
    using OpenDocument::host;
    using OpenDocument::vertex;
    std::filesystem::path folder;
    std::vector<std::uint32_t> ids, edges;
};

struct Step {
    const char* name;
    std::function<void(History&, ControlEngine&)> run;
};

// A later step may use what an earlier one made: the table runs as one sequence.
const std::vector<Step>& steps() {
    static const std::vector<Step> table = {
        {"AddVertex", [](History&, ControlEngine& e) { e.AddVertex(); }},
        {"RemoveVertex with its edges",
         [](History& h, ControlEngine& e) { e.RemoveVertex(h.ids[2]); }},
        {"AddEdge", [](History& h, ControlEngine& e) { e.AddEdge(h.ids[3], h.ids[7]); }},
        {"AddEdge to vertices out of the graph",
         [](History& h, ControlEngine& e) { e.AddEdge(h.ids[2], h.ids[6]); }},
        {"RemoveEdge", [](History& h, ControlEngine& e) { e.RemoveEdge(h.edges[0]); }},
        {"AddVertices",
         [](History&, ControlEngine& e) {
             std::uint32_t made[3];
             e.AddVertices(3, made);
         }},
        {"RemoveVertices apart in the drawing order",
         [](History& h, ControlEngine& e) {
             const std::uint32_t gone[] = {h.ids[5], h.ids[1], h.ids[9]};
             e.RemoveVertices(3, gone);
         }},
        {"AddEdges with a pair that names no vertex",
         [](History& h, ControlEngine& e) {
             const std::uint32_t s[] = {h.ids[0], 999, h.ids[0]};
             const std::uint32_t t[] = {h.ids[8], h.ids[0], h.ids[3]};
             std::uint32_t made[3];
             e.AddEdges(3, s, t, made);
         }},
        {"RemoveEdges",
         [](History&, ControlEngine& e) {
             const std::uint32_t gone[] = {e.GetEdgeID(0, 0), e.GetEdgeID(0, 2)};
             e.RemoveEdges(2, gone);
         }},
        {"vertex value in the space",
         [](History& h, ControlEngine& e) {
             e.SetVertexPropertyValueByName(h.ids[0], u"Weight", 0, Variant::fromInt(12));
         }},
        {"vertex value in the graph",
         [](History& h, ControlEngine& e) {
             e.SetVertexPropertyValueByName(h.ids[3], u"_R1", 1, Variant::fromR8(0.25));
         }},
        {"vertex position in the view",
         [](History& h, ControlEngine& e) {
             e.SetVertexPropertyValueByName(h.ids[3], u"X", 2, Variant::fromInt(-40));
         }},
        {"edge value",
         [](History& h, ControlEngine& e) {
             e.SetEdgePropertyValueByName(h.edges[1], u"Name", 0, Variant::fromString(u"x"));
         }},
        {"graph value",
         [](History&, ControlEngine& e) {
             e.SetGraphPropertyValueByName(u"Name", Variant::fromString(u"tree"));
         }},
        {"vertex appearance",
         [](History& h, ControlEngine& e) {
             e.SetVertexAppearance(h.ids[3], {DotAppearance::Shape::Diamond, 12, true, 3, 4, 1, 2});
         }},
        {"default vertex appearance",
         [](History&, ControlEngine& e) {
             e.SetDefaultVertexAppearance({DotAppearance::Shape::Square, 7, false, 1, 0, 0, 4});
         }},
        {"edge appearance",
         [](History&, ControlEngine& e) { e.SetEdgeAppearance(e.GetEdgeID(0, 1), 3); }},
        {"default edge appearance",
         [](History&, ControlEngine& e) { e.SetDefaultEdgeAppearance(2); }},
        {"HierarchicalLayout", [](History&, ControlEngine& e) { e.HierarchicalLayout(); }},
        {"RadialLayout", [](History&, ControlEngine& e) { e.RadialLayout(); }},
        {"ForceDirectedLayout", [](History&, ControlEngine& e) { e.ForceDirectedLayout(); }},
        {"RotateRight90", [](History&, ControlEngine& e) { e.RotateRight90(); }},
        {"FlipVertical", [](History&, ControlEngine& e) { e.FlipVertical(); }},
        {"NewVertexAtClick",
         [](History&, ControlEngine& e) {
             e.setLastClick({321, 123});
             e.NewVertexAtClick();
         }},
        {"DeleteCurrentVertex",
         [](History& h, ControlEngine& e) {
             h.host.answers.push_back(MessageAnswer::Yes);
             e.setCurrentVertex(h.vertex(h.ids[0]));
             e.DeleteCurrentVertex(&h.host);
         }},
    };
    return table;
}

TEST_F(History, EveryChangeUndoesAndRedoesToTheSameFiles) {
    std::vector<std::string> files{saved()};
    for (const Step& step : steps()) {
        SCOPED_TRACE(step.name);
        const std::size_t vertices = engine.space()->vertexFactory().size();
        step.run(*this, engine);
        // The ids the later steps use, whichever step made them.
        for (std::size_t id = vertices; id < engine.space()->vertexFactory().size(); ++id)
            ids.push_back(static_cast<std::uint32_t>(id));
        files.push_back(saved());
        // (Compared as flags: the files are long.)
        ASSERT_FALSE(files.back() == files[files.size() - 2]) << "the step changed nothing";
        ASSERT_TRUE(engine.CanUndo());
        // Each step alone: back, forth.
        ASSERT_TRUE(engine.Undo());
        ASSERT_TRUE(saved() == files[files.size() - 2]);
        ASSERT_TRUE(engine.Redo());
        ASSERT_TRUE(saved() == files.back());
    }
    EXPECT_EQ(engine.history().undoCount(), steps().size());
    // The whole sequence back to the start and forth to the end.
    for (std::size_t i = steps().size(); i-- > 0;) {
        SCOPED_TRACE(steps()[i].name);
        ASSERT_TRUE(engine.Undo());
        ASSERT_TRUE(saved() == files[i]);
    }
    EXPECT_FALSE(engine.CanUndo());
    for (std::size_t i = 0; i < steps().size(); ++i) {
        SCOPED_TRACE(steps()[i].name);
        ASSERT_TRUE(engine.Redo());
        ASSERT_TRUE(saved() == files[i + 1]);
    }
    EXPECT_FALSE(engine.CanRedo());
}

// Enough removals one at a time that the graph's and view's maps would reclaim their empty
// slots; with a short history too, where the oldest removals are forgotten.
TEST_F(History, ManyRemovalsComeBackInPlaceWhateverTheDepth) {
    std::vector<std::uint32_t> more = addVertices(80);
    for (std::size_t i = 1; i < more.size(); ++i) engine.AddEdge(more[i / 2], more[i]);
    for (std::size_t depth : {std::size_t{100}, std::size_t{5}}) {
        SCOPED_TRACE(depth);
        engine.history().clear(true);
        engine.history().setDepth(depth);
        std::vector<std::string> files{saved()};
        for (std::size_t i = 0; i < 70; ++i) {
            // All over the orders, not only from their ends.
            engine.RemoveVertex(more[10 + (i * 37) % 70]);
            files.push_back(saved());
        }
        const std::size_t back = std::min<std::size_t>(depth, 70);
        for (std::size_t k = 0; k < back; ++k) {
            ASSERT_TRUE(engine.Undo());
            ASSERT_TRUE(saved() == files[files.size() - 2 - k]) << k;
        }
        EXPECT_FALSE(engine.CanUndo());
        for (std::size_t k = back; k-- > 0;) {
            ASSERT_TRUE(engine.Redo());
            ASSERT_TRUE(saved() == files[files.size() - 1 - k]) << k;
        }
        // Everything back for the next round, unrecorded.
        while (engine.Undo()) {
        }
        engine.history().setDepth(0);
        for (std::size_t i = 0; i < more.size(); ++i)
            if (!engine.graph()->contains(*vertex(more[i]))) engine.AddEdge(more[i / 2], more[i]);
        engine.history().setDepth(100);
    }
}

TEST_F(History, AStepTakenDuringADragLeavesTheDragItsOwnStep) {
    engine.HierarchicalLayout();
    const nx::Point origin{0, 0};
    const nx::Point at{x(ids[3]), y(ids[3])};
    const std::string laidOut = saved();
    ASSERT_TRUE(engine.MouseDown(nullptr, 0, at, origin));
    engine.MouseMove(nullptr, {at.x + 10, at.y}, origin);
    // The layout is taken back while the button is still down.
    ASSERT_TRUE(engine.Undo());
    const std::string placed = saved();
    engine.MouseMove(nullptr, {at.x + 30, at.y + 10}, origin);
    nx::Size extent{};
    engine.MouseUp(nullptr, extent, {at.x + 30, at.y + 10}, origin);
    ASSERT_TRUE(engine.CanUndo());
    ASSERT_TRUE(engine.Undo());
    // Back to the document as the undo left it, not to the laid-out one.
    EXPECT_TRUE(saved() == placed);
    EXPECT_FALSE(saved() == laidOut);
}

TEST_F(History, UndoneElementsGiveTheirIdsBackAndCountsFollow) {
    const std::uint32_t order = engine.GetVertexCount(0);
    const std::uint32_t made = engine.AddVertex();
    const std::uint32_t edge = engine.AddEdge(ids[0], made);
    ASSERT_TRUE(engine.Undo());
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(engine.GetVertexCount(0), order);
    EXPECT_EQ(engine.space()->vertexFactory().at(made), nullptr);
    EXPECT_EQ(engine.space()->edgeFactory().at(edge), nullptr);
    // A new change drops what could be redone; new elements take the freed ids.
    EXPECT_EQ(engine.AddVertex(), made);
    EXPECT_FALSE(engine.CanRedo());
    EXPECT_EQ(engine.AddEdge(ids[0], made), edge);
}

TEST_F(History, AnUndoThatFindsAnotherNewestElementLosesNone) {
    const std::uint32_t made = engine.AddVertex();
    nx::VertexFactory& factory = engine.space()->vertexFactory();
    nx::Vertex* stray = factory.create();  // made behind the history's back
    const std::size_t count = factory.size();
    EXPECT_THROW(engine.Undo(), std::logic_error);
    EXPECT_EQ(factory.size(), count);
    EXPECT_NE(factory.at(made), nullptr);
    EXPECT_EQ(factory.at(stray->id), stray);
}

TEST_F(History, UndoForgetsCurrentElementsThatLeft) {
    const std::uint32_t made = engine.AddVertex();
    engine.setCurrentVertex(vertex(made));
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(engine.currentVertex(), nullptr);
    EXPECT_EQ(engine.currentVertexProperties(), nullptr);
}

TEST_F(History, UndoEndsAConnectionFromAVertexItTakesAway) {
    const std::uint32_t edgeCount = engine.GetEdgeCount(0);
    const std::uint32_t made = engine.AddVertex();
    engine.setCurrentVertex(vertex(made));
    ASSERT_TRUE(engine.StartOutgoingEdge(nullptr, nullptr));
    ASSERT_TRUE(engine.view()->interaction().connecting());
    ASSERT_TRUE(engine.Undo());
    EXPECT_FALSE(engine.view()->interaction().connecting());
    // Moving and clicking afterwards makes no edge from the vertex that left.
    const nx::Point origin{0, 0}, at{x(ids[3]), y(ids[3])};
    engine.MouseMove(nullptr, at, origin);
    engine.MouseDown(nullptr, 0, at, origin);
    nx::Size extent{};
    engine.MouseUp(nullptr, extent, at, origin);
    EXPECT_EQ(engine.space()->vertexFactory().at(made), nullptr);
    EXPECT_EQ(engine.GetEdgeCount(0), edgeCount);
}

TEST_F(History, CleanMarkFollowsSavesUndoAndRedo) {
    EXPECT_TRUE(engine.history().isClean());
    engine.AddVertex();
    EXPECT_FALSE(engine.history().isClean());
    saved();
    EXPECT_TRUE(engine.history().isClean());
    engine.RemoveVertex(ids[0]);
    EXPECT_FALSE(engine.history().isClean());
    engine.Undo();
    EXPECT_TRUE(engine.history().isClean());
    engine.Undo();
    EXPECT_FALSE(engine.history().isClean());
    engine.Redo();
    EXPECT_TRUE(engine.history().isClean());
    // A new change made from an undone state leaves the saved state out of reach.
    engine.Undo();
    engine.AddEdge(ids[0], ids[1]);
    engine.Undo();
    EXPECT_FALSE(engine.history().isClean());
    // A new property type is no step, nor is a change while nothing is recorded: nothing
    // leads back to the saved state.
    saved();
    engine.AddVertexPropertyByName(u"Int", 0);
    EXPECT_FALSE(engine.history().isClean());
    saved();
    engine.history().setDepth(0);
    engine.AddVertex();
    engine.history().setDepth(100);
    engine.AddVertex();
    engine.Undo();
    EXPECT_FALSE(engine.history().isClean());
}

TEST_F(History, LoadsAndNewTreeStartANewHistoryAndFailedLoadsKeepIt) {
    const std::string file = (folder / "start.nx").string();
    engine.SaveStream(file);
    engine.AddVertex();
    engine.RemoveVertex(ids[0]);
    const std::string broken = (folder / "broken.nx").string();
    std::ofstream(broken, std::ios::binary) << "not a document";
    EXPECT_NE(errorOf([&] { engine.LoadStream(broken, true, &host); }), "");
    EXPECT_EQ(engine.history().undoCount(), 2u);
    ASSERT_TRUE(engine.Undo());
    EXPECT_TRUE(engine.graph()->contains(*vertex(ids[0])));

    engine.LoadStream(file, true, &host);
    EXPECT_FALSE(engine.CanUndo());
    EXPECT_FALSE(engine.CanRedo());
    EXPECT_TRUE(engine.history().isClean());
    engine.AddVertex();
    engine.SetGraphPropertyValueByName(u"Name", Variant::fromString(u"n"));
    engine.NewTree(true, &host);
    EXPECT_FALSE(engine.CanUndo());
    EXPECT_TRUE(engine.history().isClean());
}

TEST_F(History, AGroupIsOneStepToTheSameFilesAndNestedGroupsJoinTheOuterOne) {
    const std::string before = saved();
    engine.BeginUndoGroup();
    const std::uint32_t v = engine.AddVertex();
    engine.SetVertexPropertyValueByName(v, u"Name", 0, Variant::fromString(u"grouped"));
    engine.BeginUndoGroup();
    engine.AddEdge(ids[0], v);
    engine.HierarchicalLayout();
    ASSERT_TRUE(engine.EndUndoGroup());
    EXPECT_EQ(engine.history().undoCount(), 0u) << "the inner end leaves the group open";
    EXPECT_TRUE(engine.CanUndo());
    EXPECT_FALSE(engine.history().isClean());
    ASSERT_TRUE(engine.EndUndoGroup());
    EXPECT_FALSE(engine.EndUndoGroup()) << "no group is open any more";
    const std::string after = saved();
    EXPECT_EQ(engine.history().undoCount(), 1u);

    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(saved(), before);
    EXPECT_FALSE(engine.CanUndo());
    ASSERT_TRUE(engine.Redo());
    EXPECT_EQ(saved(), after);

    // A group that changed nothing leaves no step; one change stays that change.
    engine.BeginUndoGroup();
    EXPECT_TRUE(engine.EndUndoGroup());
    engine.BeginUndoGroup();
    engine.AddVertex();
    EXPECT_TRUE(engine.EndUndoGroup());
    EXPECT_EQ(engine.history().undoCount(), 2u);
}

TEST_F(History, UndoLoadsAndNewTreeCloseAnOpenGroup) {
    const std::string file = (folder / "start.nx").string();
    engine.SaveStream(file);
    // Undo inside a group takes back what the group holds so far.
    engine.BeginUndoGroup();
    engine.AddVertex();
    engine.AddVertex();
    const std::uint32_t order = engine.GetVertexCount(0);
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(engine.GetVertexCount(0), order - 2);
    EXPECT_FALSE(engine.EndUndoGroup());

    for (const bool load : {true, false}) {
        engine.BeginUndoGroup();
        engine.BeginUndoGroup();
        engine.AddVertex();
        if (load)
            engine.LoadStream(file, true, &host);
        else
            engine.NewTree(true, &host);
        EXPECT_FALSE(engine.CanUndo()) << load;
        EXPECT_FALSE(engine.EndUndoGroup()) << load;
        // Later changes are steps of their own again.
        engine.AddVertex();
        engine.AddVertex();
        EXPECT_EQ(engine.history().undoCount(), 2u) << load;
    }
}

TEST_F(History, DepthAndMemoryLimitsDropTheOldestSteps) {
    engine.history().setDepth(3);
    for (int i = 0; i < 5; ++i) engine.AddVertex();
    EXPECT_EQ(engine.history().size(), 3u);
    // The saved state was dropped with the oldest steps: no undo reaches it.
    while (engine.Undo()) {
    }
    EXPECT_EQ(engine.GetVertexCount(0), ids.size() - 1 + 2);
    EXPECT_FALSE(engine.history().isClean());

    engine.history().setDepth(100);
    engine.HierarchicalLayout();
    const std::size_t layoutBytes = engine.history().bytes();
    // Room for one layout and a little more: the next layout pushes the older one out.
    engine.history().clear(true);
    engine.history().setMemoryLimit(layoutBytes + layoutBytes / 2);
    engine.RadialLayout();
    engine.ForceDirectedLayout();
    EXPECT_EQ(engine.history().size(), 1u);
    EXPECT_LE(engine.history().bytes(), engine.history().memoryLimit());

    // Depth 0 records nothing.
    engine.history().setDepth(0);
    EXPECT_FALSE(engine.CanUndo());
    engine.AddVertex();
    EXPECT_FALSE(engine.CanUndo());
}

// Without graph-level edge values a layout keeps none for edges: the vertex working values
// and coordinates still come back exactly.
TEST_F(History, ALayoutWithoutEdgeValuesUndoesAndRedoesToTheSameFiles) {
    ControlEngine bare;
    bare.Init();
    addStandardVertexSchemas(bare);
    bare.AddEdgePropertyByName(u"Name", 0);
    ScriptedHostWindow window;
    bare.NewTree(true, &window);
    std::vector<std::uint32_t> vs(40), es(39), from(39), to(39);
    bare.AddVertices(40, vs.data());
    for (std::uint32_t i = 1; i < 40; ++i) {
        from[i - 1] = vs[i * 13 / 17];  // an earlier vertex: a tree
        to[i - 1] = vs[i];
        bare.SetVertexPropertyValueByName(vs[i], u"_I1", 1, Variant::fromInt(int(i) * 3));
    }
    bare.AddEdges(39, from.data(), to.data(), es.data());
    bare.history().clear(true);
    const auto file = folder / "bare.nx";
    auto bytes = [&] {
        bare.SaveStream(file.string());
        return test_support::bytesOf(file);
    };
    const std::string before = bytes();
    bare.HierarchicalLayout();
    const std::string after = bytes();
    ASSERT_FALSE(after == before);
    ASSERT_TRUE(bare.Undo());
    EXPECT_TRUE(bytes() == before);
    ASSERT_TRUE(bare.Redo());
    EXPECT_TRUE(bytes() == after);
}

TEST_F(History, ALayoutKeepsOnlyCoordinatesAndADragOnlyWhatMoved) {
    // Grow the tree so that a few vertices are a small part of it.
    std::vector<std::uint32_t> more = addVertices(300);
    for (std::uint32_t id : more) engine.AddEdge(ids[0], id);
    engine.history().clear(true);
    engine.HierarchicalLayout();
    const std::size_t order = engine.GetVertexCount(0);
    // Two coordinates per vertex, the one working value that differed from vertex to vertex
    // before (_I1, set in SetUp; the others held one value each) and a little for the step.
    EXPECT_LE(engine.history().bytes(), order * (8 + 4) + 512);
    EXPECT_GE(engine.history().bytes(), order * 8);
    engine.history().clear(true);

    const std::string before = saved();
    // Select and move one vertex by a press, moves and a release: one step of a few bytes.
    const nx::Point at{x(more[0]), y(more[0])};
    const nx::Point origin{0, 0};
    ASSERT_TRUE(engine.MouseDown(nullptr, 0, at, origin));
    engine.MouseMove(nullptr, {at.x + 5, at.y + 3}, origin);
    engine.MouseMove(nullptr, {at.x + 12, at.y + 9}, origin);
    nx::Size extent{};
    engine.MouseUp(nullptr, extent, {at.x + 20, at.y + 15}, origin);
    ASSERT_EQ(engine.history().size(), 1u);
    EXPECT_LE(engine.history().bytes(), 256u);
    EXPECT_NE(x(more[0]), at.x);
    ASSERT_TRUE(engine.Undo());
    EXPECT_EQ(x(more[0]), at.x);
    EXPECT_EQ(y(more[0]), at.y);
    // The press selected the vertex; selection is no step, so the files differ only there.
    engine.SetVertexPropertyValueByName(more[0], u"Selected", 2, Variant::fromBool(false));
    EXPECT_TRUE(saved() == before);
}

}  // namespace
