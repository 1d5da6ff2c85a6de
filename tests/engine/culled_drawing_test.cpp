// After each kind of writer, drawing a small area through the grid matches testing every element.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/window_graph_view.h"
#include "engine_fixture.h"
#include "views/recording_drawing_tools.h"

using namespace ramulo;

namespace {

using namespace engine_test;

std::string describe(const nx::test::DrawCall& c) {
    std::ostringstream out;
    out << c.op << ' ' << c.rect.left << ',' << c.rect.top << ',' << c.rect.right << ','
        << c.rect.bottom << ' ' << c.from.x << ',' << c.from.y << ' ' << c.to.x << ',' << c.to.y
        << ' ' << c.radius << ' ' << int(c.colour.red) << ',' << int(c.colour.green) << ','
        << int(c.colour.blue) << ' ' << c.width << ' ' << std::string(c.text.begin(), c.text.end());
    return out.str();
}

// A tree of 40 named vertices on a grid; the areas are tiles about one vertex wide, so an
// element whose box the grid still holds at its old place goes missing from some tile.
class CulledDrawing : public OpenDocument {
protected:
    void SetUp() override {
        OpenDocument::SetUp();
        engine.history().setDepth(100);
        ids = addVertices(40);
        std::vector<std::uint32_t> sources, targets, edges(ids.size() - 1);
        for (std::size_t i = 1; i < ids.size(); ++i) {
            sources.push_back(ids[(i - 1) / 3]);
            targets.push_back(ids[i]);
        }
        engine.AddEdges(static_cast<std::uint16_t>(sources.size()), sources.data(), targets.data(),
                        edges.data());
        edgeIds = edges;
        for (std::size_t i = 0; i < ids.size(); ++i) {
            place(ids[i], 30 + static_cast<int>(i % 8) * 70, 30 + static_cast<int>(i / 8) * 60);
            if (i % 3 == 0) rename(ids[i], u"v" + std::u16string(i % 5 + 1, u'x'));
        }
    }
    void rename(std::uint32_t id, const std::u16string& name) {
        engine.SetVertexPropertyValueByName(id, u"Name", 0, Variant::fromString(name));
    }
    std::vector<std::string> drawn(const nx::Rect& r, bool culled) {
        tools.calls.clear();
        if (culled)
            engine.view()->renderer().render(tools, r);
        else
            engine.view()->renderer().renderTestingEveryElement(tools, r);
        std::vector<std::string> out;
        for (const nx::test::DrawCall& c : tools.calls) out.push_back(describe(c));
        return out;
    }
    void expectCulledMatches() {
        const nx::Rect e = engine.view()->extent();
        const int w = std::max(1, (e.right - e.left) / 8), h = std::max(1, (e.bottom - e.top) / 6);
        for (int top = e.top - h; top <= e.bottom; top += h)
            for (int left = e.left - w; left <= e.right; left += w) {
                const nx::Rect r{left, top, left + w, top + h};
                SCOPED_TRACE(std::to_string(left) + "," + std::to_string(top));
                const auto culled = drawn(r, true);
                ASSERT_EQ(culled, drawn(r, false));
            }
    }
    nx::Point at(std::uint32_t id) { return {x(id), y(id)}; }

    nx::test::RecordingDrawingTools tools;
    std::vector<std::uint32_t> ids, edgeIds;
};

TEST_F(CulledDrawing, MatchesTestingEveryElementAfterEachWriter) {
    const auto file = std::filesystem::path(RAMULO_TEST_OUTPUT) / "culled_drawing.nx";
    std::filesystem::create_directories(file.parent_path());
    const std::vector<std::pair<const char*, std::function<void()>>> writers = {
        {"put X and Y", [&] { place(ids[5], 900, 700); }},
        {"put X alone",
         [&] { engine.SetVertexPropertyValueByName(ids[6], u"X", 2, Variant::fromInt(15)); }},
        {"rename", [&] { rename(ids[7], u"a name much longer than its neighbours"); }},
        {"edge put",
         [&] {
             engine.SetEdgePropertyValueByName(edgeIds[3], u"Name", 0,
                                               Variant::fromString(u"a long edge name"));
         }},
        {"hierarchical layout", [&] { ASSERT_TRUE(engine.HierarchicalLayout()); }},
        {"radial layout", [&] { ASSERT_TRUE(engine.RadialLayout()); }},
        {"force-directed layout", [&] { ASSERT_TRUE(engine.ForceDirectedLayout()); }},
        {"flip", [&] { engine.FlipHorizontal(); }},
        {"rotate", [&] { engine.RotateRight90(); }},
        {"drag",
         [&] {
             const nx::Point from = at(ids[9]);
             ASSERT_TRUE(engine.MouseDown(nullptr, 0, from, {0, 0}));
             engine.MouseMove(nullptr, {from.x + 150, from.y + 90}, {0, 0});
             nx::Size extent{};
             engine.MouseUp(nullptr, extent, {from.x + 150, from.y + 90}, {0, 0});
         }},
        {"select all", [&] { engine.SelectAllVertices(); }},
        {"bring to front", [&] { engine.view()->bringToFront(vertex(ids[0])); }},
        {"add and place a vertex",
         [&] {
             const std::uint32_t added = engine.AddVertex();
             engine.AddEdge(ids[2], added);
             place(added, 700, 20);
         }},
        {"remove a vertex", [&] { engine.RemoveVertex(ids[39]); }},
        {"undo",
         [&] {
             for (int k = 0; k < 6; ++k) ASSERT_TRUE(engine.Undo());
         }},
        {"redo",
         [&] {
             for (int k = 0; k < 4; ++k) ASSERT_TRUE(engine.Redo());
         }},
        {"load",
         [&] {
             place(ids[1], 1000, 20);
             engine.SaveStream(file.string());
             place(ids[1], 20, 1000);
             engine.LoadStream(file.string(), true, &host);
         }},
    };
    expectCulledMatches();  // builds the grid
    for (const auto& [name, write] : writers) {
        SCOPED_TRACE(name);
        write();
        expectCulledMatches();
    }
}

}  // namespace
