// Membership test by vertex ID over a caller's growing list.
#include "traversal/predicate_func.h"

namespace nx {

bool VertexSearchVisitor::PredicateFunc::test(Vertex& vertex, Graph&) {
    if (vertices_.size() < indexed_) {  // the list was cut back: index it afresh
        ids_.clear();
        indexed_ = 0;
    }
    for (; indexed_ < vertices_.size(); ++indexed_)
        if (const Vertex* listed = vertices_[indexed_]) ids_.insert(listed->id);
    return ids_.count(vertex.id) != 0;
}

}  // namespace nx
