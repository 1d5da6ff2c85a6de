// Checks and texts shared by the stream and XML readers of the graph view's section.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace nx {
class Graph;
}

namespace nx::persistence {

// Written as the graph id of a view that shows no graph: no element ever has it, so the
// reader attaches no graph.
inline constexpr std::uint64_t kNoGraphId = std::numeric_limits<std::uint64_t>::max();

// Fails with the four-line "Incorrect number of vertices." text unless the count read
// equals both sizes.
void checkVertexCount(std::uint64_t count, std::size_t sequenceSize, std::size_t mapSize);
void checkVertexCount(long count, std::size_t sequenceSize, std::size_t mapSize);

// The two-line error for a vertex id that has no entry in the view.
std::runtime_error vertexNotInView(std::uint64_t id, std::size_t mapSize, const Graph* graph);

}  // namespace nx::persistence
