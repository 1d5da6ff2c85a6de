// CRamuloCtrl: the keyboard: zoom keys and Space held for panning.
#include <QKeyEvent>

#include "control/qt/ramulo_ctrl.h"

void CRamuloCtrl::keyPressEvent(QKeyEvent* event) {
    if (zoomKey(event)) return;
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat()) {
            spaceHeld_ = true;
            spacePanned_ = false;
        }
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CRamuloCtrl::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        spaceHeld_ = false;
        event->accept();
        return;
    }
    QAbstractScrollArea::keyReleaseEvent(event);
}
