// Applies a member's rules: its guard turns a failure into an AutomationError, and a call
// that returns normally sets or clears the modified flag as the rules say.
#pragma once

#include <exception>
#include <string>
#include <type_traits>

#include "control/automation_error.h"
#include "control/member_rules.h"

namespace ramulo {

namespace control_detail {

template <typename F>
auto guardedBy(const MemberRules& rules, F&& work) -> decltype(work()) {
    if (rules.guard == GuardKind::None) return work();
    try {
        return work();
    } catch (const AutomationError&) {
        // An inner member's error passes on with its own code.
        throw;
    } catch (const std::exception& e) {
        switch (rules.guard) {
            case GuardKind::Fixed:
                throw AutomationError(rules.code, rules.fallback, rules.helpContext);
            case GuardKind::Prefixed:
                throw AutomationError(rules.code, rules.fallback + toUtf16(e.what()));
            default:
                throw AutomationError(rules.code, toUtf16(e.what()));
        }
    } catch (...) {
        if (rules.guard != GuardKind::Text || !rules.fallback) throw;
        throw AutomationError(rules.code, rules.fallback);
    }
}

inline void markDocument(const MemberRules& rules, bool& modified) {
    if (rules.modified == ModifiedFlag::Set) modified = true;
    if (rules.modified == ModifiedFlag::Cleared) modified = false;
}

// The one place a member's rules run: work under the guard, then the modified flag.
template <typename F>
auto applyRules(const MemberRules& rules, bool& modified, F&& work) -> decltype(work()) {
    if constexpr (std::is_void_v<decltype(work())>) {
        guardedBy(rules, work);
        markDocument(rules, modified);
    } else {
        auto result = guardedBy(rules, work);
        markDocument(rules, modified);
        return result;
    }
}

}

}  // namespace ramulo  // namespace control_detail
