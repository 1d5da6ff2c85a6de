// ControlSite: what the control asks of the widget that owns it beyond the engine's
// HostWindow: its scroll sizes and the about box.
#pragma once

#include "views/geometry.h"

class ControlSite {
public:
    virtual ~ControlSite() = default;
    // The scrollable size of the drawing (the engine's extent with its margins).
    virtual void setScrollSizes(const nx::Size& total) = 0;
    virtual void showAboutBox() {}
};
