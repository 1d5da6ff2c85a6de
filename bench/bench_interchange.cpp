// Importing a 1,000,000-vertex edge list against loading the same tree from a stream file
// (.nx): each import case reports its CPU time as a multiple of the stream load's
// ("x_stream_load", CPU time so that other work on the machine does not skew it),
// measured in the same run. Run all cases together:
//   bench_interchange
#include <benchmark/benchmark.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "engine/control_engine.h"
#include "interchange/graph_import.h"

namespace {

constexpr std::size_t kVertices = 1'000'000;

std::string path(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

// A random recursive tree (vertex i under one of 0..i-1, fixed seed) as "source,target"
// rows, and the same tree imported, laid out and saved as a stream file.
struct Files {
    std::string csv = path("ramulo_bench_tree.csv");
    std::string stream = path("ramulo_bench_tree_from_csv.nx");
    Files() {
        std::ofstream out(csv);
        out << "source,target\n";
        std::mt19937_64 random(12345);
        for (std::size_t i = 1; i < kVertices; ++i)
            out << 'v' << std::uniform_int_distribution<std::size_t>(0, i - 1)(random) << ",v" << i
                << '\n';
        out.close();
        ramulo::ControlEngine engine;
        nx::importGraph(engine, csv, nx::GraphFormat::Csv);
        engine.SaveStream(stream);
    }
};

const Files& files() {
    static const Files f;
    return f;
}

double streamSeconds = 0;

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double seconds(double since) {
    return cpuSeconds() - since;
}

void ratio(benchmark::State& state, double took) {
    if (streamSeconds > 0) state.counters["x_stream_load"] = took / streamSeconds;
}

// Baseline: the engine reading its own stream file of the tree, positions included.
void BM_LoadStream(benchmark::State& state) {
    const Files& f = files();
    for (auto _ : state) {
        ramulo::ControlEngine engine;
        const double start = cpuSeconds();
        engine.LoadStream(f.stream, true, nullptr);
        streamSeconds = seconds(start);
        benchmark::DoNotOptimize(engine.graph());
    }
}

// Parsing the edge list only.
void BM_ReadCsv(benchmark::State& state) {
    const Files& f = files();
    for (auto _ : state) {
        const double start = cpuSeconds();
        nx::GraphData data = nx::readGraphFile(f.csv, nx::GraphFormat::Csv, {});
        ratio(state, seconds(start));
        benchmark::DoNotOptimize(data.nodes.size());
    }
}

// The whole import: parsing, the standard document, and the hierarchical layout (the file
// has no positions and the graph is a tree); arrange=0 leaves the layout out.
void BM_ImportCsv(benchmark::State& state) {
    const Files& f = files();
    nx::ImportOptions options;
    options.arrange = state.range(0) != 0;
    for (auto _ : state) {
        ramulo::ControlEngine engine;
        const double start = cpuSeconds();
        nx::importGraph(engine, f.csv, nx::GraphFormat::Csv, options);
        ratio(state, seconds(start));
        benchmark::DoNotOptimize(engine.graph());
    }
}

}  // namespace

BENCHMARK(BM_LoadStream)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReadCsv)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ImportCsv)->ArgName("arrange")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
