// ControlEngine: property types, schemas and element values by index and by type name.
#include <utf8.h>
#include <sstream>
#include <stdexcept>

#include "engine/control_engine.h"
#include "engine/edit_recording.h"
#include "engine/error_texts.h"
#include "engine/property_variant.h"
#include "engine/window_graph_view.h"
#include "graph/graph.h"
#include "graph/space.h"
#include "properties/actual_properties.h"
#include "properties/property_registry.h"
#include "views/coordinate_range.h"

namespace ramulo {

namespace {

const char* const kLevelRule =
    "PropertyLevel can only be 0 (space-level), 1 (graph-level) or 2 (view-level).";

[[noreturn]] void badLevel(const char* operation, std::uint16_t level) {
    std::ostringstream text;
    text << "Ramulo Control: Error in " << operation << ". PropertyLevel is " << level << ".\n"
         << kLevelRule;
    throw std::runtime_error(text.str());
}

std::uint32_t count(const nx::FormalProperties* formals) {
    return formals ? static_cast<std::uint32_t>(formals->size()) : 0;
}

// Indices travel as 16 bits; kNoPropertyIndex stands for "no such property".
std::uint16_t indexOf(const nx::FormalProperties& formals, std::uint32_t typeId) {
    const std::size_t at = formals.find(CPropertyRegistry::instance().prototypeOf(typeId));
    return at >= kNoPropertyIndex ? kNoPropertyIndex : static_cast<std::uint16_t>(at);
}

nx::Property& propertyAt(nx::ActualProperties* values, std::uint16_t index, const char* error) {
    if (!values || index >= values->size()) throw PlainError(error);
    return values->at(index);
}

}  // namespace

// --- Registry

std::uint32_t ControlEngine::PropertyTypeCount() {
    return static_cast<std::uint32_t>(CPropertyRegistry::instance().typeCount());
}

std::u16string ControlEngine::PropertyTypeName(std::uint32_t typeId) {
    return utf8::utf8to16(CPropertyRegistry::instance().typeNameOf(typeId));
}

std::uint32_t ControlEngine::PropertyTypeID(const std::u16string& typeName) {
    return static_cast<std::uint32_t>(
        CPropertyRegistry::instance().typeIdOf(utf8::utf16to8(typeName)));
}

// --- Schemas

nx::FormalProperties* ControlEngine::vertexFormals(std::uint16_t level) const {
    switch (level) {
        case 0:
            return spaceLevelVertexFormals_.get();
        case 1:
            return graphLevelVertexFormals_.get();
        case 2:
            return viewLevelVertexFormals_.get();
        default:
            return nullptr;
    }
}

nx::FormalProperties* ControlEngine::edgeFormals(std::uint16_t level) const {
    switch (level) {
        case 0:
            return spaceLevelEdgeFormals_.get();
        case 1:
            return graphLevelEdgeFormals_.get();
        case 2:
            return viewLevelEdgeFormals_.get();
        default:
            return nullptr;
    }
}

std::uint32_t ControlEngine::GraphPropertyCount() const {
    return hasFormals() ? count(graphFormals_.get()) : 0;
}

std::uint32_t ControlEngine::VertexPropertyCount(std::uint16_t level) const {
    return hasFormals() ? count(vertexFormals(level)) : 0;
}

std::uint32_t ControlEngine::EdgePropertyCount(std::uint16_t level) const {
    return hasFormals() ? count(edgeFormals(level)) : 0;
}

void ControlEngine::AddVertexProperty(std::uint32_t typeId, std::uint16_t level) {
    if (!hasFormals()) return;
    history_.forgetClean();
    if (nx::FormalProperties* formals = vertexFormals(level))
        formals->add(CPropertyRegistry::instance().prototypeOf(typeId));
}

void ControlEngine::AddEdgeProperty(std::uint32_t typeId, std::uint16_t level) {
    if (!hasFormals()) return;
    history_.forgetClean();
    if (nx::FormalProperties* formals = edgeFormals(level))
        formals->add(CPropertyRegistry::instance().prototypeOf(typeId));
}

void ControlEngine::AddGraphProperty(std::uint32_t typeId) {
    if (!hasFormals()) return;
    history_.forgetClean();
    graphFormals_->add(CPropertyRegistry::instance().prototypeOf(typeId));
}

std::uint16_t ControlEngine::FindVertexPropertyIndex(std::uint32_t typeId,
                                                     std::uint16_t level) const {
    if (!hasFormals()) return 0;
    const nx::FormalProperties* formals = vertexFormals(level);
    if (!formals) badLevel("FindVertexPropertyIndex", level);
    return indexOf(*formals, typeId);
}

std::uint16_t ControlEngine::FindEdgePropertyIndex(std::uint32_t typeId,
                                                   std::uint16_t level) const {
    if (!hasFormals()) return 0;
    const nx::FormalProperties* formals = edgeFormals(level);
    if (!formals) badLevel("FindEdgePropertyIndex", level);
    return indexOf(*formals, typeId);
}

std::uint16_t ControlEngine::FindGraphPropertyIndex(std::uint32_t typeId) const {
    if (!hasFormals()) return 0;
    return indexOf(*graphFormals_, typeId);
}

std::uint16_t ControlEngine::FindVertexPropertyIndex(std::uint32_t, std::uint32_t typeId,
                                                     std::uint16_t level, std::uint16_t) const {
    return FindVertexPropertyIndex(typeId, level);
}

std::uint16_t ControlEngine::FindEdgePropertyIndex(std::uint32_t, std::uint32_t typeId,
                                                   std::uint16_t level, std::uint16_t) const {
    return FindEdgePropertyIndex(typeId, level);
}

std::uint16_t ControlEngine::FindGraphPropertyIndex(std::uint32_t, std::uint32_t typeId,
                                                    std::uint16_t, std::uint16_t) const {
    return FindGraphPropertyIndex(typeId);
}

// --- Values

nx::ActualProperties* ControlEngine::vertexValues(nx::Vertex& vertex, std::uint16_t level) {
    switch (level) {
        case 0:
            return vertex.properties.get();
        case 1:
            return &graph_->vertexProperties(vertex);
        case 2:
            return view_->vertexViewProperties(&vertex);
        default:
            return nullptr;
    }
}

nx::ActualProperties* ControlEngine::edgeValues(nx::Edge& edge, std::uint16_t level) {
    switch (level) {
        case 0:
            return edge.properties.get();
        case 1:
            return &graph_->edgeProperties(edge);
        case 2:
            return view_->edgeViewProperties(&edge);
        default:
            return nullptr;
    }
}

Variant ControlEngine::GetVertexPropertyValue(std::uint32_t vertexId, std::uint16_t index,
                                              std::uint16_t level) {
    if (!hasFormals() || !graph_ || !view_) return {};
    nx::Vertex* vertex = space_->vertexFactory().at(vertexId);
    if (!vertex) throw PlainError(nx::error_texts::kControlIncorrectVertexId);
    if (level > 2) badLevel("GetVertexPropertyValue", level);
    return Property2OleVariant(propertyAt(vertexValues(*vertex, level), index,
                                          nx::error_texts::kControlIncorrectPropertyIndex));
}

void ControlEngine::SetVertexPropertyValue(std::uint32_t vertexId, std::uint16_t index,
                                           std::uint16_t level, const Variant& value) {
    if (!hasFormals() || !graph_ || !view_) return;
    nx::Vertex* vertex = space_->vertexFactory().at(vertexId);
    if (!vertex) throw PlainError(nx::error_texts::kIncorrectVertexId);
    nx::Property& property =
        propertyAt(vertexValues(*vertex, level), index, nx::error_texts::kIncorrectPropertyIndex);
    view_->writeVertexValues(*vertex, [&] {
        recordValue(property, [&] {
            AssignVariantToProperty(property, value);
            // Positions the view draws stay where drawing arithmetic cannot overflow.
            if (level != 0) nx::clampIfCoordinate(property);
        });
    });
}

Variant ControlEngine::GetEdgePropertyValue(std::uint32_t edgeId, std::uint16_t index,
                                            std::uint16_t level) {
    if (!hasFormals() || !graph_ || !view_) return {};
    nx::Edge* edge = space_->edgeFactory().at(edgeId);
    if (!edge) throw PlainError(nx::error_texts::kIncorrectEdgeId);
    return Property2OleVariant(
        propertyAt(edgeValues(*edge, level), index, nx::error_texts::kIncorrectPropertyIndex));
}

void ControlEngine::SetEdgePropertyValue(std::uint32_t edgeId, std::uint16_t index,
                                         std::uint16_t level, const Variant& value) {
    if (!hasFormals() || !graph_ || !view_) return;
    nx::Edge* edge = space_->edgeFactory().at(edgeId);
    if (!edge) throw PlainError(nx::error_texts::kIncorrectEdgeId);
    nx::Property& property =
        propertyAt(edgeValues(*edge, level), index, nx::error_texts::kIncorrectPropertyIndex);
    view_->writeEdgeValues(
        *edge, [&] { recordValue(property, [&] { AssignVariantToProperty(property, value); }); });
}

Variant ControlEngine::GetGraphPropertyValue(std::uint16_t index) {
    if (!hasFormals() || !graph_) return {};
    return Property2OleVariant(
        propertyAt(graph_->graphProperties(), index, nx::error_texts::kIncorrectPropertyIndex));
}

void ControlEngine::SetGraphPropertyValue(std::uint16_t index, const Variant& value) {
    if (!hasFormals() || !graph_) return;
    nx::Property& property =
        propertyAt(graph_->graphProperties(), index, nx::error_texts::kIncorrectPropertyIndex);
    recordValue(property, [&] { AssignVariantToProperty(property, value); });
}

// --- By type name

Variant ControlEngine::GetVertexPropertyValueByName(std::uint32_t vertexId,
                                                    const std::u16string& name,
                                                    std::uint16_t level) {
    const std::uint16_t index = FindVertexPropertyIndex(PropertyTypeID(name), level);
    return GetVertexPropertyValue(vertexId, index, level);
}

void ControlEngine::SetVertexPropertyValueByName(std::uint32_t vertexId, const std::u16string& name,
                                                 std::uint16_t level, const Variant& value) {
    const std::uint16_t index = FindVertexPropertyIndex(PropertyTypeID(name), level);
    SetVertexPropertyValue(vertexId, index, level, value);
}

Variant ControlEngine::GetEdgePropertyValueByName(std::uint32_t edgeId, const std::u16string& name,
                                                  std::uint16_t level) {
    const std::uint16_t index = FindEdgePropertyIndex(PropertyTypeID(name), level);
    return GetEdgePropertyValue(edgeId, index, level);
}

void ControlEngine::SetEdgePropertyValueByName(std::uint32_t edgeId, const std::u16string& name,
                                               std::uint16_t level, const Variant& value) {
    const std::uint16_t index = FindEdgePropertyIndex(PropertyTypeID(name), level);
    SetEdgePropertyValue(edgeId, index, level, value);
}

Variant ControlEngine::GetGraphPropertyValueByName(const std::u16string& name) {
    return GetGraphPropertyValue(FindGraphPropertyIndex(PropertyTypeID(name)));
}

void ControlEngine::SetGraphPropertyValueByName(const std::u16string& name, const Variant& value) {
    SetGraphPropertyValue(FindGraphPropertyIndex(PropertyTypeID(name)), value);
}

void ControlEngine::AddVertexPropertyByName(const std::u16string& name, std::uint16_t level) {
    AddVertexProperty(PropertyTypeID(name), level);
}

void ControlEngine::AddEdgePropertyByName(const std::u16string& name, std::uint16_t level) {
    AddEdgeProperty(PropertyTypeID(name), level);
}

void ControlEngine::AddGraphPropertyByName(const std::u16string& name) {
    AddGraphProperty(PropertyTypeID(name));
}

}  // namespace ramulo
