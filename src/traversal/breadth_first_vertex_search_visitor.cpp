// Breadth-first vertex search: level markers in the queue count the distance from the start.
#include "traversal/breadth_first_vertex_search_visitor.h"

#include "graph/graph.h"

namespace nx {

void BreadthFirstVertexSearchVisitor::visit(Graph&) {}

void BreadthFirstVertexSearchVisitor::visit(Edge&) {}

void BreadthFirstVertexSearchVisitor::search() {
    done_ = false;
    clear();
    graph_->updateIncidence();
    if (start_) start_->accept(*this);
    clear();
    done_ = true;
}

void BreadthFirstVertexSearchVisitor::visit(Vertex& start) {
    std::int32_t level = 0;
    firstMatchLevel_ = -1;
    foundCount_ = 0;
    Element* current = &start;
    for (;;) {
        if (isLevelMarker(current)) {
            current = pop();
            if (!current) return;
            ++level;
            push(levelMarker());  // the queue holds at most one marker at a time
        }
        auto& vertex = *static_cast<Vertex*>(current);
        bool& visited = visitedFlag(vertex);
        if (!visited) {
            visited = true;
            if (accepts(vertex)) {
                if (found_.empty()) firstMatchLevel_ = level;
                found_.push_back(&vertex);
                if (++foundCount_ == maxFound_) return;
            }
            const ElementId here = vertex.id;
            for (Edge* edge : graph_->incidentEdges(vertex)) {
                if (edge->source->id == here) {
                    if (edge->target->id != here) push(edge->target);
                } else {
                    push(edge->source);
                }
            }
            if (here == start.id) {
                ++level;
                push(levelMarker());
            }
        }
        current = pop();
        if (!current) return;
    }
}

}  // namespace nx
