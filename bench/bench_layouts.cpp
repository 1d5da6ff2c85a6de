// Tree, radial and force-directed layout costs on large trees, against one pass over X.
#include <benchmark/benchmark.h>

#include "first_force_simulation.h"
#include "standard_document.h"
#include "target_ratio.h"

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "graph/space.h"
#include "layouts/force_directed_simulation.h"
#include "layouts/forest_test.h"
#include "layouts/radial_layout.h"
#include "layouts/reference_tree_layout.h"
#include "layouts/tree_layout.h"
#include "properties/properties.h"
#include "support/headless_graph_view.h"
#include "traversal/graph_walks.h"
#include "views/graph_view.h"

namespace {

enum class Shape { RandomTree, Binary, Comb, Caterpillar, Broom };

const char* shapeName(Shape shape) {
    switch (shape) {
        case Shape::RandomTree:
            return "RandomTree";
        case Shape::Binary:
            return "CompleteBinary";
        case Shape::Comb:
            return "Comb";
        case Shape::Caterpillar:
            return "Caterpillar";
        case Shape::Broom:
            return "Broom";
    }
    return "";
}

// A document with view-level coordinates and the working properties; vertex i has ID i.
struct Document : nx::test::Schemas, nx::test::ViewSchemas {
    std::unique_ptr<nx::Space> space;
    std::unique_ptr<nx::test::HeadlessGraphView> view;
    nx::Graph* graph = nullptr;
    std::vector<nx::Vertex*> vertices;

