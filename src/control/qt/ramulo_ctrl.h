// CRamuloCtrl as the library's own code sees it: the public widget with its private parts.
#pragma once

#include <QPoint>
#include <memory>

#include "control/control_interaction.h"
#include "control/qt/progress_dialog_sink.h"
#include "control/qt/ramulo_print.h"
#include "control/ramulo_control.h"
#include "ramulo/widget.h"

namespace nx {
class Vertex;
}

namespace ramulo {

struct CRamuloCtrl::Impl {
    Impl(CRamuloCtrl& widget, RamuloControl& control)
        : progress(std::make_unique<ProgressDialogSink>(&widget)), interaction(control) {}

    // The vertex with the keyboard focus, null when it is gone or there is none.
    static nx::Vertex* focusVertex(const CRamuloCtrl& widget);
    // A vertex's position in the drawing's own pixels (before zoom and scrolling).
    static QPoint logicalPositionOf(const CRamuloCtrl& widget, nx::Vertex* vertex);

    std::unique_ptr<ProgressDialogSink> progress;
    ControlInteraction interaction;
};

}  // namespace ramulo
