// Everything a host uses: the widget, the Qt-free control, its window seam and rendering.
#pragma once

/// @file
/// Includes every public header of Ramulo: widget.h (CRamuloCtrl), control.h
/// (RamuloControl), host_window.h (HostWindow), variant.h (Variant), automation_error.h
/// (AutomationError), graph_files.h (GraphML, DOT, CSV, TSV and JSON graphs in and out)
/// and render.h (images, SVG and PDF of a control's drawing).

#include "ramulo/automation_error.h"
#include "ramulo/control.h"
#include "ramulo/graph_files.h"
#include "ramulo/host_window.h"
#include "ramulo/render.h"
#include "ramulo/variant.h"
#include "ramulo/widget.h"
