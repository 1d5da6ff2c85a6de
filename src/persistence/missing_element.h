// Errors for records that name an element the file never defined.
#pragma once

#include <cstdint>
#include <stdexcept>

namespace nx {
class Graph;
}

namespace nx::persistence {

// "Graph <id> names vertex <memberId>, which does not exist" (kind: "vertex" or "edge").
std::runtime_error missingMember(const Graph& graph, const char* kind, std::uint64_t memberId);

// "Edge <edgeId> names vertex <vertexId>, which does not exist"; edgeId is the
// position of the record, the ID the edge would have received.
std::runtime_error missingEnd(std::uint64_t edgeId, std::uint64_t vertexId);

}  // namespace nx::persistence
