// Keyboard navigation over a drawn graph: parent, first child and siblings of a vertex.
#include "control/vertex_navigation.h"

#include <algorithm>
#include <tuple>
#include <unordered_set>

#include "graph/element.h"
#include "graph/graph.h"
#include "views/graph_view.h"

namespace ramulo {

VertexNavigation::VertexNavigation(nx::Graph& graph, const nx::GraphView& view)
    : graph_(graph), view_(view) {
    graph_.updateIncidence();
}

nx::Vertex* VertexNavigation::parent(nx::Vertex* vertex) {
    for (nx::Edge* e : graph_.incidentEdges(*vertex))
        if (e->target == vertex && e->source != vertex) return e->source;
    return nullptr;
}

std::vector<nx::Vertex*> VertexNavigation::children(nx::Vertex* vertex) {
    std::vector<nx::Vertex*> out;
    std::unordered_set<nx::Vertex*> seen;
    for (nx::Edge* e : graph_.incidentEdges(*vertex))
        if (e->source == vertex && e->target != vertex && seen.insert(e->target).second)
            out.push_back(e->target);
    sortAsDrawn(out);
    return out;
}

std::vector<nx::Vertex*> VertexNavigation::roots() {
    std::vector<nx::Vertex*> out;
    for (const auto& [vertex, entry] : graph_.vertices())
        if (!parent(vertex)) out.push_back(vertex);
    sortAsDrawn(out);
    return out;
}

void VertexNavigation::sortAsDrawn(std::vector<nx::Vertex*>& vertices) const {
    const auto key = [this](nx::Vertex* v) {
        const nx::VertexViewData* entry = view_.findVertexEntry(v);
        const nx::ActualProperties* props = entry ? entry->properties.get() : nullptr;
        return std::make_tuple(view_.getX(v, props), view_.getY(v, props), v->id);
    };
    std::stable_sort(vertices.begin(), vertices.end(),
                     [&](nx::Vertex* a, nx::Vertex* b) { return key(a) < key(b); });
}

nx::Vertex* VertexNavigation::start() {
    if (!view_.selectedVertices().empty()) {
        nx::Vertex* first = view_.selectedVertices().front().vertex;
        if (first && graph_.contains(*first)) return first;
    }
    const std::vector<nx::Vertex*> r = roots();
    if (!r.empty()) return r.front();
    // Every vertex has a parent (a cycle): the leftmost one.
    std::vector<nx::Vertex*> all;
    for (const auto& [vertex, entry] : graph_.vertices()) all.push_back(vertex);
    sortAsDrawn(all);
    return all.empty() ? nullptr : all.front();
}

nx::Vertex* VertexNavigation::step(nx::Vertex* from, NavigationStep step) {
    if (!from || !graph_.contains(*from)) return nullptr;
    switch (step) {
        case NavigationStep::Parent:
            return parent(from);
        case NavigationStep::FirstChild: {
            const std::vector<nx::Vertex*> c = children(from);
            return c.empty() ? nullptr : c.front();
        }
        case NavigationStep::PreviousSibling:
        case NavigationStep::NextSibling: {
            nx::Vertex* p = parent(from);
            const std::vector<nx::Vertex*> row = p ? children(p) : roots();
            const auto at = std::find(row.begin(), row.end(), from);
            if (at == row.end()) return nullptr;
            if (step == NavigationStep::PreviousSibling)
                return at == row.begin() ? nullptr : *(at - 1);
            return at + 1 == row.end() ? nullptr : *(at + 1);
        }
    }
    return nullptr;
}

}  // namespace ramulo
