// ControlSite: what the control asks of the widget that owns it beyond the engine's
// HostWindow: its scroll sizes, the about box and the look of its stock properties.
#pragma once

#include "views/geometry.h"

class ControlSite {
public:
    virtual ~ControlSite() = default;
    // The scrollable size of the drawing (the engine's extent with its margins).
    virtual void setScrollSizes(const nx::Size& total) = 0;
    virtual void showAboutBox() {}
    // BorderStyle, Appearance, BackColor or Font changed: the widget shows the new values.
    virtual void stockPropertiesChanged() {}
};
