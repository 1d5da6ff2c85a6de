// nx::QtCursorTools: the mouse cursors as Qt cursor shapes on one widget.
#pragma once

#include <QPointer>
#include <QWidget>

#include "views/cursor_tools.h"

namespace nx {

// Sets the cursor of its widget; without a widget (or once it is gone) does nothing.
class QtCursorTools : public CursorTools {
public:
    explicit QtCursorTools(QWidget* widget = nullptr);

    void setWidget(QWidget* widget);
    QWidget* widget() const { return widget_; }

    void setArrowCursor() override;
    void setWaitCursor() override;
    void setAppStartingCursor() override;
    void setCrossCursor() override;
    void setSizeAllCursor() override;
    void setSizeNSCursor() override;
    void setSizeWECursor() override;
    void setSizeNESWCursor() override;
    void setSizeNWSECursor() override;
    void setHelpCursor() override;
    void setUpArrowCursor() override;
    void setIBeamCursor() override;
    void setNoCursor() override;

private:
    void apply(int shape);

    QPointer<QWidget> widget_;
};

}  // namespace nx
