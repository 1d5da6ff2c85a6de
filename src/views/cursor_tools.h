// nx::CursorTools: sets the mouse cursor without knowing the window system.
#pragma once

namespace nx {

class CursorTools {
public:
    virtual ~CursorTools() = default;
    virtual void setArrowCursor() = 0;
    virtual void setWaitCursor() = 0;
    virtual void setAppStartingCursor() = 0;
    virtual void setCrossCursor() = 0;
    virtual void setSizeAllCursor() = 0;
    virtual void setSizeNSCursor() = 0;
    virtual void setSizeWECursor() = 0;
    virtual void setSizeNESWCursor() = 0;
    virtual void setSizeNWSECursor() = 0;
    virtual void setHelpCursor() = 0;
    virtual void setUpArrowCursor() = 0;
    virtual void setIBeamCursor() = 0;
    virtual void setNoCursor() = 0;
};

}  // namespace nx
