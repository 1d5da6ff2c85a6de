// RamuloControl: construction, the window, the switches, the stock properties and the
// document and editing members.
#include "control/ramulo_control.h"

#include "control/automation_error.h"
#include "control/control_site.h"
#include "control/member_guard.h"
#include "engine/host_window.h"
#include "engine/ole_color.h"
#include "engine/window_graph_view.h"
#include "views/drawing_tools.h"

using control_detail::guarded;

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

void RamuloControl::SetBorderStyle(std::int16_t value) {
    if (value != 0 && value != 1) throw AutomationError(CTL_E_INVALIDPROPERTYVALUE, u"");
    borderStyle_ = value;
    modified_ = true;
    if (site_) site_->stockPropertiesChanged();
}

void RamuloControl::SetAppearance(std::int16_t value) {
    if (value != 0 && value != 1) throw AutomationError(CTL_E_INVALIDPROPERTYVALUE, u"");
    appearance_ = value;
    modified_ = true;
    if (site_) site_->stockPropertiesChanged();
}

void RamuloControl::SetFont(const std::u16string& value) {
    font_ = value;
    modified_ = true;
    if (site_) site_->stockPropertiesChanged();
    invalidate();
}

void RamuloControl::SetBackColor(OLE_COLOR value) {
    backColor_ = value;
    engine_.backgroundColor = oleColorToRgb(value, window_);
    if (engine_.view && engine_.view->drawingTools())
        engine_.view->drawingTools()->setBackgroundColor(engine_.backgroundColor);
    modified_ = true;
    if (site_) site_->stockPropertiesChanged();
    invalidate();
}

void RamuloControl::AboutBox() {
    if (site_) site_->showAboutBox();
}

// --- Switches

void RamuloControl::setFlag(VARIANT_BOOL& flag, VARIANT_BOOL value) {
    flag = value;
    modified_ = true;
}

void RamuloControl::SetEditingEnabled(VARIANT_BOOL value) {
    setFlag(editingEnabled_, value);
    if (engine_.view) {
        engine_.view->interactive = value != 0;
        engine_.view->keepForest = true;
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
    testId_ = value;
    modified_ = true;
}

// --- Document and structural editing

void RamuloControl::Init() {
    engine_.Init();
    modified_ = false;
}

std::uint32_t RamuloControl::NewTree() {
    std::uint32_t id = 0;
    try {
        id = engine_.NewTree(editingEnabled_ != 0, window_);
    } catch (const std::exception&) {
        throw AutomationError(1, u"Ramulo Control", 1);
    }
    fileName_ = defaultFileName_;
    modified_ = false;
    return id;
}

std::uint32_t RamuloControl::AddVertex() {
    const std::uint32_t id = engine_.AddVertex();
    modified_ = true;
    return id;
}

void RamuloControl::RemoveVertex(std::uint32_t VertexID) {
    guarded(0x800a03f3, u"Unknown exception in RemoveVertex",
            [&] { engine_.RemoveVertex(VertexID); });
    modified_ = true;
}

std::uint32_t RamuloControl::AddEdge(std::uint32_t VertexID1, std::uint32_t VertexID2) {
    const std::uint32_t id = engine_.AddEdge(VertexID1, VertexID2);
    modified_ = true;
    return id;
}

void RamuloControl::RemoveEdge(std::uint32_t EdgeID) {
    guarded(0x800a03f4, u"Unknown exception in RemoveEdge", [&] { engine_.RemoveEdge(EdgeID); });
    modified_ = true;
}

void RamuloControl::AddVertices(std::uint16_t N, std::uint32_t* VertexIDs) {
    engine_.AddVertices(N, VertexIDs);
    modified_ = true;
}

void RamuloControl::RemoveVertices(std::uint16_t N, std::uint32_t* VertexIDs) {
    engine_.RemoveVertices(N, VertexIDs);
    modified_ = true;
}

void RamuloControl::AddEdges(std::uint16_t N, std::uint32_t* VertexID1, std::uint32_t* VertexID2,
                             std::uint32_t* EdgeIDs) {
    engine_.AddEdges(N, VertexID1, VertexID2, EdgeIDs);
    modified_ = true;
}

void RamuloControl::RemoveEdges(std::uint16_t N, std::uint32_t* EdgeIDs) {
    engine_.RemoveEdges(N, EdgeIDs);
    modified_ = true;
}

std::uint32_t RamuloControl::GetVertexCount(std::uint16_t Scope) {
    return engine_.GetVertexCount(Scope);
}

std::uint32_t RamuloControl::GetEdgeCount(std::uint16_t Scope) {
    return engine_.GetEdgeCount(Scope);
}

std::uint32_t RamuloControl::GetVertexID(std::uint16_t Scope, std::uint32_t N) {
    return guarded(0x800a03f7, u"Unknown exception in GetVertexID",
                   [&] { return engine_.GetVertexID(Scope, N); });
}

std::uint32_t RamuloControl::GetEdgeID(std::uint16_t Scope, std::uint32_t N) {
    return guarded(0x800a03f8, u"Unknown exception in GetEdgeID",
                   [&] { return engine_.GetEdgeID(Scope, N); });
}

void RamuloControl::Update() {
    if (!window_) return;
    setScrollSizesFromExtent();
    invalidate();
}
