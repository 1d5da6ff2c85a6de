// MembershipChange: recording through the graph's and view's logs, and toggling back.
#include "engine/membership_change.h"

#include <stdexcept>

#include "engine/error_texts.h"
#include "graph/graph.h"
#include "graph/space.h"
#include "views/graph_view.h"

namespace ramulo {

namespace {

// What a set of values keeps alive, roughly: the set and one object per value.
std::size_t valuesBytes(const nx::ActualProperties* values) {
    return values ? 64 + values->size() * 48 : 0;
}

}  // namespace

MembershipChange::MembershipChange(nx::Space& space, nx::Graph& graph, nx::GraphView& view)
    : space_(space), graph_(graph), view_(view) {}

MembershipChange::~MembershipChange() {
    // What the events hold while out goes with them.
    takenEdges_.clear();  // edges before the vertices they join
}

void MembershipChange::startRecording() {
    firstVertex_ = space_.vertexFactory().size();
    firstEdge_ = space_.edgeFactory().size();
    graph_.setMembershipLog(this);
    view_.setEntryLog(this);
}

void MembershipChange::stopRecording() {
    graph_.setMembershipLog(nullptr);
    view_.setEntryLog(nullptr);
    for (std::size_t id = firstVertex_; id < space_.vertexFactory().size(); ++id)
        createdVertices_.push_back(space_.vertexFactory().at(id));
    for (std::size_t id = firstEdge_; id < space_.edgeFactory().size(); ++id)
        createdEdges_.push_back(space_.edgeFactory().at(id));
}

bool MembershipChange::empty() const {
    return events_.empty() && createdVertices_.empty() && createdEdges_.empty();
}

// --- Recording

void MembershipChange::vertexLeft(nx::Graph&, nx::Vertex& vertex,
                                  std::unique_ptr<nx::ActualProperties> values, std::size_t slot) {
    Event event{Kind::GraphVertex, false};
    event.vertex = &vertex;
    event.values = std::move(values);
    event.slot = slot;
    events_.push_back(std::move(event));
}

void MembershipChange::edgeLeft(nx::Graph&, nx::Edge& edge,
                                std::unique_ptr<nx::ActualProperties> values, std::size_t slot) {
    Event event{Kind::GraphEdge, false};
    event.edge = &edge;
    event.values = std::move(values);
    event.slot = slot;
    events_.push_back(std::move(event));
}

void MembershipChange::vertexJoined(nx::Graph&, nx::Vertex& vertex, std::size_t slot) {
    Event event{Kind::GraphVertex, true};
    event.vertex = &vertex;
    event.slot = slot;
    events_.push_back(std::move(event));
}

void MembershipChange::edgeJoined(nx::Graph&, nx::Edge& edge, std::size_t slot) {
    Event event{Kind::GraphEdge, true};
    event.edge = &edge;
    event.slot = slot;
    events_.push_back(std::move(event));
}

void MembershipChange::vertexEntriesDropped(nx::GraphView&,
                                            std::vector<nx::VertexEntryRecord> records) {
    Event event{Kind::ViewVertices, false};
    event.records = std::move(records);
    events_.push_back(std::move(event));
}

void MembershipChange::vertexEntriesAppended(nx::GraphView&,
                                             std::vector<nx::VertexEntryRecord> records) {
    Event event{Kind::ViewVertices, true};
    event.records = std::move(records);
    events_.push_back(std::move(event));
}

void MembershipChange::edgeEntryDropped(nx::GraphView&, nx::Edge& edge, nx::EdgeViewData data,
                                        std::size_t slot) {
    Event event{Kind::ViewEdge, false};
    event.edge = &edge;
    event.data = std::move(data);
    event.slot = slot;
    events_.push_back(std::move(event));
}

void MembershipChange::edgeEntryAppended(nx::GraphView&, nx::Edge& edge, std::size_t slot) {
    Event event{Kind::ViewEdge, true};
    event.edge = &edge;
    event.slot = slot;
    events_.push_back(std::move(event));
}

// --- Toggling

void MembershipChange::toggle(Event& event) {
    bool done = true;
    switch (event.kind) {
        case Kind::GraphVertex:
            if (event.present) {
                event.values = graph_.takeVertex(*event.vertex);
                done = event.values != nullptr;
            } else {
                done = graph_.restoreVertex(*event.vertex, event.values, event.slot);
            }
            break;
        case Kind::GraphEdge:
            if (event.present) {
                event.values = graph_.takeEdge(*event.edge);
                done = event.values != nullptr;
            } else {
                done = graph_.restoreEdge(*event.edge, event.values, event.slot);
            }
            break;
        case Kind::ViewVertices:
            if (event.present)
                view_.takeVertexEntries(event.records);
            else
                view_.putVertexEntries(event.records);
            break;
        case Kind::ViewEdge:
            if (event.present) {
                done = view_.takeEdgeEntry(event.edge, event.data);
            } else {
                done = view_.putEdgeEntry(event.edge, event.data, event.slot);
            }
            break;
    }
    // The stack replays steps only in the state they left; anything else is a fault here.
    if (!done) throw std::logic_error(nx::error_texts::kHistoryMismatch);
    event.present = !event.present;
}

namespace {

// Takes the newest elements of a factory while they are the recorded ones, newest first;
// false when another element (or none) was found, which is then in taken too.
template <typename Factory, typename T>
bool takeNewest(Factory& factory, const std::vector<T*>& created,
                std::vector<std::unique_ptr<T>>& taken) {
    for (std::size_t i = created.size(); i-- > 0;) {
        std::unique_ptr<T> element = factory.releaseLast();
        const bool recorded = element.get() == created[i];
        if (element) taken.push_back(std::move(element));
        if (!recorded) return false;
    }
    return true;
}

template <typename Factory, typename T>
void putBack(Factory& factory, std::vector<std::unique_ptr<T>>& taken) {
    for (std::size_t i = taken.size(); i-- > 0;) factory.append(std::move(taken[i]));
    taken.clear();
}

}  // namespace

void MembershipChange::takeCreated() {
    if (!takeNewest(space_.edgeFactory(), createdEdges_, takenEdges_) ||
        !takeNewest(space_.vertexFactory(), createdVertices_, takenVertices_)) {
        putCreated();
        throw std::logic_error(nx::error_texts::kHistoryMismatch);
    }
}

void MembershipChange::putCreated() {
    putBack(space_.vertexFactory(), takenVertices_);
    putBack(space_.edgeFactory(), takenEdges_);
}

void MembershipChange::settle() {
    graph_.updateIncidence();
    view_.entriesRestored();
}

void MembershipChange::undo() {
    for (std::size_t i = events_.size(); i-- > 0;) toggle(events_[i]);
    takeCreated();
    settle();
}

void MembershipChange::redo() {
    putCreated();
    for (Event& event : events_) toggle(event);
    settle();
}

std::size_t MembershipChange::bytes() const {
    std::size_t total = sizeof(*this) +
                        (createdVertices_.size() + createdEdges_.size()) * sizeof(void*);
    for (const Event& event : events_) {
        // Each remembered slot also keeps an empty slot of a map alive.
        total += sizeof(Event) + 48 + event.records.size() * (sizeof(nx::VertexEntryRecord) + 48);
        if (event.present) continue;
        total += valuesBytes(event.values.get()) + valuesBytes(event.data.properties.get());
        for (const nx::VertexEntryRecord& record : event.records)
            total += valuesBytes(record.entry.properties.get());
    }
    total += (takenVertices_.size() + takenEdges_.size()) * 128;
    return total;
}

}  // namespace ramulo
