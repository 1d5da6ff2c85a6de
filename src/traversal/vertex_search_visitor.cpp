// The result list, cursor and reset shared by the vertex searches.
#include "traversal/vertex_search_visitor.h"

#include <stdexcept>

#include "traversal/error_texts.h"
#include "traversal/visited_flag.h"

namespace nx {

bool VertexSearchVisitor::VertexPredicate::test(Vertex&, Graph&) {
    return false;
}

VertexSearchVisitor::VertexSearchVisitor(Graph& graph, Vertex* start, std::size_t visitedIndex,
                                         VertexPredicate* predicate, std::size_t maxFound)
    : graph_(&graph),
      cursor_(0),
      start_(start),
      predicate_(predicate),
      visitedIndex_(visitedIndex),
      maxFound_(maxFound) {
    if (!namesVisitedProperty(graph, visitedIndex))
        throw std::runtime_error(nx::error_texts::kVertexSearchVisitedMissing);
}

void VertexSearchVisitor::clearResults() {
    found_.clear();
    cursor_ = 0;
    done_ = false;
}

void VertexSearchVisitor::reset() {
    clearResults();
    clearVisitedFlags(*graph_, visitedIndex_);
}

Vertex* VertexSearchVisitor::first() {
    if (found_.empty()) {
        if (done_) return nullptr;  // the last search found nothing
        foundCount_ = 0;
        reset();
        search();
    }
    cursor_ = 0;
    return found_.empty() ? nullptr : found_.front();
}

Vertex* VertexSearchVisitor::next() {
    if (!done_) return first();
    if (found_.empty() || cursor_ >= found_.size()) return nullptr;
    return advance();
}

Vertex* VertexSearchVisitor::advance() {
    if (cursor_ < found_.size()) ++cursor_;
    return cursor_ < found_.size() ? found_[cursor_] : nullptr;
}

bool& VertexSearchVisitor::visitedFlag(const Vertex& vertex) {
    return nx::visitedFlag(*graph_, vertex, visitedIndex_);
}

// A missing predicate accepts nothing, like the base predicate.
bool VertexSearchVisitor::accepts(Vertex& vertex) {
    return predicate_ && predicate_->test(vertex, *graph_);
}

}  // namespace nx
