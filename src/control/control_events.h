// RamuloControlEvents: the control's outgoing events, which the widget turns into signals.
#pragma once

#include "ramulo/control_events.h"
