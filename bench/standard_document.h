// A document with the standard schemas and a random recursive tree, for benchmarks.
#pragma once

#include <malloc.h>

#include <cstdint>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "graph/space.h"
#include "support/document_schemas.h"

namespace bench {

// Vertex: Name at space level; Visited, _V1, _I1, _I2, _R1, _R2 at graph level; edge: Name.
struct StandardDocument : nx::test::Schemas {
    StandardDocument() {
        nx::test::addStandardValues(*this);
        space = newSpace();
        graph = space->graphFactory().create();
    }

    // Vertex i > 0 gets a parent chosen uniformly among 0..i-1 (fixed seed).
    void buildRandomRecursiveTree(std::size_t n, std::uint32_t seed = 12345) {
        std::mt19937_64 rng(seed);
        vertices.reserve(n);
        for (std::size_t i = 0; i < n; ++i) {
            nx::Vertex* v = space->vertexFactory().create();
            vertices.push_back(v);
            if (i == 0) {
                graph->addVertex(*v);
                continue;
            }
            std::uniform_int_distribution<std::size_t> pick(0, i - 1);
            graph->addEdge(*space->edgeFactory().create(vertices[pick(rng)], v));
        }
    }

    std::unique_ptr<nx::Space> space;
    nx::Graph* graph = nullptr;
    std::vector<nx::Vertex*> vertices;
};

// Creates n vertices (vertex i gets ID i), then one graph holding them all, then an
// edge parent(i) -> i for every i > 0 where parent answers an index below i, or n for none.
template <typename Parent>
nx::Graph* buildVerticesThenGraph(nx::Space& space, std::size_t n,
                                  std::vector<nx::Vertex*>& vertices, Parent parent) {
    vertices.reserve(n);
    for (std::size_t i = 0; i < n; ++i) vertices.push_back(space.vertexFactory().create());
    nx::Graph* graph = space.graphFactory().create();
    for (nx::Vertex* v : vertices) graph->addVertex(*v);
    for (std::size_t i = 1; i < n; ++i) {
        const std::size_t p = parent(i);
        if (p < n) graph->addEdge(*space.edgeFactory().create(vertices[p], vertices[i]));
    }
    graph->updateIncidence();
    return graph;
}

// Bytes currently allocated through malloc.
inline std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

// Peak resident set of the process so far, in bytes.
inline std::size_t peakResident() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmHWM:") {
            std::size_t kb = 0;
            status >> kb;
            return kb * 1024;
        }
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

}  // namespace bench
