// A control on a scripted window, with the module started, and helpers for its errors.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "control/automation_error.h"
#include "control/control_module.h"
#include "control/ramulo_control.h"
#include "engine/scripted_host_window.h"

namespace control_test {

// The code and description an automation call fails with; code 0 when it does not fail.
struct Failure {
    std::uint32_t code = 0;
    std::u16string description;
    std::uint32_t helpContext = 0;
};

template <typename F>
Failure failureOf(F&& call) {
    try {
        call();
    } catch (const ramulo::AutomationError& e) {
        return {e.code(), e.description(), e.helpContext()};
    }
    return {};
}

class ControlTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ramulo::control_module::start(); }

    ramulo::ScriptedHostWindow window;
    ramulo::RamuloControl control;
};

// A control whose window exists, so that it shows document 1 as at start.
class ShownControl : public ControlTest {
protected:
    void SetUp() override { control.windowCreated(&window); }
};

}  // namespace control_test
