// HostWindow: everything the engine asks of the window system, as one abstract seam.
#pragma once

#include "ramulo/host_window.h"
