// Breadth-first spanning-tree growth: the queue holds (vertex reached, edge used) pairs.
#include "traversal/breadth_first_spanning_tree_building_visitor.h"

#include <stdexcept>

#include "graph/subgraph.h"
#include "traversal/visited_flag.h"

namespace nx {

namespace {

// One lookup gives both the flag and the incidence list of a member.
const VertexEntry& memberEntry(const Graph& graph, const Vertex& vertex) {
    const VertexEntry* entry = graph.vertices().find(const_cast<Vertex*>(&vertex));
    if (!entry) throw std::runtime_error("Vertex properties not found");
    return *entry;
}

bool& flagOf(const VertexEntry& entry, std::size_t index) {
    return static_cast<Visited&>(entry.properties->at(index)).value;
}

}  // namespace

void BreadthFirstSpanningTreeBuildingVisitor::visit(Graph&) {}

void BreadthFirstSpanningTreeBuildingVisitor::visit(Edge&) {}

void BreadthFirstSpanningTreeBuildingVisitor::build() {
    clear();
    graph_->updateIncidence();
    clearVisitedFlags(*graph_, visitedIndex_);
    if (start_) start_->accept(*this);
    clear();
}

void BreadthFirstSpanningTreeBuildingVisitor::buildTracked(std::vector<Vertex*>& marked,
                                                           bool clearAll) {
    clear();
    graph_->updateIncidence();
    if (clearAll)
        clearVisitedFlags(*graph_, visitedIndex_);
    else
        for (Vertex* vertex : marked) visitedFlag(*graph_, *vertex, visitedIndex_) = false;
    marked.clear();
    marked_ = &marked;
    try {
        if (start_) start_->accept(*this);
    } catch (...) {
        marked_ = nullptr;
        throw;
    }
    marked_ = nullptr;
    clear();
}

void BreadthFirstSpanningTreeBuildingVisitor::pushNeighbours(Vertex& vertex,
                                                             const std::vector<Edge*>& incident) {
    const ElementId here = vertex.id;
    for (Edge* edge : incident) {
        if (edge->source->id == here) {
            if (edge->target->id == here) continue;  // self-loop
            push(edge->target);
        } else {
            push(edge->source);
        }
        push(edge);
    }
}

void BreadthFirstSpanningTreeBuildingVisitor::mark(Vertex& vertex, bool& flag) {
    flag = true;
    if (marked_) marked_->push_back(&vertex);
}

void BreadthFirstSpanningTreeBuildingVisitor::addCollectedEdges() {
    if (!treeEdges_.empty()) tree_->reserveMore(treeEdges_.size() + 1, treeEdges_.size());
    for (Edge* edge : treeEdges_) tree_->tryAddEdge(*edge);
    treeEdges_.clear();
}

void BreadthFirstSpanningTreeBuildingVisitor::visit(Vertex& start) {
    // Each vertex joins the tree at most once and through a new edge, so the edges are
    // collected first and inserted in the same order once the walk is done: the tree's
    // maps then grow in one run instead of between the walk's lookups.
    treeEdges_.clear();
    try {
        const VertexEntry& startEntry = memberEntry(*graph_, start);
        bool& startVisited = flagOf(startEntry, visitedIndex_);
        if (!startVisited) {
            mark(start, startVisited);
            pushNeighbours(start, startEntry.incident);
            push(levelMarker());
        }
        for (Element* current = pop(); current; current = pop()) {
            if (isLevelMarker(current)) {
                current = pop();
                if (!current) break;
                push(levelMarker());
            }
            auto& reached = *static_cast<Vertex*>(current);
            auto* edge = static_cast<Edge*>(pop());
            const VertexEntry& entry = memberEntry(*graph_, reached);
            bool& visited = flagOf(entry, visitedIndex_);
            if (visited) continue;
            mark(reached, visited);
            treeEdges_.push_back(edge);
            pushNeighbours(reached, entry.incident);
        }
    } catch (...) {
        addCollectedEdges();  // as far as the walk got
        throw;
    }
    addCollectedEdges();
    if (tree_->order() == 0) tree_->tryAddVertex(start);
}

}  // namespace nx
