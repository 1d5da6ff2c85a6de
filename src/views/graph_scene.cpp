// nx::GraphScene: entries, drawing order, selection flags and coordinates, and the notes
// that tell the renderer which boxes to redo.
#include "views/graph_scene.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <unordered_set>
#include <utility>

#include "graph/error_texts.h"
#include "graph/graph.h"
#include "properties/actual_properties.h"
#include "properties/named_properties.h"
#include "views/coordinate_range.h"
#include "views/property_cast.h"
#include "views/view.h"

namespace nx {

namespace {

using IntValue = PropertyTemplate::Int;
using BoolValue = PropertyTemplate::Bool;

template <typename P>
const P* valueAt(const ActualProperties* properties, std::size_t index) {
    if (!properties || index >= properties->size()) return nullptr;
    return propertyAs<P>(&properties->at(index));
}

template <typename P>
P* valueAt(ActualProperties* properties, std::size_t index) {
    if (!properties || index >= properties->size()) return nullptr;
    return propertyAs<P>(&properties->at(index));
}

[[noreturn]] void notInGraph(const char* kind, ElementId id, const Graph* graph) {
    std::ostringstream text;
    text << kind << ' ' << id << " does not belong to graph " << (graph ? graph->id : 0) << '\n';
    throw std::runtime_error(text.str());
}

// Where a schema keeps a property of that class; none without a schema.
std::size_t indexIn(const FormalProperties* schema, const Property& p) {
    return schema ? schema->find(p) : kNoIndex;
}

}  // namespace

GraphScene::GraphScene(FormalProperties* vertexFormals, FormalProperties* edgeFormals)
    : vertexFormals_(vertexFormals), edgeFormals_(edgeFormals) {
    refreshPropertyIndices();
}

void GraphScene::refreshPropertyIndices() {
    structureChanged();
    static const X x;
    static const Y y;
    static const Z z;
    static const Selected selected;
    static const AuxInt1 i1;
    static const Fading fading;
    static const Unfaded unfaded;
    indices_.vertexX = indexIn(vertexFormals_, x);
    indices_.vertexY = indexIn(vertexFormals_, y);
    indices_.vertexZ = indexIn(vertexFormals_, z);
    indices_.vertexSelected = indexIn(vertexFormals_, selected);
    indices_.edgeSelected = indexIn(edgeFormals_, selected);
    indices_.edgeI1 = indexIn(edgeFormals_, i1);
    indices_.vertexFading = indexIn(vertexFormals_, fading);
    indices_.vertexUnfaded = indexIn(vertexFormals_, unfaded);
    indices_.edgeFading = indexIn(edgeFormals_, fading);
    indices_.edgeUnfaded = indexIn(edgeFormals_, unfaded);
}

void GraphScene::refreshGraphPropertyIndices() {
    structureChanged();
    static const X x;
    static const Y y;
    static const Z z;
    static const Selected selected;
    const FormalProperties* vertices = graph_ ? graph_->vertexSchema() : nullptr;
    const FormalProperties* edges = graph_ ? graph_->edgeSchema() : nullptr;
    indices_.graphX = indexIn(vertices, x);
    indices_.graphY = indexIn(vertices, y);
    indices_.graphZ = indexIn(vertices, z);
    indices_.graphVertexSelected = indexIn(vertices, selected);
    indices_.graphEdgeSelected = indexIn(edges, selected);
}

// --- change notes

void GraphScene::structureChanged() {
    ++changes_.structure;
    changes_.all = true;
    changes_.vertices.clear();
    changes_.edges.clear();
}

void GraphScene::everythingChanged() {
    changes_.all = true;
    changes_.vertices.clear();
    changes_.edges.clear();
}

void GraphScene::vertexChanged(const Vertex& vertex) {
    if (changes_.all) return;
    changes_.vertices.push_back(&vertex);
    // Past a quarter of the entries, redoing every box costs no more.
    if (changes_.vertices.size() + changes_.edges.size() > 64 + sequence_.size() / 4)
        everythingChanged();
}

void GraphScene::edgeChanged(Edge& edge) {
    if (changes_.all) return;
    changes_.edges.push_back(&edge);
    if (changes_.vertices.size() + changes_.edges.size() > 64 + sequence_.size() / 4)
        everythingChanged();
}

void GraphScene::rebuildSelection() {
    selectedVertices_.clear();
    selectedEdges_.clear();
    for (const VertexViewData& entry : sequence_)
        if (isSelected(entry.vertex, entry.properties.get()))
            selectedVertices_.push_back(entry.borrow());
    for (const auto& slot : edgeMap_)
        if (isSelected(slot.first, slot.second.properties.get()))
            selectedEdges_.push_back(
                {slot.first, slot.second.properties.get(), slot.second.view.get()});
}

void GraphScene::refreshSelection() {
    std::unordered_set<const Vertex*> keptVertices;
    std::erase_if(selectedVertices_, [&](const VertexViewEntry& e) {
        return !isSelected(e.vertex, e.properties) || !keptVertices.insert(e.vertex).second;
    });
    for (const VertexViewData& entry : sequence_)
        if (!keptVertices.contains(entry.vertex) &&
            isSelected(entry.vertex, entry.properties.get()))
            selectedVertices_.push_back(entry.borrow());
    std::unordered_set<const Edge*> keptEdges;
    std::erase_if(selectedEdges_, [&](const EdgeViewEntry& e) {
        return !isSelected(e.edge, e.properties) || !keptEdges.insert(e.edge).second;
    });
    for (const auto& slot : edgeMap_)
        if (!keptEdges.contains(slot.first) && isSelected(slot.first, slot.second.properties.get()))
            selectedEdges_.push_back(
                {slot.first, slot.second.properties.get(), slot.second.view.get()});
}

bool GraphScene::vertexSelected(const Vertex& vertex) const {
    const VertexViewData* entry = findVertexEntry(&vertex);
    return entry && isSelected(&vertex, entry->properties.get());
}

bool GraphScene::edgeSelected(Edge& edge) const {
    const EdgeViewData* data = edgeMap_.find(&edge);
    return data && isSelected(&edge, data->properties.get());
}

void GraphScene::keepVertexListed(const Vertex& vertex, bool wasSelected) {
    const VertexViewData* entry = findVertexEntry(&vertex);
    if (!entry || isSelected(&vertex, entry->properties.get()) == wasSelected) return;
    const auto listed = [&](const VertexViewEntry& e) { return e.vertex == &vertex; };
    if (wasSelected)
        std::erase_if(selectedVertices_, listed);
    else if (std::none_of(selectedVertices_.begin(), selectedVertices_.end(), listed))
        selectedVertices_.push_back(entry->borrow());
}

void GraphScene::keepEdgeListed(Edge& edge, bool wasSelected) {
    const EdgeViewData* data = edgeMap_.find(&edge);
    if (!data || isSelected(&edge, data->properties.get()) == wasSelected) return;
    const auto listed = [&](const EdgeViewEntry& e) { return e.edge == &edge; };
    if (wasSelected)
        std::erase_if(selectedEdges_, listed);
    else if (std::none_of(selectedEdges_.begin(), selectedEdges_.end(), listed))
        selectedEdges_.push_back({&edge, data->properties.get(), data->view.get()});
}

std::size_t GraphScene::positionOf(const Vertex* vertex) const {
    const std::size_t* at = vertexMap_.find(vertex);
    return at ? *at : sequence_.size();
}

const VertexViewData* GraphScene::findVertexEntry(const Vertex* vertex) const {
    const std::size_t at = positionOf(vertex);
    return at < sequence_.size() ? &sequence_[at] : nullptr;
}

EdgeViewEntry GraphScene::findEdgeEntry(Edge* edge) const {
    const EdgeViewData* data = edgeMap_.find(edge);
    return data ? EdgeViewEntry{edge, data->properties.get(), data->view.get()} : EdgeViewEntry{};
}

ActualProperties* GraphScene::vertexViewProperties(Vertex* vertex) {
    const VertexViewData* entry = findVertexEntry(vertex);
    if (!entry) throw std::runtime_error(nx::error_texts::kVertexPropertiesNotFound);
    return entry->properties.get();
}

ActualProperties* GraphScene::edgeViewProperties(Edge* edge) {
    const EdgeViewData* data = edgeMap_.find(edge);
    if (!data) throw std::runtime_error(nx::error_texts::kEdgePropertiesNotFound);
    return data->properties.get();
}

VertexView* GraphScene::vertexView(Vertex* vertex) {
    const VertexViewData* entry = findVertexEntry(vertex);
    if (!entry) notInGraph("Vertex", vertex ? vertex->id : 0, graph_);
    return entry->view.get();
}

void GraphScene::setVertexView(Vertex* vertex, ViewRef<VertexView> view) {
    const std::size_t at = positionOf(vertex);
    if (at >= sequence_.size()) notInGraph("Vertex", vertex ? vertex->id : 0, graph_);
    setVertexViewAt(at, std::move(view));
}

void GraphScene::setVertexViewAt(std::size_t position, ViewRef<VertexView> view) {
    VertexViewData& entry = sequence_[position];
    vertexChanged(*entry.vertex);
    entry.view = std::move(view);
    for (VertexViewEntry& selected : selectedVertices_)
        if (selected.vertex == entry.vertex) selected.view = entry.view.get();
}

void GraphScene::setEdgeView(Edge* edge, ViewRef<EdgeView> view) {
    const std::size_t slot = edgeMap_.slotOf(edge);
    if (slot == EdgeMap::npos) notInGraph("Edge", edge ? edge->id : 0, graph_);
    setEdgeViewAt(edge, slot, std::move(view));
}

void GraphScene::setEdgeViewAt(Edge* edge, std::size_t slot, ViewRef<EdgeView> view) {
    EdgeViewData& data = edgeMap_.atSlot(slot);
    edgeChanged(*edge);
    data.view = std::move(view);
    for (EdgeViewEntry& selected : selectedEdges_)
        if (selected.edge == edge) selected.view = data.view.get();
}

// --- coordinates and flags

int GraphScene::coordinate(const Vertex* vertex, const ActualProperties* viewProperties,
                           std::size_t viewIndex, std::size_t graphIndex) const {
    try {
        if (viewIndex != kNoIndex && viewProperties) {
            if (auto* value = valueAt<IntValue>(viewProperties, viewIndex)) return value->get();
        }
        if (graphIndex != kNoIndex && graph_ && vertex && graph_->contains(*vertex)) {
            if (auto* value = valueAt<IntValue>(&graph_->vertexProperties(*vertex), graphIndex))
                return value->get();
        }
    } catch (const std::exception&) {
        // A value that cannot be read counts as missing.
    }
    return 0;
}

bool GraphScene::setCoordinate(const Vertex* vertex, ActualProperties* viewProperties,
                               std::size_t viewIndex, std::size_t graphIndex, int v) {
    if (vertex)
        vertexChanged(*vertex);
    else
        everythingChanged();  // values of an unnamed entry
    if (viewIndex != kNoIndex && viewProperties) {
        if (auto* value = valueAt<IntValue>(viewProperties, viewIndex)) {
            value->set(v);
            return true;
        }
    }
    if (graphIndex != kNoIndex && graph_ && vertex && graph_->contains(*vertex)) {
        if (auto* value = valueAt<IntValue>(&graph_->vertexProperties(*vertex), graphIndex)) {
            value->set(v);
            return true;
        }
    }
    return false;
}

int GraphScene::getX(const Vertex* v, const ActualProperties* p) const {
    return coordinate(v, p, indices_.vertexX, indices_.graphX);
}
int GraphScene::getY(const Vertex* v, const ActualProperties* p) const {
    return coordinate(v, p, indices_.vertexY, indices_.graphY);
}
int GraphScene::getZ(const Vertex* v, const ActualProperties* p) const {
    return coordinate(v, p, indices_.vertexZ, indices_.graphZ);
}
void GraphScene::setX(const Vertex* v, ActualProperties* p, int value) {
    setCoordinate(v, p, indices_.vertexX, indices_.graphX, value);
}
void GraphScene::setY(const Vertex* v, ActualProperties* p, int value) {
    setCoordinate(v, p, indices_.vertexY, indices_.graphY, value);
}
void GraphScene::setZ(const Vertex* v, ActualProperties* p, int value) {
    setCoordinate(v, p, indices_.vertexZ, indices_.graphZ, value);
}
// Moves stop at the coordinate range's edge: drags add up without bound.
int GraphScene::addX(const Vertex* v, ActualProperties* p, int delta) {
    const int value = clampCoordinate(std::int64_t{getX(v, p)} + delta);
    return setCoordinate(v, p, indices_.vertexX, indices_.graphX, value) ? value : 0;
}
int GraphScene::addY(const Vertex* v, ActualProperties* p, int delta) {
    const int value = clampCoordinate(std::int64_t{getY(v, p)} + delta);
    return setCoordinate(v, p, indices_.vertexY, indices_.graphY, value) ? value : 0;
}

bool GraphScene::isSelected(const Vertex* vertex, const ActualProperties* viewProperties) const {
    if (auto* value = valueAt<BoolValue>(viewProperties, indices_.vertexSelected))
        return value->get();
    if (indices_.graphVertexSelected != kNoIndex && graph_ && vertex && graph_->contains(*vertex))
        if (auto* value = valueAt<BoolValue>(&graph_->vertexProperties(*vertex),
                                             indices_.graphVertexSelected))
            return value->get();
    return false;
}

bool GraphScene::isSelected(const Edge* edge, const ActualProperties* viewProperties) const {
    if (auto* value = valueAt<BoolValue>(viewProperties, indices_.edgeSelected))
        return value->get();
    if (indices_.graphEdgeSelected != kNoIndex && graph_ && edge && graph_->contains(*edge))
        if (auto* value =
                valueAt<BoolValue>(&graph_->edgeProperties(*edge), indices_.graphEdgeSelected))
            return value->get();
    return false;
}

bool GraphScene::setSelected(const VertexViewEntry& entry, bool selected) {
    BoolValue* value = valueAt<BoolValue>(entry.properties, indices_.vertexSelected);
    if (!value && indices_.graphVertexSelected != kNoIndex && graph_ && entry.vertex &&
        graph_->contains(*entry.vertex))
        value = valueAt<BoolValue>(&graph_->vertexProperties(*entry.vertex),
                                   indices_.graphVertexSelected);
    if (!value || value->get() == selected) return false;
    // The renderer redoes the element's box, as after any other write it draws from.
    if (entry.vertex)
        vertexChanged(*entry.vertex);
    else
        everythingChanged();
    value->set(selected);
    return true;
}

bool GraphScene::setSelected(const EdgeViewEntry& entry, bool selected) {
    BoolValue* value = valueAt<BoolValue>(entry.properties, indices_.edgeSelected);
    if (!value && indices_.graphEdgeSelected != kNoIndex && graph_ && entry.edge &&
        graph_->contains(*entry.edge))
        value =
            valueAt<BoolValue>(&graph_->edgeProperties(*entry.edge), indices_.graphEdgeSelected);
    if (!value || value->get() == selected) return false;
    if (entry.edge)
        edgeChanged(*entry.edge);
    else
        everythingChanged();
    value->set(selected);
    return true;
}

void GraphScene::swapEntries(std::size_t a, std::size_t b) {
    std::swap(sequence_[a], sequence_[b]);
    vertexChanged(*sequence_[a].vertex);
    vertexChanged(*sequence_[b].vertex);
    *vertexMap_.find(sequence_[a].vertex) = a;
    *vertexMap_.find(sequence_[b].vertex) = b;
}

void GraphScene::bringForward(Vertex* vertex) {
    const std::size_t at = positionOf(vertex);
    if (sequence_.size() < 2 || at + 1 >= sequence_.size()) return;
    swapEntries(at, at + 1);
}

void GraphScene::sendBackward(Vertex* vertex) {
    const std::size_t at = positionOf(vertex);
    if (sequence_.size() < 2 || at == 0 || at >= sequence_.size()) return;
    swapEntries(at, at - 1);
}

void GraphScene::bringToFront(Vertex* vertex) {
    const std::size_t at = positionOf(vertex);
    if (sequence_.size() < 2 || at + 1 >= sequence_.size()) return;
    swapEntries(at, sequence_.size() - 1);
}

void GraphScene::sendToBack(Vertex* vertex) {
    const std::size_t at = positionOf(vertex);
    if (sequence_.size() < 2 || at == 0 || at >= sequence_.size()) return;
    swapEntries(at, 0);
}

bool GraphScene::placeInSequence(Vertex* vertex, std::size_t position) {
    const std::size_t at = positionOf(vertex);
    if (at >= sequence_.size() || position >= sequence_.size()) return false;
    if (at != position) swapEntries(at, position);
    return true;
}

}  // namespace nx
