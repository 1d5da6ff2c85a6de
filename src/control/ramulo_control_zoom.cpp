// RamuloControl: the window's zoom, as the site that shows the drawing keeps it.
#include <cmath>

#include "control/automation_error.h"
#include "control/control_site.h"
#include "control/error_texts.h"
#include "control/ramulo_control.h"

namespace ramulo {

double RamuloControl::GetZoom() const {
    return site_ ? site_->viewZoom() : 1.0;
}

void RamuloControl::SetZoom(double zoom) {
    if (!std::isfinite(zoom) || zoom <= 0)
        throw AutomationError(0x80070057, error_texts::kZoomNotPositive);
    if (site_) site_->setViewZoom(zoom);
}

void RamuloControl::ZoomToFit() {
    if (site_) site_->zoomToFit();
}

}  // namespace ramulo