    Document(Shape shape, std::size_t n) {
        vertexSchema.add(nx::Name());
        graphVertexSchema.add(nx::AuxFlag1());
        graphVertexSchema.add(nx::AuxInt1());
        graphVertexSchema.add(nx::AuxInt2());
        graphVertexSchema.add(nx::AuxReal1());
        graphVertexSchema.add(nx::AuxReal2());
        vertexViewSchema.add(nx::X());
        vertexViewSchema.add(nx::Y());
        vertexViewSchema.add(nx::Selected());
        space = newSpace();
        std::mt19937_64 random(20261210);
        graph = bench::buildVerticesThenGraph(*space, n, vertices, [&](std::size_t i) {
            switch (shape) {
                case Shape::RandomTree:
                    return std::uniform_int_distribution<std::size_t>(0, i - 1)(random);
                case Shape::Binary:
                    return (i - 1) / 2;
                case Shape::Comb:  // spine on even IDs, one leaf on each odd one
                    return i % 2 ? i - 1 : i - 2;
                case Shape::Caterpillar:  // spine on multiples of 4, three leaves on each
                    return i % 4 ? i - i % 4 : i - 4;
                case Shape::Broom:  // a handle of half the vertices, the rest on its end
                    return i < n / 2 ? i - 1 : n / 2 - 1;
            }
            return n;
        });
        view = std::make_unique<nx::test::HeadlessGraphView>(&vertexViewSchema, &edgeViewSchema);
        view->setGraph(graph);
    }
};

// Building a million-vertex document takes seconds: keep the last one for the next run.
// The last one is left to the process's end: the shared views it holds belong to
// process-wide factories that may be gone by the time statics are destroyed.
Document& document(Shape shape, std::size_t n) {
    static Document* current = nullptr;
    static Shape currentShape;
    static std::size_t currentSize = 0;
    if (!current || currentShape != shape || currentSize != n) {
        delete current;
        current = new Document(shape, n);
        currentShape = shape;
        currentSize = n;
    }
    return *current;
}

// The baseline: one pass writing every vertex's view-level X.
void baseline(benchmark::State& state, Shape shape) {
    Document& d = document(shape, state.range(0));
    for (auto _ : state)
        for (nx::Vertex* v : d.vertices) d.view->setX(v, d.view->vertexViewProperties(v), 1);
}

// As the hierarchical command runs it: forest test, root discovery, the walks. The
// million-vertex comb and caterpillar join the run's list of targets (3 s at most each),
// against one pass over the same document.
void treeLayout(benchmark::State& state, Shape shape) {
    Document& d = document(shape, state.range(0));
    double layoutSeconds = 0;
    for (auto _ : state) {
        const double start = bench::cpuSeconds();
        nx::TreeLayout layout(*d.view, 80, 80, 80);
        layout.arrange();
        layoutSeconds += bench::cpuSeconds() - start;
    }
    const bool target = (shape == Shape::Comb || shape == Shape::Caterpillar) &&
                        state.range(0) == 1000000 && state.iterations() > 0;
    if (!target) return;
    const double pass = bench::cpuSeconds();
    for (nx::Vertex* v : d.vertices) d.view->setX(v, d.view->vertexViewProperties(v), 1);
    bench::recordTarget("3",
                        std::string("hierarchical layout of a 1M ") + shapeName(shape) + " (CPU)",
                        layoutSeconds / double(state.iterations()), 3.0, "s",
                        "one pass writing every X", bench::cpuSeconds() - pass);
}

// The traversal services the layouts call, for the share they take: root discovery (both
// layouts), the spanning tree (radial) and the graph's own component-building forest test
// (which the tree layout replaces by counting).
void findRoots(benchmark::State& state, Shape shape) {
    Document& d = document(shape, state.range(0));
    for (auto _ : state) {
        std::vector<nx::Vertex*> roots;
        nx::findRoots(*d.graph, roots);
        benchmark::DoNotOptimize(roots.data());
    }
}

void spanningTree(benchmark::State& state, Shape shape) {
    Document& d = document(shape, state.range(0));
    for (auto _ : state) nx::buildSpanningTrees(*d.graph, {d.vertices.front()});
}

void graphIsForest(benchmark::State& state, Shape shape) {
    Document& d = document(shape, state.range(0));
    for (auto _ : state) {
        d.graph->markIncidenceDirty();
        d.graph->updateIncidence();
        benchmark::DoNotOptimize(nx::isForest(*d.graph));
    }
}

// The tree layout's forest test by counting against the graph's own component walk (what
// the layout answered with at first), on the same graph; the million-vertex tree joins the
// run's list of targets, where the counting must stay the faster and give the same answer.
// (A graph the test refuses keeps the walk's flags: the layout tests check those bytes.)
void forestTestAgainstComponentWalk(benchmark::State& state, Shape shape) {
    Document& d = document(shape, state.range(0));
    double walk = 0, count = 0;
    bool same = true;
    for (auto _ : state) {
        // The walk keeps the components it builds until the graph changes: start without.
        d.graph->markIncidenceDirty();
        d.graph->updateIncidence();
        double start = bench::cpuSeconds();
        const bool walked = nx::isForest(*d.graph);
        walk += bench::cpuSeconds() - start;
        start = bench::cpuSeconds();
        const bool counted = nx::isForestByCounting(*d.graph);
        count += bench::cpuSeconds() - start;
        same = same && walked == counted;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["ratio"] = walk > 0 ? count / walk : 0;
    if (shape != Shape::RandomTree || state.range(0) != 1000000 || n == 0) return;
    bench::recordRatioTarget(
        "6",
        std::string("forest test of the hierarchical layout by counting, 1M random tree") +
            (same ? "" : " (its answer differs from the walk's)"),
        count / n * 1e3, walk / n * 1e3, same ? 1.0 : 0.0, "ms", "the component walk");
}

// As the radial command runs it: root discovery gives the centres.
void radialLayout(benchmark::State& state, Shape shape) {
    Document& d = document(shape, state.range(0));
    for (auto _ : state) {
        nx::RadialLayout layout(*d.view, 80, 0.95);
        nx::findRoots(*d.graph, layout.centres);
        layout.arrange();
    }
}

// The random recursive tree as the tree layout leaves it, as simulation input.
struct ForceInput {
    std::vector<float> x, y;
    std::vector<std::uint32_t> first{0}, targets;
};

ForceInput forceInput(std::int64_t n) {
    Document& d = document(Shape::RandomTree, n);
    nx::TreeLayout(*d.view, 80, 80, 80).arrange();
    ForceInput input;
    for (nx::Vertex* v : d.vertices) {
        auto* values = d.view->vertexViewProperties(v);
        input.x.push_back(float(d.view->getX(v, values)));
        input.y.push_back(float(d.view->getY(v, values)));
        for (const nx::Edge* e : d.graph->incidentEdges(*v))
            if (e->source == v)
                input.targets.push_back(std::uint32_t(e->target->id - d.vertices[0]->id));
        input.first.push_back(std::uint32_t(input.targets.size()));
    }
    return input;
}

// 100 iterations on the random recursive tree as the tree layout leaves it.
void forceDirected(benchmark::State& state, bool grid) {
    const ForceInput start = forceInput(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        nx::ForceDirectedSimulation simulation(80);
        simulation.useGrid = grid;
        simulation.x = start.x;
        simulation.y = start.y;
        simulation.setEdges(start.first, start.targets);
        state.ResumeTiming();
        for (int i = 0; i < 100; ++i) simulation.iterate();
        if (grid && !simulation.gridUsed()) state.SkipWithError("grid not used");
    }
}

// The same 100 iterations against the first grid form, which found each vertex's pairs in
// vertex order; the coordinates must come out the same.
void forceDirectedAgainstFirst(benchmark::State& state) {
    const ForceInput start = forceInput(state.range(0));
    std::unique_ptr<bench::FirstForceSimulation> first;
    std::unique_ptr<nx::ForceDirectedSimulation> now;
    bench::compareWithBaseline(
        state,
        [&] {
            first = std::make_unique<bench::FirstForceSimulation>(80);
            first->x = start.x;
            first->y = start.y;
            first->setEdges(start.first, start.targets);
        },
        [&] {
            for (int i = 0; i < 100; ++i) first->iterate();
        },
        [&] {
            now = std::make_unique<nx::ForceDirectedSimulation>(80);
            now->x = start.x;
            now->y = start.y;
            now->setEdges(start.first, start.targets);
        },
        [&] {
            for (int i = 0; i < 100; ++i) now->iterate();
        });
    if (first->x != now->x || first->y != now->y) {
        state.SkipWithError("coordinates differ");
        return;
    }
    // The 100,000-vertex case joins the run's list of targets. The peer to beat (igraph's
    // grid Fruchterman-Reingold, 1.61 s for load, layout and save) is not built here, so
    // the line gives the figure and the ratio against the first grid form.
    if (state.range(0) == 100000)
        bench::recordTarget("target 4  force-directed, 100 iterations, 100k tree (CPU): " +
                            bench::fixed(state.counters["ms"] / 1e3) +
                            " s; baseline first grid form " +
                            bench::fixed(state.counters["baseline_ms"] / 1e3) + " s, ratio " +
                            bench::fixed(state.counters["ratio"]) +
                            "; compare with igraph's 1.61 s end to end outside this run");
}

// The tree layout against its first walks (kept as the tests' oracle), which separated
// subtrees by walking them whole: quadratic on combs and caterpillars.
void treeLayoutAgainstFirstWalks(benchmark::State& state, Shape shape) {
    Document& d = document(shape, state.range(0));
    bench::compareWithBaseline(
        state, [] {},
        [&] {
            nx::test::ReferenceTreeLayout layout(*d.view, 80, 80, 80);
            layout.arrange();
        },
        [] {},
        [&] {
            nx::TreeLayout layout(*d.view, 80, 80, 80);
            layout.arrange();
        });
}

const bool registered = [] {
    for (Shape shape :
         {Shape::RandomTree, Shape::Binary, Shape::Comb, Shape::Caterpillar, Shape::Broom})
        for (std::int64_t n : {10000, 100000, 1000000}) {
            const std::string suffix = std::string("/") + shapeName(shape);
            benchmark::RegisterBenchmark(("Baseline" + suffix).c_str(), baseline, shape)
                ->Arg(n)
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
            using Run = void (*)(benchmark::State&, Shape);
            for (auto [name, run] : {std::pair<std::string, Run>{"FindRoots", findRoots},
                                     std::pair<std::string, Run>{"SpanningTree", spanningTree},
                                     std::pair<std::string, Run>{"GraphIsForest", graphIsForest}})
                benchmark::RegisterBenchmark((name + suffix).c_str(), run, shape)
                    ->Arg(n)
                    ->Iterations(1)
                    ->Unit(benchmark::kMillisecond);
            if (shape == Shape::RandomTree)
                benchmark::RegisterBenchmark(("ForestTestAgainstComponentWalk" + suffix).c_str(),
                                             forestTestAgainstComponentWalk, shape)
                    ->Arg(n)
                    ->Iterations(1)
                    ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("TreeLayout" + suffix).c_str(), treeLayout, shape)
                ->Arg(n)
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
            // The first walks take minutes on a 100,000-vertex comb.
            const bool quadratic = shape == Shape::Comb || shape == Shape::Caterpillar;
            if (n <= (quadratic ? 10000 : 1000000))
                benchmark::RegisterBenchmark(("TreeLayoutAgainstFirstWalks" + suffix).c_str(),
                                             treeLayoutAgainstFirstWalks, shape)
                    ->Arg(n)
                    ->Iterations(3)
                    ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("RadialLayout" + suffix).c_str(), radialLayout, shape)
                ->Arg(n)
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
        }
    for (std::int64_t n : {1000, 10000, 100000}) {
        benchmark::RegisterBenchmark("ForceDirected100/Grid", forceDirected, true)
            ->Arg(n)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("ForceDirected100/AgainstFirstGrid", forceDirectedAgainstFirst)
            ->Arg(n)
            ->Iterations(3)
            ->Unit(benchmark::kMillisecond);
        if (n <= 10000)
            benchmark::RegisterBenchmark("ForceDirected100/AllPairs", forceDirected, false)
                ->Arg(n)
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace

BENCHMARK_MAIN();
