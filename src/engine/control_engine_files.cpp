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

namespace {

// An engine's document while a file is read into a fresh one. Members go in reverse order
// of declaration: the view, which observes the graph, then the space, then the schemas the
// space and the view were built on.
struct DocumentParts {
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
};

std::array<std::unique_ptr<nx::FormalProperties>*, 7> formalsOf(ControlEngine& e) {
    return {&e.spaceLevelVertexFormals, &e.spaceLevelEdgeFormals, &e.graphFormals,
            &e.graphLevelVertexFormals, &e.graphLevelEdgeFormals, &e.viewLevelVertexFormals,
            &e.viewLevelEdgeFormals};
}

// Moves the document out, leaving the engine empty.
DocumentParts takeDocument(ControlEngine& e) {
    DocumentParts parts;
    const auto fields = formalsOf(e);
    for (std::size_t i = 0; i < fields.size(); ++i) parts.formals[i] = std::move(*fields[i]);
    parts.space = std::move(e.space);
    parts.view = std::move(e.view);
    parts.graph = std::exchange(e.graph, nullptr);
    parts.currentVertex = std::exchange(e.currentVertex, nullptr);
    parts.currentVertexProperties = std::exchange(e.currentVertexProperties, nullptr);
    parts.currentEdge = std::exchange(e.currentEdge, nullptr);
    parts.currentEdgeProperties = std::exchange(e.currentEdgeProperties, nullptr);
    parts.editingEnabled = e.editingEnabled;
    parts.hostWindow = e.hostWindow;
    // The steps refer to this document: they leave and come back with it.
    std::swap(parts.history, e.history);
    return parts;
}

// Drops whatever the engine holds and moves the document back in, exactly as it was.
void restoreDocument(ControlEngine& e, DocumentParts& parts) {
    e.ReleaseDocument();
    const auto fields = formalsOf(e);
    for (std::size_t i = 0; i < fields.size(); ++i) *fields[i] = std::move(parts.formals[i]);
    e.space = std::move(parts.space);
    e.view = std::move(parts.view);
    e.graph = parts.graph;
    e.currentVertex = parts.currentVertex;
    e.currentVertexProperties = parts.currentVertexProperties;
    e.currentEdge = parts.currentEdge;
    e.currentEdgeProperties = parts.currentEdgeProperties;
    e.editingEnabled = parts.editingEnabled;
    e.hostWindow = parts.hostWindow;
    std::swap(e.history, parts.history);
}

// Reads a file into a fresh document, which replaces the open one only when the reading
// succeeded; after a failure the open document is back, untouched, and the error passes on.
template <typename Read>
std::uint32_t loadFresh(ControlEngine& e, bool editingEnabled, HostWindow* host, Read read) {
    DocumentParts previous = takeDocument(e);
    try {
        e.Init();
        e.NewTree(editingEnabled, host);
        read();
    } catch (...) {
        restoreDocument(e, previous);
        throw;
    }
    e.graph = e.view->graph();
    // The new document starts a new history with the old one's limits.
    e.history.setDepth(previous.history.depth());
    e.history.setMemoryLimit(previous.history.memoryLimit());
    previous.history.clear(true);
    e.currentVertex = nullptr;
    e.currentVertexProperties = nullptr;
    e.currentEdge = nullptr;
    e.currentEdgeProperties = nullptr;
    return e.graph ? static_cast<std::uint32_t>(e.graph->id) : kNoElement;
}

// Items a save reports: about one per record of the factories, the graph and the view.
std::uint64_t saveSteps(const nx::Graph& graph) {
    return 3 * (std::uint64_t{graph.order()} + graph.edgeCount());
}

}  // namespace

std::uint32_t ControlEngine::LoadStream(const std::string& path, bool editingEnabled,
                                        HostWindow* host) {
    nx::ProgressScope reporting(progress, "Loading", 0);
    return loadFresh(*this, editingEnabled, host,
                     [&] { nx::loadStream(*space, path, view.get()); });
}

std::uint32_t ControlEngine::LoadXml(const std::string& path, bool editingEnabled,
                                     HostWindow* host) {
    nx::ProgressScope reporting(progress, "Loading", 0);
    return loadFresh(*this, editingEnabled, host, [&] { nx::loadXml(*space, path, view.get()); });
}

std::uint16_t ControlEngine::SaveStream(const std::string& path) {
    if (!space || !graph) return 0;
    nx::ProgressScope reporting(progress, "Saving", saveSteps(*graph));
    nx::saveStream(*space, path, view.get());
    history.markClean();
    return 1;
}

std::uint16_t ControlEngine::SaveXml(const std::string& path) {
    if (!space || !graph) return 0;
    // The space's own XML writer passes over a file it cannot open; answering "written"
    // then would hide the lost document, so the engine writes through the failing form.
    nx::ProgressScope reporting(progress, "Saving", saveSteps(*graph));
    nx::persistence::writeSpaceXml(*space, path, view.get());
    history.markClean();
    return 1;
}
