// Component discovery with an explicit stack: members join in the order of the plain
// recursive walk, and a deep graph cannot exhaust the call stack.
#include "traversal/component_discovering_visitor.h"

#include <stdexcept>
#include <vector>

#include "graph/subgraph.h"
#include "traversal/error_texts.h"
#include "traversal/visited_flag.h"

namespace nx {

ComponentDiscoveringVisitor::ComponentDiscoveringVisitor(Graph& graph, std::size_t visitedIndex,
                                                         Component* component)
    : graph_(&graph), component_(component) {
    if (!namesVisitedProperty(graph, visitedIndex))
        throw std::runtime_error(nx::error_texts::kComponentVisitedMissing);
    visitedIndex_ = visitedIndex;
}

void ComponentDiscoveringVisitor::visit(Graph&) {}

void ComponentDiscoveringVisitor::visit(Edge&) {}

void ComponentDiscoveringVisitor::visit(Vertex& vertex) {
    bool& visited = visitedFlag(*graph_, vertex, visitedIndex_);
    if (visited) return;
    component_->tryAddVertex(vertex);
    visited = true;

    struct Frame {
        Vertex* vertex;
        const IncidenceList* incident;
        std::size_t next;
    };
    std::vector<Frame> stack{{&vertex, &graph_->incidentEdges(vertex), 0}};
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next == top.incident->size()) {
            stack.pop_back();
            continue;
        }
        Edge& edge = *(*top.incident)[top.next++];
        component_->tryAddEdge(edge);
        const ElementId here = top.vertex->id;
        Vertex* other = edge.source->id == here ? edge.target : edge.source;
        if (other->id == here) continue;  // self-loop
        bool& otherVisited = visitedFlag(*graph_, *other, visitedIndex_);
        if (otherVisited) continue;
        component_->tryAddVertex(*other);
        otherVisited = true;
        stack.push_back({other, &graph_->incidentEdges(*other), 0});
    }
}

}  // namespace nx
