// Everything a host uses: the widget, the Qt-free control, its window seam and rendering.
#pragma once

/// @file
/// Includes every public header of Ramulo: widget.h (CRamuloCtrl), print_layout.h
/// (PrintLayout), control.h (RamuloControl), control_events.h (RamuloControlEvents),
/// control_site.h (ControlSite), property_bag.h (PropertyBag), host_window.h (HostWindow),
/// geometry.h (nx::Point, nx::Size, nx::Rect, nx::RgbColor), variant.h (Variant),
/// automation_error.h (AutomationError), graph_files.h (GraphML, DOT, CSV, TSV and JSON
/// graphs in and out) and render.h (images, SVG and PDF of a control's drawing).

#include "ramulo/automation_error.h"
#include "ramulo/control.h"
#include "ramulo/control_events.h"
#include "ramulo/control_site.h"
#include "ramulo/geometry.h"
#include "ramulo/graph_files.h"
#include "ramulo/host_window.h"
#include "ramulo/print_layout.h"
#include "ramulo/property_bag.h"
#include "ramulo/render.h"
#include "ramulo/variant.h"
#include "ramulo/widget.h"
