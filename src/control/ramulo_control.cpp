// RamuloControl: construction, the window, the switches, the stock properties and the
// document and editing members.
#include "control/ramulo_control.h"

#include "control/automation_error.h"
#include "control/control_site.h"
#include "control/member_guard.h"
#include "control/member_rules.h"
#include "engine/host_window.h"
#include "engine/ole_color.h"
#include "engine/window_graph_view.h"
#include "views/drawing_tools.h"

namespace ramulo {

using control_detail::applyRules;
namespace rules = member_rules;

RamuloControl::RamuloControl() : impl_(std::make_unique<Impl>()), engine_(*impl_) {}

RamuloControl::~RamuloControl() {
    if (editingEnabled_ && fileIOEnabled_) {
        try {
            SaveModified(false);
        } catch (...) {
            // A destructor cannot report; the question was the user's last chance anyway.
        }
    }
    engine_.ReleaseDocument();
}

void RamuloControl::windowCreated(HostWindow* window, ControlSite* site) {
    window_ = window;
    site_ = site;
    LoadTest(testId_);
}

void RamuloControl::windowDestroyed() {
    window_ = nullptr;
    site_ = nullptr;
}

void RamuloControl::setScrollSizesFromExtent() {
    scrollSize_ = engine_.GetExtent();
    if (site_) site_->setScrollSizes(scrollSize_);
}

void RamuloControl::invalidate() {
    if (window_) window_->invalidate(true);
}

// --- Stock members

namespace {
// The stock border and appearance take 0 or 1 only.
void checkStockSwitch(std::int16_t value) {
    if (value != 0 && value != 1) throw AutomationError(CTL_E_INVALIDPROPERTYVALUE, u"");
}
}  // namespace

void RamuloControl::SetBorderStyle(std::int16_t value) {
    applyRules(rules::Edit, modified_, [&] {
        checkStockSwitch(value);
        borderStyle_ = value;
    });
    if (site_) site_->stockPropertiesChanged();
}

void RamuloControl::SetAppearance(std::int16_t value) {
    applyRules(rules::Edit, modified_, [&] {
        checkStockSwitch(value);
        appearance_ = value;
    });
    if (site_) site_->stockPropertiesChanged();
}

void RamuloControl::SetFont(const std::u16string& value) {
    applyRules(rules::Edit, modified_, [&] { font_ = value; });
    if (site_) site_->stockPropertiesChanged();
    invalidate();
}

void RamuloControl::SetBackColor(OLE_COLOR value) {
    applyRules(rules::Edit, modified_, [&] {
        backColor_ = value;
        engine_.setBackgroundColor(oleColorToRgb(value, window_));
        if (engine_.view() && engine_.view()->drawingTools())
            engine_.view()->drawingTools()->setBackgroundColor(engine_.backgroundColor());
    });
    if (site_) site_->stockPropertiesChanged();
    invalidate();
}

void RamuloControl::AboutBox() {
    if (site_) site_->showAboutBox();
}

// --- Switches

void RamuloControl::setFlag(VARIANT_BOOL& flag, VARIANT_BOOL value) {
    applyRules(rules::Edit, modified_, [&] { flag = value; });
}

void RamuloControl::SetEditingEnabled(VARIANT_BOOL value) {
    setFlag(editingEnabled_, value);
    if (engine_.view()) {
        engine_.view()->setInteractive(value != 0);
        engine_.view()->setKeepForest(true);
    }
}
void RamuloControl::SetNewEnabled(VARIANT_BOOL value) {
    setFlag(newEnabled_, value);
}
void RamuloControl::SetFileIOEnabled(VARIANT_BOOL value) {
    setFlag(fileIOEnabled_, value);
}
void RamuloControl::SetRotationEnabled(VARIANT_BOOL value) {
    setFlag(rotationEnabled_, value);
}
void RamuloControl::SetHierarchicalLayoutEnabled(VARIANT_BOOL value) {
    setFlag(hierarchicalLayoutEnabled_, value);
}
void RamuloControl::SetRadialLayoutEnabled(VARIANT_BOOL value) {
    setFlag(radialLayoutEnabled_, value);
}
void RamuloControl::SetForceDirectedLayoutEnabled(VARIANT_BOOL value) {
    setFlag(forceDirectedLayoutEnabled_, value);
}
void RamuloControl::SetDoubleClickEnabled(VARIANT_BOOL value) {
    setFlag(doubleClickEnabled_, value);
}

void RamuloControl::SetTestID(std::uint16_t value) {
    applyRules(rules::Edit, modified_, [&] { testId_ = value; });
}

// --- Document and structural editing

void RamuloControl::Init() {
    applyRules(rules::Init, modified_, [&] { engine_.Init(); });
}

std::uint32_t RamuloControl::NewTree() {
    return applyRules(rules::NewTree, modified_, [&] {
        const std::uint32_t id = engine_.NewTree(editingEnabled_ != 0, window_);
        fileName_ = defaultFileName_;
        return id;
    });
}

std::uint32_t RamuloControl::AddVertex() {
    return applyRules(rules::Edit, modified_, [&] { return engine_.AddVertex(); });
}

void RamuloControl::RemoveVertex(std::uint32_t VertexID) {
    applyRules(rules::RemoveVertex, modified_, [&] { engine_.RemoveVertex(VertexID); });
}

std::uint32_t RamuloControl::AddEdge(std::uint32_t VertexID1, std::uint32_t VertexID2) {
    return applyRules(rules::Edit, modified_,
                      [&] { return engine_.AddEdge(VertexID1, VertexID2); });
}

void RamuloControl::RemoveEdge(std::uint32_t EdgeID) {
    applyRules(rules::RemoveEdge, modified_, [&] { engine_.RemoveEdge(EdgeID); });
}

void RamuloControl::AddVertices(std::uint16_t N, std::uint32_t* VertexIDs) {
    applyRules(rules::Edit, modified_, [&] { engine_.AddVertices(N, VertexIDs); });
}

void RamuloControl::RemoveVertices(std::uint16_t N, std::uint32_t* VertexIDs) {
    applyRules(rules::Edit, modified_, [&] { engine_.RemoveVertices(N, VertexIDs); });
}

void RamuloControl::AddEdges(std::uint16_t N, std::uint32_t* VertexID1, std::uint32_t* VertexID2,
                             std::uint32_t* EdgeIDs) {
    applyRules(rules::Edit, modified_, [&] { engine_.AddEdges(N, VertexID1, VertexID2, EdgeIDs); });
}

void RamuloControl::RemoveEdges(std::uint16_t N, std::uint32_t* EdgeIDs) {
    applyRules(rules::Edit, modified_, [&] { engine_.RemoveEdges(N, EdgeIDs); });
}

std::uint32_t RamuloControl::GetVertexCount(std::uint16_t Scope) {
    return engine_.GetVertexCount(Scope);
}

std::uint32_t RamuloControl::GetEdgeCount(std::uint16_t Scope) {
    return engine_.GetEdgeCount(Scope);
}

std::uint32_t RamuloControl::GetVertexID(std::uint16_t Scope, std::uint32_t N) {
    return applyRules(rules::GetVertexID, modified_, [&] { return engine_.GetVertexID(Scope, N); });
}

std::uint32_t RamuloControl::GetEdgeID(std::uint16_t Scope, std::uint32_t N) {
    return applyRules(rules::GetEdgeID, modified_, [&] { return engine_.GetEdgeID(Scope, N); });
}

void RamuloControl::Update() {
    if (!window_) return;
    setScrollSizesFromExtent();
    invalidate();
}

}  // namespace ramulo
