// The graph-level visited flag shared by every walk: validation, access and clearing.
#pragma once

#include <cstddef>

#include "graph/graph.h"
#include "properties/named_properties.h"

namespace nx {

// True when index names a Visited (or a class derived from it, such as _V1) among the
// graph's graph-level vertex formal properties.
bool namesVisitedProperty(const Graph& graph, std::size_t index);

// The member's flag; index must have passed namesVisitedProperty for the graph.
inline bool& visitedFlag(Graph& graph, const Vertex& vertex, std::size_t index) {
    return static_cast<Visited&>(graph.vertexProperties(vertex).at(index)).value;
}

// Clears the flag of every member vertex, in the graph's vertex order.
void clearVisitedFlags(Graph& graph, std::size_t index);

// Sets the flag of every member vertex, as a walk over all components leaves it.
void setVisitedFlags(Graph& graph, std::size_t index);

}  // namespace nx
