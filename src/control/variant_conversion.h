// Argument conversion as automation does it: a Variant changed to the VT a parameter expects.
#pragma once

#include "engine/variant.h"

namespace ramulo {

// VT_I2, VT_UI2, VT_I4, VT_UI4, VT_R8, VT_BOOL, VT_BSTR or VT_VARIANT (unchanged). A value
// that cannot become the target fails with DISP_E_TYPEMISMATCH, one outside the target's
// range with DISP_E_OVERFLOW (both as AutomationError). Reals round half to even; strings
// are read as numbers (or "True"/"False" for VT_BOOL); booleans become -1 and 0.
Variant changeType(const Variant& value, VARTYPE target);

}  // namespace ramulo
