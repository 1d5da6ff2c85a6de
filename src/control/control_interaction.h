// ControlInteraction: the control's mouse and context-menu handlers and its command dispatch.
#pragma once

#include <cstdint>

#include "control/member_rules.h"
#include "engine/control_engine.h"
#include "views/geometry.h"

namespace ramulo {

class RamuloControl;

// A window binding translates its events into these calls: points in client coordinates
// plus the current scroll position; the engine works in logical coordinates.
class ControlInteraction {
public:
    explicit ControlInteraction(RamuloControl& control) : control_(control) {}

    void leftButtonDown(std::uint32_t keyFlags, nx::Point client, nx::Point scroll);
    void rightButtonDown(std::uint32_t keyFlags, nx::Point client, nx::Point scroll);
    void leftButtonUp(nx::Point client, nx::Point scroll);
    void rightButtonUp(nx::Point client, nx::Point scroll);
    void mouseMove(nx::Point client, nx::Point scroll);
    void mouseLeave();
    void leftDoubleClick(nx::Point client, nx::Point scroll);
    // A context-menu request at a screen point (client point and scroll for the hit test).
    void contextMenu(nx::Point screen, nx::Point client, nx::Point scroll);
    // Runs a command the menu, a double-click or the window's command messages name. A
    // failure of a file or layout command escapes as the member's AutomationError.
    void runCommand(const ControlEngine::MenuCommand& command);

private:
    void buttonDown(std::uint32_t keyFlags, nx::Point client, nx::Point scroll);
    // Ends a drag at the point; with a change the document is modified and grows.
    void endDrag(nx::Point client, nx::Point scroll);
    void changed(bool newExtent);
    // A layout run from the menu: only an arrangement modifies, rescrolls and repaints.
    template <typename Arrange>
    void menuLayout(const MemberRules& rules, Arrange&& arrange);
    // The user's press that finished connecting may have made an edge.
    void reportNewEdge(std::size_t edgesBefore);
    void syncSwitches();
    ControlEngine::MenuFlags menuFlags() const;

    RamuloControl& control_;
};

}  // namespace ramulo
