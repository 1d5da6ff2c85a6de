// Drawing a 100,000-vertex tree through QtView into a 1920 x 1080 memory buffer:
// everything at once, a viewport of about 1% of it, and the culling walk alone.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <QGuiApplication>
#include <QImage>

#include "graph/graph.h"
#include "graph/space.h"
#include "platform/qt/qt_device_context.h"
#include "platform/qt/qt_view.h"
#include "properties/properties.h"
#include "support/document_schemas.h"

namespace {

constexpr int kVertices = 100000;
constexpr int kColumns = 320;
constexpr int kSpacingX = 60;  // a name label fits between neighbours
constexpr int kSpacingY = 34;
constexpr int kBufferWidth = 1920;
constexpr int kBufferHeight = 1080;

template <typename P>
P& valueOf(nx::ActualProperties* properties) {
    static const P prototype;
    return properties->get<P>(properties->find(prototype));
}

// A random recursive tree (each vertex hangs from a uniformly chosen earlier one),
// named by number and laid out row by row on a grid in depth-first order, snaking,
// so that most edges stay short as in a real layout. The grid is about 10 buffers wide
// and 10 high, so a buffer-sized viewport shows about 1% of it.
struct TreeDrawing : nx::test::SchemasAndSpace, nx::test::ViewSchemas {
    nx::Graph* graph = nullptr;
    std::unique_ptr<nx::QtView> view;
    QImage screen{kBufferWidth, kBufferHeight, QImage::Format_RGB32};
    nx::Rect extent;

    TreeDrawing() {
        vertexSchema.add(nx::Name());
        addStandardViewValues();
        graph = space.graphFactory().create();

        std::mt19937 random(20261210);
        std::vector<nx::Vertex*> vertices;
        std::vector<std::vector<int>> children(kVertices);
        vertices.reserve(kVertices);
        for (int i = 0; i < kVertices; ++i) {
            nx::Vertex* v = space.vertexFactory().create();
            const std::string number = std::to_string(i);
            valueOf<nx::Name>(v->properties)
                .set(u"v" + std::u16string(number.begin(), number.end()));
            graph->addVertex(*v);
            vertices.push_back(v);
            if (i == 0) continue;
            const int parent = std::uniform_int_distribution<int>(0, i - 1)(random);
            children[parent].push_back(i);
            graph->addEdge(*space.edgeFactory().create(vertices[parent], v));
        }

        view = std::make_unique<nx::QtView>(&vertexViewSchema, &edgeViewSchema);
        view->setGraph(graph);
        std::vector<int> stack{0};
        int slot = 0;
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            const int row = slot / kColumns;
            const int column = row % 2 == 0 ? slot % kColumns : kColumns - 1 - slot % kColumns;
            ++slot;
            nx::ActualProperties* values = view->vertexViewProperties(vertices[i]);
            view->setX(vertices[i], values, 40 + column * kSpacingX);
            view->setY(vertices[i], values, 30 + row * kSpacingY);
            for (auto c = children[i].rbegin(); c != children[i].rend(); ++c) stack.push_back(*c);
        }
        extent = view->extent();

        nx::QtDrawingTools& tools = view->qtDrawingTools();
        tools.setBackgroundColor(view->backgroundColor);
        tools.enableMemoryBuffer();
    }

    // One paint of the logical area r, scrolled so that r starts at the buffer's corner.
    void paint(const nx::Rect& r) {
        nx::QtDeviceContext context(&screen, {-r.left, -r.top});
        nx::QtDrawingTools& tools = view->qtDrawingTools();
        tools.init(&context, {kBufferWidth, kBufferHeight});
        tools.fadingLevel = 0;
        tools.fadingRatio = 0.0;
        view->eraseBackground(r);
        view->draw(r);
    }
};

TreeDrawing& drawing() {
    static TreeDrawing instance;
    return instance;
}

nx::Rect centredViewport() {
    const nx::Rect e = drawing().extent;
    const int left = (e.left + e.right - kBufferWidth) / 2;
    const int top = (e.top + e.bottom - kBufferHeight) / 2;
    return {left, top, left + kBufferWidth, top + kBufferHeight};
}

void report(benchmark::State& state, const nx::Rect& r) {
    const nx::Rect e = drawing().extent;
    const double area = double(e.right - e.left) * double(e.bottom - e.top);
    state.counters["vertices_shown"] = double(drawing().view->verticesInRect(r).size());
    state.counters["edges_shown"] = double(drawing().view->edgesInRect(r).size());
    state.counters["area_pct"] =
        100.0 * double(r.right - r.left) * double(r.bottom - r.top) / std::max(area, 1.0);
}

// (a) The whole drawing is visible: nothing is culled, every element is drawn (the
// buffer keeps the part that lands on it).
void BM_DrawWholeTree(benchmark::State& state) {
    drawing().view->useSpatialIndex = state.range(0) != 0;  // 0: the full walk
    const nx::Rect r = drawing().extent;
    for (auto _ : state) drawing().paint(r);
    report(state, r);
}
BENCHMARK(BM_DrawWholeTree)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// (b) A buffer-sized viewport in the middle of the drawing: about 1% of it.
void BM_DrawOnePercentViewport(benchmark::State& state) {
    drawing().view->useSpatialIndex = state.range(0) != 0;  // 0: the full walk
    const nx::Rect r = centredViewport();
    for (auto _ : state) drawing().paint(r);
    report(state, r);
}
BENCHMARK(BM_DrawOnePercentViewport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// (c) A buffer-sized viewport beside the drawing: only the culling walk over all
// elements and the background remain, the fixed part of (b).
void BM_DrawEmptyViewport(benchmark::State& state) {
    drawing().view->useSpatialIndex = state.range(0) != 0;  // 0: the full walk
    const nx::Rect e = drawing().extent;
    const nx::Rect r{e.right + 1000, e.top, e.right + 1000 + kBufferWidth, e.top + kBufferHeight};
    for (auto _ : state) drawing().paint(r);
    report(state, r);
}
BENCHMARK(BM_DrawEmptyViewport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    drawing();  // build the document outside the timings
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
