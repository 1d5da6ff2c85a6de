// The module's start and exit for Qt hosts: started by the first control of the process.
#pragma once

namespace ramulo {

// Starts the module (property registry, list separator) once per process and has its exit
// run when the application object goes. A start that fails is tried again by the next call.
void ensureModuleStarted();

}  // namespace ramulo
