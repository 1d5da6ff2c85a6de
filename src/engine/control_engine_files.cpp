// ControlEngine: whole documents to and from the two file formats.
#include <stdexcept>

#include "engine/control_engine.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"
#include "graph/space.h"

std::uint32_t ControlEngine::LoadStream(const std::string& path, bool editingEnabled,
                                        HostWindow* host) {
    Init();
    NewTree(editingEnabled, host);
    space->loadStream(path, view.get());
    graph = view->graph();
    currentVertex = nullptr;
    currentVertexProperties = nullptr;
    currentEdge = nullptr;
    currentEdgeProperties = nullptr;
    return graph ? static_cast<std::uint32_t>(graph->id) : kNoElement;
}

std::uint32_t ControlEngine::LoadXml(const std::string& path, bool editingEnabled,
                                     HostWindow* host) {
    if (space) ReleaseDocument();
    Init();
    NewTree(editingEnabled, host);
    try {
        space->loadXml(path, view.get());
    } catch (const std::runtime_error&) {
        Init();
        NewTree(editingEnabled, host);
        throw;
    }
    graph = view->graph();
    currentVertex = nullptr;
    currentVertexProperties = nullptr;
    currentEdge = nullptr;
    currentEdgeProperties = nullptr;
    return graph ? static_cast<std::uint32_t>(graph->id) : kNoElement;
}

std::uint16_t ControlEngine::SaveStream(const std::string& path) {
    if (!space || !graph) return 0;
    space->saveStream(path, view.get());
    return 1;
}

std::uint16_t ControlEngine::SaveXml(const std::string& path) {
    if (!space || !graph) return 0;
    space->saveXml(path, view.get());
    return 1;
}
