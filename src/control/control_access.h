// The library's own way to the engine the public RamuloControl keeps private.
#pragma once

#include "engine/control_engine.h"
#include "ramulo/control.h"

namespace ramulo {

// The control's private part is its engine; deriving keeps every `engine_.` body as it was.
struct RamuloControl::Impl : ControlEngine {};

struct RamuloControlAccess {
    static ControlEngine& engine(RamuloControl& control) { return control.engine_; }
    static const ControlEngine& engine(const RamuloControl& control) { return control.engine_; }
};

inline ControlEngine& engineOf(RamuloControl& control) {
    return RamuloControlAccess::engine(control);
}
inline const ControlEngine& engineOf(const RamuloControl& control) {
    return RamuloControlAccess::engine(control);
}

}  // namespace ramulo
