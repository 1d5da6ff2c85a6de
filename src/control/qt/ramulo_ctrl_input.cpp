// CRamuloCtrl: the user's mouse, context menus and the window's command messages.
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <exception>

#include "control/automation_error.h"
#include "control/qt/progress_dialog_sink.h"
#include "control/qt/ramulo_ctrl.h"
#include "engine/menu_resources.h"

namespace ramulo {

namespace {

// The key flags of a mouse message: buttons held, Shift and Ctrl.
std::uint32_t keyFlags(const QMouseEvent& event) {
    std::uint32_t flags = 0;
    const Qt::MouseButtons buttons = event.buttons();
    if (buttons & Qt::LeftButton) flags |= 0x0001;
    if (buttons & Qt::RightButton) flags |= 0x0002;
    if (event.modifiers() & Qt::ShiftModifier) flags |= 0x0004;
    if (event.modifiers() & Qt::ControlModifier) flags |= ControlEngine::kControlKey;
    if (buttons & Qt::MiddleButton) flags |= 0x0010;
    return flags;
}

std::u16string widen(const char* text) {
    return QString::fromLocal8Bit(text).toStdU16String();
}

}  // namespace

nx::Point CRamuloCtrl::clientPoint(const QPoint& viewportPos) const {
    // The control's client point lies on the shown picture, which starts at pictureOrigin().
    const QPoint p = logicalAt(viewportPos) - pictureOrigin();
    return {p.x(), p.y()};
}

template <typename Handler>
void CRamuloCtrl::guardInput(Handler&& handler) {
    // Nothing may escape into Qt's event loop: a failure the user caused is shown to the user.
    // While the control is going, input is dropped.
    if (!control_) return;
    try {
        handler();
    } catch (const AutomationError& e) {
        showFailure(e.description());
    } catch (const std::exception& e) {
        showFailure(widen(e.what()));
    } catch (...) {
        showFailure(u"Unknown exception");
    }
}

void CRamuloCtrl::guardHandler(const std::function<void()>& handler) {
    guardInput(handler);
}

void CRamuloCtrl::mousePressEvent(QMouseEvent* event) {
    if (panPress(event)) return;
    const nx::Point at = clientPoint(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        guardInput([&] { impl_->interaction.leftButtonDown(keyFlags(*event), at, scroll()); });
    else if (event->button() == Qt::RightButton)
        guardInput([&] { impl_->interaction.rightButtonDown(keyFlags(*event), at, scroll()); });
    event->accept();
}

void CRamuloCtrl::mouseReleaseEvent(QMouseEvent* event) {
    if (panRelease(event)) return;
    const QPoint pos = event->position().toPoint();
    const nx::Point at = clientPoint(pos);
    if (event->button() == Qt::LeftButton) {
        guardInput([&] { impl_->interaction.leftButtonUp(at, scroll()); });
    } else if (event->button() == Qt::RightButton) {
        guardInput([&] { impl_->interaction.rightButtonUp(at, scroll()); });
        // The menu follows the release on every platform, wherever Qt would raise it.
        contextMenuAt(event->globalPosition().toPoint(), pos);
    }
    event->accept();
}

void CRamuloCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click arrives as this event only, as on the platform the
    // control comes from; the right button's is ignored there too.
    if (event->button() == Qt::LeftButton) {
        const nx::Point at = clientPoint(event->position().toPoint());
        guardInput([&] { impl_->interaction.leftDoubleClick(at, scroll()); });
    }
    event->accept();
}

void CRamuloCtrl::mouseMoveEvent(QMouseEvent* event) {
    if (panMove(event)) return;
    const nx::Point at = clientPoint(event->position().toPoint());
    guardInput([&] { impl_->interaction.mouseMove(at, scroll()); });
    event->accept();
}

void CRamuloCtrl::contextMenuEvent(QContextMenuEvent* event) {
    // The mouse's requests are answered at the right button's release; only the keyboard's
    // menu key asks here.
    // It may come to the frame (which holds the focus) or to the viewport: the global point
    // says where it is either way.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // With a vertex focused from the keyboard, its menu opens at the vertex.
        if (nx::Vertex* v = Impl::focusVertex(*this)) {
            showLogical(Impl::logicalPositionOf(*this, v));
            const QPoint at = shownPoint(Impl::logicalPositionOf(*this, v));
            contextMenuAt(viewport()->mapToGlobal(at), at);
        } else {
            contextMenuAt(event->globalPos(), viewport()->mapFromGlobal(event->globalPos()));
        }
    }
    event->accept();
}

void CRamuloCtrl::contextMenuAt(const QPoint& globalPos, const QPoint& viewportPos) {
    guardInput([&] {
        impl_->interaction.contextMenu({globalPos.x(), globalPos.y()}, clientPoint(viewportPos),
                                 scroll());
    });
}

bool CRamuloCtrl::viewportEvent(QEvent* event) {
    // Input that reaches the control while an operation runs (before its dialog shows) is
    // dropped: the document is half done.
    if (impl_->progress->active() && event->isInputEvent()) return true;
    if (zoomGesture(event)) return true;
    if (event->type() == QEvent::Leave && leaveRequested_) {
        // One notification per request, as the request asks for.
        leaveRequested_ = false;
        guardInput([&] { impl_->interaction.mouseLeave(); });
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void CRamuloCtrl::requestLeaveNotification() {
    leaveRequested_ = true;
}

void CRamuloCtrl::captureMouse() {
    // A press already holds Qt's implicit grab; connecting a new edge needs one without a
    // button, so that the next press anywhere ends it.
    if (viewport()->isVisible() && QGuiApplication::mouseButtons() == Qt::NoButton)
        viewport()->grabMouse();
}

void CRamuloCtrl::releaseMouse() {
    viewport()->releaseMouse();
}

bool CRamuloCtrl::onCommand(std::uint32_t id) {
    namespace m = menu_id;
    switch (id) {
        case m::TreeAppearance:
        case m::TreeProperties:
        case m::VertexAppearance:
        case m::VertexProperties:
        case m::EdgeAppearance:
        case m::EdgeProperties:
            return true;
        case m::NewVertex:
        case m::HierarchicalLayout:
        case m::NewIncomingEdge:
        case m::NewOutcomingEdge:
        case m::DeleteVertex:
        case m::DeleteEdge:
        case m::RadialLayout:
        case m::CenterOfRadialLayout:
        case m::ForceDirectedLayout:
        case m::RotateRight90:
        case m::RotateLeft90:
        case m::FlipVertical:
        case m::FlipHorizontal:
        case m::FileNew:
        case m::FileOpen:
        case m::FileSave:
        case m::FileSaveAs:
        case m::SelectAllVertices:
            guardInput([&] { impl_->interaction.runCommand({id, 0, 0}); });
            return true;
        default:
            return false;
    }
}

}  // namespace ramulo
