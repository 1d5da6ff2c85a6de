// ControlEngine: whole documents to and from the two file formats.
#include <array>
#include <memory>
#include <stdexcept>
#include <utility>

#include "engine/control_engine.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"
#include "graph/progress.h"
#include "graph/space.h"
#include "persistence/space_files.h"
#include "persistence/space_xml_writer.h"

namespace ramulo {

// An engine's document while a file is read into a fresh one. Members go in reverse order
// of declaration: the view, which observes the graph, then the space, then the schemas the
// space and the view were built on.
struct ControlEngine::DocumentParts {
    std::array<std::unique_ptr<nx::FormalProperties>, 7> formals;
    std::unique_ptr<nx::Space> space;
    std::unique_ptr<nx::WindowGraphView> view;
    nx::Graph* graph = nullptr;
    nx::Vertex* currentVertex = nullptr;
    nx::ActualProperties* currentVertexProperties = nullptr;
    nx::Edge* currentEdge = nullptr;
    nx::ActualProperties* currentEdgeProperties = nullptr;
    bool editingEnabled = true;
    HostWindow* hostWindow = nullptr;
    UndoStack history;

    static std::array<std::unique_ptr<nx::FormalProperties>*, 7> formalsOf(ControlEngine& e);
    static DocumentParts take(ControlEngine& e);
    void restoreInto(ControlEngine& e);
    template <typename Read>
    static std::uint32_t loadFresh(ControlEngine& e, bool editingEnabled, HostWindow* host,
                                   Read read);
};

std::array<std::unique_ptr<nx::FormalProperties>*, 7> ControlEngine::DocumentParts::formalsOf(
    ControlEngine& e) {
    return {&e.spaceLevelVertexFormals_, &e.spaceLevelEdgeFormals_, &e.graphFormals_,
            &e.graphLevelVertexFormals_, &e.graphLevelEdgeFormals_, &e.viewLevelVertexFormals_,
            &e.viewLevelEdgeFormals_};
}

// Moves the document out, leaving the engine empty.
ControlEngine::DocumentParts ControlEngine::DocumentParts::take(ControlEngine& e) {
    DocumentParts parts;
    const auto fields = formalsOf(e);
    for (std::size_t i = 0; i < fields.size(); ++i) parts.formals[i] = std::move(*fields[i]);
    parts.space = std::move(e.space_);
    parts.view = std::move(e.view_);
    parts.graph = std::exchange(e.graph_, nullptr);
    parts.currentVertex = std::exchange(e.currentVertex_, nullptr);
    parts.currentVertexProperties = std::exchange(e.currentVertexProperties_, nullptr);
    parts.currentEdge = std::exchange(e.currentEdge_, nullptr);
    parts.currentEdgeProperties = std::exchange(e.currentEdgeProperties_, nullptr);
    parts.editingEnabled = e.editingEnabled_;
    parts.hostWindow = e.hostWindow_;
    // The steps refer to this document: they leave and come back with it.
    std::swap(parts.history, e.history_);
    return parts;
}

// Drops whatever the engine holds and moves the document back in, exactly as it was.
void ControlEngine::DocumentParts::restoreInto(ControlEngine& e) {
    DocumentParts& parts = *this;
    e.ReleaseDocument();
    const auto fields = formalsOf(e);
    for (std::size_t i = 0; i < fields.size(); ++i) *fields[i] = std::move(parts.formals[i]);
    e.space_ = std::move(parts.space);
    e.view_ = std::move(parts.view);
    e.graph_ = parts.graph;
    e.currentVertex_ = parts.currentVertex;
    e.currentVertexProperties_ = parts.currentVertexProperties;
    e.currentEdge_ = parts.currentEdge;
    e.currentEdgeProperties_ = parts.currentEdgeProperties;
    e.editingEnabled_ = parts.editingEnabled;
    e.hostWindow_ = parts.hostWindow;
    std::swap(e.history_, parts.history);
}

// Reads a file into a fresh document, which replaces the open one only when the reading
// succeeded; after a failure the open document is back, untouched, and the error passes on.
template <typename Read>
std::uint32_t ControlEngine::DocumentParts::loadFresh(ControlEngine& e, bool editingEnabled,
                                                      HostWindow* host, Read read) {
    DocumentParts previous = take(e);
    try {
        e.Init();
        e.NewTree(editingEnabled, host);
        read();
    } catch (...) {
        previous.restoreInto(e);
        throw;
    }
    e.graph_ = e.view_->graph();
    // The new document starts a new history with the old one's limits.
    e.history_.setDepth(previous.history.depth());
    e.history_.setMemoryLimit(previous.history.memoryLimit());
    previous.history.clear(true);
    e.currentVertex_ = nullptr;
    e.currentVertexProperties_ = nullptr;
    e.currentEdge_ = nullptr;
    e.currentEdgeProperties_ = nullptr;
    return e.graph_ ? static_cast<std::uint32_t>(e.graph_->id) : kNoElement;
}

void ControlEngine::exchangeDocument(ControlEngine& other) {
    // Steps describe the document they were taken on: each engine starts a new history.
    history_.clear(true);
    other.history_.clear(true);
    std::swap(spaceLevelVertexFormals_, other.spaceLevelVertexFormals_);
    std::swap(spaceLevelEdgeFormals_, other.spaceLevelEdgeFormals_);
    std::swap(graphFormals_, other.graphFormals_);
    std::swap(graphLevelVertexFormals_, other.graphLevelVertexFormals_);
    std::swap(graphLevelEdgeFormals_, other.graphLevelEdgeFormals_);
    std::swap(viewLevelVertexFormals_, other.viewLevelVertexFormals_);
    std::swap(viewLevelEdgeFormals_, other.viewLevelEdgeFormals_);
    std::swap(space_, other.space_);
    std::swap(graph_, other.graph_);
    std::swap(view_, other.view_);
    forgetCurrentElements();
    other.forgetCurrentElements();
}

namespace {

// Items a save reports: about one per record of the factories, the graph and the view.
std::uint64_t saveSteps(const nx::Graph& graph) {
    return 3 * (std::uint64_t{graph.order()} + graph.edgeCount());
}

}  // namespace

std::uint32_t ControlEngine::LoadStream(const std::string& path, bool editingEnabled,
                                        HostWindow* host) {
    nx::ProgressScope reporting(progress_, "Loading", 0);
    return DocumentParts::loadFresh(*this, editingEnabled, host,
                                    [&] { nx::loadStream(*space_, path, view_.get()); });
}

std::uint32_t ControlEngine::LoadXml(const std::string& path, bool editingEnabled,
                                     HostWindow* host) {
    nx::ProgressScope reporting(progress_, "Loading", 0);
    return DocumentParts::loadFresh(*this, editingEnabled, host,
                                    [&] { nx::loadXml(*space_, path, view_.get()); });
}

std::uint16_t ControlEngine::SaveStream(const std::string& path) {
    if (!space_ || !graph_) return 0;
    nx::ProgressScope reporting(progress_, "Saving", saveSteps(*graph_));
    nx::saveStream(*space_, path, view_.get());
    history_.markClean();
    return 1;
}

std::uint16_t ControlEngine::SaveXml(const std::string& path) {
    if (!space_ || !graph_) return 0;
    // The space's own XML writer passes over a file it cannot open; answering "written"
    // then would hide the lost document, so the engine writes through the failing form.
    nx::ProgressScope reporting(progress_, "Saving", saveSteps(*graph_));
    nx::persistence::writeSpaceXml(*space_, path, view_.get());
    history_.markClean();
    return 1;
}

}  // namespace ramulo
