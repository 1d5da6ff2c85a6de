// What a user runs on a 1,000,000-vertex random recursive tree through the members: load the
// stream file, lay it out hierarchically, save it; against building it with the batch members.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <random>
#include <vector>

#include "control/control_module.h"
#include "control/ramulo_control.h"
#include "engine/scripted_host_window.h"
#include "target_ratio.h"

namespace {

constexpr std::size_t kVertices = 1'000'000;

struct Session {
    ramulo::ScriptedHostWindow window;
    std::unique_ptr<ramulo::RamuloControl> control;
    Session() {
        ramulo::control_module::start();
        control = std::make_unique<ramulo::RamuloControl>();
        control->windowCreated(&window);
        control->NewTree();
    }
};

// Vertex i > 0 under a parent drawn uniformly from 0..i-1 (fixed seed), in batches of at
// most 65535 as the members take them.
void buildTree(ramulo::RamuloControl& control) {
    std::vector<std::uint32_t> ids(kVertices), sources, targets, edgeIds(kVertices);
    for (std::size_t at = 0; at < kVertices; at += 65535) {
        const auto count = static_cast<std::uint16_t>(std::min<std::size_t>(65535, kVertices - at));
        control.AddVertices(count, ids.data() + at);
    }
    std::mt19937_64 random(12345);
    for (std::size_t i = 1; i < kVertices; ++i) {
        sources.push_back(ids[std::uniform_int_distribution<std::size_t>(0, i - 1)(random)]);
        targets.push_back(ids[i]);
    }
    for (std::size_t at = 0; at < sources.size(); at += 65535) {
        const auto count =
            static_cast<std::uint16_t>(std::min<std::size_t>(65535, sources.size() - at));
        control.AddEdges(count, sources.data() + at, targets.data() + at, edgeIds.data() + at);
    }
}

void BM_LoadLayoutSave(benchmark::State& state) {
    const std::u16string file =
        (std::filesystem::temp_directory_path() / "ramulo_bench_pipeline.nx").u16string();
    double build = 0, pipeline = 0, load = 0, layout = 0, save = 0, close = 0;
    for (auto _ : state) {
        {
            Session built;
            double t = bench::cpuSeconds();
            buildTree(*built.control);
            build = bench::cpuSeconds() - t;
            if (built.control->Save(file) != 1) state.SkipWithError("saving failed");
        }
        auto session = std::make_unique<Session>();
        const double t = bench::cpuSeconds();
        bool loaded = true;
        try {
            session->control->Load(file);
        } catch (...) {
            loaded = false;
        }
        const double t1 = bench::cpuSeconds();
        session->control->HierarchicalLayout();
        const double t2 = bench::cpuSeconds();
        const bool saved = session->control->Save(file) == 1;  // 1: written
        const double t3 = bench::cpuSeconds();
        pipeline = t3 - t;
        load = t1 - t;
        layout = t2 - t1;
        save = t3 - t2;
        session.reset();
        close = bench::cpuSeconds() - t3;
        if (!loaded || !saved) state.SkipWithError("loading or saving failed");
    }
    state.counters["baseline_s"] = build;
    state.counters["s"] = pipeline;
    // Where the time goes: the three steps, and closing the document afterwards (not counted).
    state.counters["load_s"] = load;
    state.counters["layout_s"] = layout;
    state.counters["save_s"] = save;
    state.counters["close_s"] = close;
    bench::recordTarget("1", "load .nx + hierarchical layout + save 1M through the members (CPU)",
                        pipeline, 3.0, "s", "building it with the batch members", build);
}
BENCHMARK(BM_LoadLayoutSave)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
