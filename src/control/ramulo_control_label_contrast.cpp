// RamuloControl: the LabelContrast opt-in, kept by the engine that draws the labels.
#include "control/ramulo_control.h"

namespace ramulo {

VARIANT_BOOL RamuloControl::GetLabelContrast() const {
    return engine_.labelContrast() ? VARIANT_TRUE : VARIANT_FALSE;
}

void RamuloControl::SetLabelContrast(VARIANT_BOOL value) {
    const bool on = value != VARIANT_FALSE;
    if (on == engine_.labelContrast()) return;
    engine_.setLabelContrast(on);
    invalidate();
}

}  // namespace ramulo
