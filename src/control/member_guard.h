// The ways a member turns a failure into an AutomationError.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "control/automation_error.h"

namespace control_detail {

// Any standard exception: the member's code and the exception's text; anything else: the
// member's code and its fallback text. An AutomationError from an inner member passes on.
template <typename F>
auto guarded(std::uint32_t code, const char16_t* fallback, F&& work) -> decltype(work()) {
    try {
        return work();
    } catch (const AutomationError&) {
        throw;
    } catch (const std::exception& e) {
        throw AutomationError(code, toUtf16(e.what()));
    } catch (...) {
        throw AutomationError(code, fallback);
    }
}

}  // namespace control_detail
