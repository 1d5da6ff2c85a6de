// The module's start and exit: the process-wide objects every control shares.
#pragma once

namespace ramulo {

namespace control_module {

// Creates the property registry (a logic error "PropertyRegistry is empty" when it holds no
// type) and chooses the list separator from the runtime locale's decimal point.
void start();
// Deletes the property registry; a later start() makes it anew. The two view factories
// live until the process ends.
void exit();

}

}  // namespace ramulo  // namespace control_module
