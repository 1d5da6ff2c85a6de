// RamuloControl: the layered layout member.
#include "control/member_guard.h"
#include "control/ramulo_control.h"

using control_detail::guarded;

void RamuloControl::LayeredLayout() {
    guarded(0x800a03f1, u"Unknown exception", [&] {
        afterLayout(engine_.LayeredLayout());
    });
}
