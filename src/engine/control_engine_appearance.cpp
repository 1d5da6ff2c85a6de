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

namespace {

constexpr int kSquareDot = 1;
constexpr int kDiamondDot = 3;

// The 32-bit floats nearest to +pi/2 and -pi/2.
const float kQuarterTurn = std::bit_cast<float>(std::uint32_t{0x3FC90FDB});
const float kQuarterTurnBack = std::bit_cast<float>(std::uint32_t{0xBFC90FDB});

// The dot views accept any position code and fail only when a label is placed, which
// would break every later extent and paint; refuse such codes before anything changes.
void checkDotTextPosition(std::uint16_t position) {
    if (position > 7) throw std::runtime_error(nx::error_texts::kDotViewTextPosition);
}

nx::ViewRef<nx::VertexView> dotView(int classId, std::uint16_t size, VARIANT_BOOL isFilled,
                                    std::uint16_t outerColor, std::uint16_t innerColor,
                                    std::uint16_t namePos, std::uint16_t weightPos) {
    checkDotTextPosition(namePos);
    checkDotTextPosition(weightPos);
    return nx::vertexViewFactory().getDotView(
        classId, {isFilled != 0, outerColor, innerColor, namePos, weightPos, size});
}

void checkIconTextPosition(std::uint16_t position) {
    if (position > nx::IconView::NW_INSIDE)
        throw std::runtime_error(nx::error_texts::kIconViewTextPosition);
}

}  // namespace

nx::Vertex* ControlEngine::appearanceTarget(std::uint32_t vertexId) {
    if (!space || !view) return nullptr;
    nx::Vertex* vertex = space->vertexFactory().at(vertexId);
    // A vertex outside the current graph fails here, before a view is made for it.
    if (vertex) view->vertexView(vertex);
    return vertex;
}

void ControlEngine::setDotAppearance(int classId, std::uint32_t vertexId, bool perVertex,
                                     std::uint16_t size, VARIANT_BOOL isFilled,
                                     std::uint16_t outerColor, std::uint16_t innerColor,
                                     std::uint16_t namePos, std::uint16_t weightPos) {
    if (!view) return;
    if (!perVertex) {
        AppearanceRecording recording(*this, {view.get(), nullptr, nullptr, false});
        view->setDefaultVertexView(
            dotView(classId, size, isFilled, outerColor, innerColor, namePos, weightPos));
        return;
    }
    nx::Vertex* vertex = appearanceTarget(vertexId);
    if (!vertex) return;
    AppearanceRecording recording(*this, {view.get(), vertex, nullptr, false});
    view->setVertexView(
        vertex, dotView(classId, size, isFilled, outerColor, innerColor, namePos, weightPos));
}

void ControlEngine::SetDefaultVertexAppearance(std::uint16_t size, VARIANT_BOOL isFilled,
                                               std::uint16_t outerColor, std::uint16_t innerColor,
                                               std::uint16_t namePos, std::uint16_t weightPos) {
    setDotAppearance(kSquareDot, 0, false, size, isFilled, outerColor, innerColor, namePos,
                     weightPos);
}

void ControlEngine::SetDefaultVertexAppearance_SquareDot(std::uint16_t size, VARIANT_BOOL isFilled,
                                                         std::uint16_t outerColor,
                                                         std::uint16_t innerColor,
                                                         std::uint16_t namePos,
                                                         std::uint16_t weightPos) {
    setDotAppearance(kSquareDot, 0, false, size, isFilled, outerColor, innerColor, namePos,
                     weightPos);
}

void ControlEngine::SetDefaultVertexAppearance_DiamondDot(std::uint16_t size, VARIANT_BOOL isFilled,
                                                          std::uint16_t outerColor,
                                                          std::uint16_t innerColor,
                                                          std::uint16_t namePos,
                                                          std::uint16_t weightPos) {
    setDotAppearance(kDiamondDot, 0, false, size, isFilled, outerColor, innerColor, namePos,
                     weightPos);
}

void ControlEngine::SetVertexAppearance(std::uint32_t vertexId, std::uint16_t size,
                                        VARIANT_BOOL isFilled, std::uint16_t outerColor,
                                        std::uint16_t innerColor, std::uint16_t namePos,
                                        std::uint16_t weightPos) {
    setDotAppearance(kSquareDot, vertexId, true, size, isFilled, outerColor, innerColor, namePos,
                     weightPos);
}

void ControlEngine::SetVertexAppearance_SquareDot(std::uint32_t vertexId, std::uint16_t size,
                                                  VARIANT_BOOL isFilled, std::uint16_t outerColor,
                                                  std::uint16_t innerColor, std::uint16_t namePos,
                                                  std::uint16_t weightPos) {
    setDotAppearance(kSquareDot, vertexId, true, size, isFilled, outerColor, innerColor, namePos,
                     weightPos);
}

