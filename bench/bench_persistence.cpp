// Saving and loading a 1,000,000-vertex random recursive tree in both document files.
// Peak memory per case is measured best with one case per run:
//   bench_persistence --benchmark_filter='Build|Save'; then ...='LoadStream'; then ...='LoadXml'.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "graph/space.h"
#include "properties/properties.h"

namespace {

constexpr std::size_t kVertices = 1'000'000;

struct Document {
    nx::FormalProperties vertexSchema, edgeSchema, graphSchema, graphVertexSchema, graphEdgeSchema;
    std::unique_ptr<nx::Space> space;
    Document() {
        vertexSchema.addByTypeName("Name");
        edgeSchema.addByTypeName("Name");
        graphSchema.addByTypeName("Name");
        for (const char* type : {"Visited", "_V1", "_I1", "_I2", "_R1", "_R2"})
            graphVertexSchema.addByTypeName(type);
        space = std::make_unique<nx::Space>(&vertexSchema, &edgeSchema, &graphSchema,
                                            &graphVertexSchema, &graphEdgeSchema);
    }
};

// Vertex i > 0 hangs under a parent drawn uniformly from 0..i-1 (fixed seed).
void buildTree(Document& doc) {
    nx::Space& space = *doc.space;
    nx::Graph* graph = space.graphFactory().create();
    graph->graphProperties()->get<nx::Name>(0).value = u"Random recursive tree";
    std::mt19937_64 random(12345);
    std::vector<nx::Vertex*> vertices;
    vertices.reserve(kVertices);
    for (std::size_t i = 0; i < kVertices; ++i) {
        nx::Vertex* v = space.vertexFactory().create();
        std::string name(1, 'v');
        name += std::to_string(i);
        v->properties->get<nx::Name>(0).value = std::u16string(name.begin(), name.end());
        vertices.push_back(v);
        if (i == 0) {
            graph->addVertex(*v);
            continue;
        }
        nx::Vertex* parent = vertices[std::uniform_int_distribution<std::size_t>(0, i - 1)(random)];
        nx::Edge* e = space.edgeFactory().create(parent, v);
        e->properties->get<nx::Name>(0).value = u"e";
        graph->addEdge(*e);
    }
    graph->updateIncidence();
}

Document& tree() {
    static Document doc;
    static bool built = false;
    if (!built) {
        buildTree(doc);
        built = true;
    }
    return doc;
}

std::string path(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

// Peak resident memory since the last reset, in MB; the reset makes each case's peak its own.
long peakMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6)) / 1024;
    return -1;
}
void resetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

void report(benchmark::State& state, const std::string& file) {
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
    state.counters["peak_MB"] = static_cast<double>(peakMegabytes());
}

// Baseline: building the same document in memory.
void BM_BuildTree(benchmark::State& state) {
    for (auto _ : state) {
        resetPeak();
        auto doc = std::make_unique<Document>();
        buildTree(*doc);
        state.PauseTiming();
        state.counters["peak_MB"] = static_cast<double>(peakMegabytes());
        doc.reset();
        state.ResumeTiming();
    }
}

void BM_SaveStream(benchmark::State& state) {
    Document& doc = tree();
    const std::string file = path("ramulo_bench_tree.nx");
    for (auto _ : state) {
        resetPeak();
        doc.space->saveStream(file, nullptr);
    }
    report(state, file);
}

// The file to load: kept from an earlier run when present, so that a run of the load cases
// alone holds nothing but the loaded document.
std::string fileToLoad(const char* name, bool xml) {
    const std::string file = path(name);
    if (!std::filesystem::exists(file)) {
        auto doc = std::make_unique<Document>();
        buildTree(*doc);
        xml ? doc->space->saveXml(file, nullptr) : doc->space->saveStream(file, nullptr);
        doc.reset();
        malloc_trim(0);
    }
    return file;
}

void BM_LoadStream(benchmark::State& state) {
    const std::string file = fileToLoad("ramulo_bench_tree.nx", false);
    for (auto _ : state) {
        auto doc = std::make_unique<Document>();
        resetPeak();
        doc->space->loadStream(file, nullptr);
        state.PauseTiming();
        report(state, file);
        benchmark::DoNotOptimize(doc->space->vertexFactory().size());
        doc.reset();
        state.ResumeTiming();
    }
}

void BM_SaveXml(benchmark::State& state) {
    Document& doc = tree();
    const std::string file = path("ramulo_bench_tree.nxx");
    for (auto _ : state) {
        resetPeak();
        doc.space->saveXml(file, nullptr);
    }
    report(state, file);
}

void BM_LoadXml(benchmark::State& state) {
    const std::string file = fileToLoad("ramulo_bench_tree.nxx", true);
    for (auto _ : state) {
        auto doc = std::make_unique<Document>();
        resetPeak();
        doc->space->loadXml(file, nullptr);
        state.PauseTiming();
        report(state, file);
        benchmark::DoNotOptimize(doc->space->vertexFactory().size());
        doc.reset();
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(BM_BuildTree)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SaveStream)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LoadStream)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SaveXml)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LoadXml)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
