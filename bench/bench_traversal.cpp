// Traversal costs on million-vertex trees, paths and pair forests, and their growth from 100k.
#include <benchmark/benchmark.h>

#include "standard_document.h"

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "graph/space.h"
#include "graph/subgraph.h"
#include "properties/properties.h"
#include "traversal/graph_walks.h"
#include "traversal/visited_flag.h"

namespace {

enum class Shape { RandomTree, Path, Pairs };

const char* shapeName(Shape shape) {
    switch (shape) {
        case Shape::RandomTree:
            return "RandomTree";
        case Shape::Path:
            return "Path";
        case Shape::Pairs:
            return "Pairs";
    }
    return "";
}

// One document with the schemas of a real one; vertex i has ID i.
struct Document : nx::test::Schemas {
    std::unique_ptr<nx::Space> space;
    nx::Graph* graph = nullptr;
    std::vector<nx::Vertex*> vertices;

    Document(Shape shape, std::size_t n) {
        nx::test::addStandardValues(*this);
        space = newSpace();
        std::mt19937_64 random(20261210);
        graph = bench::buildVerticesThenGraph(*space, n, vertices, [&](std::size_t i) {
            switch (shape) {
                case Shape::RandomTree:
                    return std::uniform_int_distribution<std::size_t>(0, i - 1)(random);
                case Shape::Path:
                    return i - 1;
                case Shape::Pairs:
                    return i % 2 ? i - 1 : n;
            }
            return n;
        });
    }
};

// Building a million-vertex document takes seconds: keep the last one for the next run.
Document& document(Shape shape, std::size_t n) {
    static std::unique_ptr<Document> current;
    static Shape currentShape;
    static std::size_t currentSize = 0;
    if (!current || currentShape != shape || currentSize != n) {
        current.reset();
        current = std::make_unique<Document>(shape, n);
        currentShape = shape;
        currentSize = n;
    }
    return *current;
}

// Drops the component cache outside the timed region.
void dropComponents(nx::Graph& graph, benchmark::State& state) {
    state.PauseTiming();
    graph.markIncidenceDirty();
    graph.updateIncidence();
    state.ResumeTiming();
}

// The baseline: one pass over the members writing the visited flag.
void clearFlags(benchmark::State& state, Shape shape) {
    Document& d = document(shape, state.range(0));
    const std::size_t index = nx::visitedPropertyIndex(*d.graph);
    for (auto _ : state) nx::clearVisitedFlags(*d.graph, index);
}

void findRoots(benchmark::State& state, Shape shape) {
    Document& d = document(shape, state.range(0));
    std::vector<nx::Vertex*> roots;
    for (auto _ : state) {
        roots.clear();
        nx::findRoots(*d.graph, roots);
        benchmark::DoNotOptimize(roots.data());
    }
    state.counters["roots"] = double(roots.size());
}

void components(benchmark::State& state, Shape shape) {
    Document& d = document(shape, state.range(0));
    for (auto _ : state) {
        dropComponents(*d.graph, state);
        benchmark::DoNotOptimize(nx::components(*d.graph).size());
    }
}

void isForest(benchmark::State& state, Shape shape) {
    Document& d = document(shape, state.range(0));
    bool forest = false;
    for (auto _ : state) {
        dropComponents(*d.graph, state);
        forest = nx::isForest(*d.graph);
    }
    if (!forest) state.SkipWithError("not a forest");
}

void spanningTree(benchmark::State& state, Shape shape) {
    Document& d = document(shape, state.range(0));
    for (auto _ : state) nx::buildSpanningTrees(*d.graph, {d.vertices.front()});
    if (d.graph->spanningTrees().front()->order() != d.vertices.size())
        state.SkipWithError("tree does not span");
}

// One tree per component of the pair forest: linear only if each tree costs its own size.
void treePerComponent(benchmark::State& state, Shape shape) {
    Document& d = document(shape, state.range(0));
    std::vector<nx::Vertex*> starts;
    for (std::size_t i = 0; i < d.vertices.size(); i += 2) starts.push_back(d.vertices[i]);
    for (auto _ : state) nx::buildSpanningTrees(*d.graph, starts);
    if (d.graph->spanningTrees().size() != starts.size()) state.SkipWithError("a tree is missing");
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    using Run = void (*)(benchmark::State&, Shape);
    const std::vector<std::pair<const char*, Run>> operations = {
        {"ClearFlags", clearFlags},     {"FindRoots", findRoots},
        {"Components", components},     {"IsForest", isForest},
        {"SpanningTree", spanningTree}, {"TreePerComponent", treePerComponent},
    };
    // Grouped by document so that each one is built once.
    for (Shape shape : {Shape::RandomTree, Shape::Path, Shape::Pairs}) {
        for (std::int64_t n : {100'000, 1'000'000}) {
            for (const auto& [name, run] : operations) {
                const std::string op = name;
                if ((shape == Shape::Pairs) != (op == "TreePerComponent") &&
                    !(shape == Shape::Pairs && (op == "FindRoots" || op == "ClearFlags")))
                    continue;
                benchmark::RegisterBenchmark(
                    (std::string(name) + "/" + shapeName(shape)).c_str(),
                    [run, shape](benchmark::State& state) { run(state, shape); })
                    ->Arg(n)
                    ->Unit(benchmark::kMillisecond)
                    ->MinTime(0.3);
            }
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
