// The tool's progress line on stderr for long layouts, loads, saves and drawings.
#pragma once

#include "graph/progress.h"

// The sink the tool's documents report to: null unless stderr is a terminal or --progress
// was given (scripted runs see no extra output). While it is on, the first Ctrl+C cancels
// the running operation (files are left as they were) and the second ends the tool.
nx::Progress* progressLine();
// Called once from main: forced turns the line on even when stderr is no terminal.
void enableProgressLine(bool forced);
