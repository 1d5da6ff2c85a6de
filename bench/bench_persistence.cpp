// Saving and loading a 1,000,000-vertex random recursive tree in both document files, against
// building the same document in memory. The stream load runs first, in a process that has
// freed nothing yet, so that its growth in resident memory is the loaded document's own.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "graph/space.h"
#include "persistence/space_files.h"
#include "properties/properties.h"
#include "support/document_schemas.h"
#include "target_ratio.h"

namespace {

constexpr std::size_t kVertices = 1'000'000;

struct Document : nx::test::Schemas {
    std::unique_ptr<nx::Space> space;
    Document() {
        vertexSchema.addByTypeName("Name");
        edgeSchema.addByTypeName("Name");
        graphSchema.addByTypeName("Name");
        for (const char* type : {"Visited", "_V1", "_I1", "_I2", "_R1", "_R2"})
            graphVertexSchema.addByTypeName(type);
        space = newSpace();
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

// A line of /proc/self/status in MB ("VmHWM:", "VmRSS:").
double statusMegabytes(const char* key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key, 0) == 0) return std::stod(line.substr(std::strlen(key))) / 1024;
    return -1;
}
// Makes the peak since now each case's own.
void resetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

void report(benchmark::State& state, const std::string& file) {
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
    state.counters["peak_MB"] = statusMegabytes("VmHWM:");
}

// CPU seconds of each case, for the target lines written after the run (0: not run).
struct Figures {
    double build = 0, saveStream = 0, loadStream = 0, saveXml = 0, loadXml = 0;
    double loadGrowthMB = 0, fileBytes = 0;
    bool freedDocument = false;  // resident growth no longer shows a document's own size
} figures;

// Baseline: building the same document in memory.
void BM_BuildTree(benchmark::State& state) {
    for (auto _ : state) {
        resetPeak();
        const double t = bench::cpuSeconds();
        auto doc = std::make_unique<Document>();
        buildTree(*doc);
        figures.build = bench::cpuSeconds() - t;
        state.PauseTiming();
        state.counters["peak_MB"] = statusMegabytes("VmHWM:");
        doc.reset();
        figures.freedDocument = true;
        state.ResumeTiming();
    }
}

void BM_SaveStream(benchmark::State& state) {
    Document& doc = tree();
    const std::string file = path("ramulo_bench_tree.nx");
    for (auto _ : state) {
        resetPeak();
        const double t = bench::cpuSeconds();
        nx::saveStream(*doc.space, file, nullptr);
        figures.saveStream = bench::cpuSeconds() - t;
    }
    report(state, file);
}

// The file to load: kept from an earlier run when present, else written by a child process,
// so that this one holds nothing but the loaded document.
std::string fileToLoad(const char* name, bool xml) {
    const std::string file = path(name);
    if (std::filesystem::exists(file)) return file;
    const pid_t child = fork();
    if (child == 0) {
        Document doc;
        buildTree(doc);
        xml ? nx::saveXml(*doc.space, file, nullptr) : nx::saveStream(*doc.space, file, nullptr);
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return file;
}

void BM_LoadStream(benchmark::State& state) {
    const std::string file = fileToLoad("ramulo_bench_tree.nx", false);
    for (auto _ : state) {
        auto doc = std::make_unique<Document>();
        const double before = statusMegabytes("VmRSS:");
        resetPeak();
        const double t = bench::cpuSeconds();
        nx::loadStream(*doc->space, file, nullptr);
        figures.loadStream = bench::cpuSeconds() - t;
        state.PauseTiming();
        report(state, file);
        if (!figures.freedDocument) figures.loadGrowthMB = statusMegabytes("VmHWM:") - before;
        figures.fileBytes = static_cast<double>(std::filesystem::file_size(file));
        benchmark::DoNotOptimize(doc->space->vertexFactory().size());
        doc.reset();
        figures.freedDocument = true;
        state.ResumeTiming();
    }
}

void BM_SaveXml(benchmark::State& state) {
    Document& doc = tree();
    const std::string file = path("ramulo_bench_tree.nxx");
    for (auto _ : state) {
        resetPeak();
        const double t = bench::cpuSeconds();
        nx::saveXml(*doc.space, file, nullptr);
        figures.saveXml = bench::cpuSeconds() - t;
    }
    report(state, file);
}

void BM_LoadXml(benchmark::State& state) {
    const std::string file = fileToLoad("ramulo_bench_tree.nxx", true);
    for (auto _ : state) {
        auto doc = std::make_unique<Document>();
        resetPeak();
        const double t = bench::cpuSeconds();
        nx::loadXml(*doc->space, file, nullptr);
        figures.loadXml = bench::cpuSeconds() - t;
        state.PauseTiming();
        report(state, file);
        benchmark::DoNotOptimize(doc->space->vertexFactory().size());
        doc.reset();
        state.ResumeTiming();
    }
}

// The file targets of the run, for the cases that ran.
void recordTargets() {
    const double build = figures.build;
    if (figures.loadStream > 0)
        bench::recordTarget("1", "load .nx 1M (CPU)", figures.loadStream, 1.5, "s",
                            "building it in memory", build);
    if (figures.saveStream > 0)
        bench::recordTarget("1", "save .nx 1M (CPU)", figures.saveStream, 1.0, "s",
                            "building it in memory", build);
    if (figures.loadXml > 0 && figures.loadStream > 0)
        bench::recordRatioTarget("1", "load .nxx 1M against load .nx", figures.loadXml,
                                 figures.loadStream, 3.0, "s", "load .nx");
    if (figures.saveXml > 0 && figures.saveStream > 0)
        bench::recordRatioTarget("1", "save .nxx 1M against save .nx", figures.saveXml,
                                 figures.saveStream, 3.0, "s", "save .nx");
    if (figures.loadGrowthMB > 0)
        bench::recordTarget("1", "peak memory of loading .nx 1M",
                            figures.loadGrowthMB * 1048576 / static_cast<double>(kVertices), 400,
                            "bytes/vertex", "the file itself", figures.fileBytes / kVertices);
}

}  // namespace

// The stream load first: see the top of the file.
BENCHMARK(BM_LoadStream)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_BuildTree)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SaveStream)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SaveXml)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_LoadXml)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    recordTargets();
    benchmark::Shutdown();
    return 0;
}
