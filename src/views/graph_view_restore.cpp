// nx::GraphView entries taken out and put back in place, for undoing membership changes.
#include <algorithm>

#include "views/graph_view.h"

namespace nx {

void GraphView::takeVertexEntries(std::vector<VertexEntryRecord>& records) {
    structureChanged();
    std::size_t kept = 0;
    std::size_t next = 0;  // the next record to fill
    for (std::size_t i = 0; i < sequence_.size(); ++i) {
        if (next < records.size() && records[next].position == i) {
            vertexMap_.erase(sequence_[i].vertex);
            records[next++].entry = std::move(sequence_[i]);
            continue;
        }
        if (kept != i) {
            sequence_[kept] = std::move(sequence_[i]);
            *vertexMap_.find(sequence_[kept].vertex) = kept;
        }
        ++kept;
    }
    sequence_.resize(kept);
}

void GraphView::putVertexEntries(std::vector<VertexEntryRecord>& records) {
    structureChanged();
    if (records.empty()) return;
    const std::size_t total = sequence_.size() + records.size();
    std::vector<VertexViewData> merged;
    merged.reserve(total);
    std::size_t from = 0;  // next entry of the current sequence
    std::size_t next = 0;  // next record
    while (merged.size() < total) {
        if (next < records.size() &&
            (records[next].position == merged.size() || from == sequence_.size())) {
            // The record keeps only the vertex while its entry is in.
            merged.push_back(std::move(records[next].entry));
            records[next++].entry.vertex = merged.back().vertex;
        } else {
            merged.push_back(std::move(sequence_[from++]));
        }
    }
    sequence_.swap(merged);
    for (std::size_t i = 0; i < sequence_.size(); ++i) {
        if (std::size_t* at = vertexMap_.find(sequence_[i].vertex))
            *at = i;
        else
            vertexMap_.insert(sequence_[i].vertex, i);
    }
}

bool GraphView::takeEdgeEntry(Edge* edge, EdgeViewData& data) {
    EdgeViewData* held = edgeMap_.find(edge);
    if (!held) return false;
    structureChanged();
    data = std::move(*held);
    edgeMap_.erase(edge);
    return true;
}

bool GraphView::putEdgeEntry(Edge* edge, EdgeViewData& data, std::size_t slot) {
    structureChanged();
    return edgeMap_.restoreAt(slot, edge, std::move(data));
}

void GraphView::entriesRestored() {
    structureChanged();
    parallelsValid_ = false;
    parallels_.clear();
    rebuildSelection();
    restartNotes();
}

}  // namespace nx
