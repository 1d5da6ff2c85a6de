// RamuloControl: the layered layout member.
#include "control/member_guard.h"
#include "control/member_rules.h"
#include "control/ramulo_control.h"

namespace ramulo {

using control_detail::applyRules;
namespace rules = member_rules;

void RamuloControl::LayeredLayout() {
    afterLayout(
        applyRules(rules::LayeredLayout, modified_, [&] { return engine_.LayeredLayout(); }));
}

}  // namespace ramulo