void ControlEngine::SetVertexAppearance_DiamondDot(std::uint32_t vertexId, std::uint16_t size,
                                                   VARIANT_BOOL isFilled, std::uint16_t outerColor,
                                                   std::uint16_t innerColor, std::uint16_t namePos,
                                                   std::uint16_t weightPos) {
    setDotAppearance(kDiamondDot, vertexId, true, size, isFilled, outerColor, innerColor, namePos,
                     weightPos);
}

void ControlEngine::SetDefaultVertexAppearance_Icon(
    const std::u16string& fileName, const std::u16string& iconName, std::int32_t id,
    std::int32_t index, std::uint16_t size, std::uint32_t nameTextColor,
    std::uint32_t weightTextColor, std::uint16_t namePos, std::uint16_t weightPos) {
    if (!view) return;
    checkIconTextPosition(namePos);
    checkIconTextPosition(weightPos);
    AppearanceRecording recording(*this, {view.get(), nullptr, nullptr, false});
    view->setDefaultVertexView(nx::vertexViewFactory().getIconView(
        fileName, iconName, id, index, size, oleColorToRgb(nameTextColor, hostWindow), namePos,
        oleColorToRgb(weightTextColor, hostWindow), weightPos));
}

void ControlEngine::SetVertexAppearance_Icon(std::uint32_t vertexId, const std::u16string& fileName,
                                             const std::u16string& iconName, std::int32_t id,
                                             std::int32_t index, std::uint16_t size,
                                             std::uint32_t nameTextColor,
                                             std::uint32_t weightTextColor, std::uint16_t namePos,
                                             std::uint16_t weightPos) {
    nx::Vertex* vertex = appearanceTarget(vertexId);
    if (!vertex) return;
    checkIconTextPosition(namePos);
    checkIconTextPosition(weightPos);
    AppearanceRecording recording(*this, {view.get(), vertex, nullptr, false});
    view->setVertexView(
        vertex, nx::vertexViewFactory().getIconView(
                    fileName, iconName, id, index, size, oleColorToRgb(nameTextColor, hostWindow),
                    namePos, oleColorToRgb(weightTextColor, hostWindow), weightPos));
}

void ControlEngine::SetDefaultEdgeAppearance(std::uint16_t edgeColor) {
    if (!view) return;
    AppearanceRecording recording(*this, {view.get(), nullptr, nullptr, true});
    view->setDefaultEdgeView(nx::edgeViewFactory().getStraightEdgeView(edgeColor));
}

void ControlEngine::SetEdgeAppearance(std::uint32_t edgeId, std::uint16_t edgeColor) {
    if (!space || !view) return;
    nx::Edge* edge = space->edgeFactory().at(edgeId);
    if (!edge) return;
    // An edge outside the current graph: the view refuses it before anything changes.
    if (!view->edgeMap().contains(edge)) view->setEdgeView(edge, nullptr);
    AppearanceRecording recording(*this, {view.get(), nullptr, edge, false});
    view->setEdgeView(edge, nx::edgeViewFactory().getStraightEdgeView(edgeColor));
}

// --- Layout parameters: stored as given, checked by the layouts when they run.

void ControlEngine::SetHierarchicalLayoutParams(std::uint16_t layer, std::uint16_t sibling,
                                                std::uint16_t subtree) {
    layerSeparation = layer;
    siblingSeparation = sibling;
    subtreeSeparation = subtree;
}

void ControlEngine::SetRadialLayoutParams(std::uint16_t separation, double damping) {
    radialSeparation = separation;
    dampingCoefficient = damping;
}

void ControlEngine::SetForceDirectedLayoutParams(std::uint16_t separation,
                                                 std::uint16_t iterations) {
    forceDirectedSeparation = separation;
    maxIterations = iterations;
}

// --- Transforms

bool ControlEngine::RotateRight90() {
    if (!graph || !view) return false;
    PositionRecording recording(*this);
    view->rotate(kQuarterTurn);
    return true;
}

bool ControlEngine::RotateLeft90() {
    if (!graph || !view) return false;
    PositionRecording recording(*this);
    view->rotate(kQuarterTurnBack);
    return true;
}

bool ControlEngine::FlipVertical() {
    if (!graph || !view) return false;
    PositionRecording recording(*this);
    view->flipVertical();
    return true;
}

bool ControlEngine::FlipHorizontal() {
    if (!graph || !view) return false;
    PositionRecording recording(*this);
    view->flipHorizontal();
    return true;
}
