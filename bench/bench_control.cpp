// Control members: what the dispatch table costs over a direct member call, and the sample
// documents LoadTest builds.
#include <benchmark/benchmark.h>

#include "control/control_module.h"
#include "control/dispatch_table.h"
#include "control/ramulo_control.h"
#include "engine/scripted_host_window.h"
#include "target_ratio.h"

#include <memory>
#include <vector>

namespace {

ramulo::RamuloControl& sampleControl() {
    static ramulo::RamuloControl* control = [] {
        ramulo::control_module::start();
        auto* c = new ramulo::RamuloControl;
        c->LoadTest(3);
        return c;
    }();
    return *control;
}

// Baseline: the member called directly.
void BM_DirectVertexPropertyValue(benchmark::State& state) {
    ramulo::RamuloControl& c = sampleControl();
    const std::uint32_t v = c.GetVertexID(0, 5);
    for (auto _ : state) benchmark::DoNotOptimize(c.GetVertexPropertyValue(v, 0, 2));
}
BENCHMARK(BM_DirectVertexPropertyValue);

// The same read through invoke, with the arguments as a script passes them (VT_I4).
void BM_InvokeVertexPropertyValueByDispid(benchmark::State& state) {
    ramulo::RamuloControl& c = sampleControl();
    const auto v = static_cast<std::int32_t>(c.GetVertexID(0, 5));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ramulo::invoke(c, 15, ramulo::MemberKind::PropertyGet,
                   {ramulo::Variant::fromI4(v), ramulo::Variant::fromI4(0), ramulo::Variant::fromI4(2)}));
}
BENCHMARK(BM_InvokeVertexPropertyValueByDispid);

void BM_InvokeVertexPropertyValueByName(benchmark::State& state) {
    ramulo::RamuloControl& c = sampleControl();
    const auto v = static_cast<std::int32_t>(c.GetVertexID(0, 5));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ramulo::invoke(c, u"VertexPropertyValue", ramulo::MemberKind::PropertyGet,
                   {ramulo::Variant::fromI4(v), ramulo::Variant::fromString(u"0"), ramulo::Variant::fromI4(2)}));
}
BENCHMARK(BM_InvokeVertexPropertyValueByName);

void BM_LoadTest(benchmark::State& state) {
    ramulo::RamuloControl& c = sampleControl();
    const auto id = static_cast<std::uint16_t>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(c.LoadTest(id));
}
BENCHMARK(BM_LoadTest)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

// A tree of n vertices built through the members: vertex i hangs under vertex i / 2.
// Baseline: the batch members, in batches of at most 65535; measured: one call each.
void BM_SingleCallEditingAgainstBatch(benchmark::State& state) {
    ramulo::control_module::start();
    const auto n = static_cast<std::size_t>(state.range(0));
    std::unique_ptr<ramulo::RamuloControl> control;
    ramulo::ScriptedHostWindow window;
    auto fresh = [&] {
        control = std::make_unique<ramulo::RamuloControl>();
        control->windowCreated(&window);
        control->NewTree();
    };
    std::vector<std::uint32_t> ids(n), sources, targets, edgeIds(n);
    auto batch = [&] {
        for (std::size_t at = 0; at < n; at += 65535) {
            const auto count = static_cast<std::uint16_t>(std::min<std::size_t>(65535, n - at));
            control->AddVertices(count, ids.data() + at);
        }
        sources.clear();
        targets.clear();
        for (std::size_t i = 1; i < n; ++i) {
            sources.push_back(ids[i / 2]);
            targets.push_back(ids[i]);
        }
        for (std::size_t at = 0; at < sources.size(); at += 65535) {
            const auto count =
                static_cast<std::uint16_t>(std::min<std::size_t>(65535, sources.size() - at));
            control->AddEdges(count, sources.data() + at, targets.data() + at, edgeIds.data() + at);
        }
    };
    auto single = [&] {
        for (std::size_t i = 0; i < n; ++i) ids[i] = control->AddVertex();
        for (std::size_t i = 1; i < n; ++i) control->AddEdge(ids[i / 2], ids[i]);
    };
    bench::compareWithBaseline(state, fresh, batch, fresh, single, 3.0, "2",
                               "100,000 single AddVertex/AddEdge calls against the batch form");
    benchmark::DoNotOptimize(control->GetEdgeCount(0));
}
BENCHMARK(BM_SingleCallEditingAgainstBatch)
    ->Arg(100000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
