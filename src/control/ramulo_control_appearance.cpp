// RamuloControl: appearance, layout, transform and custom menu-item members.
#include "control/control_events.h"
#include "control/member_guard.h"
#include "control/member_rules.h"
#include "control/ramulo_control.h"

namespace ramulo {

using control_detail::applyRules;
namespace rules = member_rules;

// The plain appearance members draw square dots.
void RamuloControl::SetDefaultVertexAppearance(std::uint16_t Sz, VARIANT_BOOL IsFilled,
                                               std::uint16_t OuterColor, std::uint16_t InnerColor,
                                               std::uint16_t NamePos, std::uint16_t WeightPos) {
    SetDefaultVertexAppearance_SquareDot(Sz, IsFilled, OuterColor, InnerColor, NamePos, WeightPos);
}

void RamuloControl::SetDefaultVertexAppearance_SquareDot(std::uint16_t Sz, VARIANT_BOOL IsFilled,
                                                         std::uint16_t OuterColor,
                                                         std::uint16_t InnerColor,
                                                         std::uint16_t NamePos,
                                                         std::uint16_t WeightPos) {
    applyRules(rules::Edit, modified_, [&] {
        engine_.SetDefaultVertexAppearance({DotAppearance::Shape::Square, Sz, IsFilled != 0,
                                            OuterColor, InnerColor, NamePos, WeightPos});
    });
}

void RamuloControl::SetDefaultVertexAppearance_DiamondDot(std::uint16_t Sz, VARIANT_BOOL IsFilled,
                                                          std::uint16_t OuterColor,
                                                          std::uint16_t InnerColor,
                                                          std::uint16_t NamePos,
                                                          std::uint16_t WeightPos) {
    applyRules(rules::Edit, modified_, [&] {
        engine_.SetDefaultVertexAppearance({DotAppearance::Shape::Diamond, Sz, IsFilled != 0,
                                            OuterColor, InnerColor, NamePos, WeightPos});
    });
}

void RamuloControl::SetDefaultVertexAppearance_Icon(
    const std::u16string& FileName, const std::u16string& IconName, std::int32_t ID,
    std::int32_t Index, std::uint16_t Sz, OLE_COLOR NameTextColor, OLE_COLOR WeightTextColor,
    std::uint16_t NamePos, std::uint16_t WeightPos) {
    applyRules(rules::Edit, modified_, [&] {
        engine_.SetDefaultVertexAppearance_Icon({FileName, IconName, ID, Index, Sz, NameTextColor,
                                                 WeightTextColor, NamePos, WeightPos});
    });
}

void RamuloControl::SetDefaultEdgeAppearance(std::uint16_t EdgeColor) {
    applyRules(rules::Edit, modified_, [&] { engine_.SetDefaultEdgeAppearance(EdgeColor); });
}

void RamuloControl::SetVertexAppearance(std::uint32_t VertexID, std::uint16_t Sz,
                                        VARIANT_BOOL IsFilled, std::uint16_t OuterColor,
                                        std::uint16_t InnerColor, std::uint16_t NamePos,
                                        std::uint16_t WeightPos) {
    SetVertexAppearance_SquareDot(VertexID, Sz, IsFilled, OuterColor, InnerColor, NamePos,
                                  WeightPos);
}

void RamuloControl::SetVertexAppearance_SquareDot(std::uint32_t VertexID, std::uint16_t Sz,
                                                  VARIANT_BOOL IsFilled, std::uint16_t OuterColor,
                                                  std::uint16_t InnerColor, std::uint16_t NamePos,
                                                  std::uint16_t WeightPos) {
    applyRules(rules::Edit, modified_, [&] {
        engine_.SetVertexAppearance(VertexID, {DotAppearance::Shape::Square, Sz, IsFilled != 0,
                                               OuterColor, InnerColor, NamePos, WeightPos});
    });
}

void RamuloControl::SetVertexAppearance_DiamondDot(std::uint32_t VertexID, std::uint16_t Sz,
                                                   VARIANT_BOOL IsFilled, std::uint16_t OuterColor,
                                                   std::uint16_t InnerColor, std::uint16_t NamePos,
                                                   std::uint16_t WeightPos) {
    applyRules(rules::Edit, modified_, [&] {
        engine_.SetVertexAppearance(VertexID, {DotAppearance::Shape::Diamond, Sz, IsFilled != 0,
                                               OuterColor, InnerColor, NamePos, WeightPos});
    });
}

void RamuloControl::SetVertexAppearance_Icon(std::uint32_t VertexID, const std::u16string& FileName,
                                             const std::u16string& IconName, std::int32_t ID,
                                             std::int32_t Index, std::uint16_t Sz,
                                             OLE_COLOR NameTextColor, OLE_COLOR WeightTextColor,
                                             std::uint16_t NamePos, std::uint16_t WeightPos) {
    applyRules(rules::Edit, modified_, [&] {
        engine_.SetVertexAppearance_Icon(
            VertexID, {FileName, IconName, ID, Index, Sz, NameTextColor, WeightTextColor, NamePos,
                       WeightPos});
    });
}

void RamuloControl::SetEdgeAppearance(std::uint32_t EdgeID, std::uint16_t EdgeColor) {
    applyRules(rules::Edit, modified_, [&] { engine_.SetEdgeAppearance(EdgeID, EdgeColor); });
}

// --- Layouts: arranging failures are shown by the engine; the rest is the member's code.

// As automation methods, layouts rescroll and repaint even when they did not arrange.
void RamuloControl::afterLayout(bool done) {
    setScrollSizesFromExtent();
    invalidate();
    if (done && events_) events_->LayoutFinished();
}

void RamuloControl::HierarchicalLayout() {
    afterLayout(applyRules(rules::HierarchicalLayout, modified_,
                           [&] { return engine_.HierarchicalLayout(); }));
}

void RamuloControl::RadialLayout() {
    afterLayout(applyRules(rules::RadialLayout, modified_, [&] { return engine_.RadialLayout(); }));
}

void RamuloControl::ForceDirectedLayout() {
    afterLayout(applyRules(rules::ForceDirectedLayout, modified_,
                           [&] { return engine_.ForceDirectedLayout(); }));
}

void RamuloControl::SetHierarchicalLayoutParams(std::uint16_t LayerSeparation,
                                                std::uint16_t SiblingSeparation,
                                                std::uint16_t SubtreeSeparation) {
    engine_.SetHierarchicalLayoutParams(LayerSeparation, SiblingSeparation, SubtreeSeparation);
}

void RamuloControl::SetRadialLayoutParams(std::uint16_t Separation, double DampingCoefficient) {
    engine_.SetRadialLayoutParams(Separation, DampingCoefficient);
}

void RamuloControl::SetForceDirectedLayoutParams(std::uint16_t Separation,
                                                 std::uint16_t MaxIterations) {
    engine_.SetForceDirectedLayoutParams(Separation, MaxIterations);
}

// --- Transforms

void RamuloControl::afterTransform(bool done) {
    if (!done) return;
    modified_ = true;
    setScrollSizesFromExtent();
    invalidate();
}

void RamuloControl::RotateRight90() {
    afterTransform(engine_.RotateRight90());
}
void RamuloControl::RotateLeft90() {
    afterTransform(engine_.RotateLeft90());
}
void RamuloControl::FlipVertical() {
    afterTransform(engine_.FlipVertical());
}
void RamuloControl::FlipHorizontal() {
    afterTransform(engine_.FlipHorizontal());
}

// --- Custom menu items. A Func that is a plain number is never called: an address handed
// over as a number cannot be checked, so it is stored as no callback. A callable object
// (VT_DISPATCH) is kept and called.

namespace {
MenuCallback callbackOf(const Variant& func) {
    if (func.vt != VT_DISPATCH || !func.callable) return nullptr;
    return [callable = func.callable](std::uint32_t elementId) { callable->call(elementId); };
}
}  // namespace

std::uint16_t RamuloControl::AddGraphMenuItem(const std::u16string& ItemString) {
    return engine_.AddMenuItem(ControlEngine::Menu::Graph, ItemString);
}
std::uint16_t RamuloControl::AddGraphMenuItemFunc(const std::u16string& ItemString,
                                                  const Variant& Func) {
    return engine_.AddMenuItem(ControlEngine::Menu::Graph, ItemString, callbackOf(Func));
}
std::uint16_t RamuloControl::AddVertexMenuItem(const std::u16string& ItemString) {
    return engine_.AddMenuItem(ControlEngine::Menu::Vertex, ItemString);
}
std::uint16_t RamuloControl::AddVertexMenuItemFunc(const std::u16string& ItemString,
                                                   const Variant& Func) {
    return engine_.AddMenuItem(ControlEngine::Menu::Vertex, ItemString, callbackOf(Func));
}
std::uint16_t RamuloControl::AddEdgeMenuItem(const std::u16string& ItemString) {
    return engine_.AddMenuItem(ControlEngine::Menu::Edge, ItemString);
}
std::uint16_t RamuloControl::AddEdgeMenuItemFunc(const std::u16string& ItemString,
                                                 const Variant& Func) {
    return engine_.AddMenuItem(ControlEngine::Menu::Edge, ItemString, callbackOf(Func));
}
void RamuloControl::ClearGraphMenuItems() {
    engine_.ClearMenuItems(ControlEngine::Menu::Graph);
}
void RamuloControl::ClearVertexMenuItems() {
    engine_.ClearMenuItems(ControlEngine::Menu::Vertex);
}
void RamuloControl::ClearEdgeMenuItems() {
    engine_.ClearMenuItems(ControlEngine::Menu::Edge);
}
void RamuloControl::EnableGraphMenuItem(std::uint16_t MenuID, VARIANT_BOOL Enable) {
    engine_.EnableMenuItem(ControlEngine::Menu::Graph, MenuID, Enable);
}
void RamuloControl::EnableVertexMenuItem(std::uint16_t MenuID, VARIANT_BOOL Enable) {
    engine_.EnableMenuItem(ControlEngine::Menu::Vertex, MenuID, Enable);
}
void RamuloControl::EnableEdgeMenuItem(std::uint16_t MenuID, VARIANT_BOOL Enable) {
    engine_.EnableMenuItem(ControlEngine::Menu::Edge, MenuID, Enable);
}

}  // namespace ramulo
