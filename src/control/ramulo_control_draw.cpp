// RamuloControl::OnDraw: the engine's drawing under the drawing's automation error.
#include "control/member_guard.h"
#include "control/member_rules.h"
#include "control/ramulo_control.h"

namespace ramulo {

namespace rules = member_rules;

void RamuloControl::OnDraw(nx::DeviceContext* dc, const nx::Rect& bounds, const nx::Rect& invalid) {
    // Drawing leaves the modified flag alone; the rules only guard it.
    control_detail::guardedBy(rules::Draw, [&] { engine_.Draw(dc, bounds, invalid); });
}

}  // namespace ramulo
