// Control members: what the dispatch table costs over a direct member call, and the sample
// documents LoadTest builds.
#include <benchmark/benchmark.h>

#include "control/control_module.h"
#include "control/dispatch_table.h"
#include "control/ramulo_control.h"

namespace {

RamuloControl& sampleControl() {
    static RamuloControl* control = [] {
        control_module::start();
        auto* c = new RamuloControl;
        c->LoadTest(3);
        return c;
    }();
    return *control;
}

// Baseline: the member called directly.
void BM_DirectVertexPropertyValue(benchmark::State& state) {
    RamuloControl& c = sampleControl();
    const std::uint32_t v = c.GetVertexID(0, 5);
    for (auto _ : state) benchmark::DoNotOptimize(c.GetVertexPropertyValue(v, 0, 2));
}
BENCHMARK(BM_DirectVertexPropertyValue);

// The same read through invoke, with the arguments as a script passes them (VT_I4).
void BM_InvokeVertexPropertyValueByDispid(benchmark::State& state) {
    RamuloControl& c = sampleControl();
    const auto v = static_cast<std::int32_t>(c.GetVertexID(0, 5));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            invoke(c, 15, MemberKind::PropertyGet,
                   {Variant::fromI4(v), Variant::fromI4(0), Variant::fromI4(2)}));
}
BENCHMARK(BM_InvokeVertexPropertyValueByDispid);

void BM_InvokeVertexPropertyValueByName(benchmark::State& state) {
    RamuloControl& c = sampleControl();
    const auto v = static_cast<std::int32_t>(c.GetVertexID(0, 5));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            invoke(c, u"VertexPropertyValue", MemberKind::PropertyGet,
                   {Variant::fromI4(v), Variant::fromString(u"0"), Variant::fromI4(2)}));
}
BENCHMARK(BM_InvokeVertexPropertyValueByName);

void BM_LoadTest(benchmark::State& state) {
    RamuloControl& c = sampleControl();
    const auto id = static_cast<std::uint16_t>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(c.LoadTest(id));
}
BENCHMARK(BM_LoadTest)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
