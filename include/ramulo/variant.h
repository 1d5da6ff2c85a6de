// The tagged value that crosses the automation boundary.
#pragma once

/// @file
/// Variant, the value the control's property and callback members take and answer, tagged
/// with the VT codes automation hosts expect (VT_I4, VT_BSTR as UTF-16, VT_BOOL as -1/0,
/// VT_DISPATCH for a callable). The Qt widget converts it to and from QVariant.

#include "engine/variant.h"
