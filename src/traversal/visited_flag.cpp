// Validation and clearing of the graph-level visited flag.
#include "traversal/visited_flag.h"

namespace nx {

bool namesVisitedProperty(const Graph& graph, std::size_t index) {
    const FormalProperties* schema = graph.vertexSchema();
    if (!schema || index >= schema->size()) return false;
    return dynamic_cast<const Visited*>(&schema->at(index)) != nullptr;
}

void clearVisitedFlags(Graph& graph, std::size_t index) {
    for (const auto& [vertex, entry] : graph.vertexMembers())
        static_cast<Visited&>(entry.properties->at(index)).value = false;
}

void setVisitedFlags(Graph& graph, std::size_t index) {
    for (const auto& [vertex, entry] : graph.vertexMembers())
        static_cast<Visited&>(entry.properties->at(index)).value = true;
}

}  // namespace nx
