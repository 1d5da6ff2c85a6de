// Breadth-first spanning-tree growth: the queue holds (vertex reached, edge used) pairs.
#include "traversal/breadth_first_spanning_tree_building_visitor.h"

#include <algorithm>
#include <stdexcept>

#include "graph/error_texts.h"
#include "graph/subgraph.h"
#include "traversal/visited_flag.h"

namespace nx {

namespace {

// One lookup gives both the flag and the incidence list of a member.
VertexEntry& memberEntry(Graph& graph, const Vertex& vertex) {
    VertexEntry* entry = graph.vertexMembers().find(&vertex);
    if (!entry) throw std::runtime_error(nx::error_texts::kVertexPropertiesNotFound);
    return *entry;
}

bool& flagOf(VertexEntry& entry, std::size_t index) {
    return static_cast<Visited&>(entry.properties->at(index)).value;
}

bool flagOf(const VertexEntry& entry, std::size_t index) {
    return static_cast<const Visited&>(entry.properties->at(index)).value;
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

void BreadthFirstSpanningTreeBuildingVisitor::MemberTable::fill(Graph& graph) {
    byId.clear();
    visited.clear();
    std::size_t size = 0;
    for (const auto& [vertex, entry] : graph.vertices())
        size = std::max<std::size_t>(size, vertex->id + 1);
    if (size > 4 * graph.order() + 1024) return;  // sparse: the hashed lookups stay
    byId.assign(size, {nullptr, nullptr});
    for (const auto& [vertex, entry] : graph.vertexMembers()) byId[vertex->id] = {vertex, &entry};
    visited.assign(size, 0);
}

VertexEntry& BreadthFirstSpanningTreeBuildingVisitor::entryOf(const Vertex& vertex,
                                                                    std::size_t& slot) const {
    if (table_ && vertex.id < table_->byId.size() && table_->byId[vertex.id].first == &vertex) {
        slot = vertex.id;
        return *table_->byId[slot].second;
    }
    slot = std::size_t(-1);
    return memberEntry(*graph_, vertex);
}

bool BreadthFirstSpanningTreeBuildingVisitor::isVisited(const VertexEntry& entry,
                                                        std::size_t slot) const {
    if (slot != std::size_t(-1)) return table_->visited[slot] != 0;
    return flagOf(entry, visitedIndex_);
}

void BreadthFirstSpanningTreeBuildingVisitor::buildTracked(std::vector<Vertex*>& marked,
                                                           bool clearAll, MemberTable* table) {
    clear();
    graph_->updateIncidence();
    table_ = table;
    if (clearAll) {
        clearVisitedFlags(*graph_, visitedIndex_);
        if (table_) std::fill(table_->visited.begin(), table_->visited.end(), 0);
    } else {
        for (Vertex* vertex : marked) {
            std::size_t slot;
            flagOf(entryOf(*vertex, slot), visitedIndex_) = false;
            if (slot != std::size_t(-1)) table_->visited[slot] = 0;
        }
    }
    marked.clear();
    marked_ = &marked;
    try {
        if (start_) start_->accept(*this);
    } catch (...) {
        marked_ = nullptr;
        table_ = nullptr;
        throw;
    }
    marked_ = nullptr;
    table_ = nullptr;
    clear();
}

void BreadthFirstSpanningTreeBuildingVisitor::pushNeighbours(Vertex& vertex,
                                                             const IncidenceList& incident) {
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

void BreadthFirstSpanningTreeBuildingVisitor::mark(Vertex& vertex, VertexEntry& entry,
                                                   std::size_t slot) {
    flagOf(entry, visitedIndex_) = true;
    if (slot != std::size_t(-1)) table_->visited[slot] = 1;
    if (marked_) marked_->push_back(&vertex);
}

void BreadthFirstSpanningTreeBuildingVisitor::addCollectedEdges() {
    if (treeEdges_.empty()) return;
    tree_->reserveMore(treeEdges_.size() + 1, treeEdges_.size());
    // Each reached vertex is new and joins from a member (the start, once the first edge
    // is in), so a tree that started empty needs none of tryAddEdge's lookups.
    const bool fresh = tree_->order() == 0;
    for (const Joined& joined : treeEdges_) {
        if (fresh)
            tree_->addPendantEdge(*joined.edge, *joined.vertex, *joined.values);
        else
            tree_->tryAddEdge(*joined.edge);
    }
    treeEdges_.clear();
}

void BreadthFirstSpanningTreeBuildingVisitor::visit(Vertex& start) {
    // Each vertex joins the tree at most once and through a new edge, so the edges are
    // collected first and inserted in the same order once the walk is done: the tree's
    // maps then grow in one run instead of between the walk's lookups.
    treeEdges_.clear();
    try {
        std::size_t slot;
        VertexEntry& startEntry = entryOf(start, slot);
        if (!isVisited(startEntry, slot)) {
            mark(start, startEntry, slot);
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
            VertexEntry& entry = entryOf(reached, slot);
            if (isVisited(entry, slot)) continue;
            mark(reached, entry, slot);
            treeEdges_.push_back({edge, &reached, entry.properties.get()});
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
