// ControlEngine: vertex and edge appearances, layout parameters and transforms.
#include <bit>
#include <cstdint>
#include <stdexcept>

#include "engine/control_engine.h"
#include "engine/edit_recording.h"
#include "engine/ole_color.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"
#include "graph/space.h"
#include "views/edge_view_factory.h"
#include "views/error_texts.h"
#include "views/icon_view.h"
#include "views/vertex_view_factory.h"

namespace ramulo {

namespace {

// The 32-bit floats nearest to +pi/2 and -pi/2.
const float kQuarterTurn = std::bit_cast<float>(std::uint32_t{0x3FC90FDB});
const float kQuarterTurnBack = std::bit_cast<float>(std::uint32_t{0xBFC90FDB});

// The dot views accept any position code and fail only when a label is placed, which
// would break every later extent and paint; refuse such codes before anything changes.
void checkDotTextPosition(std::uint16_t position) {
    if (position > 7) throw std::runtime_error(nx::error_texts::kDotViewTextPosition);
}

nx::ViewRef<nx::VertexView> dotView(const DotAppearance& appearance) {
    checkDotTextPosition(appearance.namePos);
    checkDotTextPosition(appearance.weightPos);
    return nx::vertexViewFactory().getDotView(
        static_cast<int>(appearance.shape),
        {appearance.filled, appearance.outerColor, appearance.innerColor, appearance.namePos,
         appearance.weightPos, appearance.size});
}

void checkIconTextPositions(const IconAppearance& appearance) {
    for (std::uint16_t position : {appearance.namePos, appearance.weightPos})
        if (position > nx::IconView::NW_INSIDE)
            throw std::runtime_error(nx::error_texts::kIconViewTextPosition);
}

// The text colours are resolved against the host's palette here, when the view is asked for.
nx::ViewRef<nx::VertexView> iconView(const IconAppearance& appearance, HostWindow* host) {
    return nx::vertexViewFactory().getIconView(
        appearance.fileName, appearance.iconName, appearance.id, appearance.index, appearance.size,
        oleColorToRgb(appearance.nameTextColor, host), appearance.namePos,
        oleColorToRgb(appearance.weightTextColor, host), appearance.weightPos);
}

}  // namespace

nx::Vertex* ControlEngine::appearanceTarget(std::uint32_t vertexId) {
    if (!space_ || !view_) return nullptr;
    nx::Vertex* vertex = space_->vertexFactory().at(vertexId);
    // A vertex outside the current graph fails here, before a view is made for it.
    if (vertex) view_->vertexView(vertex);
    return vertex;
}

void ControlEngine::SetDefaultVertexAppearance(const DotAppearance& appearance) {
    if (!view_) return;
    AppearanceRecording recording(*this, {view_.get(), nullptr, nullptr, false});
    view_->setDefaultVertexView(dotView(appearance));
}

void ControlEngine::SetVertexAppearance(std::uint32_t vertexId, const DotAppearance& appearance) {
    if (!view_) return;
    nx::Vertex* vertex = appearanceTarget(vertexId);
    if (!vertex) return;
    AppearanceRecording recording(*this, {view_.get(), vertex, nullptr, false});
    view_->setVertexView(vertex, dotView(appearance));
}

void ControlEngine::SetDefaultVertexAppearance_Icon(const IconAppearance& appearance) {
    if (!view_) return;
    checkIconTextPositions(appearance);
    AppearanceRecording recording(*this, {view_.get(), nullptr, nullptr, false});
    view_->setDefaultVertexView(iconView(appearance, hostWindow_));
}

void ControlEngine::SetVertexAppearance_Icon(std::uint32_t vertexId,
                                             const IconAppearance& appearance) {
    nx::Vertex* vertex = appearanceTarget(vertexId);
    if (!vertex) return;
    checkIconTextPositions(appearance);
    AppearanceRecording recording(*this, {view_.get(), vertex, nullptr, false});
    view_->setVertexView(vertex, iconView(appearance, hostWindow_));
}

void ControlEngine::SetDefaultEdgeAppearance(std::uint16_t edgeColor) {
    if (!view_) return;
    AppearanceRecording recording(*this, {view_.get(), nullptr, nullptr, true});
    view_->setDefaultEdgeView(nx::edgeViewFactory().getStraightEdgeView(edgeColor));
}

void ControlEngine::SetEdgeAppearance(std::uint32_t edgeId, std::uint16_t edgeColor) {
    if (!space_ || !view_) return;
    nx::Edge* edge = space_->edgeFactory().at(edgeId);
    if (!edge) return;
    // An edge outside the current graph: the view refuses it before anything changes.
    if (!view_->edgeMap().contains(edge)) view_->setEdgeView(edge, nullptr);
    AppearanceRecording recording(*this, {view_.get(), nullptr, edge, false});
    view_->setEdgeView(edge, nx::edgeViewFactory().getStraightEdgeView(edgeColor));
}

// --- Layout parameters: stored as given, checked by the layouts when they run.

void ControlEngine::SetHierarchicalLayoutParams(std::uint16_t layer, std::uint16_t sibling,
                                                std::uint16_t subtree) {
    layerSeparation_ = layer;
    siblingSeparation_ = sibling;
    subtreeSeparation_ = subtree;
}

void ControlEngine::SetRadialLayoutParams(std::uint16_t separation, double damping) {
    radialSeparation_ = separation;
    dampingCoefficient_ = damping;
}

void ControlEngine::SetForceDirectedLayoutParams(std::uint16_t separation,
                                                 std::uint16_t iterations) {
    forceDirectedSeparation_ = separation;
    maxIterations_ = iterations;
}

// --- Transforms

bool ControlEngine::RotateRight90() {
    if (!graph_ || !view_) return false;
    PositionRecording recording(*this);
    view_->rotate(kQuarterTurn);
    return true;
}

bool ControlEngine::RotateLeft90() {
    if (!graph_ || !view_) return false;
    PositionRecording recording(*this);
    view_->rotate(kQuarterTurnBack);
    return true;
}

bool ControlEngine::FlipVertical() {
    if (!graph_ || !view_) return false;
    PositionRecording recording(*this);
    view_->flipVertical();
    return true;
}

bool ControlEngine::FlipHorizontal() {
    if (!graph_ || !view_) return false;
    PositionRecording recording(*this);
    view_->flipHorizontal();
    return true;
}

}  // namespace ramulo
