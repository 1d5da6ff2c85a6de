// RamuloControl: the LabelAwareSpacing opt-in, kept by the engine that runs the layouts.
#include "control/ramulo_control.h"

namespace ramulo {

VARIANT_BOOL RamuloControl::GetLabelAwareSpacing() const {
    return engine_.labelAwareSpacing() ? VARIANT_TRUE : VARIANT_FALSE;
}

void RamuloControl::SetLabelAwareSpacing(VARIANT_BOOL value) {
    // Takes effect at the next layout; positions already laid out stay.
    engine_.setLabelAwareSpacing(value != VARIANT_FALSE);
}

}  // namespace ramulo
