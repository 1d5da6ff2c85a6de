// RamuloControl's members that only read or set a value of its engine.
#include "control/ramulo_control.h"

namespace ramulo {

std::uint32_t RamuloControl::GetLayeredLayoutLimit() const { return engine_.layeredLayoutLimit(); }

void RamuloControl::SetLayeredLayoutLimit(std::uint32_t value) {
    engine_.setLayeredLayoutLimit(value);
}

VARIANT_BOOL RamuloControl::CanUndo() const { return engine_.CanUndo() ? -1 : 0; }

VARIANT_BOOL RamuloControl::CanRedo() const { return engine_.CanRedo() ? -1 : 0; }

}  // namespace ramulo
