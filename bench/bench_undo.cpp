// The history on a 1,000,000-vertex tree: what a layout step keeps per vertex (counted and
// measured on the heap), a layout recorded against one not recorded, and undo and redo
// against the layout; removals of 1000 vertices and their undo against the removal.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/control_engine.h"
#include "engine/headless_host_window.h"
#include "graph/graph.h"
#include "standard_document.h"
#include "support/engine_schemas.h"
#include "target_ratio.h"

namespace {

constexpr std::uint32_t kVertices = 1000000;

// The standard schemas and a tree where vertex i hangs under vertex (i - 1) / 3, built with
// the history off (the building is not what is measured), which is then turned on.
struct BigDocument {
    BigDocument() {
        engine.Init();
        engine_test::addStandardVertexSchemas(engine);
        engine.AddEdgePropertyByName(u"Selected", 2);
        engine.NewTree(true, &host);
        engine.history().setDepth(0);
        std::vector<std::uint32_t> all;
        all.reserve(kVertices);
        while (all.size() < kVertices) {
            const auto n = static_cast<std::uint16_t>(
                std::min<std::size_t>(60000, kVertices - all.size()));
            std::vector<std::uint32_t> made(n);
            engine.AddVertices(n, made.data());
            all.insert(all.end(), made.begin(), made.end());
        }
        for (std::uint32_t from = 1; from < kVertices; from += 60000) {
            const std::uint32_t to = std::min(kVertices, from + 60000);
            std::vector<std::uint32_t> s, t, made(to - from);
            for (std::uint32_t i = from; i < to; ++i) {
                s.push_back(all[(i - 1) / 3]);
                t.push_back(all[i]);
            }
            engine.AddEdges(static_cast<std::uint16_t>(to - from), s.data(), t.data(),
                            made.data());
        }
        engine.HierarchicalLayout();
        engine.history().setDepth(ramulo::UndoStack::kDefaultDepth);
        ids = std::move(all);
    }
    ramulo::HeadlessHostWindow host;
    ramulo::ControlEngine engine;
    std::vector<std::uint32_t> ids;
};

BigDocument& document() {
    static auto* doc = new BigDocument;
    return *doc;
}

void BM_LayoutStepOnAMillionVertices(benchmark::State& state) {
    ramulo::ControlEngine& engine = document().engine;
    double plain = 0, recorded = 0, undo = 0, redo = 0;
    double counted = 0, heap = 0;
    for (auto _ : state) {
        // The same layout each time, from the radial drawing (made unrecorded, untimed).
        engine.history().setDepth(0);
        engine.RadialLayout();
        double t = bench::cpuSeconds();
        engine.HierarchicalLayout();
        plain += bench::cpuSeconds() - t;
        engine.RadialLayout();

        engine.history().setDepth(ramulo::UndoStack::kDefaultDepth);
        const std::size_t before = bench::heapInUse();
        t = bench::cpuSeconds();
        engine.HierarchicalLayout();
        recorded += bench::cpuSeconds() - t;
        heap += static_cast<double>(bench::heapInUse()) - static_cast<double>(before);
        counted += static_cast<double>(engine.history().bytes());

        t = bench::cpuSeconds();
        engine.Undo();
        undo += bench::cpuSeconds() - t;
        t = bench::cpuSeconds();
        engine.Redo();
        redo += bench::cpuSeconds() - t;
        engine.history().clear(true);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["layout_ms"] = plain / n * 1e3;
    state.counters["recorded_layout_ms"] = recorded / n * 1e3;
    state.counters["undo_ms"] = undo / n * 1e3;
    state.counters["redo_ms"] = redo / n * 1e3;
    state.counters["recorded_per_layout"] = recorded / plain;
    state.counters["undo_per_layout"] = undo / recorded;
    state.counters["step_bytes_per_vertex"] = counted / n / kVertices;
    state.counters["heap_bytes_per_vertex"] = heap / n / kVertices;
}
BENCHMARK(BM_LayoutStepOnAMillionVertices)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_RemoveThousandAndUndo(benchmark::State& state) {
    BigDocument& doc = document();
    ramulo::ControlEngine& engine = doc.engine;
    // Leaves far apart in the drawing order (every vertex past a third is one), with their edges.
    std::vector<std::uint32_t> leaves;
    for (std::uint32_t i = kVertices - 1; leaves.size() < 1000; i -= 600) leaves.push_back(doc.ids[i]);
    double removal = 0, undo = 0, plain = 0;
    double counted = 0;
    for (auto _ : state) {
        engine.history().setDepth(0);
        double t = bench::cpuSeconds();
        engine.RemoveVertices(1000, leaves.data());
        plain += bench::cpuSeconds() - t;
        // Put them back the way a host would, then remove them again, recorded.
        for (std::uint32_t leaf : leaves) engine.AddEdge(doc.ids[(leaf - 2) / 3], leaf);
        // Both removals start from current incidence lists.
        engine.graph()->updateIncidence();
        engine.history().setDepth(ramulo::UndoStack::kDefaultDepth);
        t = bench::cpuSeconds();
        engine.RemoveVertices(1000, leaves.data());
        removal += bench::cpuSeconds() - t;
        counted += static_cast<double>(engine.history().bytes());
        t = bench::cpuSeconds();
        engine.Undo();
        undo += bench::cpuSeconds() - t;
        engine.history().clear(true);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["removal_ms"] = plain / n * 1e3;
    state.counters["recorded_removal_ms"] = removal / n * 1e3;
    state.counters["undo_ms"] = undo / n * 1e3;
    state.counters["recorded_per_removal"] = removal / plain;
    state.counters["step_bytes_per_removed_vertex"] = counted / n / 1000;
}
BENCHMARK(BM_RemoveThousandAndUndo)->Iterations(2)->Unit(benchmark::kMillisecond);

// Building a 60,000-vertex tree through the batch members, recorded against not recorded:
// what the always-on history costs a host that never undoes.
void BM_BuildRecordedAgainstUnrecorded(benchmark::State& state) {
    constexpr std::uint16_t n = 60000;
    auto build = [](std::size_t depth) {
        ramulo::HeadlessHostWindow host;
        ramulo::ControlEngine engine;
        engine.Init();
        for (const char16_t* name : {u"X", u"Y", u"Selected"})
            engine.AddVertexPropertyByName(name, 2);
        engine.NewTree(true, &host);
        engine.history().setDepth(depth);
        std::vector<std::uint32_t> v(n), s, t, e(n - 1);
        engine.AddVertices(n, v.data());
        for (std::uint32_t i = 1; i < n; ++i) {
            s.push_back(v[(i - 1) / 3]);
            t.push_back(v[i]);
        }
        engine.AddEdges(n - 1, s.data(), t.data(), e.data());
        benchmark::DoNotOptimize(engine.history().bytes());
    };
    bench::compareWithBaseline(
        state, [] {}, [&] { build(0); }, [] {}, [&] { build(ramulo::UndoStack::kDefaultDepth); });
}
BENCHMARK(BM_BuildRecordedAgainstUnrecorded)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
