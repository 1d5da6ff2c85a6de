// Document model at scale: building a million-vertex tree, incidence, garbage collection.
#include <benchmark/benchmark.h>

#include "standard_document.h"

namespace {

void BM_BuildRandomRecursiveTree(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    double bytesPerVertex = 0;
    for (auto _ : state) {
        const std::size_t before = bench::heapInUse();
        auto doc = std::make_unique<bench::StandardDocument>();
        doc->buildRandomRecursiveTree(n);
        state.PauseTiming();
        bytesPerVertex = double(bench::heapInUse() - before) / double(n);
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["heap_bytes_per_vertex"] = bytesPerVertex;
    state.counters["peak_rss_MB"] = double(bench::peakResident()) / (1 << 20);
}
BENCHMARK(BM_BuildRandomRecursiveTree)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_UpdateIncidence(benchmark::State& state) {
    bench::StandardDocument doc;
    doc.buildRandomRecursiveTree(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        doc.graph->markIncidenceDirty();
        doc.graph->updateIncidence();
    }
}
BENCHMARK(BM_UpdateIncidence)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// Removes every tenth vertex from the graph, then collects the garbage.
void BM_CollectGarbage(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    double bytesPerRemaining = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<bench::StandardDocument>();
        doc->buildRandomRecursiveTree(n);
        for (std::size_t i = 0; i < n; i += 10) doc->graph->removeVertex(*doc->vertices[i]);
        const std::size_t before = bench::heapInUse();
        state.ResumeTiming();
        doc->space->collectGarbage();
        state.PauseTiming();
        bytesPerRemaining = double(before - bench::heapInUse()) / double(n / 10);
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["freed_bytes_per_removed_vertex"] = bytesPerRemaining;
    state.counters["peak_rss_MB"] = double(bench::peakResident()) / (1 << 20);
}
BENCHMARK(BM_CollectGarbage)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
