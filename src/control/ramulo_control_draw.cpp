// RamuloControl::OnDraw: the engine's drawing under the drawing's automation error.
#include "control/member_guard.h"
#include "control/ramulo_control.h"

using control_detail::guarded;

void RamuloControl::OnDraw(nx::DeviceContext* dc, const nx::Rect& bounds, const nx::Rect& invalid) {
    guarded(0x800a03f0, u"Unknown exception", [&] { engine_.Draw(dc, bounds, invalid); });
}
