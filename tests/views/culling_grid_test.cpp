// Drawing culled through the cached grid matches testing every element, primitive for primitive.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <sstream>

#include "recording_graph_view.h"
#include "views/position_writer.h"

namespace nx::test {
namespace {

std::string describe(const DrawCall& c) {
    std::ostringstream out;
    out << c.op << ' ' << c.rect.left << ',' << c.rect.top << ',' << c.rect.right << ','
        << c.rect.bottom << ' ' << c.from.x << ',' << c.from.y << ' ' << c.to.x << ',' << c.to.y
        << ' ' << c.radius << ' ' << int(c.colour.red) << ',' << int(c.colour.green) << ','
        << int(c.colour.blue) << ' ' << c.width << ' ' << c.text.size() << ' ' << c.pointSize << ' '
        << c.xorMode << c.toScreen;
    return out.str();
}

class CullingGrid : public ::testing::Test {
protected:
    Document doc;
    std::unique_ptr<RecordingGraphView> view;
    std::vector<Vertex*> vertices;
    std::mt19937 random{20261210};

    void SetUp() override {
        doc.vertexSchema.add(Name());
        doc.edgeSchema.add(Name());
    }

    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }

    void addVertex() {
        Vertex* v = doc.addVertex();
        if (uniform(0, 3) == 0)
            valueOf<Name>(v->properties).set(std::u16string(uniform(1, 12), u'a'));
        vertices.push_back(v);
        view->synchronize();
        place(v);
        ActualProperties* values = view->vertexViewProperties(v);
        if (uniform(0, 9) == 0) view->setSelected(*view->findVertexEntry(v), true);
        if (uniform(0, 9) == 0) valueOf<Fading>(values).set(uniform(0, 120));
    }
    void place(Vertex* v) {
        ActualProperties* values = view->vertexViewProperties(v);
        view->setX(v, values, uniform(0, 3000));
        view->setY(v, values, uniform(0, 2000));
    }
    void addEdge() {
        Edge* e = doc.addEdge(vertices[uniform(0, int(vertices.size()) - 1)],
                              vertices[uniform(0, int(vertices.size()) - 1)]);
        if (uniform(0, 4) == 0)
            valueOf<Name>(e->properties).set(std::u16string(uniform(1, 6), u'e'));
        view->synchronize();
        if (uniform(0, 9) == 0) view->setSelected(view->findEdgeEntry(e), true);
    }
    std::vector<std::string> drawn(const Rect& r, bool indexed) {
        view->tools.calls.clear();
        if (indexed)
            view->draw(r);
        else
            view->renderer().renderTestingEveryElement(view->tools, r);
        std::vector<std::string> out;
        for (const DrawCall& c : view->tools.calls) out.push_back(describe(c));
        return out;
    }
    Rect randomArea() {
        const int x = uniform(-500, 3200), y = uniform(-500, 2200);
        return {x, y, x + uniform(-300, 1200), y + uniform(-300, 800)};  // may be reversed
    }
    void expectSameDrawing(int areas) {
        for (int k = 0; k < areas; ++k) {
            const Rect r = randomArea();
            DrawCall area;
            area.rect = r;
            SCOPED_TRACE(describe(area));
            const auto indexed = drawn(r, true);
            EXPECT_EQ(indexed, drawn(r, false));
        }
    }
};

TEST_F(CullingGrid, DrawsWhatTheFullWalkDrawsOnRandomGraphs) {
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE(round);
        doc.graph->clearGraph();
        vertices.clear();
        view = std::make_unique<RecordingGraphView>(&doc.vertexViewSchema, &doc.edgeViewSchema);
        view->setGraph(doc.graph);
        const int n = uniform(1, 300);
        for (int i = 0; i < n; ++i) addVertex();
        for (int i = uniform(0, 2 * n); i > 0; --i) addEdge();
        view->rebuildSelection();
        expectSameDrawing(20);
        EXPECT_EQ(drawn({-100000, -100000, 100000, 100000}, true).size(),
                  drawn({-100000, -100000, 100000, 100000}, false).size());
    }
}

// The grid is cached between draws: every change made through the view must show.
TEST_F(CullingGrid, FollowsChangesBetweenDraws) {
    view = std::make_unique<RecordingGraphView>(&doc.vertexViewSchema, &doc.edgeViewSchema);
    view->setGraph(doc.graph);
    for (int i = 0; i < 150; ++i) addVertex();
    for (int i = 0; i < 200; ++i) addEdge();
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"move",
         [&] {
             for (int i = 0; i < 20; ++i) place(vertices[uniform(0, 149)]);
         }},
        {"add vertex", [&] { addVertex(); }},
        {"add edge", [&] { addEdge(); }},
        {"remove vertex",
         [&] {
             doc.graph->removeVertex(*vertices.back());
             vertices.pop_back();
             view->synchronize();
         }},
        {"bring to front", [&] { view->bringToFront(vertices[uniform(0, 100)]); }},
        {"send to back", [&] { view->sendToBack(vertices[uniform(0, 100)]); }},
        {"flip", [&] { view->flipHorizontal(); }},
        {"rotate", [&] { view->rotate(0.7f); }},
        {"move selected", [&] { view->moveSelected(37, -12); }},
        {"write through a position writer",
         [&] {
             PositionWriter positions(*view);
             for (int i = 0; i < 20; ++i)
                 positions.set(*vertices[uniform(0, 100)], uniform(0, 3000), uniform(0, 2000));
         }},
        {"draw while a writer holds slots",
         [&] {
             PositionWriter positions(*view);
             std::vector<PositionWriter::Slots> slots;
             for (int i = 0; i < 20; ++i) slots.push_back(positions.slots(*vertices[uniform(0, 100)]));
             expectSameDrawing(3);  // the grid is built with the old positions
             for (const PositionWriter::Slots& xy : slots) {
                 *xy.x = uniform(0, 3000);
                 *xy.y = uniform(0, 2000);
             }
         }},
        {"select and deselect",
         [&] {
             for (int i = 0; i < 20; ++i) {
                 view->setSelected(*view->findVertexEntry(vertices[uniform(0, 100)]), true);
                 view->setSelected(*view->findVertexEntry(vertices[uniform(0, 100)]), false);
             }
         }},
        {"scale", [&] { view->setScaleX(1.5f); }},
        {"rename through the view",
         [&] {
             for (Vertex* v : vertices)
                 view->writeVertexValues(
                     *v, [&] { valueOf<Name>(v->properties).set(u"a much longer name"); });
         }},
        {"rename one", [&] {
             Vertex* v = vertices[uniform(0, 100)];
             view->writeVertexValues(
                 *v, [&] { valueOf<Name>(v->properties).set(u"another quite long name"); });
         }},
    };
    view->rebuildSelection();
    expectSameDrawing(5);  // builds the grid
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        change();
        view->rebuildSelection();
        expectSameDrawing(10);
    }
}

}  // namespace
}  // namespace nx::test
