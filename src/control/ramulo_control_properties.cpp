// RamuloControl: the property-type, index and value members with their error codes.
#include "control/member_guard.h"
#include "control/member_rules.h"
#include "control/ramulo_control.h"

namespace ramulo {

using control_detail::applyRules;
namespace rules = member_rules;

std::uint16_t RamuloControl::GetPropertyTypeCount() const {
    return static_cast<std::uint16_t>(ControlEngine::PropertyTypeCount());
}

std::uint16_t RamuloControl::GetGraphPropertyCount() const {
    return static_cast<std::uint16_t>(engine_.GraphPropertyCount());
}

std::u16string RamuloControl::GetPropertyTypeName(std::uint16_t PropertyTypeID) const {
    return ControlEngine::PropertyTypeName(PropertyTypeID);
}

std::uint16_t RamuloControl::GetPropertyTypeID(const std::u16string& PropertyTypeName) const {
    return control_detail::guardedBy(rules::GetPropertyTypeID, [&] {
        return static_cast<std::uint16_t>(ControlEngine::PropertyTypeID(PropertyTypeName));
    });
}

std::uint16_t RamuloControl::GetVertexPropertyCount(std::uint16_t PropertyLevel) const {
    return static_cast<std::uint16_t>(engine_.VertexPropertyCount(PropertyLevel));
}

std::uint16_t RamuloControl::GetEdgePropertyCount(std::uint16_t PropertyLevel) const {
    return static_cast<std::uint16_t>(engine_.EdgePropertyCount(PropertyLevel));
}

Variant RamuloControl::GetVertexPropertyValue(std::uint32_t VertexID, std::uint16_t PropertyIndex,
                                              std::uint16_t PropertyLevel) {
    return applyRules(rules::GetVertexPropertyValue, modified_, [&] {
        return engine_.GetVertexPropertyValue(VertexID, PropertyIndex, PropertyLevel);
    });
}

void RamuloControl::SetVertexPropertyValue(std::uint32_t VertexID, std::uint16_t PropertyIndex,
                                           std::uint16_t PropertyLevel, const Variant& newValue) {
    applyRules(rules::SetVertexPropertyValue, modified_, [&] {
        engine_.SetVertexPropertyValue(VertexID, PropertyIndex, PropertyLevel, newValue);
    });
}

Variant RamuloControl::GetEdgePropertyValue(std::uint32_t EdgeID, std::uint16_t PropertyIndex,
                                            std::uint16_t PropertyLevel) {
    return applyRules(rules::GetEdgePropertyValue, modified_, [&] {
        return engine_.GetEdgePropertyValue(EdgeID, PropertyIndex, PropertyLevel);
    });
}

void RamuloControl::SetEdgePropertyValue(std::uint32_t EdgeID, std::uint16_t PropertyIndex,
                                         std::uint16_t PropertyLevel, const Variant& newValue) {
    applyRules(rules::SetEdgePropertyValue, modified_, [&] {
        engine_.SetEdgePropertyValue(EdgeID, PropertyIndex, PropertyLevel, newValue);
    });
}

Variant RamuloControl::GetGraphPropertyValue(std::uint16_t PropertyIndex) {
    return applyRules(rules::GetGraphPropertyValue, modified_,
                      [&] { return engine_.GetGraphPropertyValue(PropertyIndex); });
}

void RamuloControl::SetGraphPropertyValue(std::uint16_t PropertyIndex, const Variant& newValue) {
    applyRules(rules::SetGraphPropertyValue, modified_,
               [&] { engine_.SetGraphPropertyValue(PropertyIndex, newValue); });
}

std::uint16_t RamuloControl::FindVertexPropertyIndex(std::uint32_t VertexID,
                                                     std::uint16_t PropertyTypeID,
                                                     std::uint16_t PropertyLevel,
                                                     std::uint16_t StartingFrom) {
    return applyRules(rules::FindVertexPropertyIndex, modified_, [&] {
        return engine_.FindVertexPropertyIndex(VertexID, PropertyTypeID, PropertyLevel,
                                               StartingFrom);
    });
}

std::uint16_t RamuloControl::FindEdgePropertyIndex(std::uint32_t EdgeID,
                                                   std::uint16_t PropertyTypeID,
                                                   std::uint16_t PropertyLevel,
                                                   std::uint16_t StartingFrom) {
    return applyRules(rules::FindEdgePropertyIndex, modified_, [&] {
        return engine_.FindEdgePropertyIndex(EdgeID, PropertyTypeID, PropertyLevel, StartingFrom);
    });
}

std::uint16_t RamuloControl::FindGraphPropertyIndex(std::uint32_t GraphID,
                                                    std::uint16_t PropertyTypeID,
                                                    std::uint16_t PropertyLevel,
                                                    std::uint16_t StartingFrom) {
    return applyRules(rules::FindGraphPropertyIndex, modified_, [&] {
        return engine_.FindGraphPropertyIndex(GraphID, PropertyTypeID, PropertyLevel, StartingFrom);
    });
}

std::uint16_t RamuloControl::GetVertexPropertyIndex(std::uint16_t PropertyTypeID,
                                                    std::uint16_t PropertyLevel) {
    return applyRules(rules::GetVertexPropertyIndex, modified_, [&] {
        return engine_.FindVertexPropertyIndex(PropertyTypeID, PropertyLevel);
    });
}

std::uint16_t RamuloControl::GetEdgePropertyIndex(std::uint16_t PropertyTypeID,
                                                  std::uint16_t PropertyLevel) {
    return applyRules(rules::GetEdgePropertyIndex, modified_,
                      [&] { return engine_.FindEdgePropertyIndex(PropertyTypeID, PropertyLevel); });
}

std::uint16_t RamuloControl::GetGraphPropertyIndex(std::uint16_t PropertyTypeID) {
    return applyRules(rules::GetGraphPropertyIndex, modified_,
                      [&] { return engine_.FindGraphPropertyIndex(PropertyTypeID); });
}

void RamuloControl::AddVertexProperty(std::uint16_t PropertyTypeID, std::uint16_t PropertyLevel) {
    applyRules(rules::AddVertexProperty, modified_,
               [&] { engine_.AddVertexProperty(PropertyTypeID, PropertyLevel); });
}

void RamuloControl::AddEdgeProperty(std::uint16_t PropertyTypeID, std::uint16_t PropertyLevel) {
    applyRules(rules::AddEdgeProperty, modified_,
               [&] { engine_.AddEdgeProperty(PropertyTypeID, PropertyLevel); });
}

void RamuloControl::AddGraphProperty(std::uint16_t PropertyTypeID) {
    applyRules(rules::AddGraphProperty, modified_,
               [&] { engine_.AddGraphProperty(PropertyTypeID); });
}

Variant RamuloControl::GetVertexPropertyValueByName(std::uint32_t VertexID,
                                                    const std::u16string& PropertyName,
                                                    std::uint16_t PropertyLevel) {
    return applyRules(rules::GetVertexPropertyValueByName, modified_, [&] {
        return engine_.GetVertexPropertyValueByName(VertexID, PropertyName, PropertyLevel);
    });
}

void RamuloControl::SetVertexPropertyValueByName(std::uint32_t VertexID,
                                                 const std::u16string& PropertyName,
                                                 std::uint16_t PropertyLevel,
                                                 const Variant& newValue) {
    applyRules(rules::SetVertexPropertyValueByName, modified_, [&] {
        engine_.SetVertexPropertyValueByName(VertexID, PropertyName, PropertyLevel, newValue);
    });
}

Variant RamuloControl::GetEdgePropertyValueByName(std::uint32_t EdgeID,
                                                  const std::u16string& PropertyName,
                                                  std::uint16_t PropertyLevel) {
    return applyRules(rules::GetEdgePropertyValueByName, modified_, [&] {
        return engine_.GetEdgePropertyValueByName(EdgeID, PropertyName, PropertyLevel);
    });
}

void RamuloControl::SetEdgePropertyValueByName(std::uint32_t EdgeID,
                                               const std::u16string& PropertyName,
                                               std::uint16_t PropertyLevel,
                                               const Variant& newValue) {
    applyRules(rules::SetEdgePropertyValueByName, modified_, [&] {
        engine_.SetEdgePropertyValueByName(EdgeID, PropertyName, PropertyLevel, newValue);
    });
}

Variant RamuloControl::GetGraphPropertyValueByName(const std::u16string& PropertyName) {
    return applyRules(rules::GetGraphPropertyValueByName, modified_,
                      [&] { return engine_.GetGraphPropertyValueByName(PropertyName); });
}

void RamuloControl::SetGraphPropertyValueByName(const std::u16string& PropertyName,
                                                const Variant& newValue) {
    applyRules(rules::SetGraphPropertyValueByName, modified_,
               [&] { engine_.SetGraphPropertyValueByName(PropertyName, newValue); });
}

void RamuloControl::AddVertexPropertyByName(const std::u16string& PropertyName,
                                            std::uint16_t PropertyLevel) {
    applyRules(rules::AddVertexPropertyByName, modified_,
               [&] { engine_.AddVertexPropertyByName(PropertyName, PropertyLevel); });
}

void RamuloControl::AddEdgePropertyByName(const std::u16string& PropertyName,
                                          std::uint16_t PropertyLevel) {
    applyRules(rules::AddEdgePropertyByName, modified_,
               [&] { engine_.AddEdgePropertyByName(PropertyName, PropertyLevel); });
}

void RamuloControl::AddGraphPropertyByName(const std::u16string& PropertyName) {
    applyRules(rules::AddGraphPropertyByName, modified_,
               [&] { engine_.AddGraphPropertyByName(PropertyName); });
}

}  // namespace ramulo
