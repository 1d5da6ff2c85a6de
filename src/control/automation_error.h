// AutomationError: how a member fails towards its host: a 32-bit code, a UTF-16 description
// and a help context.
#pragma once

#include "ramulo/automation_error.h"
