// nx::ViewEntryLog: hears each entry a graph view adds or drops while it follows its graph.
#pragma once

#include <cstddef>
#include <vector>

#include "views/view_entries.h"

namespace nx {

class GraphView;

// A vertex entry with its place in the drawing order. While the entry is out of the view,
// the record holds it (its values and its view reference); while it is in, only its vertex.
struct VertexEntryRecord {
    VertexViewData entry;
    std::size_t position = 0;
};

class ViewEntryLog {
public:
    virtual ~ViewEntryLog() = default;
    // Entries left the drawing order in one pass; positions are those they held before it,
    // ascending. Their values and views pass to the log.
    virtual void vertexEntriesDropped(GraphView& view, std::vector<VertexEntryRecord> records) = 0;
    // Entries joined at these positions, ascending (values and views stay the view's).
    virtual void vertexEntriesAppended(GraphView& view,
                                       std::vector<VertexEntryRecord> records) = 0;
    // An edge's entry left from (joined into) the slot of the edge map; a dropped entry's
    // values and view pass to the log.
    virtual void edgeEntryDropped(GraphView& view, Edge& edge, EdgeViewData data,
                                  std::size_t slot) = 0;
    virtual void edgeEntryAppended(GraphView& view, Edge& edge, std::size_t slot) = 0;
};

}  // namespace nx
