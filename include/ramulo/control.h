// The control without a window system: its state, its automation members and its events.
#pragma once

/// @file
/// RamuloControl, the control's members as the automation dispatch table calls them, free
/// of Qt: documents (Load, Save, SaveToXml, LoadTest, NewTree), structure (AddVertex,
/// AddEdge, RemoveVertex ...), properties, appearance, layouts and zoom. A host without the
/// Qt widget gives it a HostWindow through windowCreated() and draws it with the functions
/// of ramulo/render.h. Members fail with AutomationError; RamuloControlEvents receives the
/// control's events, ControlSite the size changes a host lays out by.

#include "control/control_events.h"
#include "control/control_site.h"
#include "control/ramulo_control.h"
