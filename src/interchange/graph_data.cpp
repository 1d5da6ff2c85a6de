// nx::GraphData: nodes indexed by id.
#include "interchange/graph_data.h"

namespace nx {

std::size_t GraphData::nodeFor(const std::string& id) {
    const auto [it, inserted] = index_.try_emplace(id, nodes.size());
    if (inserted) nodes.push_back(GraphNode{id, std::nullopt, false, 0.0, 0.0});
    return it->second;
}

const std::size_t* GraphData::find(const std::string& id) const {
    const auto it = index_.find(id);
    return it == index_.end() ? nullptr : &it->second;
}

bool GraphData::addNode(GraphNode node) {
    const auto [it, inserted] = index_.try_emplace(node.id, nodes.size());
    if (!inserted) return false;
    nodes.push_back(std::move(node));
    return true;
}

void GraphData::reserve(std::size_t nodeCount, std::size_t edgeCount) {
    nodes.reserve(nodeCount);
    edges.reserve(edgeCount);
    index_.reserve(nodeCount);
}

}  // namespace nx
