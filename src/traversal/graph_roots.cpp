// The graph's root discovery and visited-index lookup.
#include <stdexcept>
#include <unordered_set>
#include <vector>

#include "graph/graph.h"
#include "traversal/depth_first_vertex_search_visitor.h"
#include "traversal/error_texts.h"
#include "traversal/graph_walks.h"
#include "traversal/predicate_func.h"
#include "traversal/visited_flag.h"

namespace nx {

std::size_t visitedPropertyIndex(const Graph& graph) {
    if (const FormalProperties* schema = graph.vertexSchema()) {
        if (std::size_t index = schema->find(AuxFlag1()); index != kNoIndex) return index;
        if (std::size_t index = schema->find(Visited()); index != kNoIndex) return index;
    }
    throw std::runtime_error(nx::error_texts::kVisitedNotAtGraphLevel);
}

namespace {

// What the searches of one root discovery share, so that the discovery stays linear:
// one search costs the size of the component it walks, and its flags are cleared
// again before the next search instead of clearing the whole graph each time.
struct RootSearchState {
    bool flagsCleared = false;               // the whole graph was cleared once
    std::vector<Vertex*> marked;             // vertices the last search marked
    std::size_t markedIndex = kNoIndex;      // the flag's position in that search
    std::unordered_set<const Vertex*> seen;  // vertices marked by any search so far
};

// Accepts the listed roots, and notes each vertex the search marks: a depth-first
// search without a limit tests every vertex exactly when it marks it.
class MarkNotingPredicate : public PredicateFunc {
public:
    MarkNotingPredicate(const std::vector<Vertex*>& roots, RootSearchState& state)
        : PredicateFunc(roots), state_(state) {}
    bool test(Vertex& vertex, Graph& graph) override {
        state_.marked.push_back(&vertex);
        state_.seen.insert(&vertex);
        return PredicateFunc::test(vertex, graph);
    }

private:
    RootSearchState& state_;
};

class RootSearch : public DepthFirstVertexSearchVisitor {
public:
    RootSearch(Graph& graph, Vertex& start, std::size_t visitedIndex,
               MarkNotingPredicate& predicate, RootSearchState& state)
        : DepthFirstVertexSearchVisitor(graph, &start, visitedIndex, &predicate, 0),
          state_(state) {}

    // Leaves every flag as a reset of the whole graph would: only the last search's
    // flags can be set.
    void reset() override {
        clearResults();
        if (!state_.flagsCleared) {
            clearVisitedFlags(*graph_, visitedIndex_);
            state_.flagsCleared = true;
        } else {
            for (Vertex* vertex : state_.marked)
                nx::visitedFlag(*graph_, *vertex, state_.markedIndex) = false;
        }
        state_.marked.clear();
        state_.markedIndex = visitedIndex_;
    }

private:
    RootSearchState& state_;
};

}  // namespace

void findRoots(Graph& graph, std::vector<Vertex*>& roots) {
    graph.updateIncidence();
    static const AuxFlag1 visitedPrototype;
    std::vector<Vertex*> isolated;
    RootSearchState state;
    MarkNotingPredicate predicate(roots, state);
    Vertex* pendingSearch = nullptr;  // a candidate whose search was answered from `seen`
    std::size_t pendingIndex = kNoIndex;

    for (const auto& [vertex, entry] : graph.vertices()) {
        if (entry.incident.empty()) {
            isolated.push_back(vertex);
            continue;
        }
        bool hasParent = false;
        for (const Edge* edge : entry.incident)
            if (edge->target->id == vertex->id) {
                hasParent = true;
                break;
            }
        if (hasParent) continue;
        if (roots.empty()) {
            roots.push_back(vertex);
            continue;
        }
        const std::size_t index = entry.properties->find(visitedPrototype);
        RootSearch search(graph, *vertex, index, predicate, state);
        if (state.seen.count(vertex)) {
            // An earlier search walked this component, and since then the component
            // holds a root: this search would find it. Walking it again for every
            // such candidate would make discovery quadratic.
            pendingSearch = vertex;
            pendingIndex = index;
            continue;
        }
        pendingSearch = nullptr;
        search.reset();
        if (!search.first()) roots.push_back(vertex);
    }
    if (pendingSearch) {
        // The last candidate's search was skipped: run it so that the flags end as
        // that search leaves them.
        RootSearch search(graph, *pendingSearch, pendingIndex, predicate, state);
        search.reset();
        search.first();
    }
    roots.insert(roots.end(), isolated.begin(), isolated.end());
}

}  // namespace nx
