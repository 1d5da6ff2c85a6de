// The control's outgoing events, as a host receives them.
#pragma once

/// @file
/// RamuloControlEvents, the listener a host gives RamuloControl::setEventListener: the three
/// custom-menu commands of the automation interface and, for hosts that follow the user's
/// edits, selection, modification, element and layout notifications (ignored by default).

#include <cstdint>

#include "ramulo/export.h"

namespace ramulo {

/// The listener of the control's events; every notification beyond the three menu commands does
/// nothing by default.
class RAMULO_EXPORT RamuloControlEvents {
public:
    virtual ~RamuloControlEvents() = default;
    /// DISPID 501: a custom graph-menu item (or a double-click on the background).
    virtual void GraphMenuCommand(std::uint16_t cmnd) = 0;
    /// DISPID 502: a custom vertex-menu item (or a double-click on a vertex).
    virtual void VertexMenuCommand(std::uint16_t cmnd, std::uint32_t elementID) = 0;
    /// DISPID 503: a custom edge-menu item (or a double-click on an edge).
    virtual void EdgeMenuCommand(std::uint16_t cmnd, std::uint32_t elementID) = 0;

    /// Beyond the automation events, for hosts that follow the user's edits; a listener that
    /// ignores them sees exactly the three events above.
    virtual void SelectionChanged() {}
    /// An edit with the mouse or the menu set the modified flag.
    virtual void DocumentModified() {}
    /// The user added a vertex with that ID.
    virtual void VertexAdded(std::uint32_t /*vertexID*/) {}
    /// The user removed the vertex with that ID.
    virtual void VertexRemoved(std::uint32_t /*vertexID*/) {}
    /// The user added an edge with that ID.
    virtual void EdgeAdded(std::uint32_t /*edgeID*/) {}
    /// The user removed the edge with that ID.
    virtual void EdgeRemoved(std::uint32_t /*edgeID*/) {}
    /// A layout (member or menu command) arranged the graph.
    virtual void LayoutFinished() {}
};

}  // namespace ramulo
