// nx::VertexSearchVisitor: base of the vertex searches that collect predicate matches.
#pragma once

#include <cstddef>
#include <vector>

#include "graph/visitor.h"

namespace nx {

class VertexSearchVisitor : public Visitor {
public:
    // A test applied to every vertex a search reaches; the base accepts nothing.
    class VertexPredicate {
    public:
        virtual ~VertexPredicate() = default;
        virtual bool test(Vertex& vertex, Graph& graph);
    };
    class PredicateFunc;  // predicate_func.h

    // Fails with a runtime error unless visitedIndex names a Visited among the graph's
    // graph-level vertex formal properties. Graph, start and predicate stay the caller's;
    // maxFound 0 means no limit.
    VertexSearchVisitor(Graph& graph, Vertex* start, std::size_t visitedIndex,
                        VertexPredicate* predicate, std::size_t maxFound);

    // Forgets the results and clears the visited flag of every vertex of the graph.
    virtual void reset();
    // Runs one complete search from the start vertex.
    virtual void search() = 0;
    // The first match, searching only when no search has run since the last reset.
    virtual Vertex* first();
    // The next match; before any search, the same as first().
    virtual Vertex* next();
    // Moves the cursor forward; null past the last match.
    virtual Vertex* advance();

    Graph& graph() const { return *graph_; }
    Vertex* start() const { return start_; }
    std::size_t visitedIndex() const { return visitedIndex_; }
    std::size_t maxFound() const { return maxFound_; }
    std::size_t foundCount() const { return foundCount_; }
    bool done() const { return done_; }
    // The matches in the order found.
    const std::vector<Vertex*>& found() const { return found_; }

protected:
    // Empties the found list and puts the cursor at its beginning; clears done.
    void clearResults();
    bool& visitedFlag(const Vertex& vertex);
    bool accepts(Vertex& vertex);

    Graph* graph_;
    std::vector<Vertex*> found_;
    std::size_t cursor_;
    Vertex* start_;
    VertexPredicate* predicate_;
    bool done_ = false;
    std::size_t visitedIndex_;
    std::size_t maxFound_;
    std::size_t foundCount_ = 0;
};

}  // namespace nx
