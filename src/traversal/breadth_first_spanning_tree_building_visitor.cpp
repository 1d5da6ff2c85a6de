// Breadth-first spanning-tree growth: the queue holds (vertex reached, edge used) pairs.
#include "traversal/breadth_first_spanning_tree_building_visitor.h"

#include "graph/subgraph.h"
#include "traversal/visited_flag.h"

namespace nx {

void BreadthFirstSpanningTreeBuildingVisitor::visit(Graph&) {}

void BreadthFirstSpanningTreeBuildingVisitor::visit(Edge&) {}

void BreadthFirstSpanningTreeBuildingVisitor::build() {
    clear();
    graph_->updateIncidence();
    clearVisitedFlags(*graph_, visitedIndex_);
    if (start_) start_->accept(*this);
    clear();
}

void BreadthFirstSpanningTreeBuildingVisitor::pushNeighbours(Vertex& vertex) {
    const ElementId here = vertex.id;
    for (Edge* edge : graph_->incidentEdges(vertex)) {
        if (edge->source->id == here) {
            if (edge->target->id == here) continue;  // self-loop
            push(edge->target);
        } else {
            push(edge->source);
        }
        push(edge);
    }
}

void BreadthFirstSpanningTreeBuildingVisitor::visit(Vertex& start) {
    bool& startVisited = visitedFlag(*graph_, start, visitedIndex_);
    if (!startVisited) {
        startVisited = true;
        pushNeighbours(start);
        push(levelMarker());
    }
    for (Element* current = pop(); current; current = pop()) {
        if (isLevelMarker(current)) {
            current = pop();
            if (!current) break;
            push(levelMarker());
        }
        auto& reached = *static_cast<Vertex*>(current);
        auto& edge = *static_cast<Edge*>(pop());
        bool& visited = visitedFlag(*graph_, reached, visitedIndex_);
        if (visited) continue;
        visited = true;
        tree_->tryAddEdge(edge);
        pushNeighbours(reached);
    }
    if (tree_->order() == 0) tree_->tryAddVertex(start);
}

}  // namespace nx
