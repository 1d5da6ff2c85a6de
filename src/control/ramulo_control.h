// RamuloControl as the library's own code sees it: the public class with its engine.
#pragma once

#include "control/control_access.h"
#include "ramulo/control.h"
