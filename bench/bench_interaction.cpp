// Cost of clicks and drag steps on a 100,000-vertex drawing, against the plain hit test
// that every click makes anyway.
#include <benchmark/benchmark.h>

#include <memory>

#include "properties/actual_properties.h"
#include "standard_document.h"
#include "support/headless_graph_view.h"
#include "views/graph_view.h"

namespace {

constexpr int kSide = 316;  // about 100,000 vertices on a grid 30 apart
constexpr int kSpacing = 30;

struct Drawing {
    bench::StandardDocument doc;
    nx::FormalProperties vertexView, edgeView;
    std::unique_ptr<nx::test::HeadlessGraphView> view;

    Drawing() {
        vertexView.add(nx::X());
        vertexView.add(nx::Y());
        vertexView.add(nx::Selected());
        edgeView.add(nx::Selected());
        doc.buildRandomRecursiveTree(std::size_t(kSide) * kSide);
        view = std::make_unique<nx::test::HeadlessGraphView>(&vertexView, &edgeView);
        view->setGraph(doc.graph);
        place();
    }
    // Puts every vertex back on its grid point.
    void place() {
        for (std::size_t i = 0; i < doc.vertices.size(); ++i) {
            nx::Vertex* v = doc.vertices[i];
            nx::ActualProperties* p = view->vertexViewProperties(v);
            view->setX(v, p, int(i % kSide) * kSpacing);
            view->setY(v, p, int(i / kSide) * kSpacing);
        }
    }
    ~Drawing() { view.reset(); }
    nx::Point at(std::size_t i) const { return view->devicePosition(doc.vertices[i]); }
};

Drawing& drawing() {
    static Drawing d;
    return d;
}

void BM_HitTestBaseline(benchmark::State& state) {
    Drawing& d = drawing();
    const nx::Point p = d.at(d.doc.vertices.size() / 2);
    for (auto _ : state) benchmark::DoNotOptimize(d.view->vertexAt(p));
}

// Alternating plain clicks on two vertices: each replaces the selection.
void BM_ClickSelect(benchmark::State& state) {
    Drawing& d = drawing();
    const nx::Point p[2] = {d.at(d.doc.vertices.size() / 2), d.at(d.doc.vertices.size() / 2 + 7)};
    int i = 0;
    for (auto _ : state) {
        d.view->mouseDown(p[i], false);
        d.view->mouseUp(p[i]);
        i ^= 1;
    }
    d.view->deselectAllVertices();
}

// One drag step of 1,000 selected vertices; with shift, every step pushes the selection
// left of 0 so the whole drawing moves.
void dragSteps(benchmark::State& state, int dx) {
    Drawing& d = drawing();
    d.place();
    std::vector<nx::VertexViewEntry> band;
    for (std::size_t i = 0; i < 1000; ++i)
        band.push_back(*d.view->findVertexEntry(d.doc.vertices[i]));
    d.view->selectVertices(band, false);
    const nx::Point start = d.at(0);
    d.view->mouseDown(start, false);
    nx::Point p = start;
    for (auto _ : state) {
        p.x += dx;
        d.view->mouseMove(p);
    }
    d.view->mouseUp(p);
    d.view->deselectAllVertices();
}

void BM_DragStep(benchmark::State& state) {
    dragSteps(state, 1);
}
void BM_DragStepShiftingAll(benchmark::State& state) {
    dragSteps(state, -1);
}

BENCHMARK(BM_HitTestBaseline)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_ClickSelect)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
BENCHMARK(BM_DragStepShiftingAll)->Unit(benchmark::kMicrosecond)->MinTime(0.5);

}  // namespace

BENCHMARK_MAIN();
