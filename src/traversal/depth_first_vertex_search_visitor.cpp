// Depth-first vertex search with an explicit stack, so a deep graph cannot exhaust the
// call stack; the order is the one of the plain recursive preorder.
#include "traversal/depth_first_vertex_search_visitor.h"

#include <vector>

#include "graph/graph.h"

namespace nx {

void DepthFirstVertexSearchVisitor::visit(Graph&) {}

void DepthFirstVertexSearchVisitor::visit(Edge& edge) {
    graph_->visitEndpoints(*this, edge);
}

void DepthFirstVertexSearchVisitor::search() {
    done_ = false;
    graph_->updateIncidence();
    if (start_) start_->accept(*this);
    done_ = true;
}

bool DepthFirstVertexSearchVisitor::enter(Vertex& vertex) {
    bool& visited = visitedFlag(vertex);
    if (visited || done_) return false;
    visited = true;
    if (accepts(vertex)) {
        found_.push_back(&vertex);
        if (++foundCount_ == maxFound_) {
            done_ = true;
            return false;
        }
    }
    return !done_;
}

void DepthFirstVertexSearchVisitor::visit(Vertex& vertex) {
    if (walking_) {
        // A neighbour handed back through accept: the walk below descends into it.
        reached_ = &vertex;
        return;
    }
    struct Frame {
        Vertex* vertex;
        const IncidenceList* incident;
        std::size_t next;
    };
    struct WalkScope {
        bool& flag;
        explicit WalkScope(bool& f) : flag(f) { flag = true; }
        ~WalkScope() { flag = false; }
    } scope(walking_);

    std::vector<Frame> stack;
    if (enter(vertex)) stack.push_back({&vertex, &graph_->incidentEdges(vertex), 0});
    while (!stack.empty() && !done_) {
        Frame& top = stack.back();
        if (top.next == top.incident->size()) {
            stack.pop_back();
            continue;
        }
        const Edge& edge = *(*top.incident)[top.next++];
        const ElementId here = top.vertex->id;
        Vertex* other = edge.source->id == here ? edge.target : edge.source;
        if (other->id == here) continue;  // self-loop
        // Neighbours go through accept as in the neighbour walk: a graph listed as a
        // member vertex accepts as a graph and is not searched.
        reached_ = nullptr;
        other->accept(*this);
        if (reached_ && enter(*reached_))
            stack.push_back({reached_, &graph_->incidentEdges(*reached_), 0});
    }
}

}  // namespace nx
