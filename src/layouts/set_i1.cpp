// Labelling predicate: writes its _I1 through the graph's property assignment.
#include "layouts/set_i1.h"

#include "graph/graph.h"

namespace nx {

bool SetI1::test(Vertex& vertex, Graph& graph) {
    graph.setVertexProperty(vertex, value);
    return false;
}

}  // namespace nx
