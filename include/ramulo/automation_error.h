// How a member of the control fails towards its host.
#pragma once

/// @file
/// AutomationError, the exception every failing member throws: a 32-bit code (for example
/// 0x800a03f0 for a drawing failure, 0x800A017C for an invalid property value), the UTF-16
/// description the control shows its user, and a help context. what() gives the
/// description as UTF-8. toUtf16 and toUtf8 convert texts for it, replacing invalid
/// sequences rather than failing.

#include "control/automation_error.h"
