// Engine operations as a host drives them: building a tree one call at a time against the
// batch forms, enumerating IDs by position, and the three layouts on 1000 vertices.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/control_engine.h"
#include "engine/headless_host_window.h"
#include "support/engine_schemas.h"

namespace {

void openDocument(ramulo::ControlEngine& engine, ramulo::HostWindow& host) {
    engine.Init();
    engine_test::addStandardVertexSchemas(engine);
    engine.AddEdgePropertyByName(u"Selected", 2);
    engine.NewTree(true, &host);
}

// A tree where vertex i hangs under vertex (i - 1) / 3.
void buildBatch(ramulo::ControlEngine& engine, std::uint16_t n) {
    std::vector<std::uint32_t> v(n), sources, targets, edges(n - 1);
    engine.AddVertices(n, v.data());
    for (std::uint32_t i = 1; i < n; ++i) {
        sources.push_back(v[(i - 1) / 3]);
        targets.push_back(v[i]);
    }
    engine.AddEdges(static_cast<std::uint16_t>(n - 1), sources.data(), targets.data(),
                    edges.data());
}

void BM_BuildTreeOneCallEach(benchmark::State& state) {
    const auto n = static_cast<std::uint32_t>(state.range(0));
    for (auto _ : state) {
        ramulo::HeadlessHostWindow host;
        ramulo::ControlEngine engine;
        openDocument(engine, host);
        std::vector<std::uint32_t> v;
        for (std::uint32_t i = 0; i < n; ++i) v.push_back(engine.AddVertex());
        for (std::uint32_t i = 1; i < n; ++i) engine.AddEdge(v[(i - 1) / 3], v[i]);
        benchmark::DoNotOptimize(engine.GetEdgeCount(0));
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_BuildTreeOneCallEach)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

void BM_BuildTreeBatch(benchmark::State& state) {
    const auto n = static_cast<std::uint16_t>(state.range(0));
    for (auto _ : state) {
        ramulo::HeadlessHostWindow host;
        ramulo::ControlEngine engine;
        openDocument(engine, host);
        buildBatch(engine, n);
        benchmark::DoNotOptimize(engine.GetEdgeCount(0));
    }
}
BENCHMARK(BM_BuildTreeBatch)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

void BM_EnumerateVertexIds(benchmark::State& state) {
    const auto n = static_cast<std::uint16_t>(state.range(0));
    ramulo::HeadlessHostWindow host;
    ramulo::ControlEngine engine;
    openDocument(engine, host);
    buildBatch(engine, n);
    for (auto _ : state) {
        std::uint64_t sum = 0;
        for (std::uint32_t i = 0; i < n; ++i) sum += engine.GetVertexID(0, i);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_EnumerateVertexIds)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

void BM_Layout(benchmark::State& state) {
    ramulo::HeadlessHostWindow host;
    ramulo::ControlEngine engine;
    openDocument(engine, host);
    buildBatch(engine, 1000);
    for (auto _ : state) {
        switch (state.range(0)) {
            case 0:
                benchmark::DoNotOptimize(engine.HierarchicalLayout());
                break;
            case 1:
                benchmark::DoNotOptimize(engine.RadialLayout());
                break;
            default:
                benchmark::DoNotOptimize(engine.ForceDirectedLayout());
                break;
        }
    }
}
BENCHMARK(BM_Layout)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
