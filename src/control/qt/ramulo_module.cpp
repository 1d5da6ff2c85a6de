// ensureModuleStarted: one start per process, the exit tied to the application's end.
#include "control/qt/ramulo_module.h"

#include <QCoreApplication>

#include "control/control_module.h"

namespace ramulo {

namespace {

bool g_started = false;

void moduleExit() {
    control_module::exit();
    g_started = false;
}

}  // namespace

void ensureModuleStarted() {
    // Everything runs on the user-interface thread: a plain flag is enough. The list
    // separator is chosen once, so documents written later in the process agree with it.
    if (g_started) return;
    control_module::start();
    g_started = true;
    qAddPostRoutine(moduleExit);
}

}  // namespace ramulo
