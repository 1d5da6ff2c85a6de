// What the progress polls cost: layouts, saves and loads with a sink against none, same run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "engine/control_engine.h"
#include "graph/progress.h"
#include "support/engine_schemas.h"
#include "target_ratio.h"

namespace {

constexpr std::size_t kVertices = 200000;

// A sink that does what a cheap host does per report: count, and never stop.
class CountingSink : public nx::Progress {
public:
    void begin(const std::string&, std::uint64_t) override {}
    void advance(std::uint64_t n) override { done += n; }
    bool cancelled() override { return false; }
    std::uint64_t done = 0;
};

// An engine with the standard schemas holding a random recursive tree.
ramulo::ControlEngine& document() {
    static ramulo::ControlEngine* engine = [] {
        auto* e = new ramulo::ControlEngine;
        e->Init();
        engine_test::addStandardVertexSchemas(*e);
        e->AddEdgePropertyByName(u"Name", 0);
        e->AddEdgePropertyByName(u"_V1", 1);
        e->AddEdgePropertyByName(u"Selected", 2);
        e->NewTree(true, nullptr);
        e->history().setDepth(1);
        std::vector<std::uint32_t> ids(kVertices), batch(50000);
        for (std::size_t done = 0; done < kVertices; done += batch.size()) {
            e->AddVertices(static_cast<std::uint16_t>(batch.size()), batch.data());
            std::copy(batch.begin(), batch.end(), ids.begin() + static_cast<long>(done));
        }
        std::mt19937_64 rng(12345);
        std::vector<std::uint32_t> sources, targets, edges(50000);
        for (std::size_t i = 1; i < kVertices; ++i) {
            sources.push_back(ids[std::uniform_int_distribution<std::size_t>(0, i - 1)(rng)]);
            targets.push_back(ids[i]);
            if (sources.size() == edges.size() || i + 1 == kVertices) {
                e->AddEdges(static_cast<std::uint16_t>(sources.size()), sources.data(),
                            targets.data(), edges.data());
                sources.clear();
                targets.clear();
            }
        }
        return e;
    }();
    return *engine;
}

std::string scratch(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

struct Operation {
    const char* name;
    std::function<void(ramulo::ControlEngine&)> run;
};

const Operation kOperations[] = {
    {"hierarchical layout", [](ramulo::ControlEngine& e) { e.HierarchicalLayout(); }},
    {"radial layout", [](ramulo::ControlEngine& e) { e.RadialLayout(); }},
    {"stream save", [](ramulo::ControlEngine& e) { e.SaveStream(scratch("bench_progress.nx")); }},
    {"XML save", [](ramulo::ControlEngine& e) { e.SaveXml(scratch("bench_progress.nxx")); }},
    {"stream load",
     [](ramulo::ControlEngine& e) { e.LoadStream(scratch("bench_progress.nx"), true, nullptr); }},
};

// Runs silent and reported turns alternately and keeps the fastest of each, so that the
// load of a shared machine falls on both alike.
void BM_ProgressPollCost(benchmark::State& state) {
    const Operation& op = kOperations[state.range(0)];
    ramulo::ControlEngine& engine = document();
    engine.SaveStream(scratch("bench_progress.nx"));
    CountingSink sink;
    double silent = 1e9, reported = 1e9;
    for (auto _ : state) {
        // Each goes first in every other turn: neither profits from the other's warm caches.
        for (int turn = 0; turn < 6; ++turn) {
            for (const bool withSink : {turn % 2 == 0, turn % 2 != 0}) {
                engine.setProgress(withSink ? &sink : nullptr);
                const double start = bench::cpuSeconds();
                op.run(engine);
                double& best = withSink ? reported : silent;
                best = std::min(best, bench::cpuSeconds() - start);
            }
        }
    }
    engine.setProgress(nullptr);
    state.counters["silent_s"] = silent;
    state.counters["reported_s"] = reported;
    state.counters["ratio"] = reported / silent;
    state.SetLabel(op.name);
    bench::recordRatioTarget("progress", std::string(op.name) + " reporting progress, 200k tree",
                             reported, silent, 1.05, "s", "silent");
}
BENCHMARK(BM_ProgressPollCost)->DenseRange(0, 4)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
