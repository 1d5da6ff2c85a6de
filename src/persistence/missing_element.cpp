// Texts of the dangling-reference errors of both readers.
#include "persistence/missing_element.h"

#include <string>

#include "graph/graph.h"

namespace nx::persistence {

std::runtime_error missingMember(const Graph& graph, const char* kind, std::uint64_t memberId) {
    return std::runtime_error("Graph " + std::to_string(graph.id) + " names " + kind + " " +
                              std::to_string(memberId) + ", which does not exist");
}

std::runtime_error missingEnd(std::uint64_t edgeId, std::uint64_t vertexId) {
    return std::runtime_error("Edge " + std::to_string(edgeId) + " names vertex " +
                              std::to_string(vertexId) + ", which does not exist");
}

}  // namespace nx::persistence
