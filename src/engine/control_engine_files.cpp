// ControlEngine: whole documents to and from the two file formats.
#include <cstdio>
#include <filesystem>
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
    // The XML writer passes over a file it cannot open; answering "written" then would hide
    // the lost document, so the file is tried first (appending leaves its content alone).
    std::error_code ignored;
    const bool existed = std::filesystem::exists(path, ignored);
    std::FILE* probe = std::fopen(path.c_str(), "a");
    if (!probe)
        throw std::runtime_error("nx::Space error: Failed to open output file " + path +
                                 " for writing");
    std::fclose(probe);
    try {
        space->saveXml(path, view.get());
    } catch (...) {
        if (!existed) std::filesystem::remove(path, ignored);  // no empty file left behind
        throw;
    }
    return 1;
}
