// The seam between the control and the window it lives in.
#pragma once

/// @file
/// HostWindow, everything the control asks of its window system as one abstract class:
/// popup menus, message boxes and file dialogs (each answered synchronously), repaints,
/// mouse capture, system colours, and the view a new document is drawn in. The Qt widget
/// implements it; a headless host implements it to run the control without a screen
/// (answering every question with the choice that changes nothing).

#include "engine/host_window.h"
