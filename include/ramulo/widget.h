// The Ramulo control as a Qt widget: what a Qt host puts on a form.
#pragma once

/// @file
/// CRamuloCtrl, a QAbstractScrollArea that owns one control for its whole life: it draws
/// the document, scrolls it, hands the user's mouse, keys and context menus to the control
/// and offers every automation member as a Q_PROPERTY or Q_INVOKABLE with Qt types (QString,
/// QColor, QVariant, QImage). Its window counts as created when it is first shown or when
/// createWindow() is called; the document TestID (1 unless set, 0 for an empty one) is
/// built then. A member that fails throws AutomationError with the member's code and text.
/// control() reaches the Qt-free RamuloControl behind it, which the rendering functions of
/// ramulo/render.h take.

#include "control/qt/ramulo_ctrl.h"
