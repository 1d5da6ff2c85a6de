// Coordinate access shared by the layouts: view level first, then graph level.
#include "layouts/layout.h"

#include "graph/graph.h"
#include "properties/named_properties.h"
#include "views/graph_view.h"

namespace nx {

namespace {

std::size_t indexIn(const FormalProperties* schema, const Property& prototype) {
    return schema ? schema->find(prototype) : kNoIndex;
}

}  // namespace

Layout::Layout(GraphView& view) : graph(view.graph()), view(&view) {
    static const X xPrototype;
    static const Y yPrototype;
    viewXIndex = indexIn(view.vertexFormals(), xPrototype);
    viewYIndex = indexIn(view.vertexFormals(), yPrototype);
    const FormalProperties* graphSchema = graph ? graph->vertexSchema() : nullptr;
    graphXIndex = indexIn(graphSchema, xPrototype);
    graphYIndex = indexIn(graphSchema, yPrototype);
}

bool Layout::usesViewLevel() const {
    return viewXIndex != kNoIndex && viewYIndex != kNoIndex;
}

bool Layout::usesGraphLevel() const {
    return !usesViewLevel() && graphXIndex != kNoIndex && graphYIndex != kNoIndex;
}

bool Layout::requirementsMet() {
    return usesViewLevel() || usesGraphLevel();
}

// Writes through the slots pass the view, so each hands out a slot only after telling it.
std::int32_t* Layout::xSlot(Vertex& vertex) {
    view->everythingChanged();
    if (usesViewLevel())
        return &static_cast<X&>(view->vertexViewProperties(&vertex)->at(viewXIndex)).value;
    if (usesGraphLevel())
        return &static_cast<X&>(graph->vertexProperties(vertex).at(graphXIndex)).value;
    return nullptr;
}

std::int32_t* Layout::ySlot(Vertex& vertex) {
    view->everythingChanged();
    if (usesViewLevel())
        return &static_cast<Y&>(view->vertexViewProperties(&vertex)->at(viewYIndex)).value;
    if (usesGraphLevel())
        return &static_cast<Y&>(graph->vertexProperties(vertex).at(graphYIndex)).value;
    return nullptr;
}

void Layout::coordinateSlots(Vertex& vertex, std::int32_t*& x, std::int32_t*& y) {
    x = y = nullptr;
    view->everythingChanged();
    if (usesViewLevel()) {
        ActualProperties* values = view->vertexViewProperties(&vertex);
        x = &static_cast<X&>(values->at(viewXIndex)).value;
        y = &static_cast<Y&>(values->at(viewYIndex)).value;
    } else if (usesGraphLevel()) {
        ActualProperties& values = graph->vertexProperties(vertex);
        x = &static_cast<X&>(values.at(graphXIndex)).value;
        y = &static_cast<Y&>(values.at(graphYIndex)).value;
    }
}

void Layout::setXY(Vertex& vertex, int x, int y) {
    if (std::int32_t* px = xSlot(vertex)) {
        *px = x;
        *ySlot(vertex) = y;
    }
}

int Layout::getX(Vertex& vertex) {
    const std::int32_t* px = xSlot(vertex);
    return px ? *px : 0;
}

int Layout::addX(Vertex& vertex, int dx) {
    std::int32_t* px = xSlot(vertex);
    if (!px) return 0;
    *px += dx;
    return *px;
}

}  // namespace nx
