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
    // The window's zoom (1.0 shows the drawing pixel for pixel); a site without one keeps 1.
    virtual double viewZoom() const { return 1.0; }
    virtual void setViewZoom(double) {}
    virtual void zoomToFit() {}
};
