// Cost of the graph view's drawing walk (culling, fading, views) over a 100,000-vertex tree,
// measured with drawing tools that do no painting, plus heap allocations per drawn element.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <random>
#include <string>

#include "graph/space.h"
#include "properties/actual_properties.h"
#include "properties/properties.h"
#include "support/document_schemas.h"
#include "support/headless_graph_view.h"
#include "views/drawing_tools.h"
#include "views/graph_view.h"
#include "views/view.h"

// Replacing the global allocator to count allocations confuses GCC's pairing check.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {

std::atomic<long> gAllocations{0};

}  // namespace

void* operator new(std::size_t size) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

// Counts primitives and measures text as 7 x 12 per character; paints nothing.
class NullDrawingTools : public nx::DrawingTools {
public:
    long primitives = 0;
    void drawToMemory() override {}
    void drawToScreen() override {}
    void moveTo(const nx::Point&) override {}
    void lineTo(const nx::Point&) override { ++primitives; }
    void drawLine(const nx::Point&, const nx::Point&) override { ++primitives; }
    void drawCircle(const nx::Point&, int) override { ++primitives; }
    void drawEllipse(const nx::Rect&) override { ++primitives; }
    void drawText(const std::u16string&, const std::u16string&, int, int, int, int, bool, bool,
                  bool, const nx::Rect&) override {
        ++primitives;
    }
    void drawText(const std::u16string&, const std::u16string&, int, const nx::Rect&) override {
        ++primitives;
    }
    nx::Size getTextSize(const std::u16string& t, const std::u16string&, int, int, int, int, bool,
                         bool, bool) override {
        return {7 * t.size(), 12};
    }
    nx::Size getTextSize(const std::u16string& t, const std::u16string&, int) override {
        return {7 * t.size(), 12};
    }
    void drawRectangle(const nx::Rect&) override { ++primitives; }
    void drawDiamond(const nx::Point&, const nx::Size&) override { ++primitives; }
    void fillRectangle(const nx::Rect&) override { ++primitives; }
    void fillDiamond(const nx::Point&, const nx::Size&) override { ++primitives; }
    void fillCircle(const nx::Point&, int) override { ++primitives; }
    void fillEllipse(const nx::Rect&) override { ++primitives; }
    void copyFromMemoryToScreen(const nx::Point&, const nx::Point&, const nx::Size&) override {}
    void copyFromScreenToMemory(const nx::Point&, const nx::Point&, const nx::Size&) override {}
    bool isDrawingToMemory() const override { return true; }
    void setCopyMode() override {}
    void setXorMode() override {}
    void setBlackMode() override {}
    void selectBitmap(nx::Bitmap&) override {}
    void deselectBitmap(nx::Bitmap&) override {}
    void drawBitmap(nx::Bitmap&, const nx::Point&, const nx::Rect&) override {}
    void drawBitmap(nx::Bitmap&, const nx::Point&) override {}
    void drawIcon(nx::Icon&, const nx::Point&, const nx::Size&) override {}
    void lineToWithSelectedPen(const nx::Point&) override { ++primitives; }
    void drawLineWithSelectedPen(const nx::Point&, const nx::Point&) override { ++primitives; }
    void drawCircleWithSelectedPen(const nx::Point&, int) override { ++primitives; }
    void drawEllipseWithSelectedPen(const nx::Rect&) override { ++primitives; }
    void drawTextWithSelectedFont(const std::u16string&, const nx::Rect&) override { ++primitives; }
    nx::Size getTextSizeWithSelectedFont(const std::u16string& t) override {
        return {7 * t.size(), 12};
    }
    void drawRectangleWithSelectedPen(const nx::Rect&) override { ++primitives; }
    void drawDiamondWithSelectedPen(const nx::Point&, const nx::Size&) override { ++primitives; }
    void init(nx::DeviceContext*, const nx::Size&) override { initialized = true; }
    void deinit() override { initialized = false; }
};

class NullView : public nx::test::HeadlessGraphView {
public:
    using HeadlessGraphView::HeadlessGraphView;
    NullDrawingTools tools;
    nx::DrawingTools* drawingTools() override { return &tools; }
};

constexpr int kVertices = 100000;
constexpr int kColumns = 400;
constexpr int kSpacing = 40;

// A random recursive tree with named vertices, laid out row by row on a grid.
struct Scene : nx::test::Schemas, nx::test::ViewSchemas {
    std::unique_ptr<nx::Space> space;
    std::unique_ptr<NullView> view;

    Scene() {
        vertexSchema.add(nx::Name());
        vertexViewSchema.add(nx::X());
        vertexViewSchema.add(nx::Y());
        vertexViewSchema.add(nx::Selected());
        vertexViewSchema.add(nx::Fading());
        edgeViewSchema.add(nx::Selected());
        edgeViewSchema.add(nx::AuxInt1());
        space = newSpace();
        nx::Graph* graph = space->graphFactory().create();
        std::mt19937 random(42);
        std::vector<nx::Vertex*> made;
        made.reserve(kVertices);
        for (int i = 0; i < kVertices; ++i) {
            nx::Vertex* v = space->vertexFactory().create();
            v->properties->get<nx::Name>(0).set(u"v" + std::u16string(1, u'0' + i % 10));
            graph->addVertex(*v);
            if (i > 0) {
                std::uniform_int_distribution<int> parent(0, i - 1);
                graph->addEdge(*space->edgeFactory().create(made[parent(random)], v));
            }
            made.push_back(v);
        }
        view = std::make_unique<NullView>(&vertexViewSchema, &edgeViewSchema);
        view->setGraph(graph);
        for (const nx::VertexViewEntry e : view->vertexSequence()) {
            const auto i = static_cast<int>(e.vertex->id) - 1;  // the graph took id 0
            view->setX(e.vertex, e.properties, (i % kColumns) * kSpacing + 20);
            view->setY(e.vertex, e.properties, (i / kColumns) * kSpacing + 20);
        }
        view->draw(view->extent());  // bring incidence up to date once
    }
};

Scene& scene() {
    static Scene s;
    return s;
}

void drawArea(benchmark::State& state, nx::Rect area) {
    Scene& s = scene();
    const bool cull = state.range(0) != 0;  // 0: every element tested, as before the grid
    long allocations = 0;
    for (auto _ : state) {
        s.view->tools.primitives = 0;
        const long before = gAllocations.load();
        if (cull)
            s.view->draw(area);
        else
            s.view->renderer().renderTestingEveryElement(s.view->tools, area);
        allocations = gAllocations.load() - before;
    }
    state.counters["primitives"] = static_cast<double>(s.view->tools.primitives);
    state.counters["allocations"] = static_cast<double>(allocations);
}

// (a) every element inside the area.
void BM_DrawWholeTree(benchmark::State& state) {
    drawArea(state, scene().view->extent());
}

// (b) a viewport of about 1% of the drawing (16000 x 10000 pixels).
void BM_DrawOnePercentViewport(benchmark::State& state) {
    drawArea(state, {8000, 5000, 9600, 6000});
}

// The walk (b) cannot avoid: an area that meets nothing, so every element is only culled.
void BM_CullingWalkOnly(benchmark::State& state) {
    drawArea(state, {-100000, -100000, -99000, -99000});
}

BENCHMARK(BM_DrawWholeTree)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_DrawOnePercentViewport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_CullingWalkOnly)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
