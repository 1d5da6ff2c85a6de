// Saving and loading a random recursive tree with its graph view attached, in both document
// files; the same files without a view are the baseline. Size: RAMULO_BENCH_VERTICES
// (default 1,000,000). Peak memory per case is best read with one case per run.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/window_graph_view.h"
#include "persistence/space_files.h"
#include "properties/properties.h"
#include "standard_document.h"
#include "views/edge_view_factory.h"
#include "views/vertex_view_factory.h"

namespace {

std::size_t vertexCount() {
    const char* text = std::getenv("RAMULO_BENCH_VERTICES");
    return text ? std::strtoull(text, nullptr, 10) : 1'000'000;
}

// The document with a view showing its tree: view values X, Y, Selected; edge Selected.
struct ViewDocument : bench::StandardDocument {
    nx::FormalProperties vertexViewSchema, edgeViewSchema;
    std::unique_ptr<nx::WindowGraphView> view;
    ViewDocument() {
        vertexViewSchema.add(nx::X());
        vertexViewSchema.add(nx::Y());
        vertexViewSchema.add(nx::Selected());
        edgeViewSchema.add(nx::Selected());
        view = std::make_unique<nx::WindowGraphView>(&vertexViewSchema, &edgeViewSchema);
    }
};

ViewDocument& shown() {
    // The shared view factories must outlive the static document, whose view releases
    // their views when the process ends.
    nx::vertexViewFactory();
    nx::edgeViewFactory();
    static ViewDocument doc;
    static bool built = false;
    if (!built) {
        doc.buildRandomRecursiveTree(vertexCount());
        doc.view->setGraph(doc.graph);
        built = true;
    }
    return doc;
}

std::string path(const std::string& name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void report(benchmark::State& state, const std::string& file) {
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
    state.counters["peak_MB"] = static_cast<double>(bench::peakResident()) / 1e6;
}

// Arguments: 0 stream / 1 XML; 0 without / 1 with the view.
void BM_Save(benchmark::State& state) {
    const bool xml = state.range(0) != 0;
    ViewDocument& doc = shown();
    nx::GraphView* view = state.range(1) ? doc.view.get() : nullptr;
    const std::string file =
        path(std::string("ramulo_bench_view") + (view ? "_v" : "") + (xml ? ".nxx" : ".nx"));
    for (auto _ : state)
        xml ? nx::saveXml(*doc.space, file, view) : nx::saveStream(*doc.space, file, view);
    report(state, file);
}

void BM_Load(benchmark::State& state) {
    const bool xml = state.range(0) != 0;
    const bool withView = state.range(1) != 0;
    const std::string file =
        path(std::string("ramulo_bench_view") + (withView ? "_v" : "") + (xml ? ".nxx" : ".nx"));
    if (!std::filesystem::exists(file)) {
        state.SkipWithError("run the matching BM_Save case first");
        return;
    }
    for (auto _ : state) {
        auto doc = std::make_unique<ViewDocument>();
        nx::GraphView* view = withView ? doc->view.get() : nullptr;
        xml ? nx::loadXml(*doc->space, file, view) : nx::loadStream(*doc->space, file, view);
        state.PauseTiming();
        benchmark::DoNotOptimize(doc->view->vertexSequence().size());
        doc.reset();
        state.ResumeTiming();
    }
    report(state, file);
}

}  // namespace

BENCHMARK(BM_Save)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Load)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
