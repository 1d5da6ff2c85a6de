// nx::PositionWriter: choosing the coordinates' level once and handing out their slots.
#include "views/position_writer.h"

#include "graph/graph.h"
#include "properties/actual_properties.h"
#include "properties/named_properties.h"
#include "views/graph_scene.h"

namespace nx {

namespace {

std::size_t indexIn(const FormalProperties* schema, const Property& prototype) {
    return schema ? schema->find(prototype) : kNoIndex;
}

}  // namespace

PositionWriter::PositionWriter(GraphScene& scene) : scene_(scene), graph_(scene.graph()) {
    static const X xPrototype;
    static const Y yPrototype;
    const std::size_t viewX = indexIn(scene.vertexFormals(), xPrototype);
    const std::size_t viewY = indexIn(scene.vertexFormals(), yPrototype);
    const FormalProperties* graphSchema = graph_ ? graph_->vertexSchema() : nullptr;
    const std::size_t graphX = indexIn(graphSchema, xPrototype);
    const std::size_t graphY = indexIn(graphSchema, yPrototype);
    if (viewX != kNoIndex && viewY != kNoIndex) {
        level_ = Level::View;
        xIndex_ = viewX;
        yIndex_ = viewY;
    } else if (graphX != kNoIndex && graphY != kNoIndex) {
        level_ = Level::Graph;
        xIndex_ = graphX;
        yIndex_ = graphY;
    }
    scene_.everythingChanged();
}

PositionWriter::~PositionWriter() {
    scene_.everythingChanged();
}

PositionWriter::Slots PositionWriter::slots(Vertex& vertex) const {
    if (level_ == Level::View) return slotsIn(scene_.vertexViewProperties(&vertex));
    if (level_ == Level::Graph) return slotsIn(&graph_->vertexProperties(vertex));
    return {};
}

PositionWriter::Slots PositionWriter::slots(ActualProperties* viewValues,
                                            ActualProperties& graphValues) const {
    if (level_ == Level::View) return slotsIn(viewValues);
    if (level_ == Level::Graph) return slotsIn(&graphValues);
    return {};
}

PositionWriter::Slots PositionWriter::slotsIn(ActualProperties* values) const {
    if (!values) return {};
    return {&static_cast<X&>(values->at(xIndex_)).value,
            &static_cast<Y&>(values->at(yIndex_)).value};
}

void PositionWriter::set(Vertex& vertex, int x, int y) {
    const Slots s = slots(vertex);
    if (!s.x) return;
    *s.x = x;
    *s.y = y;
}

int PositionWriter::x(Vertex& vertex) const {
    const Slots s = slots(vertex);
    return s.x ? *s.x : 0;
}

}  // namespace nx
