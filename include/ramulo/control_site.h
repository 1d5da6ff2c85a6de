// What the control asks of the widget or host that owns it, beyond its window.
#pragma once

/// @file
/// ControlSite, handed to RamuloControl::windowCreated: the scroll sizes of the drawing in
/// device units, the about box, the look of the stock properties and the window's zoom.
/// Every member but setScrollSizes has a default that does nothing.

#include "ramulo/export.h"
#include "ramulo/geometry.h"

namespace ramulo {

/// What the control asks of the widget or host that owns it, beyond its window.
class RAMULO_EXPORT ControlSite {
public:
    virtual ~ControlSite() = default;
    /// The scrollable size of the drawing (the engine's extent with its margins).
    virtual void setScrollSizes(const nx::Size& total) = 0;
    /// Shows the about box; the default does nothing.
    virtual void showAboutBox() {}
    /// BorderStyle, Appearance, BackColor or Font changed: the widget shows the new values.
    virtual void stockPropertiesChanged() {}
    /// The window's zoom (1.0 shows the drawing pixel for pixel); a site without one keeps 1.
    virtual double viewZoom() const { return 1.0; }
    /// Sets the window's zoom (1.0 pixel for pixel); the default ignores it.
    virtual void setViewZoom(double) {}
    /// Zooms the window so that the whole drawing fits; the default does nothing.
    virtual void zoomToFit() {}
};

}  // namespace ramulo
