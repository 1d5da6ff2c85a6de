// RamuloControl: the property-type, index and value members with their error codes.
#include "control/member_guard.h"
#include "control/ramulo_control.h"

using control_detail::guarded;

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
    return guarded(0x800a03f9, u"Ramulo Control: Unknown exception in GetPropertyTypeID", [&] {
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
    return guarded(0x800a03fe, u"Unknown exception in VertexPropertyValue", [&] {
        return engine_.GetVertexPropertyValue(VertexID, PropertyIndex, PropertyLevel);
    });
}

void RamuloControl::SetVertexPropertyValue(std::uint32_t VertexID, std::uint16_t PropertyIndex,
                                           std::uint16_t PropertyLevel, const Variant& newValue) {
    guarded(0x800a03f5, u"Unknown exception in VertexPropertyValue", [&] {
        engine_.SetVertexPropertyValue(VertexID, PropertyIndex, PropertyLevel, newValue);
    });
    modified_ = true;
}

Variant RamuloControl::GetEdgePropertyValue(std::uint32_t EdgeID, std::uint16_t PropertyIndex,
                                            std::uint16_t PropertyLevel) {
    return guarded(0x800a03ff, u"Unknown exception in EdgePropertyValue", [&] {
        return engine_.GetEdgePropertyValue(EdgeID, PropertyIndex, PropertyLevel);
    });
}

void RamuloControl::SetEdgePropertyValue(std::uint32_t EdgeID, std::uint16_t PropertyIndex,
                                         std::uint16_t PropertyLevel, const Variant& newValue) {
    guarded(0x800a03f6, u"Unknown exception in EdgePropertyValue",
            [&] { engine_.SetEdgePropertyValue(EdgeID, PropertyIndex, PropertyLevel, newValue); });
    modified_ = true;
}

Variant RamuloControl::GetGraphPropertyValue(std::uint16_t PropertyIndex) {
    return guarded(0x800a0401, u"Unknown exception in GraphPropertyValue",
                   [&] { return engine_.GetGraphPropertyValue(PropertyIndex); });
}

void RamuloControl::SetGraphPropertyValue(std::uint16_t PropertyIndex, const Variant& newValue) {
    guarded(0x800a0400, u"Unknown exception in GraphPropertyValue",
            [&] { engine_.SetGraphPropertyValue(PropertyIndex, newValue); });
    modified_ = true;
}

std::uint16_t RamuloControl::FindVertexPropertyIndex(std::uint32_t VertexID,
                                                     std::uint16_t PropertyTypeID,
                                                     std::uint16_t PropertyLevel,
                                                     std::uint16_t StartingFrom) {
    return guarded(0x800a03fa, u"Unknown exception in FindVertexPropertyIndex", [&] {
        return engine_.FindVertexPropertyIndex(VertexID, PropertyTypeID, PropertyLevel,
                                               StartingFrom);
    });
}

std::uint16_t RamuloControl::FindEdgePropertyIndex(std::uint32_t EdgeID,
                                                   std::uint16_t PropertyTypeID,
                                                   std::uint16_t PropertyLevel,
                                                   std::uint16_t StartingFrom) {
    return guarded(0x800a03fb, u"Unknown exception in FindEdgePropertyIndex", [&] {
        return engine_.FindEdgePropertyIndex(EdgeID, PropertyTypeID, PropertyLevel, StartingFrom);
    });
}

std::uint16_t RamuloControl::FindGraphPropertyIndex(std::uint32_t GraphID,
                                                    std::uint16_t PropertyTypeID,
                                                    std::uint16_t PropertyLevel,
                                                    std::uint16_t StartingFrom) {
    return guarded(0x800a03fc, u"Unknown exception in FindGraphPropertyIndex", [&] {
        return engine_.FindGraphPropertyIndex(GraphID, PropertyTypeID, PropertyLevel, StartingFrom);
    });
}

std::uint16_t RamuloControl::GetVertexPropertyIndex(std::uint16_t PropertyTypeID,
                                                    std::uint16_t PropertyLevel) {
    return guarded(0x800a03fa, u"Unknown exception in FindVertexPropertyIndex",
                   [&] { return engine_.FindVertexPropertyIndex(PropertyTypeID, PropertyLevel); });
}

std::uint16_t RamuloControl::GetEdgePropertyIndex(std::uint16_t PropertyTypeID,
                                                  std::uint16_t PropertyLevel) {
    return guarded(0x800a03fb, u"Unknown exception in FindEdgePropertyIndex",
                   [&] { return engine_.FindEdgePropertyIndex(PropertyTypeID, PropertyLevel); });
}

std::uint16_t RamuloControl::GetGraphPropertyIndex(std::uint16_t PropertyTypeID) {
    return guarded(0x800a03fc, u"Unknown exception in FindVertexPropertyIndex",
                   [&] { return engine_.FindGraphPropertyIndex(PropertyTypeID); });
}

void RamuloControl::AddVertexProperty(std::uint16_t PropertyTypeID, std::uint16_t PropertyLevel) {
    guarded(0x800a0408, u"Unknown exception in AddEdgeProperty",
            [&] { engine_.AddVertexProperty(PropertyTypeID, PropertyLevel); });
    modified_ = true;
}

void RamuloControl::AddEdgeProperty(std::uint16_t PropertyTypeID, std::uint16_t PropertyLevel) {
    guarded(0x800a0409, u"Unknown exception in AddEdgeProperty",
            [&] { engine_.AddEdgeProperty(PropertyTypeID, PropertyLevel); });
    modified_ = true;
}

void RamuloControl::AddGraphProperty(std::uint16_t PropertyTypeID) {
    guarded(0x800a040a, u"Unknown exception in AddGraphProperty",
            [&] { engine_.AddGraphProperty(PropertyTypeID); });
    modified_ = true;
}

Variant RamuloControl::GetVertexPropertyValueByName(std::uint32_t VertexID,
                                                    const std::u16string& PropertyName,
                                                    std::uint16_t PropertyLevel) {
    return guarded(0x800a03fe, u"Unknown exception in GetVertexPropertyValueByName", [&] {
        return engine_.GetVertexPropertyValueByName(VertexID, PropertyName, PropertyLevel);
    });
}

void RamuloControl::SetVertexPropertyValueByName(std::uint32_t VertexID,
                                                 const std::u16string& PropertyName,
                                                 std::uint16_t PropertyLevel,
                                                 const Variant& newValue) {
    guarded(0x800a03f5, u"Unknown exception in SetVertexPropertyValueByName", [&] {
        engine_.SetVertexPropertyValueByName(VertexID, PropertyName, PropertyLevel, newValue);
    });
}

Variant RamuloControl::GetEdgePropertyValueByName(std::uint32_t EdgeID,
                                                  const std::u16string& PropertyName,
                                                  std::uint16_t PropertyLevel) {
    return guarded(0x800a03ff, u"Unknown exception in GetEdgePropertyValueByName", [&] {
        return engine_.GetEdgePropertyValueByName(EdgeID, PropertyName, PropertyLevel);
    });
}

void RamuloControl::SetEdgePropertyValueByName(std::uint32_t EdgeID,
                                               const std::u16string& PropertyName,
                                               std::uint16_t PropertyLevel,
                                               const Variant& newValue) {
    guarded(0x800a03f6, u"Unknown exception in SetEdgePropertyValueByName", [&] {
        engine_.SetEdgePropertyValueByName(EdgeID, PropertyName, PropertyLevel, newValue);
    });
}

Variant RamuloControl::GetGraphPropertyValueByName(const std::u16string& PropertyName) {
    return guarded(0x800a0401, u"Unknown exception in GetGraphPropertyValueByName",
                   [&] { return engine_.GetGraphPropertyValueByName(PropertyName); });
}

void RamuloControl::SetGraphPropertyValueByName(const std::u16string& PropertyName,
                                                const Variant& newValue) {
    guarded(0x800a0400, u"Unknown exception in SetGraphPropertyValueByName",
            [&] { engine_.SetGraphPropertyValueByName(PropertyName, newValue); });
}

void RamuloControl::AddVertexPropertyByName(const std::u16string& PropertyName,
                                            std::uint16_t PropertyLevel) {
    guarded(0x800a040b, u"Unknown exception in AddEdgePropertyByName",
            [&] { engine_.AddVertexPropertyByName(PropertyName, PropertyLevel); });
    modified_ = true;
}

void RamuloControl::AddEdgePropertyByName(const std::u16string& PropertyName,
                                          std::uint16_t PropertyLevel) {
    guarded(0x800a040c, u"Unknown exception in AddEdgePropertyByName",
            [&] { engine_.AddEdgePropertyByName(PropertyName, PropertyLevel); });
    modified_ = true;
}

void RamuloControl::AddGraphPropertyByName(const std::u16string& PropertyName) {
    guarded(0x800a040d, u"Unknown exception in AddGraphPropertyByName",
            [&] { engine_.AddGraphPropertyByName(PropertyName); });
    modified_ = true;
}
