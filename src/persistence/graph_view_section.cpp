// Checks and texts shared by the stream and XML readers of the graph view's section.
#include "persistence/graph_view_section.h"

#include <sstream>

#include "graph/graph.h"

namespace nx::persistence {

namespace {
template <typename Count>
[[noreturn]] void wrongVertexCount(Count count, std::size_t sequenceSize, std::size_t mapSize) {
    std::ostringstream text;
    text << "Incorrect number of vertices.\n"
         << "\tVertex count read from file: " << count << '\n'
         << "\tVertex sequence size: " << sequenceSize << '\n'
         << "\tVertex view map size: " << mapSize << '\n';
    throw std::runtime_error(text.str());
}
}  // namespace

void checkVertexCount(std::uint64_t count, std::size_t sequenceSize, std::size_t mapSize) {
    if (count != sequenceSize || count != mapSize) wrongVertexCount(count, sequenceSize, mapSize);
}

void checkVertexCount(long count, std::size_t sequenceSize, std::size_t mapSize) {
    if (count < 0 || static_cast<unsigned long>(count) != sequenceSize ||
        static_cast<unsigned long>(count) != mapSize)
        wrongVertexCount(count, sequenceSize, mapSize);
}

std::runtime_error vertexNotInView(std::uint64_t id, std::size_t mapSize, const Graph* graph) {
    std::ostringstream text;
    text << "Vertex " << id << " not found in VertexViewMap[" << mapSize << "]\n"
         << "Graph " << (graph ? graph->id : 0) << " order = " << (graph ? graph->order() : 0)
         << '\n';
    return std::runtime_error(text.str());
}

}  // namespace nx::persistence
