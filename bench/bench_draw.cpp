// Drawing a 100,000-vertex tree through QtView into a 1920 x 1080 memory buffer:
// everything at once, a viewport of about 1% of it, and the culling walk alone; then the
// same tree built and laid out through the engine, drawn culled against testing every
// element, and single edits between draws.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <QGuiApplication>
#include <QImage>

#include "../tests/views/recording_drawing_tools.h"
#include "engine/control_engine.h"
#include "engine/headless_host_window.h"
#include "engine/scripted_host_window.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"
#include "graph/space.h"
#include "platform/qt/qt_device_context.h"
#include "platform/qt/qt_view.h"
#include "properties/properties.h"
#include "support/document_schemas.h"
#include "target_ratio.h"

namespace {

constexpr int kVertices = 100000;
constexpr int kColumns = 320;
constexpr int kSpacingX = 60;  // a name label fits between neighbours
constexpr int kSpacingY = 34;
constexpr int kBufferWidth = 1920;
constexpr int kBufferHeight = 1080;

// "v" and the number. Appended rather than concatenated: GCC 12 at -O3 reports a false
// -Wrestrict in u"v" + std::u16string here.
std::u16string vertexName(std::uint32_t i) {
    const std::string number = std::to_string(i);
    std::u16string name = u"v";
    name.append(number.begin(), number.end());
    return name;
}

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
            valueOf<nx::Name>(v->properties.get()).set(vertexName(i));
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
        tools.setBackgroundColor(view->backgroundColor());
        tools.enableMemoryBuffer();
    }

    // One paint of the logical area r, scrolled so that r starts at the buffer's corner.
    void paint(const nx::Rect& r, bool cull) {
        nx::QtDeviceContext context(&screen, {-r.left, -r.top});
        nx::QtDrawingTools& tools = view->qtDrawingTools();
        tools.init(&context, {kBufferWidth, kBufferHeight});
        tools.fadingLevel = 0;
        tools.fadingRatio = 0.0;
        view->eraseBackground(r);
        if (cull)
            view->draw(r);
        else  // every element tested, the path before the grid was always current
            view->renderer().renderTestingEveryElement(tools, r);
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
    const bool cull = state.range(0) != 0;  // 0: every element tested
    const nx::Rect r = drawing().extent;
    for (auto _ : state) drawing().paint(r, cull);
    report(state, r);
}
BENCHMARK(BM_DrawWholeTree)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// (b) A buffer-sized viewport in the middle of the drawing: about 1% of it.
void BM_DrawOnePercentViewport(benchmark::State& state) {
    const bool cull = state.range(0) != 0;  // 0: every element tested
    const nx::Rect r = centredViewport();
    for (auto _ : state) drawing().paint(r, cull);
    report(state, r);
}
BENCHMARK(BM_DrawOnePercentViewport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// (c) A buffer-sized viewport beside the drawing: only the culling walk over all
// elements and the background remain, the fixed part of (b).
void BM_DrawEmptyViewport(benchmark::State& state) {
    const bool cull = state.range(0) != 0;  // 0: every element tested
    const nx::Rect e = drawing().extent;
    const nx::Rect r{e.right + 1000, e.top, e.right + 1000 + kBufferWidth, e.top + kBufferHeight};
    for (auto _ : state) drawing().paint(r, cull);
    report(state, r);
}
BENCHMARK(BM_DrawEmptyViewport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// --- The drawing target: a random recursive tree of 100,000 vertices built and laid out
// (hierarchically) through the engine, named by number.

constexpr std::uint32_t kLaidOutVertices = 100000;
constexpr std::uint16_t kChunk = 50000;  // the batch members take 16-bit counts

struct LaidOutTree {
    ramulo::HeadlessHostWindow host;
    ramulo::ControlEngine engine;
    std::vector<std::uint32_t> ids;
    nx::Rect extent;
    nx::test::RecordingDrawingTools recording;
    nx::QtDrawingTools qt;
    QImage screen{kBufferWidth, kBufferHeight, QImage::Format_RGB32};

    LaidOutTree() {
        engine.Init();
        engine.AddVertexPropertyByName(u"Name", 0);
        for (const char16_t* name : {u"_V1", u"_I1", u"_I2", u"_I3", u"_R1", u"_R2"})
            engine.AddVertexPropertyByName(name, 1);
        for (const char16_t* name : {u"X", u"Y", u"Selected"})
            engine.AddVertexPropertyByName(name, 2);
        engine.AddEdgePropertyByName(u"Selected", 2);
        engine.NewTree(true, &host);
        ids.resize(kLaidOutVertices);
        for (std::uint32_t at = 0; at < kLaidOutVertices; at += kChunk)
            engine.AddVertices(kChunk, ids.data() + at);
        std::mt19937 random(20261210);
        std::vector<std::uint32_t> sources, targets;
        for (std::uint32_t i = 1; i < kLaidOutVertices; ++i) {
            sources.push_back(ids[std::uniform_int_distribution<std::uint32_t>(0, i - 1)(random)]);
            targets.push_back(ids[i]);
        }
        std::vector<std::uint32_t> edges(kChunk);
        for (std::size_t at = 0; at < sources.size(); at += kChunk) {
            const auto count =
                static_cast<std::uint16_t>(std::min<std::size_t>(kChunk, sources.size() - at));
            engine.AddEdges(count, sources.data() + at, targets.data() + at, edges.data());
        }
        for (std::uint32_t i = 0; i < kLaidOutVertices; ++i) {
            const std::u16string name = vertexName(i);
            engine.SetVertexPropertyValueByName(ids[i], u"Name", 0, ramulo::Variant::fromString(name));
        }
        engine.HierarchicalLayout();
        extent = engine.view()->extent();
    }

    // A tenth of the drawing's width and height around its centre: 1% of its area.
    nx::Rect onePercent() const {
        const int w = (extent.right - extent.left) / 10, h = (extent.bottom - extent.top) / 10;
        const int left = (extent.left + extent.right - w) / 2;
        const int top = (extent.top + extent.bottom - h) / 2;
        return {left, top, left + w, top + h};
    }

    // One render of r with the recording tools (qt false) or with Qt on an image whose
    // corner is r's; cull false tests every element as before the grid was always current.
    void render(const nx::Rect& r, bool qtTools, bool cull) {
        nx::DrawingTools* tools = &recording;
        std::unique_ptr<nx::QtDeviceContext> context;
        if (qtTools) {
            context = std::make_unique<nx::QtDeviceContext>(&screen, QPoint(-r.left, -r.top));
            qt.init(context.get(), {kBufferWidth, kBufferHeight});
            tools = &qt;
        } else {
            recording.calls.clear();
        }
        if (cull)
            engine.view()->renderer().render(*tools, r);
        else
            engine.view()->renderer().renderTestingEveryElement(*tools, r);
        if (qtTools) qt.endPainting();
    }
};

LaidOutTree& laidOut() {
    static LaidOutTree instance;
    return instance;
}

// Culled against every element tested, alternately in each iteration; Arg 0 draws with
// the recording tools, 1 with Qt on a 1920 x 1080 image. Fixed iteration counts run each
// once, so each writes its target line once.
void drawTarget(benchmark::State& state, const nx::Rect& r, const std::string& what,
                double limitMs) {
    LaidOutTree& tree = laidOut();
    const bool qtTools = state.range(0) != 0;
    tree.render(r, qtTools, true);  // the grid is built once, outside the timings
    double culled = 0, everything = 0;
    bool culledFirst = false;  // alternates, so that neither form always follows the other
    for (auto _ : state) {
        for (bool cull : {culledFirst, !culledFirst}) {
            const double t = bench::cpuSeconds();
            tree.render(r, qtTools, cull);
            (cull ? culled : everything) += bench::cpuSeconds() - t;
        }
        culledFirst = !culledFirst;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["culled_ms"] = culled / n * 1e3;
    state.counters["every_element_ms"] = everything / n * 1e3;
    state.counters["ratio"] = everything > 0 ? culled / everything : 0;
    state.counters["vertices_shown"] = double(tree.engine.view()->verticesInRect(r).size());
    if (!qtTools) state.counters["primitives"] = double(tree.recording.calls.size());
    bench::recordTarget("5", what + (qtTools ? ", Qt on an image" : ", recording tools"),
                        culled / n * 1e3, limitMs, "ms", "every element tested",
                        everything / n * 1e3);
}

void BM_LaidOutTreeWhole(benchmark::State& state) {
    drawTarget(state, laidOut().extent, "100k laid-out tree, whole view", 100);
}
BENCHMARK(BM_LaidOutTreeWhole)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(6);

void BM_LaidOutTreeOnePercent(benchmark::State& state) {
    drawTarget(state, laidOut().onePercent(), "100k laid-out tree, 1% viewport", 5);
}
BENCHMARK(BM_LaidOutTreeOnePercent)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(40);

// Single edits keep the grid current piece by piece: each of 1000 rounds moves one vertex
// (Arg 0) or renames one (Arg 1) through the engine and draws the 1% viewport culled,
// against the same draws without edits.
void BM_EditThenDraw(benchmark::State& state) {
    LaidOutTree& tree = laidOut();
    const bool rename = state.range(0) != 0;
    const nx::Rect r = tree.onePercent();
    std::mt19937 random(7);
    tree.render(r, false, true);
    double edited = 0, plain = 0;
    int round = 0;
    for (auto _ : state) {
        double t = bench::cpuSeconds();
        for (int k = 0; k < 1000; ++k) tree.render(r, false, true);
        plain += bench::cpuSeconds() - t;
        t = bench::cpuSeconds();
        for (int k = 0; k < 1000; ++k, ++round) {
            const std::uint32_t id = tree.ids[random() % kLaidOutVertices];
            if (rename)
                tree.engine.SetVertexPropertyValueByName(
                    id, u"Name", 0, ramulo::Variant::fromString(round % 2 ? u"a longer name" : u"v"));
            else
                tree.engine.SetVertexPropertyValueByName(
                    id, u"X", 2,
                    ramulo::Variant::fromInt(tree.engine.GetVertexPropertyValueByName(id, u"X", 2).intVal +
                                     (round % 2 ? 40 : -40)));
            tree.render(r, false, true);
        }
        edited += bench::cpuSeconds() - t;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["edit_and_draw_ms"] = edited / n;  // per round, of 1000
    state.counters["draw_ms"] = plain / n;
    state.counters["ratio"] = plain > 0 ? edited / plain : 0;
}
BENCHMARK(BM_EditThenDraw)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

// 100,000 single moves through the engine, then one culled draw of the 1% viewport,
// against one batch move of every vertex (a horizontal flip) and the same draw.
void BM_SingleMovesAgainstBatch(benchmark::State& state) {
    LaidOutTree& tree = laidOut();
    const nx::Rect r = tree.onePercent();
    tree.render(r, false, true);
    double single = 0, batch = 0;
    for (auto _ : state) {
        double t = bench::cpuSeconds();
        tree.engine.FlipHorizontal();
        tree.render(r, false, true);
        batch += bench::cpuSeconds() - t;
        t = bench::cpuSeconds();
        for (std::uint32_t id : tree.ids) {
            const int x = tree.engine.GetVertexPropertyValueByName(id, u"X", 2).intVal;
            tree.engine.SetVertexPropertyValueByName(id, u"X", 2, ramulo::Variant::fromInt(x));
        }
        tree.render(r, false, true);
        single += bench::cpuSeconds() - t;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["single_ms"] = single / n * 1e3;
    state.counters["batch_ms"] = batch / n * 1e3;
    state.counters["ratio"] = batch > 0 ? single / batch : 0;
}
BENCHMARK(BM_SingleMovesAgainstBatch)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    drawing();  // build the documents outside the timings
    laidOut();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
