// RamuloControlEvents: the control's outgoing events, which the widget turns into signals.
#pragma once

#include <cstdint>

class RamuloControlEvents {
public:
    virtual ~RamuloControlEvents() = default;
    // DISPID 501: a custom graph-menu item (or a double-click on the background).
    virtual void GraphMenuCommand(std::uint16_t cmnd) = 0;
    // DISPID 502: a custom vertex-menu item (or a double-click on a vertex).
    virtual void VertexMenuCommand(std::uint16_t cmnd, std::uint32_t elementID) = 0;
    // DISPID 503: a custom edge-menu item (or a double-click on an edge).
    virtual void EdgeMenuCommand(std::uint16_t cmnd, std::uint32_t elementID) = 0;
};
