// MembershipChange: the elements a change created and the members and view entries it
// added or removed, recorded as it happens and restored in place (same IDs, same order).
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "engine/undo_command.h"
#include "graph/membership_log.h"
#include "views/view_entry_log.h"

namespace nx {
class Graph;
class GraphView;
class Space;
}  // namespace nx

namespace ramulo {

class MembershipChange : public UndoCommand, public nx::MembershipLog, public nx::ViewEntryLog {
public:
    // Records changes of this graph and view; elements the space's factories make while
    // recording count as created by the change.
    MembershipChange(nx::Space& space, nx::Graph& graph, nx::GraphView& view);
    ~MembershipChange() override;
    MembershipChange(const MembershipChange&) = delete;
    MembershipChange& operator=(const MembershipChange&) = delete;

    // Starts hearing the graph and the view, and ends it (noting what the factories made).
    void startRecording();
    void stopRecording();
    bool empty() const;

    void undo() override;
    void redo() override;
    std::size_t bytes() const override;
    bool remembersSlots() const override { return true; }

    // MembershipLog
    void vertexLeft(nx::Graph&, nx::Vertex& vertex, std::unique_ptr<nx::ActualProperties> values,
                    std::size_t slot) override;
    void edgeLeft(nx::Graph&, nx::Edge& edge, std::unique_ptr<nx::ActualProperties> values,
                  std::size_t slot) override;
    void vertexJoined(nx::Graph&, nx::Vertex& vertex, std::size_t slot) override;
    void edgeJoined(nx::Graph&, nx::Edge& edge, std::size_t slot) override;
    // ViewEntryLog
    void vertexEntriesDropped(nx::GraphView&, std::vector<nx::VertexEntryRecord> records) override;
    void vertexEntriesAppended(nx::GraphView&,
                               std::vector<nx::VertexEntryRecord> records) override;
    void edgeEntryDropped(nx::GraphView&, nx::Edge& edge, nx::EdgeViewData data,
                          std::size_t slot) override;
    void edgeEntryAppended(nx::GraphView&, nx::Edge& edge, std::size_t slot) override;

private:
    enum class Kind { GraphVertex, GraphEdge, ViewVertices, ViewEdge };
    // One member or entry (group) that is in or out; while out, the event holds what it held.
    struct Event {
        Event(Kind kind, bool present) : kind(kind), present(present) {}
        Kind kind;
        bool present;
        nx::Vertex* vertex = nullptr;
        nx::Edge* edge = nullptr;
        std::unique_ptr<nx::ActualProperties> values;
        nx::EdgeViewData data;
        std::vector<nx::VertexEntryRecord> records;
        std::size_t slot = 0;
    };
    void toggle(Event& event);
    // Moves the created elements out of the factories (undo) or back in (redo); a taking
    // that finds another element than recorded puts everything back and fails.
    void takeCreated();
    void putCreated();
    void settle();

    nx::Space& space_;
    nx::Graph& graph_;
    nx::GraphView& view_;
    std::vector<Event> events_;
    std::size_t firstVertex_ = 0, firstEdge_ = 0;
    std::vector<nx::Vertex*> createdVertices_;  // in creation order
    std::vector<nx::Edge*> createdEdges_;
    // The created elements while undone, newest first (the factories own them otherwise).
    std::vector<std::unique_ptr<nx::Vertex>> takenVertices_;
    std::vector<std::unique_ptr<nx::Edge>> takenEdges_;
};

}  // namespace ramulo
