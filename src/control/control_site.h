// ControlSite: what the control asks of the widget that owns it beyond the engine's
// HostWindow: its scroll sizes, the about box and the look of its stock properties.
#pragma once

#include "ramulo/control_site.h"
