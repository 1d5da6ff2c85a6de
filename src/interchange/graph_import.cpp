// Import and export: the reader or writer for a format, the document handed over whole.
#include "interchange/graph_import.h"

#include <utf8.h>

#include <stdexcept>

#include "engine/control_engine.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"
#include "graph/progress.h"
#include "graph/space.h"
#include "interchange/document_builder.h"
#include "interchange/dot_reader.h"
#include "interchange/error_texts.h"
#include "interchange/graph_writers.h"
#include "interchange/graphml_reader.h"
#include "interchange/json_reader.h"
#include "interchange/output_file.h"
#include "properties/properties.h"

namespace nx {

GraphData readGraphFile(const std::string& path, GraphFormat format, const ImportOptions& options) {
    switch (format) {
        case GraphFormat::GraphML:
            return readGraphMl(path);
        case GraphFormat::Dot:
            return readDot(path);
        case GraphFormat::Json:
            return readJsonElements(path);
        case GraphFormat::Csv:
        case GraphFormat::Tsv: {
            EdgeListOptions o;
            o.separator = format == GraphFormat::Tsv ? '\t' : ',';
            o.header = options.header;
            return readEdgeList(path, o);
        }
    }
    throw std::logic_error(nx::error_texts::kUnknownGraphFormat);
}

ImportResult importGraph(ramulo::ControlEngine& engine, const std::string& path, GraphFormat format,
                         const ImportOptions& options) {
    // The old document stays until the new one is whole, so a cancel leaves it as it was.
    ProgressScope reporting(engine.progress(), "Loading", 0);
    GraphData data = readGraphFile(path, format, options);
    ImportResult result;
    result.warnings = data.warnings;
    for (std::string& line : data.ignored.warnings()) result.warnings.push_back(std::move(line));

    ramulo::ControlEngine fresh;
    fresh.setBackgroundColor(engine.backgroundColor());
    fresh.setLayerSeparation(engine.layerSeparation());
    fresh.setSiblingSeparation(engine.siblingSeparation());
    fresh.setSubtreeSeparation(engine.subtreeSeparation());
    fresh.setForceDirectedSeparation(engine.forceDirectedSeparation());
    fresh.setMaxIterations(engine.maxIterations());
    buildDocument(fresh, data, path, options, engine.editingEnabled(), engine.hostWindow(), result);
    // Only a complete document reaches the engine; its old one goes with `fresh`.
    exchangeDocuments(engine, fresh);
    return result;
}

GraphData snapshotOf(ramulo::ControlEngine& engine) {
    if (!engine.space() || !engine.graph() || !engine.view())
        throw std::runtime_error(nx::error_texts::kNoDocumentToExport);
    Space& space = *engine.space();
    Graph& graph = *engine.graph();
    WindowGraphView& view = *engine.view();
    const std::size_t vertexName = space.vertexSchema()->find(Name());
    const std::size_t edgeName = space.edgeSchema()->find(Name());
    GraphData data;
    data.reserve(graph.order(), graph.edgeCount());
    std::unordered_map<const Vertex*, std::size_t> index;
    index.reserve(graph.order());
    for (const auto& [vertex, entry] : graph.vertices()) {
        progressStep();
        GraphNode n;
        // Appended rather than "n" + ..., which GCC 12 misreads as an overlapping copy.
        n.id = "n";
        n.id += std::to_string(vertex->id);
        if (vertexName != kNoIndex)
            n.label = utf8::utf16to8(vertex->properties->get<Name>(vertexName).value);
        const ActualProperties* values = view.findVertexEntry(vertex) ? view.vertexViewProperties(vertex) : nullptr;
        n.hasPosition = true;
        n.x = view.getX(vertex, values);
        n.y = view.getY(vertex, values);
        index.emplace(vertex, data.nodes.size());
        data.addNode(std::move(n));
    }
    for (const auto& [edge, values] : graph.edges()) {
        progressStep();
        GraphEdge e;
        e.source = index.at(edge->source);
        e.target = index.at(edge->target);
        if (edgeName != kNoIndex) e.label = utf8::utf16to8(edge->properties->get<Name>(edgeName).value);
        data.edges.push_back(std::move(e));
    }
    return data;
}

std::vector<std::string> exportGraph(ramulo::ControlEngine& engine, const std::string& path,
                                     GraphFormat format) {
    ProgressScope reporting(
        engine.progress(), "Saving",
        engine.graph() ? engine.graph()->order() + engine.graph()->edgeCount() : 0);
    const GraphData data = snapshotOf(engine);
    flushProgress();  // the last chance to stop before the file is opened
    std::vector<std::string> warnings;
    writeOutputFile(path, [&](std::ostream& out) {
        switch (format) {
            case GraphFormat::GraphML:
                writeGraphMl(data, out);
                break;
            case GraphFormat::Dot:
                writeDot(data, out);
                break;
            case GraphFormat::Json:
                writeJsonElements(data, out);
                break;
            case GraphFormat::Csv:
                writeEdgeList(data, out, ',', warnings);
                break;
            case GraphFormat::Tsv:
                writeEdgeList(data, out, '\t', warnings);
                break;
        }
    });
    return warnings;
}

}  // namespace nx
